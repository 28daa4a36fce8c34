// The players' database as a module beside the desktop program, which loads it on a
// thread of its own: the engine and its cryptography would cost every start-up time.
#pragma once

#include <filesystem>
#include <string>

#include "platform/puertos.h"

namespace naipalia {

inline constexpr const char* NombreModuloBase = "naipalia-base-datos";
inline constexpr const char* FabricaBase = "naipalia_crear_base";
// The database keeping its file in `carpetaDatos` when the program's folder cannot be
// written, already opening `archivo` with `clave` on another thread; the caller owns it.
using CrearBase = BaseDatos* (*)(const char* carpetaDatos, const char* archivo, const char* clave);

// Where the shipped file's copy lives in the data folder.
inline std::filesystem::path CopiaEnDatos(const std::string& archivo, const std::string& carpetaDatos) {
    return std::filesystem::path(carpetaDatos) / std::filesystem::path(archivo).filename();
}

// Whether there is a file to open: the shipped one, or its copy in the data folder.
inline bool HayArchivoBase(const std::string& archivo, const std::string& carpetaDatos) {
    std::error_code e;
    return std::filesystem::exists(archivo, e) ||
           (!carpetaDatos.empty() && std::filesystem::exists(CopiaEnDatos(archivo, carpetaDatos), e));
}

}  // namespace naipalia
