// naipalia-bench-autojuego: plays games of self-play on one core and prints how many per
// second (the game alone: the rules' checks are the test's); with --huella, also the
// digest of everything they showed and said; with --repetir, replays one game, checked,
// and prints the rule it breaks.
#include <chrono>
#include <ctime>
#include <cstdint>
#include <iomanip>
#include <iostream>
#include <string>

#include "tests/autojuego/autojuego.h"

namespace {

using naipalia::autojuego::Resultado;
using naipalia::autojuego::Semillas;

int uso() {
    std::cerr << "uso: naipalia-bench-autojuego [PARTIDAS] [--semilla BASE] [--revisar] [--huella]\n"
                 "     naipalia-bench-autojuego --repetir JUEGO JUGADOR computadora|jugador\n";
    return 2;
}

bool numero(const std::string& texto, unsigned long long& valor) {
    if (texto.empty() || texto.size() > 18 || texto.find_first_not_of("0123456789") != std::string::npos) return false;
    valor = std::stoull(texto);
    return true;
}

int repetir(int argc, char** argv) {
    unsigned long long juego = 0, jugador = 0;
    const std::string mano = argc == 5 ? argv[4] : "";
    if (argc != 5 || !numero(argv[2], juego) || !numero(argv[3], jugador) ||
        (mano != "computadora" && mano != "jugador"))
        return uso();
    const Semillas s{static_cast<std::uint32_t>(juego), static_cast<std::uint32_t>(jugador), mano == "computadora"};
    const Resultado r = naipalia::autojuego::Repetir(s);
    if (!r.fallo.empty()) {
        std::cout << r.fallo << '\n';
        return 1;
    }
    std::cout << "the game kept every rule (" << r.acciones << " actions)\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "--repetir") return repetir(argc, argv);
    unsigned long long partidas = 100000, base = 1;
    bool revisar = false;  // long checked runs, outside the test's budget
    bool huella = false;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--revisar") {
            revisar = true;
        } else if (a == "--huella") {
            huella = true;
        } else if (a == "--semilla" && i + 1 < argc) {
            if (!numero(argv[++i], base)) return uso();
        } else if (!numero(a, partidas) || partidas == 0) {
            return uso();
        }
    }

    const auto inicio = std::chrono::steady_clock::now();
    const std::clock_t cpuInicio = std::clock();
    const Resultado r =
        naipalia::autojuego::Jugar(static_cast<std::uint32_t>(base), static_cast<long>(partidas), revisar, huella);
    const std::chrono::duration<double> segundos = std::chrono::steady_clock::now() - inicio;
    const double s = segundos.count();
    // CPU time beside the wall clock shows when other work shared the core.
    const double cpu = static_cast<double>(std::clock() - cpuInicio) / CLOCKS_PER_SEC;
    std::cout << r.partidas << " games, " << r.acciones << " actions in " << s << " s (cpu " << cpu
              << " s): " << static_cast<long>(static_cast<double>(r.partidas) / s) << " games/s, "
              << static_cast<long>(static_cast<double>(r.acciones) / s) << " actions/s\n";
    if (huella)
        std::cout << "huella: " << std::hex << std::setw(16) << std::setfill('0') << r.huella << std::dec << '\n';
    if (!r.fallo.empty()) {
        std::cout << r.fallo << '\n';
        return 1;
    }
    return 0;
}
