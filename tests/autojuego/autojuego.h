// Self-play: the program plays game after game against a random player while the judge
// checks the game's rules at every step; a broken rule is reported with the seeds that
// replay its game.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace naipalia {
class Control;
class Ventana;
}  // namespace naipalia

namespace naipalia::autojuego {

// The buttons of a dialog a player may press now, in the dialog's order: the random
// player's choices, shared with the desktop memory benchmark.
void BotonesUsables(const Ventana& dialogo, std::vector<Control*>& botones);

// Everything a game depends on.
struct Semillas {
    std::uint32_t juego = 0;    // the game's random numbers
    std::uint32_t jugador = 0;  // the player's choices and answers
    // The last mano of the game before: it decides whether the first deal is reversed.
    bool manoPreviaComputadora = false;
};

struct Resultado {
    long partidas = 0;  // games played to their end
    long acciones = 0;  // the player's moves and dialog clicks
    std::string fallo;  // empty when every rule held
};

class Autojuego {
public:
    // Without the judge the games cost what the program alone spends.
    explicit Autojuego(bool revisar = true);
    ~Autojuego();

    // `cantidad` games of the series `base` in a row; stops at the first broken rule,
    // after which this harness is spent.
    Resultado jugar(std::uint32_t base, long cantidad);
    // One game again, from the seeds a failure printed.
    Resultado repetir(const Semillas& semillas);

private:
    class Mesa;
    std::unique_ptr<Mesa> mesa_;
};

}  // namespace naipalia::autojuego
