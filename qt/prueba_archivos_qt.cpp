// Every picture of the program folder decodes with the libraries the program uses:
// every frame of each animation, every size of each icon; and no sound clip, however
// broken, stops the game.
#include <QImageReader>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>

#include "game/archivos.h"
#include "qt/prueba_principal.h"
#include "shell/operacion.h"

namespace {

using namespace naipalia;
using namespace naipalia::vista::prueba;

// How many images decode: an animation's frames are read in turn, an icon's sizes by index.
int decodificar(const QString& ruta) {
    QImageReader lector(ruta);
    const int total = std::max(lector.imageCount(), 1);
    int cuadros = 0;
    while (cuadros < total && (lector.format() != "ico" || lector.jumpToImage(cuadros)) && !lector.read().isNull())
        ++cuadros;
    EXPECT_EQ(cuadros, total) << ruta.toStdString() << ": " << lector.errorString().toStdString();
    return cuadros;
}

TEST(ArchivosQt, CadaImagenSeDecodificaEntera) {
    for (const std::string& archivo : archivos::Todos()) {
        const QString ruta = carpetaPrograma + "/" + QString::fromStdString(archivo);
        if (ruta.endsWith(".wav") || ruta.endsWith(".html")) continue;
        const int cuadros = decodificar(ruta);
        const bool animacion = archivo.rfind("Propaganda/", 0) == 0;
        EXPECT_GE(cuadros, ruta.endsWith(".ico") ? 3 : animacion ? 6 : 1) << archivo << ": sizes or frames missing";
        // A cut animation still decodes its first frames: its trailer tells.
        QFile gif(ruta);
        EXPECT_TRUE(!ruta.endsWith(".gif") || (gif.open(QIODevice::ReadOnly) && gif.readAll().endsWith(';')))
            << archivo << ": the file is cut short";
    }
    EXPECT_EQ(decodificar(carpetaPrograma + "/naipalia.png"), 1);
}

// Players that hang on "Open" until the test lets them go, as the sound system does on
// a clip whose loading never ends.
class Trabados : public Sonidos {
public:
    explicit Trabados(QSemaphore& suelta) : suelta_(suelta) {}
    bool comando(const std::string&, const std::string& orden, const std::string&) override {
        if (orden == "Open") suelta_.acquire();
        return true;
    }

private:
    QSemaphore& suelta_;
};

// A player that never answers costs the window one bounded wait, then fails at once
// until it answers again.
TEST(SonidosQt, UnReproductorQueNoRespondeNoDetieneLaVentana) {
    QSemaphore suelta;
    vista::SonidosQt sonidos([&] { return new Trabados(suelta); }, std::chrono::milliseconds(200));
    const std::string clip = (carpetaPrograma + "/" + archivos::Mover).toStdString();
    EXPECT_TRUE(sonidos.comando("MultimediaCarta", "Close", clip));
    EXPECT_FALSE(sonidos.comando("MultimediaCarta", "Open", clip)) << "no answer is a failure";
    EXPECT_FALSE(sonidos.comando("MultimediaSonido", "Close", clip)) << "still busy";
    suelta.release();
    EXPECT_TRUE(QTest::qWaitFor([&] { return sonidos.comando("MultimediaCarta", "Play", clip); }, 5000));
    suelta.release();
    EXPECT_TRUE(sonidos.comando("MultimediaCarta", "Open", clip));
}

// Every clip cut in half, its header still claiming the whole: the voice on, the computer
// speaks round after round, each clip gives the file message and play goes on.
TEST(SonidosQt, UnaPartidaSigueConLasVocesCortadasALaMitad) {
    QTemporaryDir copia;
    ASSERT_TRUE(copia.isValid());
    for (const QFileInfo& f : QDir(carpetaPrograma).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
        const QString destino = QDir(copia.path()).filePath(f.fileName());
        if (f.suffix() != "wav") {
            QFile::link(f.absoluteFilePath(), destino);
        } else if (QFile::copy(f.absoluteFilePath(), destino)) {
            QFile(destino).resize(f.size() / 2);
        }
    }
    MensajesGrabados mensajes;
    vista::Programa programa(copia.path(), &mensajes);
    programa.juego().arrancar();
    auto& ventana = *programa.escena().principal();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&ventana));
    auto& mesa = programa.juego().naipalia;
    ventana.menus().accion(mesa.MenuMultimediaVozOpcion(1))->trigger();
    ASSERT_TRUE(mesa.MenuMultimediaVozOpcion(1).Checked());

    // Dialogs answered as a player would, and the first playable card played.
    int cartas = 0;
    QTimer jugador;
    CadaVez(jugador, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        for (int s = 1; s <= 3 && !modal; ++s) {
            auto* boton = qobject_cast<QPushButton*>(ventana.lienzo().widgetDe(mesa.BotonCarta(s)));
            if (!boton || !boton->isEnabled() || !boton->isVisible()) continue;
            ++cartas;
            boton->click();
            return;
        }
        Responder(modal);
    });
    QTest::keyClick(&ventana, Qt::Key_F5);
    ASSERT_TRUE(mesa.MenuFin.Enabled()) << "F5 did not start a game";
    const auto errores = [&] { return std::count(mensajes.textos.begin(), mensajes.textos.end(), ErrorArchivo); };
    ASSERT_TRUE(QTest::qWaitFor([&] { return errores() >= 3; }, 60000))
        << errores() << " clips spoken, " << cartas << " cards, " << mensajes.textos.size() << " messages";
    const int antes = cartas;
    EXPECT_TRUE(QTest::qWaitFor([&] { return cartas > antes; }, 10000)) << "play stopped";
    jugador.stop();
    for (const std::string& texto : mensajes.textos) EXPECT_EQ(texto, ErrorArchivo) << "only the file message";
}

}  // namespace

int main(int argc, char* argv[]) { return naipalia::vista::prueba::Correr(argc, argv); }
