#include "tests/autojuego/juez.h"

namespace naipalia::autojuego {

namespace {

enum class Mano { SinJugar, Jugador, Computadora, Parda };

// The lower class takes the hand; equal classes tie it.
Mano mano(const Estado& e, std::size_t h) {
    if (e.PosicionJugador[h] == 0 || e.PosicionCompu[h] == 0) return Mano::SinJugar;
    if (e.JerarquiaJugador[h] == e.JerarquiaCompu[h]) return Mano::Parda;
    return e.JerarquiaJugador[h] < e.JerarquiaCompu[h] ? Mano::Jugador : Mano::Computadora;
}

Lado lado(Mano m) { return m == Mano::Jugador ? Lado::Jugador : Lado::Computadora; }
bool gana(Mano m) { return m == Mano::Jugador || m == Mano::Computadora; }

}  // namespace

Lado GanadorPorManos(const Estado& e) {
    const Mano primera = mano(e, 1), segunda = mano(e, 2), tercera = mano(e, 3);
    if (gana(primera)) {
        if (segunda == primera || segunda == Mano::Parda) return lado(primera);  // two hands, or a tie after a win
        if (!gana(segunda) || tercera == Mano::SinJugar) return Lado::Nadie;
        return gana(tercera) ? lado(tercera) : lado(primera);  // one each: the third, or the first
    }
    if (primera != Mano::Parda) return Lado::Nadie;
    if (gana(segunda)) return lado(segunda);  // after a tied first hand, the next decisive one
    if (segunda != Mano::Parda) return Lado::Nadie;
    if (gana(tercera)) return lado(tercera);
    return tercera == Mano::Parda ? e.QuienMano : Lado::Nadie;  // three ties: the mano
}

int ValorDelTruco(NivelTruco nivel) {
    switch (nivel) {
        case NivelTruco::Nada: return 1;
        case NivelTruco::Truco: return 2;
        case NivelTruco::ReTruco: return 3;
        default: return 4;
    }
}

}  // namespace naipalia::autojuego
