#include "guion/palabras.h"

#include <array>
#include <charconv>

#include "guion/transcripcion.h"

namespace naipalia::guion {

std::string Citar(const std::string& texto) {
    std::string r(1, '"');
    for (char c : texto) {
        if (c == '"' || c == '\\') r += '\\';
        r += c;
    }
    return r + '"';
}

std::string Numero(double x) {
    std::array<char, 32> texto{};
    const auto fin = std::to_chars(texto.data(), texto.data() + texto.size(), x).ptr;
    return std::string(texto.data(), fin);
}

std::vector<std::string> Partir(const std::string& linea) {
    std::vector<std::string> w;
    std::size_t i = 0;
    while (i < linea.size()) {
        while (i < linea.size() && (linea[i] == ' ' || linea[i] == '\t')) ++i;
        if (i >= linea.size()) break;
        std::string palabra;
        if (linea[i] == '"') {
            for (++i; i < linea.size() && linea[i] != '"'; palabra += linea[i++])
                if (linea[i] == '\\' && i + 1 < linea.size() && (linea[i + 1] == '"' || linea[i + 1] == '\\')) ++i;
            if (i >= linea.size()) throw ErrorGuion{"unclosed quote"};
            ++i;
        } else {
            while (i < linea.size() && linea[i] != ' ' && linea[i] != '\t') palabra += linea[i++];
        }
        w.push_back(palabra);
    }
    return w;
}

}  // namespace naipalia::guion
