// The judge: the rules of the game read afresh, apart from the game's code (who takes a
// round by its hands, what a round owes each side, the end of the game at the target),
// held against the game at every step; a broken rule throws Fallo.
#pragma once

#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/puertos.h"

namespace naipalia {
class Juego;
class Ventana;
}  // namespace naipalia

namespace naipalia::autojuego {

struct Fallo {
    std::string motivo;
};

template <typename... Partes>
[[noreturn]] void Fallar(const Partes&... partes) {
    std::ostringstream motivo;
    (motivo << ... << partes);
    throw Fallo{motivo.str()};
}

// A point of the table, in twips.
struct Punto {
    double left, top;
};
inline std::ostream& operator<<(std::ostream& o, Punto p) { return o << '(' << p.left << ", " << p.top << ')'; }

struct Mensaje {
    std::string texto;
    Icono icono;
};

// Points owed or paid to each side.
struct Pago {
    int jugador, computadora;
    bool operator==(const Pago&) const = default;
};

class Juez {
public:
    // Switched off, it checks nothing: a benchmark times the game alone.
    Juez(const Juego& juego, const std::vector<Mensaje>& mensajes, bool activo)
        : juego_(juego), mensajes_(mensajes), activo_(activo) {}

    // Before the game starts: what the menus promise for it.
    void comenzarPartida();
    // After every action and every dialog click.
    void revisar();
    // When the table waits for the player.
    void revisarTurno();
    // The end-of-round dialog reckons what the round owes, the end-of-game one the target.
    void abrir(const Ventana& dialogo);
    void cerrar(const Ventana& dialogo);
    // Every dialog closed; the player was asked `preguntas` times, the last answer `si`.
    void terminarPartida(int preguntas, bool si) const;

    bool jugadorAlMazo = false;  // while the player's deck closes the round

private:
    void revisarRonda();
    void revisarPuntos();
    void abrirFinRonda();
    void cerrarFinRonda();
    void cobrarRonda(bool terminoElJuego);
    std::optional<Pago> trucoDebido(const std::string& mensaje);

    const Juego& juego_;
    const std::vector<Mensaje>& mensajes_;
    const bool activo_;
    int manoElegida_ = 0;  // 1 the player, 2 the computer, 0 chance
    int ronda_ = 0;
    bool manoComputadora_ = false;
    Pago puntos_{0, 0};
    int nivelTruco_ = 0;
    std::size_t mensajesRonda_ = 0;  // the messages before this round's
    int finesDeJuego_ = 0;
    // The end-of-round dialog open: the scores it found, what its settlement may pay and
    // the truco owed after it (none when the round goes on).
    bool finRondaAbierta_ = false;
    Pago alAbrir_{0, 0};
    std::vector<Pago> pagosPosibles_;
    std::optional<Pago> truco_;
    // What the scores must be once the round that ended is settled.
    std::optional<Pago> debido_;
};

}  // namespace naipalia::autojuego
