// A round played as a player would on a 1280 x 1024 screen, at the scale factor given on
// the command line: the keyboard's focus, the drop place shown while dragging, the order
// of the cards on the table, the winner of each hand, and where the end-of-round dialog
// opens. A picture of each stage goes to the artifacts folder.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <array>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "game/nombres.h"
#include "game/mesa.h"
#include "qt/anotador_qt.h"
#include "qt/controles_qt.h"
#include "qt/dialogo.h"
#include "qt/lienzo.h"
#include "qt/prueba_llamadas.h"
#include "qt/menus_qt.h"
#include "qt/programa.h"
#include "qt/ventana_principal.h"
#include "shell/naipalia.h"

namespace {

QString carpetaPrograma;
QString carpetaArtefactos;

using namespace naipalia;

// The questions are answered with `respuesta` (No: the round ends soon), the texts kept.
class MensajesQueNo : public Mensajes {
public:
    Respuesta mostrar(const std::string& texto, Icono, Botones botones, Respuesta) override {
        textos.push_back(texto);
        return botones == Botones::SiNo ? respuesta : Respuesta::Aceptar;
    }
    Respuesta respuesta = Respuesta::No;
    std::vector<std::string> textos;
};

// Draws from a fixed seed; with a fixed deal, every draw 0.9.
class AzarFijo : public Azar {
public:
    double siguiente() override { return reparto ? 0.9 : std::uniform_real_distribution<double>(0, 1)(generador); }
    std::optional<std::array<int, 6>> repartoFijado() override { return reparto; }
    std::optional<std::array<int, 6>> reparto;
    std::mt19937 generador{7};
};

class RondaQt : public ::testing::Test {
protected:
    void SetUp() override {
        programa.juego().arrancar();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&ventana()));
        ventana().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&ventana()));
    }

    vista::VentanaPrincipal& ventana() { return *programa.escena().principal(); }
    vista::Lienzo& lienzo() { return ventana().lienzo(); }
    Naipalia& mesa() { return programa.juego().naipalia; }
    QWidget* widget(const Control& c) { return lienzo().widgetDe(c); }
    QPoint enVentana(QPointF enLienzo) { return lienzo().mapTo(&ventana(), enLienzo.toPoint()); }

    void guardar(const QPixmap& dibujo, const QString& nombre) {
        ASSERT_TRUE(QDir().mkpath(carpetaArtefactos));
        EXPECT_TRUE(dibujo.save(QDir(carpetaArtefactos).filePath(nombre)));
    }

    // The screen as the player sees it: the table and the dialog in front, where they lie.
    QPixmap pantalla(QWidget* frente) {
        const QRect libre = ventana().screen()->geometry();
        QPixmap todo(libre.size());
        todo.fill(QColor(0x30, 0x30, 0x38));
        QPainter pintor(&todo);
        pintor.drawPixmap(ventana().mapToGlobal(QPoint(0, 0)) - libre.topLeft(), ventana().grab());
        if (frente) pintor.drawPixmap(frente->mapToGlobal(QPoint(0, 0)) - libre.topLeft(), frente->grab());
        return todo;
    }

    bool esBotonCarta(const QWidget* w) {
        for (int s = 1; s <= 3; ++s)
            if (w && w == widget(mesa().BotonCarta(s))) return true;
        return false;
    }

    bool turnoDelJugador() {
        if (QApplication::activeModalWidget()) return false;
        for (int s = 1; s <= 3; ++s)
            if (mesa().BotonCarta(s).Enabled()) return true;
        return false;
    }

    const Control* cartaEn(double left, double top) {
        for (int c = 0; c < 40; ++c) {
            const Control& carta = mesa().Carta(c);
            if (carta.Visible() && carta.Left() == left && carta.Top() == top) return &carta;
        }
        return nullptr;
    }

    // The rectangle of the table's hand places, both sides, on the screen.
    QRect lugarDeLasManos() {
        const double izquierda = vista::LeftDibujado(LeftMesaCompu[1], TopMesaCompu);
        const double derecha = vista::LeftDibujado(LeftMesaJugador[3], TopMesaJugador) + AnchoCarta;
        const QRect r = lienzo().rectangulo(izquierda, TopMesaCompu, derecha - izquierda,
                                            TopMesaJugador + AltoCarta - TopMesaCompu);
        return QRect(lienzo().mapToGlobal(r.topLeft()), r.size());
    }

    // Once both cards of a hand are down: neither hides part of the other, and the winner
    // shows its mark.
    void revisarMano(int h) {
        const auto i = static_cast<std::size_t>(h);
        const Control* jugador = cartaEn(LeftMesaJugador[i], TopMesaJugador);
        const Control* compu = cartaEn(LeftMesaCompu[i], TopMesaCompu);
        const std::string& ganador = mesa().TextoMano(h).Text();
        if (!jugador || !compu || ganador.empty() || revisadas_[i]) return;
        revisadas_[i] = true;
        EXPECT_FALSE(widget(*jugador)->geometry().intersects(widget(*compu)->geometry())) << "hand " << h;
        auto marcada = [&](const Control* c) {
            auto* imagen = dynamic_cast<vista::ImagenQt*>(widget(*c));
            return imagen && imagen->marcada(vista::Marca::Ganadora);
        };
        if (ganador == NombreComputadora || ganador == PalabraIguales) {
            EXPECT_TRUE(marcada(compu)) << "hand " << h;
        }
        if (ganador != NombreComputadora) {
            EXPECT_TRUE(marcada(jugador)) << "hand " << h;
        } else {
            EXPECT_FALSE(marcada(jugador)) << "hand " << h;
        }
        if (!capturaMano_) {
            capturaMano_ = true;
            guardar(pantalla(QApplication::activeModalWidget()), "3-mano-decidida.png");
        }
    }

    // No dialog hides the player's unplayed cards nor the hand in dispute.
    void revisarQueNoTapa(QWidget* modal) {
        const QRect caja = modal->frameGeometry();
        for (const QRect& carta : lienzo().cartasEnJuego(modal->objectName() == "FinRonda"))
            EXPECT_FALSE(caja.intersects(carta)) << modal->objectName().toStdString() << " hides a card";
        EXPECT_TRUE(ventana().screen()->availableGeometry().contains(caja)) << modal->objectName().toStdString();
    }

    void revisarFinRonda(QWidget* dialogo) {
        finRonda_ = true;
        if (qEnvironmentVariableIsSet("DEPURAR"))
            for (QWidget* w : dialogo->findChildren<QWidget*>())
                std::fprintf(stderr, "%s %d,%d %dx%d vis=%d\n", qPrintable(w->objectName()), w->x(), w->y(), w->width(),
                             w->height(), w->isVisible());
        const QRect caja = dialogo->frameGeometry();
        const QRect libre = ventana().screen()->availableGeometry();
        EXPECT_TRUE(libre.contains(caja)) << "the dialog " << caja.x() << "," << caja.y() << " " << caja.width() << "x"
                                          << caja.height() << " leaves the screen";
        EXPECT_LE(caja.width(), ventana().frameGeometry().width()) << "the dialog is wider than the table";
        EXPECT_FALSE(caja.intersects(lugarDeLasManos())) << "the dialog covers the hands";
        // Its button lies wholly inside it.
        auto* proxima = dialogo->findChild<QPushButton*>("BotonMesa");
        ASSERT_NE(proxima, nullptr);
        EXPECT_TRUE(dialogo->rect().contains(QRect(proxima->mapTo(dialogo, QPoint(0, 0)), proxima->size())));
        for (int h = 1; h <= 3; ++h) revisarMano(h);
        guardar(pantalla(dialogo), "4-fin-de-ronda.png");
        proxima->click();
    }

    // Enter and Space where the keyboard rests after a dialog: nothing on the table moves.
    void teclasSueltasNoHacenNada(const std::string& despues) {
        QWidget* foco = QApplication::focusWidget();
        EXPECT_FALSE(esBotonCarta(foco) || qobject_cast<QPushButton*>(foco))
            << "after " << despues << " the keyboard is on " << foco->objectName().toStdString();
        auto foto = [&] {
            std::string f = mesa().TextoJugador.Text() + "|" + mesa().TextoComputadora.Text();
            for (int s = 1; s <= 6; ++s) {
                const Control& c = mesa().Carta(programa.juego().estado.carta(s));
                f += '|';
                f += std::to_string(c.Left()) + "," + std::to_string(c.Top()) + (c.Visible() ? "v" : "");
            }
            return f;
        };
        const std::string antes = foto();
        for (Qt::Key tecla : {Qt::Key_Return, Qt::Key_Space, Qt::Key_Enter}) {
            QTest::keyClick(foco ? foco : &ventana(), tecla);
            QTest::qWait(150);  // a button's click comes a moment after its key
        }
        EXPECT_EQ(foto(), antes) << "a stray key acted after " << despues;
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "a stray key opened a dialog after " << despues;
    }

    MensajesQueNo mensajes;
    AzarFijo azar;
    vista::Programa programa{carpetaPrograma, &mensajes, nullptr, &azar};
    std::array<bool, 4> revisadas_{};
    bool capturaMano_ = false;
    bool finRonda_ = false;
};

