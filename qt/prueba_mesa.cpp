// The desktop table on Qt's offscreen platform, driven as a player would: the menu,
// F5, and a card dragged with the right button.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QDialog>
#include <QTextBrowser>
#include <QTimer>
#include <QWindow>
#include <string>
#include <vector>

#include "game/mesa.h"
#include "game/tanto.h"
#include "qt/controles_qt.h"
#include "qt/lienzo.h"
#include "qt/prueba_llamadas.h"
#include "qt/mensajes_qt.h"
#include "qt/menus_qt.h"
#include "qt/programa.h"
#include "qt/prueba_principal.h"
#include "qt/ventana_principal.h"
#include "shell/naipalia.h"

namespace {

QString carpetaPrograma;
QString carpetaArtefactos;

using naipalia::AltoCarta;
using naipalia::AnchoCarta;

// A real box would wait for a player who is not there: record the text and say No.
class MensajesGrabados : public naipalia::Mensajes {
public:
    naipalia::Respuesta mostrar(const std::string& texto, naipalia::Icono, naipalia::Botones botones,
                                naipalia::Respuesta) override {
        textos.push_back(texto);
        return botones == naipalia::Botones::SiNo ? respuesta : naipalia::Respuesta::Aceptar;
    }
    std::vector<std::string> textos;
    naipalia::Respuesta respuesta = naipalia::Respuesta::No;
};

// For failure messages: the widget with the keyboard, if any.
std::string nombreDelFoco() {
    QWidget* foco = QApplication::focusWidget();
    return foco ? foco->objectName().toStdString() : "nothing";
}

// The end-of-round dialog's own button, when that is the dialog on screen.
void CerrarFinRonda(QWidget* modal) {
    if (modal && modal->objectName() == "FinRonda")
        if (auto* b = modal->findChild<QPushButton*>("BotonMesa")) b->click();
}

// A dialog whose button hides it and then asks a question, as the game's dialogs do.
class DialogoQuePregunta : public naipalia::Ventana {
public:
    explicit DialogoQuePregunta(naipalia::Mensajes& mensajes) : Ventana("DialogoQuePregunta") {
        forma().diseno().Caption = "Naipalia";
        forma().diseno().Width = 3000;
        forma().diseno().Height = 1500;
        auto& b = Boton.diseno();
        b.Caption = "&Aceptar";
        b.Left = 900;
        b.Top = 600;
        b.Width = 1200;
        b.Height = 420;
        Boton.Click = [this, &mensajes] {
            Hide();
            pasos.push_back("oculto");
            mensajes.mostrar("¿Otra vez?", naipalia::Icono::Pregunta, naipalia::Botones::SiNo);
            pasos.push_back("preguntado");
        };
        terminarDiseno();
    }
    naipalia::Control Boton{*this, "Boton", naipalia::TipoControl::Boton};
    std::vector<std::string> pasos;
};

// A dialog whose message is far wider than any screen, as the end of a round can be.
class DialogoLargo : public naipalia::Ventana {
public:
    DialogoLargo() : Ventana("DialogoLargo") {
        forma().disenar(0, 0, 60000, 2280, "Naipalia");
        Mensaje.disenar(1200, 480, 60000 - 1725, 320).diseno().TamanoLetra = 10;
        Boton.disenar(60000 - 1800, 1320, 1600, 420, "&Próxima ronda");
        Boton.Click = [this] { Hide(); };
        terminarDiseno();
    }
    naipalia::Control Mensaje{*this, "Mensaje", naipalia::TipoControl::Etiqueta};
    naipalia::Control Boton{*this, "Boton", naipalia::TipoControl::Boton};
};

// Answers after a nested event loop, as a real message box would.
class MensajesConEspera : public MensajesGrabados {
public:
    naipalia::Respuesta mostrar(const std::string& texto, naipalia::Icono icono, naipalia::Botones botones,
                                naipalia::Respuesta porDefecto) override {
        QTest::qWait(50);
        return MensajesGrabados::mostrar(texto, icono, botones, porDefecto);
    }
};

class MesaQt : public ::testing::Test {
protected:
    void SetUp() override {
        programa.juego().arrancar();
        ventana().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&ventana()));
        ASSERT_TRUE(QTest::qWaitForWindowActive(&ventana()));
    }

    naipalia::vista::VentanaPrincipal& ventana() { return *programa.escena().principal(); }
    naipalia::vista::Lienzo& lienzo() { return ventana().lienzo(); }
    naipalia::Naipalia& mesa() { return programa.juego().naipalia; }
    QWidget* widget(const naipalia::Control& c) { return lienzo().widgetDe(c); }
    QRect lugar(double left, double top) { return lienzo().rectangulo(left, top, AnchoCarta, AltoCarta); }
    QPoint enVentana(QPointF enLienzo) { return lienzo().mapTo(&ventana(), enLienzo.toPoint()); }

    // The player leads, so the computer has played nothing when the deal is seen.
    void repartirSiendoMano() {
        ventana().menus().accion(mesa().MenuMJugador)->trigger();
        ASSERT_TRUE(mesa().MenuMJugador.Checked());
        QTest::keyClick(&ventana(), Qt::Key_F5);
        QCoreApplication::processEvents();
        ASSERT_TRUE(mesa().MenuFin.Enabled()) << "F5 did not start a game";
    }

    void arrastrarYSoltarFuera(Qt::MouseButton boton);

    MensajesGrabados mensajes;
    MensajesConEspera espera;
    bool enfocadaUnaCarta() {
        QWidget* foco = QApplication::focusWidget();
        for (int s = 1; s <= 3; ++s)
            if (foco && foco == widget(mesa().BotonCarta(s))) return true;
        return false;
    }

    // A window model outlives the program's windows, as the game's own do.
    DialogoQuePregunta dialogo{espera};
    DialogoLargo largo;
    naipalia::vista::Programa programa{carpetaPrograma, &mensajes};
};

