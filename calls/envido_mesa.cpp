// The player's envido from the table goes to the round, which checks it; the computer's
// answer: its flor comes first; otherwise its history or each call's rules choose between
// accepting, raising and the score rule.
#include "calls/cantos.h"
#include "calls/tanto.h"
#include "game/tanto.h"
#include "opponent/computadora.h"
#include "opponent/decision_envido.h"
#include "players/jugadores.h"
#include "round/ronda.h"
#include "shell/naipalia.h"
#include "shell/operacion.h"

namespace naipalia {

namespace {

constexpr int PunteroReloj = 11;  // the hourglass while the computer answers

}  // namespace

void Cantos::quejarse(Queja queja) {
    if (queja == Queja::Ninguna) return;
    op.ReproducirVoz(Voz::Ehh);
    op.mensaje(queja == Queja::Apurando ? "Ehh!! ¿Estás apurando...?" : "Ehh!! ¿Cantás facilmente el tanto...?",
               Icono::Pregunta);
}

void Cantos::BotonEnvido_Click() { ronda.CantarEnvidoJugador(Cadena::Envido); }
void Cantos::BotonRealEnvido_Click() { ronda.CantarEnvidoJugador(Cadena::RealEnvido); }
void Cantos::BotonFaltaEnvido_Click() { ronda.CantarEnvidoJugador(Cadena::FaltaEnvido); }

void Cantos::ContestarEnvido(Cadena cadena) {
    n.forma().MousePointer(PunteroReloj);
    ronda.refrescarSiPasoElTiempo();
    e.EnvidosCantadosJugador = (e.EnvidosCantadosJugador + 1) % 256;
    op.AvisoVentanaCentral();
    // The player's history of this call; a failing query only leaves the built-in rules.
    const long recuerdos = e.SinRecuerdos ? 0 : jugadores.ConsultarRecuerdos(TipoTanto(cadena));
    if (FlorAnteEnvido(e, cadena, n.opcion(Opcion::Flor))) {
        computadora.CantarFlorComputadora();
        op.CerrarCantosMesa();
    } else if (recuerdos >= 5 && n.opcion(Opcion::Recuerdos) && !e.ErrorBaseDatos) {
        ResponderEnvidoComputadora(cadena);
    } else {
        ronda.CantarEnvido(Lado::Jugador, cadena);
        const DecisionEnvido decision = ResponderEnvidoDeMesa(cadena, VistaEnvidoDe(e), *op.puertos.azar);
        quejarse(decision.queja);
        responderCanto(cadena, decision.respuesta);
    }
    jugadores.CerrarRegistros();
    n.forma().MousePointer(0);
    if (e.TantoPrimero && !e.FinJuego) ronda.TurnoComputadora();
}

void Cantos::responderCanto(Cadena cadena, RespuestaEnvido respuesta) {
    switch (respuesta) {
        case RespuestaEnvido::Quiero: quieroEnvido("Quiero!!", Icono::Exclamacion, cadena); break;
        case RespuestaEnvido::SubeReal: computadora.CantarRealEnvidoComputadora(Cadena::EnvidoRealEnvido, ""); break;
        case RespuestaEnvido::SubeFalta: computadora.SubCantoFaltaEnvido(ConFaltaEnvido(cadena), ""); break;
        default: ResponderEnvidoPorPuntos(); break;
    }
}

// Every acceptance of the player's envido, whatever rule made it: the tantos are declared.
void Cantos::quieroEnvido(const std::string& texto, Icono icono, Cadena querido) {
    op.ReproducirVoz(Voz::Quiero);
    op.mensaje(texto, icono);
    ronda.EnvidoQuerido(querido);
    DeclararTanto();
}

void Cantos::ResponderEnvidoPorPuntos() {
    const Cadena cadena = e.CadenaEnvido;
    const VistaEnvido v = VistaEnvidoDe(e);
    op.AvisoVentanaCentral();
    switch (ResponderPorPuntos(cadena, v)) {
        case PorPuntos::QuieroSiNoGanas:
        case PorPuntos::QuieroEsUnPunto: {
            const bool ganaria = v.puntosJugador >= v.puntosJuego - PuntosEnvidoNoQuerido(cadena);
            quieroEnvido(ganaria ? "Si no acepto ganás: Quiero." : "De todas maneras es un punto: Quiero!!",
                         Icono::Informacion, NivelQuerido(cadena));
            break;
        }
        case PorPuntos::SubeFaltaEsUnPunto:
            computadora.SubCantoFaltaEnvido(ConFaltaEnvido(cadena), "De todas maneras es un punto: ");
            break;
        default:
            op.ReproducirVoz(Voz::NoQuiero);
            op.mensaje("No quiero.", Icono::Informacion);
            if (EnvidoAlcanzaElFinal(cadena, false, v.puntosJugador, v.puntosComputadora, v.puntosJuego))
                op.AvisoFinalPorPuntos();
            if (e.FinJuego) return;
            tanto.Unload();
            op.CerrarCantosMesa();
    }
}

}  // namespace naipalia
