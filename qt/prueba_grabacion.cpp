// A whole game played on the table with the real random generator and clock, its cards
// by button, by click and by drag: the driver replays its recording with the same
// messages, voices, dialogs and final scores.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <string>
#include <vector>

#include "game/mesa.h"
#include "qt/lienzo.h"
#include "qt/menus_qt.h"
#include "qt/programa.h"
#include "qt/prueba_llamadas.h"
#include "qt/ventana_principal.h"
#include "shell/naipalia.h"

namespace {

QString carpetaPrograma, carpetaArtefactos, guionBinario;

using namespace naipalia;
using namespace naipalia::vista;

// The transcript's own words for what the window showed and said.
std::string escapar(std::string texto) {
    for (std::size_t i; (i = texto.find("\r\n")) != std::string::npos;) texto.replace(i, 2, "\\n");
    for (std::size_t i; (i = texto.find('\n')) != std::string::npos;) texto.replace(i, 1, "\\n");
    return texto;
}

struct Vistos : Mensajes, Sonidos {
    Respuesta mostrar(const std::string& texto, Icono icono, Botones botones, Respuesta) override {
        static const char* iconos[] = {"critical", "exclamation", "information", "question"};
        lineas.push_back(std::string("MESSAGE ") + iconos[static_cast<int>(icono)] + " " + escapar(texto));
        return botones == Botones::SiNo ? Respuesta::No : Respuesta::Aceptar;
    }
    bool comando(const std::string& reproductor, const std::string& orden, const std::string& archivo) override {
        if (orden == "Open") abierto = archivo;
        if (orden == "Play" && reproductor != "MultimediaCarta")
            lineas.push_back("VOICE " + QFileInfo(QString::fromStdString(abierto)).completeBaseName().toStdString());
        return true;
    }
    std::string abierto;
    std::vector<std::string> lineas;
};

class Grabacion : public ::testing::Test, public QObject {
protected:
    // The dialogs as they open on the screen (one hidden by a handler that goes on closes
    // on the screen at once, in the driver once the handler ends: closings differ).
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        auto* w = qobject_cast<QWidget*>(objeto);
        // The main window is gone once the game ends and the program is torn down.
        QWidget* principal = programa.escena().principal();
        const bool dialogo = w && principal && w->isWindow() && w != principal &&
                             programa.juego().ventana(w->objectName().toStdString());
        if (dialogo && evento->type() == QEvent::Show) vistos.lineas.push_back("OPEN " + w->objectName().toStdString());
        return false;
    }

    Naipalia& mesa() { return programa.juego().naipalia; }
    VentanaPrincipal& ventana() { return *programa.escena().principal(); }
    QWidget* widget(const Control& c) { return ventana().lienzo().widgetDe(c); }

    // The player's move: the first card dragged onto the table, then by button and by click.
    void jugar(int vez) {
        int slot = 1;
        while (!mesa().BotonCarta(slot).Enabled()) ++slot;
        const Control& carta = mesa().Carta(programa.juego().estado.carta(slot));
        Lienzo& lienzo = ventana().lienzo();
        if (vez == 0) {
            // Held by its middle, carried until its corner lies in the middle of the place.
            const double k = lienzo.escala();
            const QPointF agarre =
                QPointF(lienzo.rectangulo(carta.Left(), carta.Top(), AnchoCarta, AltoCarta).center());
            const QPointF movida = agarre + QPointF(4, 4);
            const QPointF esquina((ZonasJugada[1].desde + ZonasJugada[1].hasta) / 2, (TopZonaDesde + TopZonaHasta) / 2);
            const QPointF suelta = movida + (esquina - QPointF(carta.Left(), carta.Top())) * k;
            auto enVentana = [&](QPointF p) { return lienzo.mapTo(&ventana(), p.toPoint()); };
            QWindow* w = ventana().windowHandle();
            QTest::mousePress(w, Qt::RightButton, {}, enVentana(agarre));
            QTest::mouseMove(w, enVentana(movida));
            QTest::mouseMove(w, enVentana(suelta));
            QTest::mouseRelease(w, Qt::RightButton, {}, enVentana(suelta));
        } else if (vez % 2) {
            QTest::mouseClick(widget(mesa().BotonCarta(slot)), Qt::LeftButton);
        } else {
            QTest::mouseClick(widget(carta), Qt::LeftButton, {}, QPoint(5, 5));
        }
    }

    Vistos vistos;
    Programa programa{carpetaPrograma, &vistos, nullptr, nullptr, &vistos};
};

