// The composition root: the ports, the shared state, the one list of windows and the
// subsystems, built in that order and destroyed in the reverse one.
#pragma once

#include <array>

#include "calls/canto_trucos.h"
#include "calls/cantos.h"
#include "calls/flores.h"
#include "calls/tanto.h"
#include "calls/truco_tanto_primero.h"
#include "game/estado.h"
#include "opponent/computadora.h"
#include "platform/puertos.h"
#include "players/estadistica.h"
#include "players/jugador.h"
#include "players/jugadores.h"
#include "players/mis_partidas.h"
#include "round/ronda.h"
#include "settlement/fin_juegos.h"
#include "settlement/fin_ronda.h"
#include "settlement/liquidacion.h"
#include "shell/naipalia.h"
#include "shell/operacion.h"
#include "shell/principal.h"

namespace naipalia {

// The computer as the round sees it: its turn and its truco answers are opponent/'s; its
// answers to the player's envido and flor live in calls/, beside his history and the
// dialogs they open.
class ComputadoraEnLaRonda final : public Contrincante {
public:
    ComputadoraEnLaRonda(Computadora& computadora, Cantos& cantos) : computadora_(computadora), cantos_(cantos) {}
    Jugada Jugar() override { return computadora_.Jugar(); }
    void ContestarTruco(NivelTruco llamada) override { computadora_.LlamadaDeTruco(llamada); }
    void ContestarEnvido(Cadena llamada) override { cantos_.ContestarEnvido(llamada); }
    void ContestarFlor() override { cantos_.ContestarFlor(); }

private:
    Computadora& computadora_;
    Cantos& cantos_;
};

class Juego {
public:
    // Ports left unset do nothing.
    explicit Juego(Puertos puertos);
    Juego(const Juego&) = delete;
    Juego& operator=(const Juego&) = delete;

    // Start-up: the table loads and is shown.
    void arrancar();

    // Every window of the game, the table first.
    const std::array<Ventana*, 10>& ventanas() const { return ventanas_; }
    Ventana* ventana(const std::string& nombre) const;

private:
    Puertos puertos_;

public:
    Estado estado;

    // The windows' models.
    Naipalia naipalia;
    FinRonda finRonda;
    FinJuegos finJuegos;
    Tanto tanto;
    Flores flores;
    CantoTrucos cantoTrucos;
    TrucoTantoPrimero trucoTantoPrimero;
    Jugador jugador;
    Estadistica estadistica;
    MisPartidas misPartidas;

private:
    std::array<Ventana*, 10> ventanas_{&naipalia,    &finRonda,          &finJuegos, &tanto,       &flores,
                                       &cantoTrucos, &trucoTantoPrimero, &jugador,   &estadistica, &misPartidas};

public:
    // The subsystems, which bind the windows' events as they are built.
    Operacion operacion{estado, puertos_, naipalia, finRonda, tanto, flores};
    // The computer first: the round holds it as its opponent from the start.
    Computadora computadora;
    ComputadoraEnLaRonda contrincante{computadora, cantos};
    Ronda ronda;
    Liquidacion liquidacion;
    Cantos cantos;
    Jugadores jugadores;
    Principal principal;

    const Puertos& puertos() const { return puertos_; }
};

}  // namespace naipalia
