// Every picture of the program folder decodes with the libraries the program uses:
// every frame of each animation, every size of each icon.
#include <gtest/gtest.h>

#include <algorithm>

#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QString>

#include "game/archivos.h"

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

int main(int argc, char** argv) {
    QGuiApplication aplicacion(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    carpeta = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString(".");
    return RUN_ALL_TESTS();
}
