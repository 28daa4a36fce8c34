// What the player's unplayed card must be, from the tanto he declared and the cards
// he already showed.
#include "opponent/computadora.h"
#include "round/ronda.h"
#include "shell/operacion.h"

namespace naipalia {

namespace {

// A tanto below 20 is a single card's value: which class that card has.
int clasePorTantoSolo(int tanto) {
    switch (tanto) {
        case 0: return 8;
        case 2: return 5;
        case 3: return 4;
        case 4: return 13;
        case 5: return 12;
        case 6: return 11;
        default: return SinDeducir;
    }
}

}  // namespace

void Computadora::DeducirCartaJugador() {
    JerarquiaDeducidaJugador = SinDeducir;
    const int mano = ronda.ManoActual;
    if (e.TantoCantadoJugador == TantoNoCantado || (mano != 2 && mano != 3)) return;
    const int tanto = e.TantoCantadoJugador;
    const int a = e.carta(e.PosicionJugador[1]);
    const int va = ValorEnvido(a);

    if (mano == 2) {
        if (tanto < 20) {
            if (tanto != va) JerarquiaDeducidaJugador = clasePorTantoSolo(tanto);
            return;
        }
        const int c = tanto - 20 - va;
        if (c == va || c < 0 || c > 7) return;
        if (op.azar() < 0.5) JerarquiaDeducidaJugador = ClaseCartaPorValor(c, PaloCarta(a));
        return;
    }

    const int b = e.carta(e.PosicionJugador[2]);
    const int vb = ValorEnvido(b);
    if (tanto < 20) {
        if (tanto != va && tanto != vb) JerarquiaDeducidaJugador = clasePorTantoSolo(tanto);
        return;
    }
    if (PaloCarta(a) == PaloCarta(b) || va + vb + 20 == tanto) return;
    const int ca = tanto - 20 - va, cb = tanto - 20 - vb;
    if (ca != va && ca >= 0 && ca <= 7) {
        const bool ambasPosibles = cb != vb && cb >= 1 && cb <= 6;
        if (!ambasPosibles) JerarquiaDeducidaJugador = ClaseCartaPorValor(ca, PaloCarta(a));
    } else if (cb != vb && cb >= 0 && cb <= 7) {
        JerarquiaDeducidaJugador = ClaseCartaPorValor(cb, PaloCarta(b));
    } else {
        op.ReproducirVoz(Voz::Ehh);
        op.mensaje(
            "Ehh!! Según tus cartas en la mesa no es posible tu tanto, probablemente te equivocaste "
            "o hayas mentido.",
            Icono::Informacion);
    }
}

}  // namespace naipalia
