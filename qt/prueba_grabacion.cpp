// A whole game played on the table with the real random generator and clock, its cards
// by button, by click and by drag: the driver replays its recording with the same
// messages, voices, dialogs and final scores.
#include <QFileInfo>
#include <QProcess>
#include <QTimer>

#include "qt/prueba_principal.h"

namespace {

using namespace naipalia;
using namespace naipalia::vista;
using namespace naipalia::vista::prueba;

QString guionBinario;

// The transcript's own words for what the window showed and said.
struct Vistos : Mensajes, Sonidos {
    Respuesta mostrar(const std::string& texto, Icono icono, Botones botones, Respuesta) override {
        static const char* iconos[] = {"critical", "exclamation", "information", "question"};
        std::string linea = std::string("MESSAGE ") + iconos[static_cast<int>(icono)] + " " + texto;
        for (std::size_t i; (i = linea.find("\r\n")) != std::string::npos;) linea.replace(i, 2, "\\n");
        for (std::size_t i; (i = linea.find('\n')) != std::string::npos;) linea.replace(i, 1, "\\n");
        lineas.push_back(linea);
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
} vistos;

class Grabacion : public PruebaMesa, public QObject {
protected:
    Grabacion() : PruebaMesa(&vistos, nullptr, &vistos) {}

    // The dialogs as they open on the screen (one hidden by a handler that goes on closes
    // on the screen at once, in the driver once the handler ends: closings differ).
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        auto* w = qobject_cast<QWidget*>(objeto);
        // Never the main window itself: it is gone while the program is torn down.
        const bool dialogo = evento->type() == QEvent::Show && w && w->isWindow() && w->objectName() != "Naipalia" &&
                             programa.juego().ventana(w->objectName().toStdString());
        if (dialogo) vistos.lineas.push_back("OPEN " + w->objectName().toStdString());
        return false;
    }

    // The player's move: the first card dragged onto the table, then by button and by click.
    void jugar(int vez) {
        int slot = 1;
        while (!mesa().BotonCarta(slot).Enabled()) ++slot;
        const Control& carta = mesa().Carta(programa.juego().estado.carta(slot));
        if (vez == 0) {
            const QPointF agarre = QPointF(lugar(carta.Left(), carta.Top()).center()), movida = agarre + QPointF(4, 4);
            arrastrar(Qt::RightButton, agarre, movida, enLaMesa(movida, carta));
        } else {
            QTest::mouseClick(widget(vez % 2 ? mesa().BotonCarta(slot) : carta), Qt::LeftButton, {}, QPoint(5, 5));
        }
    }
};

TEST_F(Grabacion, LaPartidaGrabadaSeRepiteIgual) {
    qApp->installEventFilter(this);
    ventana().menus().accion(mesa().MenuMultimediaVozOpcion(1))->trigger();
    ventana().menus().accion(mesa().MenuMJugador)->trigger();
    vistos.lineas.clear();
    QTest::keyClick(&ventana(), Qt::Key_F5);

    int jugadas = 0;
    bool fin = false, jugando = false;
    std::vector<std::string> puntos;  // the final scores on the table
    QTimer paso;
    CadaVez(
        paso,
        [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal && modal->isVisible()) {
                if (modal->objectName() == "FinJuegos" && !fin)
                    for (const Control* c : {&mesa().TextoJugador, &mesa().TextoComputadora})
                        puntos.push_back("#> TEXT " + c->nombre() + " \"" + c->Text() + "\"");
                fin = fin || modal->objectName() == "FinJuegos";
                Responder(modal);
            } else if (fin) {
                paso.stop();
            } else if (!jugando && turnoDelJugador()) {
                // QTest's mouse events run the event loop: no other move starts inside this one.
                jugando = true;
                jugar(jugadas++);
                jugando = false;
            }
        },
        15);
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
    guionBinario = QString::fromLocal8Bit(argc > 3 ? argv[3] : "naipalia-guion");
    return naipalia::vista::prueba::Correr(argc, argv);
}
