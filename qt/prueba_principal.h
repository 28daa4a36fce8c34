// What the desktop tests share: the screen they run on, message boxes and dialogs that
// answer by themselves, the table as a player reaches it, pictures kept as artifacts.
#pragma once

#include <gtest/gtest.h>

#include <QtTest>
#include <QtWidgets>
#include <array>
#include <cstdio>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "game/mesa.h"
#include "qt/lienzo.h"
#include "qt/menus_qt.h"
#include "qt/programa.h"
#include "qt/ventana_principal.h"
#include "shell/naipalia.h"

namespace naipalia::vista::prueba {

inline QString carpetaPrograma, carpetaArtefactos;

// A real box would wait for a player who is not there: the text kept, No given.
class MensajesGrabados : public Mensajes {
public:
    Respuesta mostrar(const std::string& texto, Icono, Botones botones, Respuesta) override {
        textos.push_back(texto);
        return botones == Botones::SiNo ? Respuesta::No : Respuesta::Aceptar;
    }
    std::vector<std::string> textos;
};

// Draws from a fixed seed; with fixed deals (the last one repeated), every draw 0.9.
class AzarFijo : public Azar {
public:
    double siguiente() override {
        return repartos.empty() ? std::uniform_real_distribution<double>(0, 1)(generador) : 0.9;
    }
    std::optional<std::array<int, 6>> repartoFijado() override {
        if (repartos.empty()) return std::nullopt;
        return repartos[std::min(dados++, repartos.size() - 1)];
    }
    std::vector<std::array<int, 6>> repartos;
    std::size_t dados = 0;
    std::mt19937 generador{7};
};

inline void Guardar(const QPixmap& dibujo, const QString& nombre) {
    ASSERT_TRUE(QDir().mkpath(carpetaArtefactos));
    EXPECT_TRUE(dibujo.save(QDir(carpetaArtefactos).filePath(nombre))) << nombre.toStdString();
}

// Where `w` lies in its window.
inline QRect EnSuVentana(const QWidget* w) { return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size()); }

// The texts of the visible labels and buttons in `padre` that show less than their whole
// text: one line too wide, or wrapped lines too tall.
inline QStringList Cortados(QWidget* padre) {
    QStringList cortados;
    for (QWidget* w : padre->findChildren<QWidget*>()) {
        auto* etiqueta = qobject_cast<QLabel*>(w);
        auto* boton = qobject_cast<QPushButton*>(w);
        const QString texto = (etiqueta ? etiqueta->text() : boton ? boton->text().remove('&') : QString()).trimmed();
        if (!w->isVisible() || texto.isEmpty()) continue;
        const int m = etiqueta ? etiqueta->margin() : 0;
        const QRect caja = w->contentsRect().adjusted(boton ? 2 : m, m, boton ? -2 : -m, -m);
        const QFontMetrics medidas(w->font());
        const QRect ocupa = etiqueta && etiqueta->wordWrap()
                                ? medidas.boundingRect(QRect(0, 0, caja.width(), 100000), Qt::TextWordWrap, texto)
                                : QRect(0, 0, medidas.horizontalAdvance(texto), medidas.height());
        if (ocupa.width() > caja.width() || ocupa.height() > caja.height()) cortados << w->objectName() + ": " + texto;
    }
    return cortados;
}

// Runs `abrir`, which shows a modal dialog; once up, `mirar` sees it and may close it. A
// dialog left open is hidden after five seconds, so that no test hangs.
inline void AlAbrir(const std::function<void()>& abrir, const std::function<void(QWidget*)>& mirar) {
    QObject contexto;  // its timers die with the call
    QTimer::singleShot(0, &contexto, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) mirar(modal);
    });
    QTimer::singleShot(5000, &contexto, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) modal->hide();
    });
    abrir();
    QCoreApplication::processEvents();  // the focus given back as the dialog closed
}

// Where the player's keys reach: the focused widget, else `sino`.
inline QWidget* Foco(QWidget* sino) { return QApplication::focusWidget() ? QApplication::focusWidget() : sino; }

// The widget of `modal` that holds the keyboard once it gets there (a failure if never).
inline QWidget* FocoEn(QWidget* modal) {
    EXPECT_TRUE(QTest::qWaitFor([&] { return modal->isAncestorOf(QApplication::focusWidget()); }, 1000))
        << modal->objectName().toStdString() << " never got the keyboard";
    return modal->isAncestorOf(QApplication::focusWidget()) ? QApplication::focusWidget() : modal;
}

// The dialog on screen answered so that play goes on: the computer's envido refused, its
// truco and flor accepted, the end of a round or of the game closed. False when none.
inline bool Responder(QWidget* modal) {
    if (!modal || !modal->isVisible()) return false;
    const QString dialogo = modal->objectName();
    const char* respuesta = dialogo == "Tanto"               ? "BotonNoQuiero"
                            : dialogo == "CantoTrucos"       ? "BotonQuiero"
                            : dialogo == "TrucoTantoPrimero" ? "BotonSi"
                            : dialogo == "Flores"            ? "BotonAceptar"
                            : dialogo == "FinRonda"          ? "BotonMesa"
                            : dialogo == "FinJuegos"         ? "BotonAceptar"
                                                             : nullptr;
    auto* boton = respuesta ? modal->findChild<QPushButton*>(respuesta) : nullptr;
    if (!boton || !boton->isEnabled() || !boton->isVisible()) return false;
    boton->click();
    return true;
}

// Runs `paso` apart from the timer's own call, so a dialog it opens waits in the event
// loop while the timer goes on answering it.
template <typename Paso>
void CadaVez(QTimer& reloj, Paso paso, int ms = 20) {
    QObject::connect(&reloj, &QTimer::timeout, &reloj, [&reloj, paso] { QTimer::singleShot(0, &reloj, paso); });
    reloj.start(ms);
}

