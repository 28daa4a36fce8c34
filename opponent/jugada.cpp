// The computer's turn: it carries out, hand by hand, what opponent/decision_jugada.h and
// decision_flor.h decide (its card, its calls, its flor, the deck); under "Computadora
// experta" its card is the engine's (opponent/experto.h).
#include "game/mesa.h"
#include "opponent/computadora.h"
#include "opponent/experto.h"
#include "opponent/decision_flor.h"
#include "round/ronda.h"
#include "shell/naipalia.h"
#include "shell/operacion.h"

namespace naipalia {

Computadora::Computadora(Operacion& operacion, Ronda& r, CantoTrucos& ct, TrucoTantoPrimero& ttp)
    : op(operacion), e(operacion.estado), n(operacion.naipalia), ronda(r), cantoTrucos(ct), trucoTantoPrimero(ttp) {}

// A call that ended the round (a refusal dealt the next one, whose own turn ran inside the
// call, or the game is over) ends this turn too.
Jugada Computadora::Jugar() {
    switch (ronda.ManoActual) {
        case 1: return jugarMano1();
        case 2: return jugarMano2();
        default: return jugarMano3();
    }
}

// Its call of this level (Nada: none); true when it ended the turn.
bool Computadora::llamar(NivelTruco nivel) { return nivel != NivelTruco::Nada && cantarTruco(nivel); }

Jugada Computadora::jugarMano1() {
    if (e.PosicionCompu[1] != 0) {
        return Jugada::Carta;
    }
    if (e.MazoPendiente) {
        IrseAlMazoComputadora();
        return Jugada::Mazo;
    }

    const bool jugadorJugo = e.JerarquiaJugador[1] != SinJugar;
    if (CantaFlor(e, n.opcion(Opcion::Flor))) {
        if (!jugadorJugo) {
            CantarFlorComputadora();
        } else {
            op.ReproducirVoz(Voz::Flor);
            op.mensaje("Flor!!", Icono::Exclamacion);
            ronda.TomarFlor(Lado::Computadora, NivelFlor::Flor);
            if (e.FinJuego) return Jugada::Ninguna;
            op.CerrarCantosMesa();
        }
    } else if (e.EstadoFlor == NivelFlor::Nada && e.EnvidoQuerido == Cadena::Nada && e.QuienEnvido == Lado::Nadie &&
               e.EstadoTruco == NivelTruco::Nada) {
        DecidirEnvidoComputadora(false);
    }
    if (e.FinJuego) return Jugada::Ninguna;

    if (CantaTrucoEnPrimera(e, *op.puertos.azar)) {
        if (e.QuienEnvido == Lado::Nadie && !jugadorJugo && e.EstadoFlor == NivelFlor::Nada) {
            if (CantarTrucoTantoPrimero()) return Jugada::Ninguna;
        } else {
            ronda.PonerTantoPrimero(false);
            ronda.TrucoEnJugada(true);
            const bool termino = CantarTrucoComputadora();
            ronda.TrucoEnJugada(false);
            if (e.TrucoRechazadoEnJugada || termino) return Jugada::Ninguna;
        }
    }

    return jugadorJugo ? responderMano1() : abrirMano1();
}

Jugada Computadora::responderMano1() {
    const JugadaPrimera j = ResponderPrimera(e, *op.puertos.azar);
    if (j.truco && CantarTrucoComputadora()) return Jugada::Ninguna;
    JugarCartaPrimeraMano(experta() ? cartaExperta(1) : j.slot);
    return Jugada::Carta;
}

Jugada Computadora::abrirMano1() {
    JugarCartaPrimeraMano(experta() ? cartaExperta(1) : AbrirPrimera(e, *op.puertos.azar));
    return Jugada::Carta;
}

Jugada Computadora::jugarMano2() {
    if (e.PosicionCompu[2] != 0) {
        return Jugada::Carta;
    }
    Azar& azar = *op.puertos.azar;
    if (llamar(LlamadaSegunda(e, azar)) || llamar(ReTrucoSegunda(e, azar))) return Jugada::Ninguna;
    if (AlMazoSegunda(e, azar)) {
        IrseAlMazoComputadora();
        return Jugada::Mazo;
    }
    JugarCartaSegundaMano(experta() ? cartaExperta(2) : CartaSegunda(e));
    return Jugada::Carta;
}

Jugada Computadora::jugarMano3() {
    if (e.PosicionCompu[3] != 0) {
        return Jugada::Carta;
    }
    if (e.JerarquiaJugador[3] == SinJugar)
        DeducirCartaJugador();
    else
        JerarquiaDeducidaJugador = SinDeducir;
    if (llamar(LlamadaTercera(e, JerarquiaDeducidaJugador, *op.puertos.azar))) return Jugada::Ninguna;
    if (AlMazoTercera(e, JerarquiaDeducidaJugador, *op.puertos.azar)) {
        IrseAlMazoComputadora();
        return Jugada::Mazo;
    }
    int slots[3];
    SlotsSinJugar(e, slots);
    ronda.CartaComputadora(3, slots[0]);
    return Jugada::Carta;
}

}  // namespace naipalia

namespace naipalia {

bool Computadora::experta() { return n.opcion(Opcion::Experto); }

// The engine sees what the computer may: its cards, those on the table, the tanto and
// the flor the player stated.
int Computadora::cartaExperta(int mano) {
    const int elegida = MejorCarta(VistaDe(e, Lado::Computadora, mano)).carta;
    int slot = 4;
    while (slot < 6 && e.carta(slot) != elegida) ++slot;
    return slot;
}

void Computadora::JugarCartaPrimeraMano(int slot) {
    op.SonidoCarta();
    ronda.CartaComputadora(1, slot);
}

void Computadora::JugarCartaSegundaMano(int slot) {
    op.SonidoCarta();
    ronda.CartaComputadora(2, slot);
}

}  // namespace naipalia
