// The rules every moment of a game keeps, whatever the player does; a broken one
// throws Fallo.
#pragma once

namespace naipalia {
class Juego;
}

namespace naipalia::autojuego {

class Plataforma;

class Invariantes {
public:
    explicit Invariantes(Juego& juego) : juego_(juego) {}

    // Before the game starts: what the menus promise for it.
    void comenzarPartida();
    // After every action and every dialog click.
    void revisar();
    // When the table waits for the player.
    void revisarTurno();
    // The end-of-game dialog opens.
    void finDeJuego();
    // The game is over and every dialog closed.
    void terminarPartida(const Plataforma& plataforma);

private:
    enum class ManoElegida { Jugador, Computadora, Azar };

    void revisarRonda();
    void revisarPuntos();
    void revisarMesa();

    Juego& juego_;
    ManoElegida manoElegida_ = ManoElegida::Azar;
    int ronda_ = 0;
    int rondaMesa_ = 0;
    bool manoComputadora_ = false;
    int puntosJugador_ = 0;
    int puntosComputadora_ = 0;
    int finesDeJuego_ = 0;
};

}  // namespace naipalia::autojuego