// At this scale the places where cards lie on the table never meet: the computer's played
// and shown cards and the player's, of every hand.
TEST_F(RondaQt, LasCartasDeLaMesaNoSeTapan) {
    std::vector<std::array<double, 2>> lugares;
    for (std::size_t h = 1; h <= 3; ++h)
        lugares.insert(lugares.end(), {{LeftMesaCompu[h], TopMesaCompu},
                                       {LeftMesaCompu[h], TopMesaJugador},
                                       {LeftMesaJugador[h], TopMesaJugador}});
    auto rect = [&](const std::array<double, 2>& l) {
        return lienzo().rectangulo(vista::LeftDibujado(l[0], l[1]), l[1], AnchoCarta, AltoCarta);
    };
    for (std::size_t a = 0; a < lugares.size(); ++a) {
        EXPECT_TRUE(widget(mesa().DisenoMesa)->geometry().contains(rect(lugares[a]))) << a;
        // One card of the computer's is either played or shown, never both.
        for (std::size_t b = a + 1; b < lugares.size(); ++b)
            EXPECT_FALSE(lugares[a][0] != lugares[b][0] && rect(lugares[a]).intersects(rect(lugares[b]))) << a << b;
    }
}

TEST_F(RondaQt, UnaRondaJugadaConElTecladoYArrastrando) {
    ventana().menus().accion(mesa().MenuMJugador)->trigger();
    QTest::keyClick(&ventana(), Qt::Key_F5);
    ASSERT_TRUE(QTest::qWaitFor([&] { return turnoDelJugador(); }, 5000)) << "no deal";

    // After the deal: on a card, never on a call or the deck.
    EXPECT_TRUE(esBotonCarta(QApplication::focusWidget()))
        << "focus after the deal on "
        << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName().toStdString() : "nothing");
    guardar(ventana().grab(), "1-reparto.png");

    // The end of the round and each decided hand are looked at while they are on the table.
    QTimer asistente;
    QObject::connect(&asistente, &QTimer::timeout, [&] {
        for (int h = 1; h <= 3; ++h) revisarMano(h);
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible()) revisarQueNoTapa(modal);
        if (modal && modal->objectName() == "FinRonda" && modal->isVisible() && !finRonda_) revisarFinRonda(modal);
        vista::prueba::ResponderLlamada(modal);
    });
    asistente.start(20);

    // The first card is dragged with the right button onto the table.
    const Control& carta = mesa().Carta(programa.juego().estado.carta(1));
    const QRect casa = lienzo().rectangulo(LeftMano[1], TopMano, AnchoCarta, AltoCarta);
    QWindow* ventanaQt = ventana().windowHandle();
    const QPointF agarre = casa.center();
    const QPointF tomada = agarre - QPointF(4, 4);
    const double k = lienzo().escala();
    // The corner in the middle of the place accepted for hand 1, and then 900 twips off it.
    const ZonaJugada& z = ZonasJugada[1];
    const QPointF esquina((z.desde + z.hasta) / 2, (TopZonaDesde + TopZonaHasta) / 2);
    const QPointF dentro = tomada + (esquina - QPointF(LeftMano[1], TopMano)) * k;
    const QPointF fuera = dentro + QPointF(900, 300) * k;
    QTest::mousePress(ventanaQt, Qt::RightButton, {}, enVentana(agarre));
    QTest::mouseMove(ventanaQt, enVentana(tomada));
    QTest::mouseMove(ventanaQt, enVentana(fuera));
    ASSERT_NE(lienzo().zona(), nullptr) << "no outline while dragging";
    EXPECT_TRUE(lienzo().zona()->isVisible());
    EXPECT_FALSE(lienzo().zona()->encendida()) << "lit while a release would not be accepted";
    QTest::mouseMove(ventanaQt, enVentana(dentro));
    EXPECT_TRUE(lienzo().zona()->isVisible());
    EXPECT_TRUE(lienzo().zona()->encendida()) << "not lit while a release would be accepted";
    // The outline is drawn on the felt, under the card.
    const QRect marco = lienzo().zona()->geometry();
    EXPECT_TRUE(widget(mesa().DisenoMesa)->geometry().contains(marco));
    guardar(ventana().grab(), "2-arrastre.png");
    QTest::mouseRelease(ventanaQt, Qt::RightButton, {}, enVentana(dentro));
    EXPECT_FALSE(lienzo().zona()->isVisible());
    EXPECT_EQ(carta.Top(), TopMesaJugador) << "the card dropped in the outline was not played";

    // The rest of the round with the keyboard: Enter plays the focused card.
    bool capturada = false;
    for (int jugadas = 0; jugadas < 6 && !finRonda_; ++jugadas) {
        if (!QTest::qWaitFor([&] { return finRonda_ || turnoDelJugador(); }, 5000)) break;
        if (finRonda_) break;
        // After a dialog the keyboard rests on nothing until Tab brings it to a card.
        if (lienzo().aparcado()) {
            teclasSueltasNoHacenNada("a dialog");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QWidget* foco = QApplication::focusWidget();
        ASSERT_TRUE(esBotonCarta(foco)) << "focus after a card on "
                                        << (foco ? foco->objectName().toStdString() + foco->metaObject()->className()
                                                 : "nothing");
        if (!capturada) {
            capturada = true;
            guardar(ventana().grab(), "3-tras-una-carta.png");
        }
        QTest::keyClick(foco, Qt::Key_Return);
        QTest::qWait(150);
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return finRonda_; }, 5000)) << "the round did not end";
    asistente.stop();

    // The anotador beside the table keeps the boxes' scores and the round's line, clear of the cards.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !QApplication::activeModalWidget(); }, 5000));
    const vista::PanelAnotador* panel = ventana().anotador();
    ASSERT_NE(panel, nullptr);
    const Anotador& anotador = programa.juego().operacion.anotador;
    EXPECT_EQ(std::to_string(anotador.tanteador(Lado::Jugador)), mesa().TextoJugador.Text());
    EXPECT_EQ(std::to_string(anotador.tanteador(Lado::Computadora)), mesa().TextoComputadora.Text());
    EXPECT_EQ(panel->findChild<QListWidget*>("Rondas")->count(), 1);
    for (const QRect& carta : lienzo().cartasEnJuego(true))
        EXPECT_FALSE(QRect(panel->mapToGlobal(QPoint(0, 0)), panel->size()).intersects(carta));
    guardar(ventana().grab(), "8-anotador.png");
}

