#include "game/estado.h"

namespace naipalia {

// Fixed-length names count characters, not bytes: names are UTF-8.
std::string NombreRelleno(const std::string& nombre) {
    std::string r;
    int caracteres = 0;
    for (std::size_t i = 0; i < nombre.size();) {
        std::size_t largo = 1;
        const auto b = static_cast<unsigned char>(nombre[i]);
        if (b >= 0xF0)
            largo = 4;
        else if (b >= 0xE0)
            largo = 3;
        else if (b >= 0xC0)
            largo = 2;
        if (caracteres == LargoNombre) break;
        r.append(nombre, i, largo);
        ++caracteres;
        i += largo;
    }
    r.append(static_cast<std::size_t>(LargoNombre - caracteres), ' ');
    return r;
}

std::string NombreRecortado(const std::string& nombre) {
    const auto inicio = nombre.find_first_not_of(' ');
    if (inicio == std::string::npos) return {};
    const auto fin = nombre.find_last_not_of(' ');
    return nombre.substr(inicio, fin - inicio + 1);
}

}  // namespace naipalia
