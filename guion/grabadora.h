// Every game written down as it is played, as a script the driver replays: the set-up
// that brings a fresh program to the game's start, each random number and clock reading
// the game drew, and each of the player's actions in the driver's own commands.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/puertos.h"

namespace naipalia {

class Juego;
class Control;
class Ventana;

class Grabadora {
public:
    // Keeps the given ports to pass every call on to them.
    explicit Grabadora(Puertos puertos);
    Grabadora(const Grabadora&) = delete;
    Grabadora& operator=(const Grabadora&) = delete;
    ~Grabadora();

    // The ports to build the game with: random, clock, message boxes and windows watched.
    const Puertos& puertos() const { return vigilados_; }
    // Watches the player's handlers; before start-up, so it sees the table's first state.
    void enlazar(Juego& juego);

    // The program ends by other means than the game's own ways out: the game in play is
    // saved as it was left.
    void terminar();

    // The game being played, else the last one; empty before the first game.
    std::string guion() const;
    // Told the script of game number `partida` as it starts and after each round's end
    // (a copy marked incomplete that replays up to there), and when the game ends, is
    // left or the program ends.
    std::function<void(int partida, const std::string& guion)> alGuardar;

private:
    struct AzarVisto;
    struct RelojVisto;
    struct MensajesVistos;
    struct VentanasVistas;

    void vigilar(Ventana& ventana);
    void vigilarControl(Control& control);
    // The player's action begins: what came before goes down, this one waits for its draws.
    void comenzar(std::string linea);
    void comenzarPartida();
    std::string sangria() const;
    std::string asentado() const;
    void asentar();
    void empezarPartida();
    std::string preparacion() const;
    std::string verificacion() const;
    std::string finDelJuego() const;
    void antesDeModal(Ventana& ventana);
    void despuesDeModal(Ventana& ventana);
    void alSalir();

    Puertos originales_;
    std::unique_ptr<AzarVisto> azar_;
    std::unique_ptr<RelojVisto> reloj_;
    std::unique_ptr<MensajesVistos> mensajes_;
    std::unique_ptr<VentanasVistas> ventanas_;
    Puertos vigilados_;
    Juego* juego_ = nullptr;

    int profundidad_ = 0;  // handlers running inside the player's action
    int modales_ = 0;      // dialogs open inside the game
    int partida_ = 0;
    bool grabando_ = false;        // a game is in progress
    bool enRegistro_ = false;      // the registry holds other players: only the choice is written
    std::string preparacion_;      // what brings a fresh program to the game's start
    std::string cuerpo_;           // the game's lines so far
    std::string final_;            // how the recording closes, once the game ended or was cut short
    bool salio_ = false;           // left by leaving the program
    bool copiaPendiente_ = false;  // a round ended: its copy waits for the table to wait
    // Where the player's last action on the table begins, and the scores before it.
    std::size_t inicioAccion_ = 0;
    std::string puntosAntes_;
    // The action under way and its answers, written once the draws they lead to are known.
    std::vector<std::string> pendiente_;
    int ticks_ = 0;  // a timer's ticks in a row, one line
    std::vector<double> sorteos_;
    std::optional<double> lectura_;  // the first clock reading of the action
    double relojEscrito_ = -1;
    std::string fecha_;
    std::string fechaEscrita_;
    // The table's mano and option menus after start-up, which a fresh program repeats.
    std::vector<bool> marcasIniciales_;
};

}  // namespace naipalia
