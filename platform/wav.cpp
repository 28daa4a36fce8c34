#include "platform/wav.h"

#include <cstdint>
#include <fstream>

namespace naipalia {

namespace {

std::uint32_t leer16(const unsigned char* p) { return p[0] | (p[1] << 8); }

std::uint32_t leer32(const unsigned char* p) { return leer16(p) | (static_cast<std::uint32_t>(leer16(p + 2)) << 16); }

bool leer(std::ifstream& f, unsigned char* destino, std::streamsize n) {
    return static_cast<bool>(f.read(reinterpret_cast<char*>(destino), n));
}

bool es(const unsigned char* p, const char (&id)[5]) { return std::string(reinterpret_cast<const char*>(p), 4) == id; }

// The bytes of one frame (every channel's sample), or 0 when the format cannot be played.
std::uint32_t bytesPorCuadro(const unsigned char* fmt) {
    const std::uint32_t codigo = leer16(fmt), canales = leer16(fmt + 2), muestreo = leer32(fmt + 4);
    const std::uint32_t porSegundo = leer32(fmt + 8), cuadro = leer16(fmt + 12), bits = leer16(fmt + 14);
    const bool valido = (codigo == 1 || codigo == 0xFFFE) && canales >= 1 && canales <= 8 && muestreo >= 4000 &&
                        muestreo <= 192000 && (bits == 8 || bits == 16 || bits == 24 || bits == 32) &&
                        cuadro == canales * bits / 8 && porSegundo == muestreo * cuadro;
    return valido ? cuadro : 0;
}

}  // namespace

bool EsWavReproducible(const std::string& ruta) {
    std::ifstream f(ruta, std::ios::binary | std::ios::ate);
    const std::streamoff total = f ? static_cast<std::streamoff>(f.tellg()) : -1;
    unsigned char riff[12];
    if (total < 12 || !f.seekg(0) || !leer(f, riff, 12) || !es(riff, "RIFF") || !es(riff + 8, "WAVE")) return false;
    // The chunks must lie inside both what the header claims and what the file holds.
    const std::uint32_t declarado = leer32(riff + 4);
    if (declarado < 4 || declarado > total - 8) return false;
    std::uint32_t resto = declarado - 4;
    std::uint32_t cuadro = 0;
    while (resto >= 8) {
        unsigned char cabecera[8];
        if (!leer(f, cabecera, 8)) return false;
        const std::uint32_t largo = leer32(cabecera + 4);
        resto -= 8;
        if (largo > resto) return false;
        if (es(cabecera, "data")) return cuadro > 0 && largo > 0 && largo % cuadro == 0;
        if (es(cabecera, "fmt ")) {
            unsigned char fmt[16];
            if (cuadro > 0 || largo < 16 || !leer(f, fmt, 16)) return false;
            cuadro = bytesPorCuadro(fmt);
            if (cuadro == 0) return false;
            f.seekg(largo - 16, std::ios::cur);
        } else {
            f.seekg(largo, std::ios::cur);
        }
        resto -= largo;
        // An odd chunk is followed by a pad byte, which the last chunk may lack.
        if (largo % 2 == 1 && resto > 0) {
            f.seekg(1, std::ios::cur);
            --resto;
        }
    }
    return false;
}

}  // namespace naipalia
