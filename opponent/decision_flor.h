// The computer's flor: whether it sings its own, and its answers to the player's: to his
// "Flor" sung at the table, to his "Con flor juego" and to his "Contra flor al juego" in
// the Flores dialog. Pure decisions over its flor, its cards and the score; their
// thresholds are the tables in decision_flor.cpp. Calls nothing of the game. Asked by
// opponent/jugada.cpp and calls/flor_mesa.cpp, which carry the answer out.
#pragma once

#include <array>

#include "game/estado.h"
#include "platform/puertos.h"

namespace naipalia {

enum class RespuestaFlor {
    Mazo,         // "Con suerte, cualquiera.": not worth the round
    Achico,       // "Con flor me achico."
    Juego,        // "Con flor juego!!"
    Contra,       // "Contra flor al resto!!" in answer to his flor
    Quiero,       // the duel accepted
    NoQuiero,     // the duel declined
    ContraResto,  // the duel raised to the rest of the game
};

struct VistaFlor {
    int florCompu = 0;
    std::array<int, 3> clases{};  // of the computer's three cards
    int puntosJugador = 0;
    int puntosJuego = 15;
};

// Its turn in hand 1: whether it sings flor, holding three cards of one suit in a game with
// flor, before any envido or flor was sung.
bool CantaFlor(const Estado& e, bool conFlor);
// The player's call `cadena` at the table: whether its flor takes the envido's place
// (a first envido, or a raise over nothing sung before it).
bool FlorAnteEnvido(const Estado& e, Cadena cadena, bool conFlor);

RespuestaFlor ResponderFlor(const VistaFlor& v, Azar& azar);
RespuestaFlor ResponderFlorJuego(const VistaFlor& v, Azar& azar);
RespuestaFlor ResponderContraFlor(const VistaFlor& v, Azar& azar);

}  // namespace naipalia
