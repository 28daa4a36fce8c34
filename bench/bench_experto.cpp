// naipalia-bench-experto: the engine in the player's seat against the classic computer,
// games to 30 with the mano alternating, and the self-play's random player in the same
// seat as a baseline: the games each takes, with their 95 % interval, and the time of one
// of the engine's decisions (all of them, and those at the table: a card or a call).
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "tests/autojuego/autojuego.h"

namespace {

using naipalia::autojuego::Duelo;

int uso() {
    std::cerr << "uso: naipalia-bench-experto [PARTIDAS] [--semilla BASE]\n";
    return 2;
}

bool numero(const std::string& texto, unsigned long long& valor) {
    if (texto.empty() || texto.size() > 9 || texto.find_first_not_of("0123456789") != std::string::npos) return false;
    valor = std::stoull(texto);
    return true;
}

// "experto: 1234 ganadas de 2000 (61,7 %), intervalo 95 %: 59,5–63,8 %", by Wilson's
// interval, which holds near 0 and 100 % too.
void linea(const char* quien, long ganadas, long partidas) {
    const double n = static_cast<double>(partidas), p = static_cast<double>(ganadas) / n, z = 1.96;
    const double centro = (p + z * z / (2 * n)) / (1 + z * z / n);
    const double margen = z * std::sqrt(p * (1 - p) / n + z * z / (4 * n * n)) / (1 + z * z / n);
    const auto coma = [](double v) {
        char texto[16];
        std::snprintf(texto, sizeof texto, "%.1f", 100 * v);
        std::string s = texto;
        std::replace(s.begin(), s.end(), '.', ',');
        return s;
    };
    std::cout << quien << ": " << ganadas << " ganadas de " << partidas << " (" << coma(p)
              << " %), intervalo 95 %: " << coma(std::max(0.0, centro - margen)) << "–"
              << coma(std::min(1.0, centro + margen)) << " %\n";
}

double percentil(std::vector<double>& v, double q) {
    if (v.empty()) return 0;
    const auto i = static_cast<std::size_t>(q * static_cast<double>(v.size() - 1));
    std::nth_element(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(i), v.end());
    return v[i];
}

bool informar(const char* quien, Duelo d, long partidas, bool tiempos) {
    if (!d.resultado.fallo.empty()) {
        std::cout << quien << ": " << d.resultado.fallo << '\n';
        return false;
    }
    linea(quien, d.ganadas, partidas);
    if (!tiempos) return true;
    std::vector<double> todas = d.tiempos.enLaMesa;
    todas.insert(todas.end(), d.tiempos.enDialogos.begin(), d.tiempos.enDialogos.end());
    const auto tiempo = [](const char* cuales, std::vector<double>& v) {
        std::printf("%s: mediana %.2f ms, percentil 99 %.2f ms (%zu decisiones)\n", cuales, 1000 * percentil(v, 0.5),
                    1000 * percentil(v, 0.99), v.size());
    };
    tiempo("decisión", todas);
    tiempo("en la mesa (carta o canto)", d.tiempos.enLaMesa);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    unsigned long long partidas = 2000, base = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--semilla" && i + 1 < argc) {
            if (!numero(argv[++i], base)) return uso();
        } else if (!numero(a, partidas) || partidas == 0) {
            return uso();
        }
    }
    const auto n = static_cast<long>(partidas);
    const auto semilla = static_cast<std::uint32_t>(base);
    const bool bien = informar("experto", naipalia::autojuego::Enfrentar(semilla, n, true, false), n, true) &&
                      informar("azar", naipalia::autojuego::Enfrentar(semilla, n, false, false), n, false);
    return bien ? 0 : 1;
}
