// Its answer to the player's truco, retruco and vale 4 (called from the table or raised
// over its own call): decided in opponent/decision_truco.h, then carried out.
#include "opponent/computadora.h"
#include "opponent/decision_truco.h"
#include "round/ronda.h"
#include "shell/naipalia.h"
#include "shell/operacion.h"

namespace naipalia {

// The computer answers in the central window; the table prompt comes back unless the
// answer ended the round or the game.
bool Computadora::LlamadaDeTruco(NivelTruco llamada) {
    ronda.refrescarSiPasoElTiempo();
    op.AvisoVentanaCentral();
    const bool termino = contestarLlamada(llamada);
    if (!e.FinJuego && !termino) op.AvisoTurnoJugador();
    return termino || e.FinJuego;
}

// Before the truco the computer may open the envido; then it decides, and the decision is
// carried out. True when the answer ended the round.
bool Computadora::contestarLlamada(NivelTruco llamada) {
    if (llamada == NivelTruco::Truco) {
        if (e.EnvidoQuerido == Cadena::Nada && e.QuienEnvido == Lado::Nadie && e.EstadoFlor == NivelFlor::Nada &&
            e.JerarquiaCompu[1] == SinJugar)
            DecidirEnvidoComputadora(true);
        if (e.FinJuego) return true;
    }
    const DecisionTruco decision = ResponderTruco({e, ronda.ManoActual}, llamada, *op.puertos.azar);
    if (decision.deduccion) TomarDeduccion(*decision.deduccion);
    return cumplir(llamada, decision.respuesta);
}

bool Computadora::cumplir(NivelTruco llamada, RespuestaTruco respuesta) {
    switch (respuesta) {
        case RespuestaTruco::Quiero:
            QuieroTrucoComputadora(llamada);
            // A truco accepted in hand 1 closes the envido.
            if (llamada == NivelTruco::Truco && ronda.ManoActual == 1) op.CerrarCantosMesa();
            return false;
        case RespuestaTruco::NoQuiero: return NoQuieroTrucoComputadora();
        case RespuestaTruco::Sube:
            return llamada == NivelTruco::Truco ? aceptaYSubeRetruco() : QuieroRetrucoYVale4Computadora();
        case RespuestaTruco::Cuatro: AvisoCantoACuatro(); return false;
        case RespuestaTruco::QuieroLoCantado: QuieroLoCantadoComputadora(); return false;
        case RespuestaTruco::NoQuieroLoCantado: return NoQuieroLoCantadoComputadora();
    }
    return false;
}

// The computer accepts the truco and at once calls retruco; the envido is over unless
// the call ended the round.
bool Computadora::aceptaYSubeRetruco() {
    ronda.TrucoQuerido(Lado::Computadora, NivelTruco::Truco);
    const bool termino = CantarRetrucoComputadora();
    if (!e.FinJuego && !termino) op.CerrarCantosMesa();
    return termino;
}

}  // namespace naipalia
