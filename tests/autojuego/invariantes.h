// The rules every moment of a game keeps, whatever the player does; a broken one
// throws Fallo.
#pragma once

#include <cstddef>
#include <vector>

#include "game/estado.h"

namespace naipalia {
class Juego;
}

namespace naipalia::autojuego {

class Plataforma;

class Invariantes {
public:
    // Switched off, every check returns at once: a benchmark times the game alone.
    Invariantes(Juego& juego, bool activas) : juego_(juego), activas_(activas) {}

    // Before the game starts: what the menus promise for it.
    void comenzarPartida();
    // After every action and every dialog click.
    void revisar();
    // When the table waits for the player.
    void revisarTurno();
    // The end-of-round dialog opens: what the round owes each side is reckoned here;
    // it closes: what its settlement paid is checked.
    void finDeRonda(const Plataforma& plataforma);
    // The player folds: the round's end is his deck's.
    void alMazo(bool yendo) { jugadorAlMazo_ = yendo; }
    void finRondaCerrada(const Plataforma& plataforma);
    // The end-of-game dialog opens.
    void finDeJuego();
    // The game is over and every dialog closed.
    void terminarPartida(const Plataforma& plataforma);

private:
    enum class ManoElegida { Jugador, Computadora, Azar };

    void revisarRonda();
    void revisarPuntos();
    void revisarMesa();
    // The scores after a round that ended are what the round owed.
    void cobrarRonda(bool terminoElJuego);
    struct Pago {
        int jugador, computadora;
    };
    std::vector<Pago> pagosDeEnvido() const;
    std::vector<Pago> pagosDeFlor() const;

    Juego& juego_;
    bool activas_;
    ManoElegida manoElegida_ = ManoElegida::Azar;
    int ronda_ = 0;
    int rondaMesa_ = 0;
    bool manoComputadora_ = false;
    int puntosJugador_ = 0;
    int puntosComputadora_ = 0;
    int finesDeJuego_ = 0;
    // The end-of-round dialog being settled: the scores it found, what its settlement
    // may pay, and the truco owed after it.
    bool finRondaAbierta_ = false;
    bool jugadorAlMazo_ = false;
    bool anticipada_ = false;
    std::size_t mensajesAlAbrir_ = 0;
    Pago alAbrir_{0, 0};
    std::vector<Pago> pagosPosibles_;
    Lado ganadorTruco_ = Lado::Nadie;
    int puntosTruco_ = 0;
    // What the scores must be once the round that ended is settled.
    bool cuentaPendiente_ = false;
    int debidoJugador_ = 0;
    int debidoComputadora_ = 0;
    int penalidadesRonda_ = 0;
    int nivelTruco_ = 0;
};

}  // namespace naipalia::autojuego
