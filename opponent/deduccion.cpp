// What the player's unplayed card must be, from the tanto he declared and the cards
// he already showed.
#include "game/operacion.h"
#include "shell/juego.h"
#include "shell/naipalia.h"

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

void Naipalia::DeducirCartaJugador() {
    JerarquiaDeducidaJugador = SinDeducir;
    if (e.TantoCantadoJugador == TantoNoCantado || (ManoActual != 2 && ManoActual != 3)) return;
    const int n = e.TantoCantadoJugador;
    const int a = e.carta(e.PosicionJugador[1]);
    const int va = ValorEnvido(a);

    if (ManoActual == 2) {
        if (n < 20) {
            if (n != va) JerarquiaDeducidaJugador = clasePorTantoSolo(n);
            return;
        }
        const int c = n - 20 - va;
        if (c == va || c < 0 || c > 7) return;
        if (juego.azar() < 0.5) JerarquiaDeducidaJugador = ClaseCartaPorValor(c, PaloCarta(a));
        return;
    }

    const int b = e.carta(e.PosicionJugador[2]);
    const int vb = ValorEnvido(b);
    if (n < 20) {
        if (n != va && n != vb) JerarquiaDeducidaJugador = clasePorTantoSolo(n);
        return;
    }
    if (PaloCarta(a) == PaloCarta(b) || va + vb + 20 == n) return;
    const int ca = n - 20 - va, cb = n - 20 - vb;
    if (ca != va && ca >= 0 && ca <= 7) {
        const bool ambasPosibles = cb != vb && cb >= 1 && cb <= 6;
        if (!ambasPosibles) JerarquiaDeducidaJugador = ClaseCartaPorValor(ca, PaloCarta(a));
    } else if (cb != vb && cb >= 0 && cb <= 7) {
        JerarquiaDeducidaJugador = ClaseCartaPorValor(cb, PaloCarta(b));
    } else {
        Operacion::ReproducirVoz(juego, "Ehh");
        juego.mensaje("Ehh!! Según tus cartas en la mesa no es posible tu tanto, probablemente te equivocaste "
                      "o hayas mentido.",
                      Icono::Informacion);
    }
}

}  // namespace naipalia
