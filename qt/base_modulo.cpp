#include "qt/base_modulo.h"

#include <QDir>

#include "platform/prioridad.h"
#include "platform/sqlcipher/modulo_base.h"

namespace naipalia::vista {

BaseModulo::BaseModulo(const QString& carpetaPrograma, const std::string& carpetaDatos, const std::string& archivo,
                       const std::string& clave)
    : modulo_(QDir(carpetaPrograma).filePath(NombreModuloBase)), hayArchivo_(HayArchivoBase(archivo, carpetaDatos)) {
    // Without a file the engine is not loaded: the game says it is missing at once.
    if (!hayArchivo_) return;
    cargada_ = std::async(std::launch::async, [this, carpetaDatos, archivo, clave]() -> BaseDatos* {
        // Behind the windows being made, which need the processor first.
        CederElProcesador();
        const auto crear = reinterpret_cast<CrearBase>(modulo_.resolve(FabricaBase));
        return crear ? crear(carpetaDatos.c_str(), archivo.c_str(), clave.c_str()) : nullptr;
    });
}

BaseModulo::~BaseModulo() { base(); }

BaseDatos& BaseModulo::base() {
    if (cargada_.valid()) base_.reset(cargada_.get());
    return base_ ? *base_ : sinModulo_;
}

bool BaseModulo::listo() {
    if (cargada_.valid() && cargada_.wait_for(std::chrono::seconds(0)) != std::future_status::ready) return false;
    return base().listo();
}

bool BaseModulo::abrir(const std::string& archivo, const std::string& clave, std::string& error) {
    if (BaseDatos& b = base(); &b != &sinModulo_) return b.abrir(archivo, clave, error);
    error = hayArchivo_ ? modulo_.errorString().toStdString() : "No se encontró el archivo " + archivo + ".";
    return false;
}

}  // namespace naipalia::vista