TEST_F(MesaQt, F5RepartePoniendoLasTresCartasDelJugadorYTresDorsos) {
    repartirSiendoMano();
    const auto& e = programa.juego().estado;
    for (int s = 1; s <= 3; ++s) {
        QWidget* carta = widget(mesa().Carta(e.carta(s)));
        ASSERT_NE(carta, nullptr);
        EXPECT_TRUE(carta->isVisible()) << "slot " << s;
        EXPECT_EQ(carta->geometry(), lugar(naipalia::LeftMano[static_cast<std::size_t>(s)], naipalia::TopMano));
        // The face was painted: a blank or failed picture has next to no colours.
        const QImage dibujo = carta->grab().toImage();
        QSet<QRgb> colores;
        for (int y = 0; y < dibujo.height(); y += 2)
            for (int x = 0; x < dibujo.width(); x += 2) colores.insert(dibujo.pixel(x, y));
        EXPECT_GT(colores.size(), 20) << "slot " << s;
    }
    for (int s = 4; s <= 6; ++s) {
        EXPECT_TRUE(widget(mesa().CartaFondo(s))->isVisible()) << "back " << s;
        const QWidget* oculta = widget(mesa().Carta(e.carta(s)));
        EXPECT_TRUE(!oculta || !oculta->isVisible()) << "computer's card " << s;
    }
    EXPECT_TRUE(mensajes.textos.empty()) << mensajes.textos.front();

    ASSERT_TRUE(QDir().mkpath(carpetaArtefactos));
    EXPECT_TRUE(ventana().grab().save(QDir(carpetaArtefactos).filePath("mesa.png")));
}

// With either button: a card pressed and dragged away is a drag, never a click.
TEST_F(MesaQt, UnaCartaArrastradaFueraDeSuLugarVuelveALaMano) {
    repartirSiendoMano();
    for (const Qt::MouseButton boton : {Qt::RightButton, Qt::LeftButton}) arrastrarYSoltarFuera(boton);
}

TEST_F(MesaQt, CadaLetraDeAtajoEsUnicaEnSuVentanaYEnCadaMenu) {
    repartirSiendoMano();
    auto letras = [](const QStringList& textos) {
        QStringList vistas;
        for (const QString& t : textos)
            if (const qsizetype i = t.indexOf('&'); i >= 0) vistas << t.mid(i + 1, 1).toLower();
        return vistas;
    };
    auto sinRepetir = [](QStringList l) { return QSet<QString>(l.begin(), l.end()).size() == l.size(); };
    QStringList ventanaEntera;
    for (QAction* a : ventana().menuBar()->actions()) {
        ventanaEntera << a->text();
        if (QMenu* menu = a->menu()) {
            QStringList entradas;
            for (QAction* e : menu->actions()) entradas << e->text();
            EXPECT_TRUE(sinRepetir(letras(entradas))) << entradas.join(" ").toStdString();
        }
    }
    for (QPushButton* b : lienzo().findChildren<QPushButton*>()) ventanaEntera << b->text();
    EXPECT_TRUE(sinRepetir(letras(ventanaEntera))) << ventanaEntera.join(" ").toStdString();
    EXPECT_FALSE(widget(mesa().BotonMazo)->property("text").toString().contains('&')) << "one key gives the round away";
}

