#include "guion/transcripcion.h"

#include <filesystem>

namespace naipalia::guion {

void Transcripcion::linea(const std::string& texto) {
    if (texto_.size() + texto.size() >= TextoMaximo)
        throw ErrorGuion{"a transcript longer than " + std::to_string(TextoMaximo / (1024 * 1024)) + " MiB"};
    if (!salida_) throw ErrorGuion{"cannot write the transcript"};
    texto_.append(texto).push_back('\n');
    salida_ << texto << '\n';
}

void Transcripcion::ultima(const std::string& texto) { salida_ << texto << '\n' << std::flush; }

std::string Transcripcion::escapar(const std::string& texto) {
    std::string r;
    for (std::size_t i = 0; i < texto.size(); ++i) {
        if (texto[i] == '\r' && i + 1 < texto.size() && texto[i + 1] == '\n') continue;
        if (texto[i] == '\n')
            r += "\\n";
        else
            r += texto[i];
    }
    return r;
}

// Appended, not concatenated: spares GCC 12 a false -Wrestrict at -O3.
std::string Transcripcion::citado(const std::string& texto) {
    std::string r(1, '"');
    r.append(escapar(texto)).push_back('"');
    return r;
}

const char* Transcripcion::nombreIcono(Icono icono) {
    switch (icono) {
        case Icono::Critico: return "critical";
        case Icono::Exclamacion: return "exclamation";
        case Icono::Informacion: return "information";
        default: return "question";
    }
}

std::string RutaRelativa(const std::string& carpeta, const std::string& ruta) {
    return std::filesystem::path(ruta).lexically_relative(carpeta).generic_string();
}

}  // namespace naipalia::guion
