// The computer's truco decisions as rules over named thresholds: its answer to the
// player's truco, retruco and vale 4 in each hand, the deduction of the player's last
// card that may answer first, the acceptance that overturns a refusal handing the player
// the game, and the score limit of its own calls. Each reads the table and draws from the
// random port, and only returns what to do.
// Calls: game/ (cards, state, envido points) and the random port.
// Called by: calls/truco_mesa.cpp (the player's calls), opponent/truco_y_mazo.cpp (its
// calls and refusals) and opponent/deduccion.cpp, which carry the decisions out.
#pragma once

#include <optional>

#include "game/estado.h"
#include "platform/puertos.h"

namespace naipalia {

enum class RespuestaTruco {
    Quiero,
    NoQuiero,           // unless refusing hands the player the game
    Sube,               // accepts and raises at once: retruco to a truco, vale 4 to a retruco
    Cuatro,             // the call is against the four it just played: no call at all
    QuieroLoCantado,    // the deduction accepts
    NoQuieroLoCantado,  // the deduction refuses
};

// The deduced class of the player's unplayed card (SinDeducir when nothing is known), and
// whether his declared tanto cannot be made with the cards he showed.
struct Deduccion {
    int clase = SinDeducir;
    bool imposible = false;
};

struct DecisionTruco {
    RespuestaTruco respuesta = RespuestaTruco::NoQuiero;
    std::optional<Deduccion> deduccion;  // when it was tried on the way
};

// What the computer reads: the table and the hand being played (1..3).
struct VistaTruco {
    const Estado& estado;
    int mano = 1;
};

// The player's card still in hand, from the tanto he declared (hands 2 and 3 only).
Deduccion DeducirCarta(const VistaTruco& vista, Azar& azar);
// The deduced class against its cards of slots a and b (hand 3: a alone); none when the
// deduction leaves the call to the rules.
std::optional<RespuestaTruco> ResponderConDeduccion(const VistaTruco& vista, int deducida, int a, int b);
// Its answer to the player's call of this level.
DecisionTruco ResponderTruco(const VistaTruco& vista, NivelTruco llamada, Azar& azar);
// Refusing now would hand the player the game: the points he is sure to collect.
bool RechazoLeDaElJuego(const Estado& e);
// Its own call of this level is made only while a refusal would not give it the game.
bool PuedeCantarTruco(const Estado& e, NivelTruco nivel);

}  // namespace naipalia
