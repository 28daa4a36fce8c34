// The module holding the wave players on Qt Multimedia, loaded by SonidosQt.
#pragma once

#include "platform/puertos.h"

namespace naipalia::vista {

inline constexpr const char* NombreModuloSonidos = "naipalia-sonidos";
inline constexpr const char* FabricaSonidos = "naipalia_crear_sonidos";
// The players by control name; the caller owns them. Files are checked by the caller.
using CrearSonidos = Sonidos* (*)();

}  // namespace naipalia::vista