void MesaQt::arrastrarYSoltarFuera(Qt::MouseButton boton) {
    QWidget* carta = widget(mesa().Carta(programa.juego().estado.carta(2)));
    const QRect casa = lugar(naipalia::LeftMano[2], naipalia::TopMano);
    QWindow* ventanaQt = ventana().windowHandle();

    // Up and left by 1000 twips: over the table but short of the place of hand 1.
    const QPointF agarre = casa.center();
    const QPointF destino = agarre - QPointF(1000, 1000) * lienzo().escala();
    // The card takes hold where the first move finds the pointer, then follows it.
    const QPointF tomada = agarre - QPointF(5, 5);
    QTest::mousePress(ventanaQt, boton, {}, enVentana(agarre));
    QTest::mouseMove(ventanaQt, enVentana(tomada));
    QTest::mouseMove(ventanaQt, enVentana(destino));
    const QPointF centro = destino + (agarre - tomada);
    EXPECT_NEAR(carta->geometry().center().x(), centro.x(), 2);
    EXPECT_NEAR(carta->geometry().center().y(), centro.y(), 2);
    EXPECT_EQ(lienzo().childAt(destino.toPoint()), carta) << "the dragged card is not on top";

    QTest::mouseRelease(ventanaQt, boton, {}, enVentana(destino));
    EXPECT_TRUE(QTest::qWaitFor([&] { return carta->geometry() == casa; }, 5000))
        << "the card stopped at " << carta->geometry().x() << "," << carta->geometry().y();
    EXPECT_EQ(programa.juego().ronda.ManoActual, 1);
    EXPECT_TRUE(mesa().BotonCarta(2).Enabled());
}

TEST_F(MesaQt, ElTecladoQuedaEnUnaCartaYEspacioOEnterLaJuegan) {
    // Every call accepted, and an end of round (the computer may go to the deck) closed by
    // its "Próxima ronda", so the play goes on.
    mensajes.respuesta = naipalia::Respuesta::Si;
    QTimer cierre;
    QObject::connect(&cierre, &QTimer::timeout, [] {
        QWidget* modal = QApplication::activeModalWidget();
        CerrarFinRonda(modal);
        naipalia::vista::prueba::ResponderLlamada(modal);
    });
    cierre.start(20);
    repartirSiendoMano();
    const auto& e = programa.juego().estado;
    ASSERT_TRUE(enfocadaUnaCarta());
    QWidget* boton1 = widget(mesa().BotonCarta(1));
    EXPECT_EQ(QApplication::focusWidget(), boton1) << "not the first playable card";
    // The focused button's card shows the focus too, and only it.
    auto marcada = [&](int slot) {
        auto* carta = dynamic_cast<naipalia::vista::ImagenQt*>(widget(mesa().Carta(e.carta(slot))));
        return carta && carta->marcada(naipalia::vista::Marca::Foco);
    };
    EXPECT_TRUE(marcada(1));
    EXPECT_FALSE(marcada(2));
    widget(mesa().BotonCarta(2))->setFocus();
    EXPECT_TRUE(marcada(2));
    EXPECT_FALSE(marcada(1));
    // The player tabs to truco; a dialog then closes: the keyboard is back on a card.
    widget(mesa().BotonTruco)->setFocus();
    bool enterCerro = false;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        // Enter alone presses no button of a dialog.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::qWait(150);
        enterCerro = !modal->isVisible();
        if (auto* b = modal->findChild<QPushButton*>("Boton"); b && modal->isVisible()) b->click();
    });
    programa.juego().operacion.mostrarModal(largo);
    QCoreApplication::processEvents();
    EXPECT_FALSE(enterCerro) << "Enter pressed a dialog's button";
    // The keyboard rests on nothing until the player tabs to a card.
    EXPECT_EQ(QApplication::focusWidget(), &lienzo()) << "after a dialog: " << nombreDelFoco();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), boton1) << "Tab did not bring the keyboard to the first card";

    // Each key presses the focused card's button; what the game then does (the computer
    // may even go to the deck) is the game's.
    auto pulsa = [&](Qt::Key tecla) {
        auto* boton = qobject_cast<QPushButton*>(QApplication::focusWidget());
        if (!boton) return false;
        bool pulsado = false;
        const auto conexion = QObject::connect(boton, &QPushButton::clicked, [&] { pulsado = true; });
        QTest::keyClick(boton, tecla);
        const bool hecho = QTest::qWaitFor([&] { return pulsado; }, 10000);
        QObject::disconnect(conexion);
        return hecho;
    };
    EXPECT_TRUE(pulsa(Qt::Key_Space)) << "Space did not play the focused card";
    // The computer has answered and the next hand is open: the keyboard is on a card again.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            if (lienzo().aparcado() && !QApplication::activeModalWidget() && mesa().BotonCarta(2).Enabled())
                QTest::keyClick(&lienzo(), Qt::Key_Right);
            return enfocadaUnaCarta();
        },
        10000))
        << "focus after a card on " << nombreDelFoco();
    EXPECT_TRUE(pulsa(Qt::Key_Return)) << "Enter did not play the focused card";
    EXPECT_TRUE(QTest::qWaitFor([&] { return !QApplication::activeModalWidget(); }, 10000));
}