// The player, mano with 29, calls envido; the computer (28) accepts: the keypad has the
// keyboard, clear of the cards, and "2" "7" Enter declare 27.
TEST_F(RondaQt, ElTantoSeDeclaraTecleando) {
    azar.reparto = std::array<int, 6>{4, 5, 28, 0, 1, 2};
    mensajes.respuesta = Respuesta::Si;
    ventana().menus().accion(mesa().MenuMJugador)->trigger();
    QTest::keyClick(&ventana(), Qt::Key_F5);
    ASSERT_TRUE(QTest::qWaitFor([&] { return turnoDelJugador(); }, 5000)) << "no deal";
    QString enfocada, elegida;
    QTimer asistente;
    QObject::connect(&asistente, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal->objectName() != "Tanto" || !modal->isVisible() || !enfocada.isEmpty()) return;
        // Once the dialog has the keyboard, as the player sees it.
        if (!modal->isActiveWindow() || !modal->isAncestorOf(QApplication::focusWidget())) return;
        revisarQueNoTapa(modal);
        enfocada = QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString("-");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_7);
        elegida = QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString("-");
        guardar(pantalla(modal), "6-teclado.png");
        // Enter confirms; were the keyboard elsewhere, the button itself.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        if (auto* b = modal->findChild<QPushButton*>("BotonNumeroTanto(27)"); b && modal->isVisible()) b->click();
    });
    asistente.start(20);
    widget(mesa().BotonEnvido)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !QApplication::activeModalWidget() && enfocada.size(); }, 5000));
    EXPECT_TRUE(enfocada.startsWith("BotonNumeroTanto")) << enfocada.toStdString();
    EXPECT_EQ(elegida, "BotonNumeroTanto(27)");
    EXPECT_NE(std::find(mensajes.textos.begin(), mensajes.textos.end(), "¿Tienes 27 puntos?"), mensajes.textos.end());
    EXPECT_EQ(programa.juego().estado.TantoCantadoJugador, 27);
    teclasSueltasNoHacenNada("the keypad");
    guardar(pantalla(nullptr), "7-tras-el-teclado.png");
}

