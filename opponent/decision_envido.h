// The computer's envido: the call it opens on its own turn, and its answers to the
// player's envido from the table's buttons, by the score rule, and from his history
// ("recuerdos"). Pure decisions over what the computer knows
// and the random source; their thresholds are the tables in decision_envido.cpp.
// Calls nothing of the game. Asked by opponent/envido.cpp, calls/envido_mesa.cpp and
// players/recuerdos.cpp,
// which carry the answer out (remarks, dialogs, points).
#pragma once

#include "game/estado.h"
#include "game/tanto.h"
#include "platform/puertos.h"

namespace naipalia {

enum class RespuestaEnvido { Quiero, SubeReal, SubeFalta, PorPuntos, NoQuiero };

// The remark the computer makes before answering a player who calls freely.
enum class Queja { Ninguna, Apurando, Facilmente };

struct DecisionEnvido {
    Queja queja = Queja::Ninguna;
    RespuestaEnvido respuesta = RespuestaEnvido::PorPuntos;
    bool operator==(const DecisionEnvido&) const = default;
};

// What the computer knows when the player calls.
struct VistaEnvido {
    int tantoCompu = 0;
    int puntosJugador = 0;
    int puntosComputadora = 0;
    int puntosJuego = 15;
    int rondasJugadas = 0;
    int envidosCantados = 0;  // this call included
};

// The call the computer opens on its own turn, before its card of hand 1.
enum class AperturaEnvido { Ninguna, Envido, RealEnvido, FaltaEnvido };
struct VistaApertura {
    VistaEnvido envido;
    bool jugadorJugo = false;  // the player's card of hand 1 is on the table
    bool computadoraEsMano = false;
};
AperturaEnvido AbrirEnvido(const VistaApertura& v, Azar& azar);

VistaEnvido VistaEnvidoDe(const Estado& e);

// The answer to "Envido", "Real Envido" or "Falta Envido" called from the table.
DecisionEnvido ResponderEnvidoDeMesa(Cadena llamada, const VistaEnvido& v, Azar& azar);

// The answer to the player's raise in the Tanto dialog ("Envido Envido", "Envido Real
// Envido", or a falta): Quiero or PorPuntos.
DecisionEnvido ResponderSubidaDelDialogo(Cadena subida, const VistaEnvido& v, Azar& azar);
// A player who calls falta in the Tanto dialog too often is taken at his word at once.
bool FaltaApurada(int vecesFalta, int vecesDialogo);

// The score rule on the chain the player called last.
enum class PorPuntos { QuieroSiNoGanas, QuieroTeFaltaUnPunto, QuieroEsUnPunto, SubeFaltaEsUnPunto, NoQuiero };
PorPuntos ResponderPorPuntos(Cadena cadena, const VistaEnvido& v);

// The answer from the history: chance is the share of his past tantos the computer's
// beats. Quiero, SubeReal, SubeFalta or NoQuiero.
RespuestaEnvido ResponderPorRecuerdos(Cadena llamada, float chance, const VistaEnvido& v, Azar& azar);
// Whether the history's answer starts with the "facilmente" remark.
bool QuejaPorRecuerdos(const VistaEnvido& v);
// A refusal from the history, unless the score makes the computer accept or raise.
PorPuntos RechazoPorRecuerdos(Cadena cadena, const VistaEnvido& v);

}  // namespace naipalia
