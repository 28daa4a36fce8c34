// The desktop program: the game's windows drawn with Qt Widgets.
#include <QApplication>
#include <QDir>
#include <QStandardPaths>

#include "game/archivos.h"
#include "qt/base_modulo.h"
#include "qt/escena.h"
#include "qt/medicion.h"
#include "qt/partidas_qt.h"
#include "qt/preferencias.h"
#include "qt/programa.h"
#include "qt/ventana_principal.h"

int main(int argc, char* argv[]) {
    // An installed program keeps its players and its recorded games in the user's data
    // folder, the player's choices of the window in his settings folder. The database's
    // engine loads and its slow key derivation runs while the windows are made, once Qt
    // has loaded its own libraries.
    QCoreApplication::setApplicationName("Naipalia");
    QApplication aplicacion(argc, argv);
    const QString carpeta = QCoreApplication::applicationDirPath();
    const QString datos = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    naipalia::vista::PrepararAplicacion(carpeta);
    naipalia::vista::BaseModulo base(carpeta, datos.toStdString(),
                                     QDir(carpeta).filePath(naipalia::archivos::BaseDatos).toStdString(),
                                     naipalia::archivos::ClaveBase);
    naipalia::vista::PrepararMedicion();
    naipalia::vista::Preferencias preferencias(
        QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)).filePath("preferencias.ini"));
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
