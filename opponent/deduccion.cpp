// What the player's unplayed card must be (decided in opponent/decision_truco.cpp), kept
// for the computer's turn and told when his tanto is impossible.
#include "opponent/computadora.h"
#include "round/ronda.h"
#include "shell/operacion.h"

namespace naipalia {

void Computadora::DeducirCartaJugador() { TomarDeduccion(DeducirCarta({e, ronda.ManoActual}, *op.puertos.azar)); }

void Computadora::TomarDeduccion(const Deduccion& deduccion) {
    JerarquiaDeducidaJugador = deduccion.clase;
    if (!deduccion.imposible) return;
    op.ReproducirVoz(Voz::Ehh);
    op.mensaje(
        "Ehh!! Según tus cartas en la mesa no es posible tu tanto, probablemente te equivocaste "
        "o hayas mentido.",
        Icono::Informacion);
}

}  // namespace naipalia
