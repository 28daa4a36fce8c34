// The expert engine seated as the player over the table's models: what it presses at the
// table and in each dialog, and how it answers the table's questions, reading only what
// the player may see and learning, round by round, from the computer's moves. Self-play
// seats it against the classic computer (naipalia-bench-experto); the hint shares its move
// at the table.
// Calls: opponent/experto.h, the window models. Called by: shell/sugerencia.cpp, self-play.
#pragma once

#include <optional>
#include <string>
#include <utility>

#include "opponent/experto.h"
#include "shell/juego.h"

namespace naipalia {

// The engine's move at the table, the calls open as its buttons stand; the button of a
// truco call.
Movida MovidaEnLaMesa(const Estado& e, const Naipalia& n, const Vista& v);
Control& BotonDeTruco(Naipalia& n, NivelTruco nivel);

class JugadorExperto {
public:
    explicit JugadorExperto(Juego& juego) : j_(juego), e_(juego.estado), n_(juego.naipalia) {}

    // A button of the table: a call or a card; none when the card it chose has no usable
    // button.
    Control* turno();
    // A button of `dialogo`; none in a dialog it does not play.
    Control* enDialogo(Ventana& dialogo);
    // Its answer to a question; none to one it does not know.
    std::optional<bool> responder(const std::string& pregunta) const;

private:
    Control* tanto();
    Control* truco(Control& quiero, Control& noQuiero, Control& sube);
    Control* flores();
    int mano() const;
    Vista vista();
    int tantoPropio() const;
    bool conFlor() const;

    Juego& j_;
    const Estado& e_;
    Naipalia& n_;
    NivelTruco nuestra_ = NivelTruco::Nada;  // its call just made, which a raise answers
    int ronda_ = -1;                         // the round its belief is about
    Creencia creencia_;
    int suyasVistas_ = 0;                                      // the computer's cards it learnt from
    std::optional<std::pair<NivelTruco, Creencia>> siAcepta_;  // its call, and the belief if taken up
};

}  // namespace naipalia
