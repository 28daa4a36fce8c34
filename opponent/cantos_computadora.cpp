// The computer's calls and its going to the deck.
#include "game/operacion.h"
#include "settlement/fin_ronda.h"
#include "shell/juego.h"
#include "shell/naipalia.h"

namespace naipalia {

// The computer's envido, flor and truco calls are not made yet: every decision that
// leads to them runs, and the call itself is skipped.
void Naipalia::DecidirEnvidoComputadora(bool) {}
void Naipalia::CantarFlorComputadora() {}
void Naipalia::CantarTrucoComputadora() {}
void Naipalia::CantarRetrucoComputadora() {}
void Naipalia::CantarVale4Computadora() {}
bool Naipalia::CantarTrucoTantoPrimero() { return false; }

void Naipalia::IrseAlMazoComputadora() {
    Operacion::ReproducirVoz(juego, "Perder mano");
    Operacion::AvisoTurnoJugador(juego);
    juego.finRonda.EtiquetaMensaje.Caption("Me voy al mazo." + SufijoFinRonda);
    juego.mostrarModal(juego.finRonda);
    if (e.FinJuego) return;
    if (e.EnvidoQuerido == Nada && e.JerarquiaCompu[1] == SinJugar && e.EstadoTruco == Nada) sumarJugador(2);
    else SumarTrucoJugador();
    SiguienteRonda();
}

}  // namespace naipalia
