// The hands' rules: who takes a hand, who leads the next, who takes the round by its
// hands. The round plays by them; so does anyone who plays a round forward.
#pragma once

#include <array>

#include "game/estado.h"

namespace naipalia {

// A hand goes to the stronger card, the lower class; equal classes tie.
inline ResultadoMano GanadorDeMano(int claseJugador, int claseCompu) {
    return claseJugador > claseCompu    ? ResultadoMano::Computadora
           : claseJugador == claseCompu ? ResultadoMano::Iguales
                                        : ResultadoMano::Jugador;
}

// The side that took a hand; Nadie for a tie or a hand undecided.
inline Lado LadoDe(ResultadoMano resultado) {
    return resultado == ResultadoMano::Jugador       ? Lado::Jugador
           : resultado == ResultadoMano::Computadora ? Lado::Computadora
                                                     : Lado::Nadie;
}

// The last hand's winner leads the next one; after a tie, the mano.
inline Lado AbreLaMano(ResultadoMano ultima, Lado mano) {
    const Lado ganador = LadoDe(ultima);
    return ganador != Lado::Nadie ? ganador : mano;
}

// Who takes the round by the results of hands 1-3 so far; Nadie while it is open. Two
// hands take it; a tie goes to the other hand decided, a third hand tied to the first
// hand's winner, and three ties to the mano.
inline Lado GanadorDeRonda(const std::array<ResultadoMano, 4>& manos, Lado mano) {
    if (manos[2] == ResultadoMano::SinDecidir) return Lado::Nadie;
    const Lado primera = LadoDe(manos[1]), segunda = LadoDe(manos[2]);
    if (primera == segunda && primera != Lado::Nadie) return primera;      // two hands
    if (primera == Lado::Nadie && segunda != Lado::Nadie) return segunda;  // a tie, then a hand
    if (segunda == Lado::Nadie && primera != Lado::Nadie) return primera;  // a hand, then a tie
    if (manos[3] == ResultadoMano::SinDecidir) return Lado::Nadie;
    if (const Lado tercera = LadoDe(manos[3]); tercera != Lado::Nadie) return tercera;
    return primera != Lado::Nadie ? primera : mano;
}

}  // namespace naipalia
