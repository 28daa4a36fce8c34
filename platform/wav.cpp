#include "platform/wav.h"

#include <cstdint>
#include <fstream>

namespace naipalia {

namespace {

std::uint32_t leer32(const unsigned char* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

}  // namespace

bool EsWavReproducible(const std::string& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    unsigned char riff[12];
    if (!f.read(reinterpret_cast<char*>(riff), 12)) return false;
    if (std::string(reinterpret_cast<char*>(riff), 4) != "RIFF" ||
        std::string(reinterpret_cast<char*>(riff) + 8, 4) != "WAVE")
        return false;
    bool formato = false;
    for (int trozos = 0; trozos < 64; ++trozos) {
        unsigned char cabecera[8];
        if (!f.read(reinterpret_cast<char*>(cabecera), 8)) return false;
        const std::string id(reinterpret_cast<char*>(cabecera), 4);
        const std::uint32_t largo = leer32(cabecera + 4);
        if (id == "fmt ") {
            unsigned char fmt[16];
            if (largo < 16 || !f.read(reinterpret_cast<char*>(fmt), 16)) return false;
            const int codigo = fmt[0] | (fmt[1] << 8);
            const int canales = fmt[2] | (fmt[3] << 8);
            const std::uint32_t muestreo = leer32(fmt + 4);
            const int bits = fmt[14] | (fmt[15] << 8);
            formato = (codigo == 1 || codigo == 0xFFFE) && canales >= 1 && canales <= 8 && muestreo >= 4000 &&
                      muestreo <= 192000 && (bits == 8 || bits == 16 || bits == 24 || bits == 32);
            if (!formato) return false;
            f.seekg(static_cast<std::streamoff>(largo - 16 + (largo & 1)), std::ios::cur);
        } else if (id == "data") {
            return formato && largo > 0;
        } else {
            f.seekg(static_cast<std::streamoff>(largo + (largo & 1)), std::ios::cur);
        }
    }
    return false;
}

}  // namespace naipalia
