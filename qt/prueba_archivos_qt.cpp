// Every picture of the program folder decodes with the libraries the program uses:
// every frame of each animation, every size of each icon; and no sound clip, however
// broken, stops the game.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include <QApplication>
#include <QFile>
#include <QImageReader>
#include <QPushButton>
#include <QSemaphore>
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "game/archivos.h"
#include "qt/lienzo.h"
#include "qt/menus_qt.h"
#include "qt/programa.h"
#include "qt/prueba_llamadas.h"
#include "qt/ventana_principal.h"
#include "shell/naipalia.h"
#include "shell/operacion.h"

namespace {

QString carpeta;

// How many images decode: an animation's frames are read in turn, an icon's sizes by index.
int decodificar(const QString& ruta) {
    QImageReader lector(ruta);
    const int total = lector.imageCount();
    int cuadros = 0;
    for (int i = 0; i < std::max(total, 1); ++i) {
        if (lector.format() == "ico" && !lector.jumpToImage(i)) break;
        const QImage imagen = lector.read();
        if (imagen.isNull()) break;
        ++cuadros;
    }
    EXPECT_EQ(cuadros, std::max(total, 1)) << ruta.toStdString() << ": " << lector.errorString().toStdString();
    return cuadros;
}

}  // namespace

TEST(ArchivosQt, CadaImagenSeDecodificaEntera) {
    for (const std::string& archivo : naipalia::archivos::Todos()) {
        const QString ruta = carpeta + "/" + QString::fromStdString(archivo);
        if (ruta.endsWith(".wav") || ruta.endsWith(".html")) continue;
        const int cuadros = decodificar(ruta);
        EXPECT_GE(cuadros, 1) << archivo;
        if (ruta.endsWith(".ico")) {
            EXPECT_GE(cuadros, 3) << archivo << ": an icon carries several sizes";
        } else if (archivo.rfind("Propaganda/", 0) == 0) {
            EXPECT_GE(cuadros, 6) << archivo << ": an animation";
        }
        if (ruta.endsWith(".gif")) {
            // A cut animation still decodes its first frames: its trailer tells.
            QFile gif(ruta);
            ASSERT_TRUE(gif.open(QIODevice::ReadOnly)) << archivo;
            EXPECT_TRUE(gif.readAll().endsWith(';')) << archivo << ": the file is cut short";
        }
    }
    EXPECT_EQ(decodificar(carpeta + "/naipalia.png"), 1);
}

namespace {

// Players that hang on "Open" until the test lets them go, as the sound system does on
// a clip whose loading never ends.
class Trabados : public naipalia::Sonidos {
public:
    explicit Trabados(QSemaphore& suelta) : suelta_(suelta) {}
    bool comando(const std::string&, const std::string& orden, const std::string&) override {
        if (orden == "Open") suelta_.acquire();
        return true;
    }

private:
    QSemaphore& suelta_;
};

}  // namespace

// A player that never answers costs the window one bounded wait, then fails at once
// until it answers again.
TEST(SonidosQt, UnReproductorQueNoRespondeNoDetieneLaVentana) {
    QSemaphore suelta;
    naipalia::vista::SonidosQt sonidos([&] { return new Trabados(suelta); }, std::chrono::milliseconds(200));
    const std::string clip = (carpeta + "/" + naipalia::archivos::Mover).toStdString();
    EXPECT_TRUE(sonidos.comando("MultimediaCarta", "Close", clip));
    EXPECT_FALSE(sonidos.comando("MultimediaCarta", "Open", clip)) << "no answer is a failure";
    EXPECT_FALSE(sonidos.comando("MultimediaSonido", "Close", clip)) << "still busy";
    suelta.release();
    EXPECT_TRUE(QTest::qWaitFor([&] { return sonidos.comando("MultimediaCarta", "Play", clip); }, 5000));
    suelta.release();
    EXPECT_TRUE(sonidos.comando("MultimediaCarta", "Open", clip));
}

// A real box would wait for a player who is not there: record the text and say No.
class MensajesGrabados : public naipalia::Mensajes {
public:
    naipalia::Respuesta mostrar(const std::string& texto, naipalia::Icono, naipalia::Botones botones,
                                naipalia::Respuesta) override {
        textos.push_back(texto);
        return botones == naipalia::Botones::SiNo ? naipalia::Respuesta::No : naipalia::Respuesta::Aceptar;
    }
    std::vector<std::string> textos;
};

// Every clip cut in half, its header still claiming the whole: the voice on, the computer
// speaks round after round, each clip gives the file message and play goes on.
TEST(SonidosQt, UnaPartidaSigueConLasVocesCortadasALaMitad) {
    namespace fs = std::filesystem;
    QTemporaryDir copia;
    ASSERT_TRUE(copia.isValid());
    const fs::path destino = copia.path().toStdString();
    fs::copy(carpeta.toStdString(), destino, fs::copy_options::recursive);
    for (const auto& archivo : fs::directory_iterator(destino))
        if (archivo.path().extension() == ".wav") fs::resize_file(archivo.path(), archivo.file_size() / 2);

    MensajesGrabados mensajes;
    naipalia::vista::Programa programa(copia.path(), &mensajes);
    programa.juego().arrancar();
    auto& ventana = *programa.escena().principal();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&ventana));
    auto& mesa = programa.juego().naipalia;
    ventana.menus().accion(mesa.MenuMultimediaVozOpcion(1))->trigger();
    ASSERT_TRUE(mesa.MenuMultimediaVozOpcion(1).Checked());

    // Dialogs answered as a player would, and the first playable card played. Each step
    // runs apart from the timer, which does not fire again while a step opens a dialog.
    int cartas = 0;
    const auto paso = [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->objectName() == "FinRonda") {
            if (auto* b = modal->findChild<QPushButton*>("BotonMesa")) b->click();
            return;
        }
        if (naipalia::vista::prueba::ResponderLlamada(modal) || modal) return;
        for (int s = 1; s <= 3; ++s) {
            auto* boton = qobject_cast<QPushButton*>(ventana.lienzo().widgetDe(mesa.BotonCarta(s)));
            if (boton && boton->isEnabled() && boton->isVisible()) {
                ++cartas;
                boton->click();
                return;
            }
        }
    };
    QTimer jugador;
    QObject::connect(&jugador, &QTimer::timeout, [&] { QTimer::singleShot(0, &jugador, paso); });
    jugador.start(20);
    QTest::keyClick(&ventana, Qt::Key_F5);
    ASSERT_TRUE(mesa.MenuFin.Enabled()) << "F5 did not start a game";
    const auto errores = [&] {
        return std::count(mensajes.textos.begin(), mensajes.textos.end(), naipalia::ErrorArchivo);
    };
    ASSERT_TRUE(QTest::qWaitFor([&] { return errores() >= 3; }, 60000))
        << errores() << " clips spoken, " << cartas << " cards, " << mensajes.textos.size() << " messages";
    const int antes = cartas;
    EXPECT_TRUE(QTest::qWaitFor([&] { return cartas > antes; }, 10000)) << "play stopped";
    jugador.stop();
    for (const std::string& texto : mensajes.textos)
        EXPECT_EQ(texto, naipalia::ErrorArchivo) << "only the file message";
}

int main(int argc, char** argv) {
    QApplication aplicacion(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    carpeta = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString(".");
    naipalia::vista::PrepararAplicacion(carpeta);
    return RUN_ALL_TESTS();
}
