// The computer's answer to the player's envido drawn from his history: the statistics
// dialog shows what it remembers, then it accepts, raises or refuses by its chance.
#include "calls/cantos.h"
#include "calls/tanto.h"
#include "game/tanto.h"
#include "opponent/computadora.h"
#include "opponent/decision_envido.h"
#include "players/jugadores.h"
#include "round/ronda.h"
#include "shell/operacion.h"

namespace naipalia {

void Cantos::ResponderEnvidoComputadora(Cadena llamada) {
    const std::vector<CuentaTanto>& registros = jugadores.RegistrosBase;
    if (Resumir(registros).filas == 0) return;
    const float p = ChanceComputadora(registros, e.TantoCompu, e.QuienMano == Lado::Computadora);
    ronda.CantarEnvido(Lado::Jugador, llamada);
    jugadores.MostrarEstadistica();

    const VistaEnvido v = VistaEnvidoDe(e);
    if (QuejaPorRecuerdos(v)) {
        op.ReproducirVoz(Voz::Ehh);
        op.mensaje("Ehh!! ¿Cantás facilmente el tanto...?", Icono::Pregunta);
    }
    switch (ResponderPorRecuerdos(llamada, p, v, *op.puertos.azar)) {
        case RespuestaEnvido::SubeReal: computadora.CantarRealEnvidoComputadora(Cadena::EnvidoRealEnvido, ""); break;
        case RespuestaEnvido::SubeFalta: computadora.SubCantoFaltaEnvido(ConFaltaEnvido(llamada), ""); break;
        case RespuestaEnvido::NoQuiero: NoQuieroEnvidoComputadora(llamada); break;
        default:
            // The chain stays as called; only the accepted level is set.
            tanto.EtiquetaTanto.Caption("");
            quieroEnvido("Quiero!!", Icono::Informacion, llamada);
            break;
    }
}

void Cantos::NoQuieroEnvidoComputadora(Cadena llamada) {
    op.AvisoTurnoJugador();
    const VistaEnvido v = VistaEnvidoDe(e);
    switch (RechazoPorRecuerdos(e.CadenaEnvido, v)) {
        case PorPuntos::QuieroTeFaltaUnPunto:
        case PorPuntos::QuieroEsUnPunto:
        case PorPuntos::QuieroSiNoGanas:
            quieroEnvido(v.puntosJuego - v.puntosJugador == 1 ? "Te falta un punto: Quiero."
                                                              : "De todas maneras es un punto: Quiero!!",
                         Icono::Informacion, llamada);
            break;
        case PorPuntos::SubeFaltaEsUnPunto:
            computadora.SubCantoFaltaEnvido(ConFaltaEnvido(e.CadenaEnvido), "De todas maneras es un punto: ");
            break;
        case PorPuntos::NoQuiero:
            op.ReproducirVoz(Voz::NoQuiero);
            op.mensaje("No quiero.", Icono::Informacion);
            op.CerrarCantosMesa();
            if (EnvidoAlcanzaElFinal(e.CadenaEnvido, false, v.puntosJugador, v.puntosComputadora, v.puntosJuego))
                op.AvisoFinalPorPuntos();
            break;
    }
}

}  // namespace naipalia
