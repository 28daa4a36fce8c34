// The desktop program: the game's windows drawn with Qt Widgets.
#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <filesystem>

#include "game/archivos.h"
#include "platform/sqlcipher/base_sqlcipher.h"
#include "qt/escena.h"
#include "qt/medicion.h"
#include "qt/partidas_qt.h"
#include "qt/preferencias.h"
#include "qt/programa.h"
#include "qt/ventana_principal.h"

int main(int argc, char* argv[]) {
    // An installed program keeps its players and its recorded games in the user's data
    // folder, the player's choices of the window in his settings folder. The database's
    // slow key derivation starts first and runs while Qt starts and the windows are made.
    QCoreApplication::setApplicationName("Naipalia");
    const QString datos = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    naipalia::BaseSqlcipher base(datos.toStdString());
    std::error_code sinEjecutable;
    const auto ejecutable = std::filesystem::read_symlink("/proc/self/exe", sinEjecutable);
    if (!sinEjecutable)
        base.adelantar((ejecutable.parent_path() / naipalia::archivos::BaseDatos).string(),
                       naipalia::archivos::ClaveBase);

    QApplication aplicacion(argc, argv);
    const QString carpeta = QCoreApplication::applicationDirPath();
    naipalia::vista::PrepararAplicacion(carpeta);
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
