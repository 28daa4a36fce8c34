// The round's envido and flor: the calls that stand, the level accepted, the points
// stated and each winner, written here alone; what is settled is told to whoever listens
// as it happens.
#include "game/tanto.h"
#include "round/ronda.h"
#include "shell/naipalia.h"
#include "shell/operacion.h"

namespace naipalia {

void Ronda::abrirTanto() {
    if (!TantoDelJugador()) return;
    n.BotonEnvido.Enabled(true);
    n.BotonRealEnvido.Enabled(true);
    n.BotonFaltaEnvido.Enabled(true);
    if (n.opcion(Opcion::Flor)) n.BotonFlor.Enabled(true);
}

void Ronda::CantarEnvidoJugador(Cadena cadena) {
    if (TantoDelJugador()) contrincante.ContestarEnvido(cadena);
}

void Ronda::CantarFlorJugador() {
    if (TantoDelJugador() && n.opcion(Opcion::Flor)) contrincante.ContestarFlor();
}

void Ronda::CantarEnvido(Lado quien, Cadena cadena) {
    e.CadenaEnvido = cadena;
    e.QuienEnvido = quien;
}

void Ronda::CantarFlor(Lado quien, NivelFlor nivel) {
    e.EstadoFlor = nivel;
    e.QuienFlor = quien;
}

void Ronda::TomarFlor(Lado quien, NivelFlor nivel) {
    CantarFlor(quien, nivel);
    if (FlorAlcanzaElFinal(nivel, e.puntos(quien), e.puntos(Contrario(quien)), e.PuntosJuego)) op.AvisoFinalPorPuntos();
}

void Ronda::EnvidoQuerido(Cadena nivel) {
    e.EnvidoQuerido = nivel;
    op.contar(suceso::EnvidoQuerido{e.CadenaEnvido, nivel});
}

void Ronda::EnvidoGanado(Lado ganador) {
    e.GanadorEnvido = ganador;
    op.contar(suceso::EnvidoGanado{ganador});
}

void Ronda::FlorGanada(Lado ganador) {
    e.GanadorFlor = ganador;
    op.contar(suceso::FlorGanada{ganador});
}

void Ronda::DeclararEnvido(Lado quien, int puntos) {
    (quien == Lado::Jugador ? e.TantoCantadoJugador : e.TantoCantadoCompu) = puntos;
    op.contar(suceso::TantoDeclarado{quien, puntos});
}

void Ronda::DeclararFlor(Lado quien, int puntos) {
    (quien == Lado::Jugador ? e.FlorCantadaJugador : e.FlorCantadaCompu) = puntos;
    op.contar(suceso::TantoDeclarado{quien, puntos});
}

void Ronda::ValuarFlores() {
    e.FlorJugador = ValorFlor(e.carta(1), e.carta(2), e.carta(3));
    e.FlorCompu = ValorFlor(e.carta(4), e.carta(5), e.carta(6));
}

}  // namespace naipalia
