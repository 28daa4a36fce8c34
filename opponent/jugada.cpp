// The computer's turn: it carries out, hand by hand, what opponent/decision_jugada.h and
// decision_flor.h decide (its card, its calls, its flor, the deck).
#include "game/mesa.h"
#include "opponent/computadora.h"
#include "opponent/decision_flor.h"
#include "round/ronda.h"
#include "shell/naipalia.h"
#include "shell/operacion.h"

namespace naipalia {

Computadora::Computadora(Operacion& operacion, Ronda& r, Cantos& c, CantoTrucos& ct, TrucoTantoPrimero& ttp)
    : op(operacion),
      e(operacion.estado),
      n(operacion.naipalia),
      ronda(r),
      cantos(c),
      cantoTrucos(ct),
      trucoTantoPrimero(ttp) {}

// Each call says whether it ended the round (a refusal dealt the next one, whose own turn
// ran inside the call, or the game is over): then this turn is over too.
void Computadora::JugadaComputadora() {
    switch (ronda.ManoActual) {
        case 1: jugarMano1(); break;
        case 2: jugarMano2(); break;
        default: jugarMano3(); break;
    }
}

// Its call of this level (Nada: none); true when it ended the turn.
bool Computadora::llamar(NivelTruco nivel) { return nivel != NivelTruco::Nada && cantarTruco(nivel); }

void Computadora::jugarMano1() {
    if (e.PosicionCompu[1] != 0) {
        ronda.ResolverMano();
        return;
    }
    if (MazoPendiente) {
        IrseAlMazoComputadora();
        ronda.avisarTurno();
        return;
    }

    const bool jugadorJugo = e.JerarquiaJugador[1] != SinJugar;
    if (CantaFlor(e, n.opcion(Opcion::Flor))) {
        if (!jugadorJugo) {
            CantarFlorComputadora();
        } else {
            op.ReproducirVoz(Voz::Flor);
            op.mensaje("Flor!!", Icono::Exclamacion);
            e.QuienFlor = Lado::Computadora;
            e.EstadoFlor = NivelFlor::Flor;
            if (e.PuntosComputadora + 3 >= e.PuntosJuego) op.AvisoFinalPorPuntos();
            if (e.FinJuego) return;
            op.CerrarCantosMesa();
        }
    } else if (e.EstadoFlor == NivelFlor::Nada && e.EnvidoQuerido == Cadena::Nada && e.QuienEnvido == Lado::Nadie &&
               e.EstadoTruco == NivelTruco::Nada) {
        DecidirEnvidoComputadora(false);
    }
    if (e.FinJuego) return;

    if (CantaTrucoEnPrimera(e, *op.puertos.azar)) {
        if (e.QuienEnvido == Lado::Nadie && !jugadorJugo && e.EstadoFlor == NivelFlor::Nada) {
            if (CantarTrucoTantoPrimero()) return;
        } else {
            e.TantoPrimero = false;
            e.TrucoCantadoEnJugada = true;
            const bool termino = CantarTrucoComputadora();
            e.TrucoCantadoEnJugada = false;
            if (e.TrucoRechazadoEnJugada || termino) return;
        }
    }

    if (jugadorJugo)
        responderMano1();
    else
        abrirMano1();
}

void Computadora::responderMano1() {
    const JugadaPrimera j = ResponderPrimera(e, *op.puertos.azar);
    if (j.truco && CantarTrucoComputadora()) return;
    JugarCartaPrimeraMano(j.slot);
    ronda.ResolverMano();
}

void Computadora::abrirMano1() {
    JugarCartaPrimeraMano(AbrirPrimera(e, *op.puertos.azar));
    ronda.ResolverMano();
}

void Computadora::jugarMano2() {
    if (e.PosicionCompu[2] != 0) {
        ronda.ResolverMano();
        return;
    }
    Azar& azar = *op.puertos.azar;
    if (llamar(LlamadaSegunda(e, azar)) || llamar(ReTrucoSegunda(e, azar))) return;
    if (AlMazoSegunda(e, azar)) {
        IrseAlMazoComputadora();
        ronda.avisarTurno();
        return;
    }
    JugarCartaSegundaMano(CartaSegunda(e));
    ronda.ResolverMano();
}

void Computadora::jugarMano3() {
    if (e.PosicionCompu[3] != 0) {
        ronda.ResolverMano();
        return;
    }
    if (e.JerarquiaJugador[3] == SinJugar)
        DeducirCartaJugador();
    else
        JerarquiaDeducidaJugador = SinDeducir;
    if (llamar(LlamadaTercera(e, JerarquiaDeducidaJugador, *op.puertos.azar))) return;
    if (AlMazoTercera(e, JerarquiaDeducidaJugador, *op.puertos.azar)) {
        IrseAlMazoComputadora();
        ronda.avisarTurno();
        return;
    }
    int slots[3];
    SlotsSinJugar(e, slots);
    JugarCartaComputadora(3, slots[0]);
    ronda.ResolverMano();
}

}  // namespace naipalia

namespace naipalia {

void Computadora::JugarCartaComputadora(int mano, int slot) {
    const int carta = e.carta(slot);
    const auto h = static_cast<std::size_t>(mano);
    n.Carta(carta).Move(LeftMesaCompu[h], TopMesaCompu);
    n.Carta(carta).Visible(true);
    n.CartaFondo(slot).Visible(false);
    e.JerarquiaCompu[h] = JerarquiaTruco(carta);
    e.PosicionCompu[h] = slot;
}

void Computadora::JugarCartaPrimeraMano(int slot) {
    op.SonidoCarta();
    JugarCartaComputadora(1, slot);
}

void Computadora::JugarCartaSegundaMano(int slot) {
    op.SonidoCarta();
    JugarCartaComputadora(2, slot);
}

}  // namespace naipalia
