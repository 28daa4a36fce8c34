// The expert engine: a side's card from what that side may know. The cards it cannot see
// are dealt in every way that agrees with what it saw and heard; each deal is played to
// the round's end with both sides' best cards by the hands' rules, and the card that
// takes the round in the most deals is chosen. Deterministic; the other side's hidden
// cards are never given to it.
// Calls: game/ (cards, tanto, the hands' rules).
// Called by: shell/ (the player's hint).
#pragma once

#include <array>
#include <string>

#include "game/estado.h"

namespace naipalia {

constexpr int SinCarta = -1;

// What a side may know of the round: its own cards, the cards both sides put down, the
// tanto and the flor the other side stated.
struct Vista {
    Lado lado = Lado::Nadie;
    Lado mano = Lado::Nadie;
    int manoActual = 1;
    std::array<int, 3> propias{SinCarta, SinCarta, SinCarta};
    // By hand 1-3 (element 0 unused): the card each side put down.
    std::array<int, 4> puestas{SinCarta, SinCarta, SinCarta, SinCarta};
    std::array<int, 4> puestasOtro{SinCarta, SinCarta, SinCarta, SinCarta};
    int tantoOtro = SinCarta;  // the other side's stated envido; SinCarta when none
    int florOtro = SinCarta;   // and its stated flor
};

// What `lado` may know of the round in `e`, in hand `manoActual`.
Vista VistaDe(const Estado& e, Lado lado, int manoActual);

// The card to put down now, and how many of the deals it takes the round in.
struct Consejo {
    int carta = SinCarta;  // SinCarta when no card is left to play
    int repartos = 0;
    int ganados = 0;
};
Consejo MejorCarta(const Vista& vista);

// "7 de espada".
std::string NombreCarta(int carta);

}  // namespace naipalia