TEST_F(MesaQt, UnDialogoAnchoEnvuelveSuMensajeYNoPasaDeLaMesa) {
    QPointer<QWidget> visto;
    QRect caja, boton, mensaje;
    QTimer::singleShot(0, [&] {
        visto = QApplication::activeModalWidget();
        if (!visto) return;
        caja = visto->frameGeometry();
        auto* b = visto->findChild<QPushButton*>("Boton");
        auto* m = visto->findChild<QLabel*>("Mensaje");
        if (b) boton = QRect(b->mapTo(visto, QPoint(0, 0)), b->size());
        if (m) mensaje = QRect(m->mapTo(visto, QPoint(0, 0)), m->size());
        if (m) m->setObjectName(m->wordWrap() ? "envuelto" : "Mensaje");
        if (b) b->click();
    });
    std::string texto;
    while (texto.size() < 600) texto += "Me ganaste esta ronda, pero ya veremos la próxima. ";
    largo.Mensaje.Caption(texto);
    programa.juego().operacion.mostrarModal(largo);
    ASSERT_TRUE(visto);
    const QRect mesaVentana = ventana().frameGeometry();
    EXPECT_LE(caja.width(), mesaVentana.width());
    EXPECT_TRUE(ventana().screen()->availableGeometry().contains(caja));
    for (const QRect& carta : lienzo().cartasEnJuego(false)) EXPECT_FALSE(caja.intersects(carta));
    EXPECT_TRUE(visto->findChild<QLabel*>("envuelto")) << "the message does not wrap";
    EXPECT_GT(mensaje.height(), 3 * QFontMetrics(visto->font()).height()) << "the wrapped message did not grow";
    EXPECT_TRUE(visto->rect().contains(boton)) << "the button left the dialog";
    EXPECT_FALSE(boton.intersects(mensaje)) << "the button covers the message";
    // The model keeps its twips.
    EXPECT_EQ(largo.forma().Width(), 60000);
}

