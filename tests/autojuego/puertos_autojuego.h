// The shared fakes as self-play uses them: silent and cheap (no file is touched), the
// game's numbers from a generator seeded per game, and the player behind every question
// and dialog.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "platform/falsos.h"

namespace naipalia::autojuego {

class JugadorAzar;

// The player's choices (SplitMix64): unlike the game's generator, nearly free to seed
// once per game.
class AzarJugador {
public:
    void sembrar(std::uint64_t semilla) { estado_ = semilla; }
    std::uint32_t operator()() {
        std::uint64_t z = (estado_ += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return static_cast<std::uint32_t>((z ^ (z >> 31)) >> 32);
    }

private:
    std::uint64_t estado_ = 0;
};

struct Mensaje {
    std::string texto;
    Icono icono;
};

class Plataforma {
public:
    Plataforma();
    Plataforma(const Plataforma&) = delete;
    Plataforma& operator=(const Plataforma&) = delete;

    // Both generators restart: the game's numbers and the player's choices.
    void nuevaPartida(std::uint32_t semillaJuego, std::uint32_t semillaJugador);

    Falsos falsos{"programa"};
    AzarJugador azarJugador;
    JugadorAzar* jugador = nullptr;  // plays every modal dialog
    std::ostream* traza = nullptr;

    // This game's messages and Yes/No questions.
    std::vector<Mensaje> mensajes;
    int preguntas = 0;
    Respuesta ultimaRespuesta = Respuesta::No;
};

}  // namespace naipalia::autojuego
