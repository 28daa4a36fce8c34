#pragma once

#include <string>

namespace naipalia {

// The leading decimal number of a text, 0 when there is none: how score boxes are read.
inline int Valor(const std::string& texto) {
    long n = 0;
    std::size_t i = texto.find_first_not_of(' ');
    if (i == std::string::npos) return 0;
    const bool negativo = texto[i] == '-';
    if (texto[i] == '-' || texto[i] == '+') ++i;
    for (; i < texto.size() && texto[i] >= '0' && texto[i] <= '9' && n < 1000000000L; ++i) n = n * 10 + (texto[i] - '0');
    return static_cast<int>(negativo ? -n : n);
}

}  // namespace naipalia
