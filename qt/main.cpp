// The desktop program: the game's windows drawn with Qt Widgets.
#include <QApplication>
#include <QDir>
#include <QStandardPaths>

#include "game/archivos.h"
#include "platform/sqlcipher/base_sqlcipher.h"
#include "qt/escena.h"
#include "qt/medicion.h"
#include "qt/partidas_qt.h"
#include "qt/preferencias.h"
#include "qt/programa.h"
#include "qt/ventana_principal.h"

int main(int argc, char* argv[]) {
    QApplication aplicacion(argc, argv);
    const QString carpeta = QCoreApplication::applicationDirPath();
    naipalia::vista::PrepararAplicacion(carpeta);
    naipalia::vista::PrepararMedicion();

    // An installed program keeps its players and its recorded games in the user's data
    // folder, the player's choices of the window in his settings folder.
    const QString datos = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    naipalia::vista::Preferencias preferencias(
        QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)).filePath("preferencias.ini"));
    naipalia::BaseSqlcipher base(datos.toStdString());
    // The key's derivation runs while the windows are made.
    base.adelantar(QDir(carpeta).filePath(naipalia::archivos::BaseDatos).toStdString(), naipalia::archivos::ClaveBase);
    naipalia::vista::Partidas partidas(QDir(datos).filePath("partidas"));
    naipalia::vista::Programa programa(carpeta, nullptr, &base);
    programa.escena().animar(true);
    programa.grabadora().alGuardar = [&partidas](int partida, const std::string& guion) {
        partidas.guardar(partida, guion);
    };
    programa.juego().arrancar();
    if (programa.escena().terminado()) return 0;
    naipalia::vista::AgregarGuardarPartida(programa.escena(), programa.grabadora());
    preferencias.aplicar(programa);
    const int salida = QApplication::exec();
    if (const QWidget* ventana = programa.escena().principal()) preferencias.guardarVentana(*ventana);
    return salida;
}