TEST_F(Grabacion, LaPartidaGrabadaSeRepiteIgual) {
    programa.juego().arrancar();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&ventana()));
    qApp->installEventFilter(this);
    ventana().menus().accion(mesa().MenuMultimediaVozOpcion(1))->trigger();
    ventana().menus().accion(mesa().MenuMJugador)->trigger();
    vistos.lineas.clear();
    QTest::keyClick(&ventana(), Qt::Key_F5);

    // Each move runs from the event loop, never inside the timer: a dialog it opens waits
    // there while the timer goes on answering it.
    int jugadas = 0;
    bool fin = false, ocupado = false, jugando = false;
    std::vector<std::string> puntos;  // the final scores on the table
    QTimer paso;
    auto actuar = [&] {
        ocupado = false;
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible()) {
            const char* boton = modal->objectName() == "FinRonda"    ? "BotonMesa"
                                : modal->objectName() == "FinJuegos" ? "BotonAceptar"
                                                                     : nullptr;
            if (modal->objectName() == "FinJuegos" && !fin)
                for (const Control* c : {&mesa().TextoJugador, &mesa().TextoComputadora})
                    puntos.push_back("#> TEXT " + c->nombre() + " \"" + c->Text() + "\"");
            fin = fin || modal->objectName() == "FinJuegos";
            if (auto* b = boton ? modal->findChild<QPushButton*>(boton) : nullptr; b && b->isEnabled())
                b->click();
            else
                prueba::ResponderLlamada(modal);
        } else if (fin) {
            paso.stop();
        } else if (!jugando && (mesa().BotonCarta(1).Enabled() || mesa().BotonCarta(2).Enabled() ||
                                mesa().BotonCarta(3).Enabled())) {
            // QTest's mouse events run the event loop: no other move starts inside this one.
            jugando = true;
            jugar(jugadas++);
            jugando = false;
        }
    };
    QObject::connect(&paso, &QTimer::timeout, &paso, [&] {
        if (!ocupado) QTimer::singleShot(0, &paso, actuar);
        ocupado = true;
    });
    paso.start(15);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !paso.isActive(); }, 90000)) << "the game did not end";
    EXPECT_GT(jugadas, 6);

    QDir().mkpath(carpetaArtefactos);
    const QString archivo = QDir(carpetaArtefactos).filePath("partida.guion");
    QFile guion(archivo);
    ASSERT_TRUE(guion.open(QIODevice::WriteOnly));
    guion.write(QByteArray::fromStdString(programa.grabadora().guion()));
    guion.close();
    QProcess driver;
    driver.start(guionBinario, {archivo});
    ASSERT_TRUE(driver.waitForFinished(60000));
    const QStringList salida = QString::fromUtf8(driver.readAllStandardOutput()).split('\n');
    EXPECT_EQ(driver.exitCode(), 0) << salida.join('\n').toStdString();

    // From the new game on: its first write is the computer's score.
    std::vector<std::string> repetidos;
    const auto desde = std::find(salida.begin(), salida.end(), "TEXT TextoComputadora \"0\"");
    for (const QString& linea : QStringList(desde, salida.end())) {
        if (linea.startsWith("MESSAGE ") || linea.startsWith("VOICE ")) repetidos.push_back(linea.toStdString());
        if (linea.startsWith("OPEN ")) repetidos.push_back(linea.section(' ', 0, 1).toStdString());
    }
    EXPECT_EQ(repetidos, vistos.lineas);
    // The recording's own checks hold, and they are the table's final scores.
    QStringList esperadas;
    for (const QString& linea : QString::fromStdString(programa.grabadora().guion()).split('\n'))
        if (linea.startsWith("#> ")) esperadas << linea.mid(3);
    auto siguiente = salida.begin();
    for (const QString& esperada : esperadas) {
        siguiente = std::find(siguiente, salida.end(), esperada);
        EXPECT_NE(siguiente, salida.end()) << esperada.toStdString();
    }
    for (const std::string& p : puntos) EXPECT_TRUE(esperadas.contains(QString::fromStdString(p).mid(3))) << p;
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplicacion(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "uso: %s <carpeta del programa> <carpeta de artefactos> <naipalia-guion>\n", argv[0]);
        return 2;
    }
    carpetaPrograma = QString::fromLocal8Bit(argv[1]);
    carpetaArtefactos = QString::fromLocal8Bit(argv[2]);
    guionBinario = QString::fromLocal8Bit(argv[3]);
    PrepararAplicacion(carpetaPrograma);
    return RUN_ALL_TESTS();
}
