// The rules of a round read afresh, apart from the game's code: who takes the round by
// its hands, and what a round that ends owes each side. The invariants hold the game to it.
#pragma once

#include "game/estado.h"

namespace naipalia::autojuego {

// The round's winner by the hands played so far; Lado::Nadie while they decide nothing.
Lado GanadorPorManos(const Estado& e);

// What the round's truco is worth at the level accepted so far.
int ValorDelTruco(NivelTruco nivel);

}  // namespace naipalia::autojuego
