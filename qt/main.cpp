// The desktop program: the game's windows drawn with Qt Widgets.
#include <QApplication>

#include "qt/escena.h"
#include "qt/medicion.h"
#include "qt/programa.h"

int main(int argc, char* argv[]) {
    QApplication aplicacion(argc, argv);
    const QString carpeta = QCoreApplication::applicationDirPath();
    naipalia::vista::PrepararAplicacion(carpeta);
    naipalia::vista::PrepararMedicion();

    naipalia::vista::Programa programa(carpeta);
    programa.juego().arrancar();
    if (programa.escena().terminado()) return 0;
    return QApplication::exec();
}
