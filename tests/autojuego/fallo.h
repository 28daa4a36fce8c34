// A broken rule found while playing: it unwinds to the harness, which adds the seeds.
#pragma once

#include <sstream>
#include <string>
#include <utility>

namespace naipalia::autojuego {

struct Fallo {
    std::string motivo;
};

[[noreturn]] inline void Fallar(std::string motivo) { throw Fallo{std::move(motivo)}; }

// A point of the table, in twips, as messages show it.
inline std::string Lugar(double left, double top) {
    std::ostringstream texto;
    texto << '(' << left << ", " << top << ')';
    return texto.str();
}

}  // namespace naipalia::autojuego