// A won tanto not proven on the table: the end-of-round dialog says so in a line of its
// own, uncut, and offers showing the cards; the status line sends the player to it.
TEST_F(MesaQt, ElFinDeRondaPideMostrarLasCartasQueCertificanElTanto) {
    repartirSiendoMano();
    auto& juego = programa.juego();
    auto& e = juego.estado;
    e.CadenaEnvido = naipalia::Cadena::Envido;
    e.EnvidoQuerido = naipalia::NivelQuerido(e.CadenaEnvido);
    e.GanadorEnvido = naipalia::Lado::Jugador;
    e.TantoCantadoJugador = 33;
    QString foco, linea, estado;
    bool cortada = true;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        QTest::qWait(50);
        if (QWidget* w = QApplication::focusWidget()) foco = w->objectName();
        if (auto* l = modal->findChild<QLabel*>("EtiquetaCertificar")) {
            linea = l->text();
            cortada = l->fontMetrics().horizontalAdvance(linea) > l->contentsRect().width() ||
                      !modal->rect().contains(QRect(l->mapTo(modal, QPoint(0, 0)), l->size()));
        }
        estado = QString::fromStdString(mesa().TextoEstado.Text());
        ASSERT_TRUE(QDir().mkpath(carpetaArtefactos));
        modal->grab().save(QDir(carpetaArtefactos).filePath("fin-de-ronda-certificar.png"));
        if (auto* b = modal->findChild<QPushButton*>("BotonMostrarCarta")) b->click();
    });
    juego.operacion.MensajeFinRonda("Me voy al mazo.");
    juego.operacion.mostrarModal(juego.finRonda);
    EXPECT_EQ(foco, "BotonMostrarCarta");
    EXPECT_EQ(linea, "Mostrá tus cartas para certificar tu tanto.");
    EXPECT_FALSE(cortada);
    EXPECT_EQ(estado, "El juego se trasladó a la ventana central, presiona los botones activos de dicha ventana");
}

TEST_F(MesaQt, LasCajasSiNoRespondenALaSYALaN) {
    naipalia::vista::MensajesQt cajas(programa.escena());
    for (const auto& [tecla, esperada] :
         {std::pair{Qt::Key_S, naipalia::Respuesta::Si}, std::pair{Qt::Key_N, naipalia::Respuesta::No},
          std::pair{Qt::Key_Return, naipalia::Respuesta::No}}) {
        QStringList textos;
        QObject contexto;  // its timers die with this case
        QTimer::singleShot(0, &contexto, [&, tecla = tecla] {
            auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!caja) return;
            for (QAbstractButton* b : caja->buttons()) textos << b->text();
            QTest::keyClick(caja, tecla);
        });
        // Escape would close a box with no cancel button on its own: a safety net only.
        QTimer::singleShot(3000, &contexto, [] {
            if (auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) caja->done(0);
        });
        const auto respuesta =
            cajas.mostrar("¿Querés?", naipalia::Icono::Pregunta, naipalia::Botones::SiNo,
                          esperada == naipalia::Respuesta::Si ? naipalia::Respuesta::No : naipalia::Respuesta::Si);
        EXPECT_EQ(respuesta, esperada) << "key " << tecla;
        EXPECT_EQ(textos, (QStringList{"&Sí", "&No"}));
    }
}

TEST_F(MesaQt, LasMarcasDelMenuSonLasQueDiceElModelo) {
    auto accion = [&](const naipalia::Control& c) { return ventana().menus().accion(c); };
    // Choosing the checked entry again: Qt alone would take the mark away.
    accion(mesa().MenuMJugador)->trigger();
    accion(mesa().MenuMJugador)->trigger();
    EXPECT_TRUE(accion(mesa().MenuMJugador)->isChecked());
    EXPECT_FALSE(accion(mesa().MenuMAleatorio)->isChecked());
    // Either entry of a Sí/No pair flips the option.
    accion(mesa().MenuFlorOpcion(2))->trigger();
    EXPECT_TRUE(accion(mesa().MenuFlorOpcion(1))->isChecked());
    EXPECT_FALSE(accion(mesa().MenuFlorOpcion(2))->isChecked());
    EXPECT_EQ(accion(mesa().MenuNuevo)->shortcut(), QKeySequence(Qt::Key_F5));
}

TEST_F(MesaQt, UnDialogoQueElModeloOcultaVuelveCuandoTerminaSuManejador) {
    QPointer<QWidget> visto;
    // The timers die with the test: the watchdog must not fire into the next one.
    QObject contexto;
    QTimer::singleShot(0, &contexto, [&] {
        visto = QApplication::activeModalWidget();
        if (!visto) return;
        if (auto* boton = visto->findChild<QPushButton*>("Boton")) QTest::mouseClick(boton, Qt::LeftButton);
    });
    // A dialog that never closes would hang the test: it is taken down from outside then.
    QTimer::singleShot(5000, &contexto, [&] {
        dialogo.pasos.push_back("vencido");
        dialogo.Hide();
        if (QWidget* modal = QApplication::activeModalWidget()) modal->hide();
    });
    programa.juego().operacion.mostrarModal(dialogo);
    dialogo.pasos.push_back("volvió");
    ASSERT_TRUE(visto);
    EXPECT_EQ(visto->windowTitle(), "Naipalia");
    EXPECT_FALSE(visto->isVisible());
    EXPECT_EQ(dialogo.pasos, (std::vector<std::string>{"oculto", "preguntado", "volvió"}));
}

