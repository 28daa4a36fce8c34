#include "guion/transcripcion.h"

#include <filesystem>

namespace naipalia::guion {

void Transcripcion::linea(const std::string& texto) { salida_ << texto << '\n' << std::flush; }

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
