#include "game/nombres.h"

namespace naipalia {

const std::string& TextoLado(const Estado& e, Lado lado, const std::string& nadie) {
    switch (lado) {
        case Lado::Jugador: return e.NombreJugador;
        case Lado::Computadora: return NombreComputadora;
        default: return nadie;
    }
}

std::string_view TextoResultado(const Estado& e, ResultadoMano resultado) {
    switch (resultado) {
        case ResultadoMano::Computadora: return NombreComputadora;
        case ResultadoMano::Iguales: return PalabraIguales;
        case ResultadoMano::Jugador: return e.NombreJugador;
        default: return {};
    }
}

std::string_view TextoTruco(NivelTruco nivel) {
    constexpr std::string_view textos[] = {"Nada", "Truco", "Re-Truco", "Vale 4"};
    return textos[static_cast<int>(nivel)];
}

std::string_view TextoFlor(NivelFlor nivel) {
    constexpr std::string_view textos[] = {"Nada", "Flor", "FlorAchico", "FlorJuego", "FlorContra"};
    return textos[static_cast<int>(nivel)];
}

}  // namespace naipalia