// Counts the moves a widget is drawn at.
class ContadorDeMovidas : public QObject {
public:
    bool eventFilter(QObject*, QEvent* evento) override {
        if (evento->type() == QEvent::Move) ++movidas;
        return false;
    }
    int movidas = 0;
};

// The about area slides open over the table, a step at a time, with its texts over it,
// and slides back to its corner on Escape.
TEST_F(MesaQt, ElAcercaDeSeDeslizaSobreLaMesaYVuelve) {
    auto* marco = ventana().findChild<QWidget*>("DisenoAcercade");
    ASSERT_NE(marco, nullptr);
    ContadorDeMovidas contador;
    marco->installEventFilter(&contador);
    programa.escena().despachar([&] { mesa().MenuAcerca.Click(); });
    EXPECT_GT(contador.movidas, 100);
    EXPECT_EQ(mesa().DisenoAcercade.Left(), 100);
    EXPECT_EQ(mesa().DisenoAcercade.Top(), 98);
    EXPECT_FALSE(mesa().MenuJuego.Enabled());
    auto* nuevo = ventana().findChild<QAction*>("MenuNuevo");
    ASSERT_NE(nuevo, nullptr);
    EXPECT_FALSE(nuevo->isEnabled()) << "F5 would deal under the about area";
    auto* nombre = ventana().findChild<QLabel*>("EtiquetaNaipalia");
    ASSERT_NE(nombre, nullptr);
    EXPECT_TRUE(nombre->isVisible());
    const QObjectList hermanos = marco->parentWidget()->children();
    EXPECT_GT(hermanos.indexOf(nombre), hermanos.indexOf(marco)) << "the texts lie under the frame";
    for (QObject* o : hermanos) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || !w->isVisible() || !o->objectName().startsWith("Carta(")) continue;
        EXPECT_LT(hermanos.indexOf(o), hermanos.indexOf(marco)) << "a card lies over the open frame";
    }
    EXPECT_TRUE(marco->parentWidget()->rect().contains(nombre->geometry()));
    auto* anuncio = ventana().findChild<QWidget*>("TMaxAniPropaganda");
    ASSERT_NE(anuncio, nullptr);
    EXPECT_TRUE(anuncio->isVisible());
    EXPECT_GT(hermanos.indexOf(anuncio), hermanos.indexOf(marco));
    QTest::qWait(300);  // the advertisement's first frames
    ASSERT_TRUE(QDir().mkpath(carpetaArtefactos));
    EXPECT_TRUE(ventana().grab().save(QDir(carpetaArtefactos).filePath("acerca.png")));

    auto* aceptar = ventana().findChild<QPushButton*>("BotonAcercaDe");
    ASSERT_NE(aceptar, nullptr);
    contador.movidas = 0;
    // Escape closes it as its button does.
    QWidget* foco = QApplication::focusWidget();
    QTest::keyClick(foco ? foco : &lienzo(), Qt::Key_Escape);
    EXPECT_GT(contador.movidas, 100);
    EXPECT_EQ(mesa().DisenoAcercade.Left(), 8370);
    EXPECT_EQ(mesa().DisenoAcercade.Top(), 6225);
    EXPECT_EQ(mesa().DisenoAcercade.Width(), 2730);
    EXPECT_TRUE(mesa().MenuJuego.Enabled());
    EXPECT_TRUE(nuevo->isEnabled());
    EXPECT_FALSE(nombre->isVisible());
    EXPECT_TRUE(ventana().findChild<QLabel*>("EtiquetaAcercade")->isVisible());
}

// The help opens in a window of the program's own, showing the help file.
TEST_F(MesaQt, LaAyudaSeAbreEnSuPropiaVentana) {
    programa.escena().despachar([&] { mesa().MenuAyuda.Click(); });
    auto* ayuda = qobject_cast<QDialog*>([] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "Ayuda") return w;
        return static_cast<QWidget*>(nullptr);
    }());
    ASSERT_NE(ayuda, nullptr);
    EXPECT_TRUE(ayuda->isVisible());
    auto* texto = ayuda->findChild<QTextBrowser*>("TextoAyuda");
    ASSERT_NE(texto, nullptr);
    EXPECT_TRUE(texto->source().isLocalFile());
    EXPECT_FALSE(texto->toPlainText().isEmpty());
    ayuda->close();
}

