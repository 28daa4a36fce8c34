// The computer's calls and its going to the deck.
#include "opponent/computadora.h"
#include "round/ronda.h"
#include "settlement/fin_ronda.h"
#include "shell/operacion.h"

namespace naipalia {

// The computer's flor and truco calls are not made yet: every decision that leads to
// them runs, and the call itself is skipped.
void Computadora::CantarFlorComputadora() {}
void Computadora::CantarTrucoComputadora() {}
void Computadora::CantarRetrucoComputadora() {}
void Computadora::CantarVale4Computadora() {}
bool Computadora::CantarTrucoTantoPrimero() { return false; }

void Computadora::IrseAlMazoComputadora() {
    op.ReproducirVoz(Voz::PerderMano);
    op.AvisoTurnoJugador();
    op.MensajeFinRonda("Me voy al mazo.");
    op.mostrarModal(op.finRonda);
    if (e.FinJuego) return;
    if (e.EnvidoQuerido == Cadena::Nada && e.JerarquiaCompu[1] == SinJugar && e.EstadoTruco == NivelTruco::Nada)
        op.SumarPuntos(Lado::Jugador, 2);
    else ronda.SumarTrucoJugador();
    ronda.SiguienteRonda();
}

}  // namespace naipalia
