// The computer's turn as decisions: its card in each hand, its own truco, retruco and
// vale 4 calls, and going to the deck. Pure rules over the table and the random source;
// their thresholds are the tables in decision_jugada.cpp. A number is drawn only where its
// test is reached.
// Calls: game/ (cards, state) and the random port.
// Called by: opponent/jugada.cpp, which carries the decisions out.
#pragma once

#include "game/estado.h"
#include "platform/puertos.h"

namespace naipalia {

// Its unplayed slots 4..6, in slot order; how many there are.
int SlotsSinJugar(const Estado& estado, int (&slots)[3]);
// The unplayed card of the highest class, the lowest slot among equals; 0 when none is left.
int SlotMasDebil(const Estado& estado);

// Hand 1: whether it calls truco before its card.
bool CantaTrucoEnPrimera(const Estado& e, Azar& azar);

// Hand 1 after the player's card: the slot it plays, and whether a truco goes first.
struct JugadaPrimera {
    int slot = 0;
    bool truco = false;
};
JugadaPrimera ResponderPrimera(const Estado& e, Azar& azar);
// Hand 1, leading: the slot it plays.
int AbrirPrimera(const Estado& e, Azar& azar);

// The next call up the truco chain the computer holds the right to; Nada when none.
NivelTruco Escalon(const Estado& e);

// Hand 2: its first call before its card (Nada: none); then, after a tie in hand 1 with
// the player's card down, its retruco; then whether it goes to the deck; then its card.
NivelTruco LlamadaSegunda(const Estado& e, Azar& azar);
NivelTruco ReTrucoSegunda(const Estado& e, Azar& azar);
bool AlMazoSegunda(const Estado& e, Azar& azar);
int CartaSegunda(const Estado& e);

// Hand 3: its call before its last card (Nada: none). `deducida` is the deduced class of
// the player's last card while he has not played it (SinDeducir when unknown).
NivelTruco LlamadaTercera(const Estado& e, int deducida, Azar& azar);
// Hand 3: whether it goes to the deck instead of playing its last card.
bool AlMazoTercera(const Estado& e, int deducida, Azar& azar);

}  // namespace naipalia