// With animations, the truco the computer calls after its card opens once the card is on
// the table: the player leads a 4, the computer wins with a 5 and leads with its truco.
TEST_F(RondaQt, UnaLlamadaTrasLaCartaDeLaComputadoraEsperaQueLlegue) {
    azar.reparto = std::array<int, 6>{36, 37, 38, 9, 30, 35};
    programa.escena().animar(true);
    ventana().menus().accion(mesa().MenuMJugador)->trigger();
    QTest::keyClick(&ventana(), Qt::Key_F5);
    ASSERT_TRUE(QTest::qWaitFor([&] { return turnoDelJugador() && !lienzo().enMovimiento(); }, 5000));
    std::optional<bool> enMovimiento;
    QTimer asistente;
    QObject::connect(&asistente, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->objectName() == "CantoTrucos" && modal->isVisible() && !enMovimiento)
            enMovimiento = lienzo().enMovimiento();
        vista::prueba::ResponderLlamada(modal);
    });
    asistente.start(20);
    qobject_cast<QPushButton*>(widget(mesa().BotonCarta(1)))->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return enMovimiento.has_value(); }, 5000)) << "no truco after the card";
    EXPECT_FALSE(*enMovimiento) << "the call opened while the computer's card travelled";
}

// At the smallest window the game allows and larger, every text of the table fits its
// control, so none crosses a frame.
TEST_F(RondaQt, LosTextosCabenEnSusControles) {
    ventana().menus().accion(mesa().MenuMJugador)->trigger();
    QTest::keyClick(&ventana(), Qt::Key_F5);
    ASSERT_TRUE(QTest::qWaitFor([&] { return turnoDelJugador(); }, 5000));
    int n = 0;
    for (const QSize tamano : {QSize(800, 600), QSize(1000, 640), QSize(1180, 900)}) {
        ventana().resize(tamano);
        QTest::qWait(30);
        for (QWidget* w : lienzo().findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!w->isVisible()) continue;
            QString texto;
            bool envuelto = false;
            QRect caja = w->contentsRect();
            if (auto* etiqueta = qobject_cast<QLabel*>(w)) {
                texto = etiqueta->text();
                envuelto = etiqueta->wordWrap();
                caja = etiqueta->contentsRect().adjusted(etiqueta->margin(), etiqueta->margin(), -etiqueta->margin(),
                                                         -etiqueta->margin());
            } else if (auto* boton = qobject_cast<QPushButton*>(w)) {
                texto = boton->text().remove('&');
                caja = caja.adjusted(2, 0, -2, 0);
            }
            if (texto.trimmed().isEmpty()) continue;
            const QFontMetrics medidas(w->font());
            const QRect ocupa = envuelto
                                    ? medidas.boundingRect(QRect(0, 0, caja.width(), 100000), Qt::TextWordWrap, texto)
                                    : QRect(0, 0, medidas.horizontalAdvance(texto.trimmed()), medidas.height());
            EXPECT_LE(ocupa.width(), caja.width() + 1) << w->objectName().toStdString() << " at " << tamano.width()
                                                       << "x" << tamano.height() << ": " << texto.toStdString();
            EXPECT_LE(ocupa.height(), caja.height() + 2) << w->objectName().toStdString() << " at " << tamano.width()
                                                         << "x" << tamano.height() << ": " << texto.toStdString();
            ++n;
        }
        if (tamano.width() == 800) guardar(ventana().grab(), "5-800x600.png");
    }
    EXPECT_GT(n, 30);
}

}  // namespace

