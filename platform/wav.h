#pragma once

#include <string>

namespace naipalia {

// True when the file is a RIFF/WAVE of PCM samples with a non-empty data chunk of whole
// frames, every chunk inside the file: what the wave players can play. Media players
// report nothing for a bad file, and some wait forever for bytes a header promised.
bool EsWavReproducible(const std::string& ruta);

}  // namespace naipalia
