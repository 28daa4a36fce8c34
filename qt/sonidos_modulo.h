// The module holding the wave players on Qt Multimedia, loaded by SonidosQt.
#pragma once

#include <atomic>

#include "platform/puertos.h"

namespace naipalia::vista {

inline constexpr const char* NombreModuloSonidos = "naipalia-sonidos";
inline constexpr const char* FabricaSonidos = "naipalia_crear_sonidos";
// The players by control name; the caller owns them. Files are checked by the caller.
// Each clip plays at `volumen` (0 to 1) as it stands then; it outlives the players.
using CrearSonidos = Sonidos* (*)(const std::atomic<float>* volumen);

}  // namespace naipalia::vista