// The table started, shown and active, with the program's windows gone before the models
// a test keeps.
class PruebaMesa : public ::testing::Test {
protected:
    // With `cajasDelJuego`, the game's own message boxes.
    explicit PruebaMesa(const QString& carpeta = carpetaPrograma, bool cajasDelJuego = false)
        : programa(carpeta, cajasDelJuego ? nullptr : &mensajes, nullptr, &azar) {}
    void SetUp() override {
        programa.juego().arrancar();
        ventana().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&ventana()));
        ASSERT_TRUE(QTest::qWaitForWindowActive(&ventana()));
    }
    void TearDown() override { programa.escena().destruirVentanas(); }

    VentanaPrincipal& ventana() { return *programa.escena().principal(); }
    Lienzo& lienzo() { return ventana().lienzo(); }
    Naipalia& mesa() { return programa.juego().naipalia; }
    QWidget* widget(const Control& c) { return lienzo().widgetDe(c); }
    QWidget* widgetCarta(int slot) { return widget(mesa().Carta(programa.juego().estado.carta(slot))); }
    QPoint enVentana(QPointF enLienzo) { return lienzo().mapTo(&ventana(), enLienzo.toPoint()); }
    QRect lugar(double left, double top) { return lienzo().rectangulo(left, top, AnchoCarta, AltoCarta); }

    // F5 with the player (or the computer) as mano, until the player's turn.
    void repartir(bool jugadorMano = true) {
        ventana().menus().accion(jugadorMano ? mesa().MenuMJugador : mesa().MenuMCompu)->trigger();
        QTest::keyClick(&ventana(), Qt::Key_F5);
        ASSERT_TRUE(mesa().MenuFin.Enabled()) << "F5 did not start a game";
        ASSERT_TRUE(!jugadorMano || QTest::qWaitFor([&] { return turnoDelJugador(); }, 5000)) << "no deal";
    }
    bool turnoDelJugador() {
        const auto jugable = [&](int s) { return mesa().BotonCarta(s).Enabled(); };
        return !QApplication::activeModalWidget() && (jugable(1) || jugable(2) || jugable(3));
    }
    // What a stray key could change: the texts, the menus and where the six cards lie.
    std::string foto() {
        std::string f = mesa().TextoEstado.Text() + "|" + mesa().TextoJugador.Text() + "|" +
                        mesa().TextoComputadora.Text() + (mesa().MenuFin.Enabled() ? "+" : "-");
        for (int s = 1; s <= 6; ++s) {
            const Control& c = mesa().Carta(programa.juego().estado.carta(s));
            f += "|" + std::to_string(c.Left()) + "," + std::to_string(c.Top()) + (c.Visible() ? "v" : "");
        }
        return f;
    }
    // Enter and Space where the keyboard rests after `despues`: on no button, so nothing on
    // the table moves and no dialog opens.
    void teclasSueltasNoHacenNada(const std::string& despues) {
        QWidget* foco = QApplication::focusWidget();
        if (qobject_cast<QPushButton*>(foco) && foco->isVisible()) {
            ADD_FAILURE() << "after " << despues << " the keyboard is on " << foco->objectName().toStdString();
            return;  // its key would act, perhaps opening a dialog nobody answers
        }
        const std::string antes = foto();
        for (Qt::Key tecla : {Qt::Key_Return, Qt::Key_Space, Qt::Key_Enter}) QTest::keyClick(Foco(&ventana()), tecla);
        QTest::qWait(150);  // a button's click comes a moment after its key
        EXPECT_EQ(foto(), antes) << "a stray key acted after " << despues;
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "a stray key opened a dialog after " << despues;
    }
    // A card pressed with `boton`, taken a few pixels off and carried to `destino` (on the
    // lienzo), still held.
    void arrastrar(Qt::MouseButton boton, QPointF agarre, QPointF tomada, QPointF destino) {
        QWindow* w = ventana().windowHandle();
        QTest::mousePress(w, boton, {}, enVentana(agarre));
        QTest::mouseMove(w, enVentana(tomada));
        QTest::mouseMove(w, enVentana(destino));
    }

    MensajesGrabados mensajes;
    AzarFijo azar;
    Programa programa;
};

// Google Test's flags first; then the program folder, the artifacts folder and, when
// `pantalla`, a scale factor and a height for a 1280-wide offscreen screen.
inline int Correr(int argc, char* argv[], bool pantalla = false) {
    ::testing::InitGoogleTest(&argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "uso: %s <carpeta del programa> [carpeta de artefactos] [...]\n", argv[0]);
        return 2;
    }
    carpetaPrograma = QString::fromLocal8Bit(argv[1]);
    carpetaArtefactos = QString::fromLocal8Bit(argc > 2 ? argv[2] : ".");
    QByteArray plataforma = qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM");
    if (pantalla && argc > 3) {
        QDir().mkpath(carpetaArtefactos);
        QFile archivo(QDir(carpetaArtefactos).filePath("pantalla.json"));
        if (!archivo.open(QIODevice::WriteOnly)) return 2;
        archivo.write(R"({"windowFrameMargins": true, "screens": [{"name": "prueba", "x": 0, "y": 0, "width": 1280,
            "height": )" +
                      QByteArray(argc > 4 ? argv[4] : "1024") +
                      R"(, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
        plataforma = "offscreen:configfile=" + archivo.fileName().toLocal8Bit();
        qputenv("QT_SCALE_FACTOR", argv[3]);
    }
    qputenv("QT_QPA_PLATFORM", plataforma);
    QApplication aplicacion(argc, argv);
    PrepararAplicacion(carpetaPrograma);
    return RUN_ALL_TESTS();
}

}  // namespace naipalia::vista::prueba