// With animations the computer's card travels to its place; keys and clicks meanwhile
// change nothing, and the table ends as the models say.
TEST_F(MesaQt, ConAnimacionesLaEntradaEsperaYLaMesaQuedaComoLosModelos) {
    auto* animaciones = ventana().findChild<QAction*>("Animaciones");
    ASSERT_NE(animaciones, nullptr);
    animaciones->trigger();
    ASSERT_TRUE(programa.escena().animando());
    QTimer llamadas;
    QObject::connect(&llamadas, &QTimer::timeout,
                     [] { naipalia::vista::prueba::ResponderLlamada(QApplication::activeModalWidget()); });
    llamadas.start(20);
    ventana().menus().accion(mesa().MenuMCompu)->trigger();
    QTest::keyClick(&ventana(), Qt::Key_F5);
    ASSERT_TRUE(QTest::qWaitFor([&] { return lienzo().enMovimiento(); }, 5000)) << "the computer's lead was not shown";
    const auto& e = programa.juego().estado;
    auto foto = [&] {
        std::string f = mesa().TextoEstado.Text() + (mesa().MenuFin.Enabled() ? "+" : "-");
        for (int s = 1; s <= 6; ++s) {
            const auto& c = mesa().Carta(e.carta(s));
            f += std::to_string(c.Left()) + "," + std::to_string(c.Top()) + (c.Visible() ? "v|" : "|");
        }
        return f;
    };
    const std::string antes = foto();
    QTest::mouseClick(widget(mesa().Carta(e.carta(1))), Qt::LeftButton);
    for (const Qt::Key tecla : {Qt::Key_Return, Qt::Key_Space, Qt::Key_F5, Qt::Key_Right})
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &ventana(), tecla);
    EXPECT_TRUE(lienzo().enMovimiento());
    ASSERT_TRUE(QDir().mkpath(carpetaArtefactos));
    EXPECT_TRUE(ventana().grab().save(QDir(carpetaArtefactos).filePath("en-movimiento.png")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !lienzo().enMovimiento(); }, 5000));
    EXPECT_EQ(foto(), antes) << "input during the move acted";
    for (int c = 0; c < 40; ++c) {
        const auto& carta = mesa().Carta(c);
        QWidget* w = widget(carta);
        EXPECT_EQ(w && w->isVisible(), carta.Visible()) << "card " << c;
        if (!carta.Visible()) continue;
        EXPECT_EQ(w->geometry(), lienzo().rectangulo(naipalia::vista::LeftDibujado(carta.Left(), carta.Top()),
                                                     carta.Top(), carta.Width(), carta.Height()))
            << "card " << c;
    }
    for (int s = 4; s <= 6; ++s) EXPECT_EQ(widget(mesa().CartaFondo(s))->isVisible(), mesa().CartaFondo(s).Visible());
    EXPECT_TRUE(ventana().menus().accion(mesa().MenuFin)->isEnabled()) << "the menus as the models say";
}

// Last: the close button asks first; No keeps the table, Yes ends the program, settling
// a round in progress in the end-of-round dialog.
TEST_F(MesaQt, CerrarLaMesaPreguntaYTerminaElPrograma) {
    mensajes.respuesta = naipalia::Respuesta::No;
    EXPECT_FALSE(ventana().close());
    EXPECT_EQ(mensajes.textos.back(), "Gracias por usar Naipalia 2005.\r\n¿Deseas salir del programa?");
    EXPECT_FALSE(programa.escena().terminado());
    EXPECT_TRUE(mesa().cargada());

    mensajes.respuesta = naipalia::Respuesta::Si;
    QTimer cierre;
    QObject::connect(&cierre, &QTimer::timeout, [] { CerrarFinRonda(QApplication::activeModalWidget()); });
    cierre.start(20);
    EXPECT_TRUE(ventana().close());
    EXPECT_TRUE(programa.escena().terminado());
    EXPECT_FALSE(mesa().cargada());
}

}  // namespace

int main(int argc, char* argv[]) {
    return naipalia::vista::prueba::CorrerPruebas(argc, argv, carpetaPrograma, carpetaArtefactos);
}