int main(int argc, char* argv[]) {
    // Google Test's own flags first, so the rest are the positions below.
    ::testing::InitGoogleTest(&argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "uso: %s <carpeta del programa> <carpeta de artefactos> [escala [alto]]\n", argv[0]);
        return 2;
    }
    carpetaPrograma = QString::fromLocal8Bit(argv[1]);
    carpetaArtefactos = QString::fromLocal8Bit(argv[2]);
    const QByteArray escala = argc > 3 ? QByteArray(argv[3]) : QByteArray("1");
    const QByteArray alto = argc > 4 ? QByteArray(argv[4]) : QByteArray("1024");
    // A screen 1280 wide and 1024 high (or as asked) on Qt's offscreen platform, at the scale asked for.
    QDir().mkpath(carpetaArtefactos);
    const QString config = QDir(carpetaArtefactos).filePath("pantalla.json");
    QFile archivo(config);
    if (!archivo.open(QIODevice::WriteOnly)) return 2;
    archivo.write(R"({"windowFrameMargins": true, "screens": [{"name": "prueba", "x": 0, "y": 0,
        "width": 1280, "height": )" +
                  alto + R"(, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    archivo.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toLocal8Bit());
    qputenv("QT_SCALE_FACTOR", escala);
    QApplication aplicacion(argc, argv);
    vista::PrepararAplicacion(carpetaPrograma);
    return RUN_ALL_TESTS();
}
