// The desktop program: the game's windows drawn with Qt Widgets.
#include <QApplication>
#include <QStandardPaths>

#include "platform/sqlcipher/base_sqlcipher.h"
#include "qt/escena.h"
#include "qt/medicion.h"
#include "qt/programa.h"

int main(int argc, char* argv[]) {
    QApplication aplicacion(argc, argv);
    const QString carpeta = QCoreApplication::applicationDirPath();
    naipalia::vista::PrepararAplicacion(carpeta);
    naipalia::vista::PrepararMedicion();

    // An installed program keeps its players in the user's data folder.
    naipalia::BaseSqlcipher base(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString());
    naipalia::vista::Programa programa(carpeta, nullptr, &base);
    programa.escena().animar(true);
    programa.juego().arrancar();
    if (programa.escena().terminado()) return 0;
    return QApplication::exec();
}
