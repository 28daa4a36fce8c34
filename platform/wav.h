#pragma once

#include <string>

namespace naipalia {

// True when the file is a RIFF/WAVE of PCM samples with a non-empty data chunk:
// what the wave players can play. Media players report nothing for a bad file.
bool EsWavReproducible(const std::string& ruta);

}  // namespace naipalia
