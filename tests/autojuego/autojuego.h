// Self-play: the program plays game after game against a random player, checking the
// game's rules at every step; a broken rule is reported with what replays its game.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>

#include "shell/juego.h"
#include "tests/autojuego/invariantes.h"
#include "tests/autojuego/jugador_azar.h"
#include "tests/autojuego/puertos_autojuego.h"

namespace naipalia::autojuego {

// Everything a game depends on.
struct Semillas {
    std::uint32_t juego = 0;    // the game's random numbers
    std::uint32_t jugador = 0;  // the player's choices and answers
    // The last mano of the game before: it decides whether the first deal is reversed.
    bool manoPreviaComputadora = false;
};

struct Resultado {
    long partidas = 0;         // games played to their end
    long acciones = 0;         // the player's moves and dialog clicks
    std::string fallo;         // empty when every rule held
    Semillas ultima;           // the last game started
    std::uint64_t huella = 0;  // the course of that game, to compare with its replay
};

class Autojuego {
public:
    // Without the rules' checks the games cost what the program alone spends.
    explicit Autojuego(bool conInvariantes = true);

    // Game `partida` of the series that starts at `base`.
    static Semillas semillas(std::uint32_t base, long partida);

    // `cantidad` games in a row; stops at the first broken rule, after which this
    // harness is spent.
    Resultado jugar(std::uint32_t base, long cantidad);
    // One game again, as a failure printed it, with every move written to `traza`.
    Resultado repetir(const Semillas& semillas, std::ostream& traza);

private:
    std::uint64_t jugarPartida(const Semillas& semillas);
    bool intentar(const Semillas& semillas, Resultado& resultado);

    bool conInvariantes_;  // and the course's fingerprint, which only replays compare
    Plataforma plataforma_;
    Juego juego_;
    Invariantes invariantes_;
    JugadorAzar jugador_;
    bool gastado_ = false;
};

}  // namespace naipalia::autojuego
