#include "qt/sonidos_qt.h"

#include <QDir>

#include "platform/wav.h"
#include "qt/sonidos_modulo.h"

namespace naipalia::vista {

SonidosQt::SonidosQt(const QString& carpeta) : modulo_(QDir(carpeta).filePath(NombreModuloSonidos)) {}

Sonidos* SonidosQt::reproductores() {
    if (!intentado_) {
        intentado_ = true;
        if (auto crear = reinterpret_cast<CrearSonidos>(modulo_.resolve(FabricaSonidos)))
            reproductores_.reset(crear());
    }
    return reproductores_.get();
}

// Without the module or a sound device the players stay silent; nothing is reported.
bool SonidosQt::comando(const std::string& reproductor, const std::string& orden, const std::string& archivo) {
    if (orden == "Open" && !EsWavReproducible(archivo)) return false;
    if (orden == "Close" && !reproductores_) return true;
    Sonidos* sonidos = reproductores();
    return sonidos ? sonidos->comando(reproductor, orden, archivo) : true;
}

}  // namespace naipalia::vista
