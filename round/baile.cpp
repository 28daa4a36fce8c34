// The end-of-game dance: the computer's backs and three cards bounce in a wave.
#include "round/ronda.h"
#include "shell/naipalia.h"

namespace naipalia {

namespace {

constexpr double Techo = 190;
constexpr double Piso = 3390;

// Up by its step; turns down at the ceiling, starts up when the leader passes its trigger.
void bailar(Control& imagen, int& paso, const Control& guia, int pasoGuia, double disparo) {
    imagen.Top(imagen.Top() - paso);
    if (imagen.Top() == Techo)
        paso = -100;
    else if (guia.Top() == disparo && pasoGuia == 100)
        paso = 100;
}

}  // namespace

void Ronda::TiempoBaile_Timer() {
    Control& guia = n.CartaFondo(4);
    guia.Top(guia.Top() - PasoFondo[4]);
    if (guia.Top() == Techo)
        PasoFondo[4] = -100;
    else if (guia.Top() == Piso)
        PasoFondo[4] = 100;
    bailar(n.CartaFondo(5), PasoFondo[5], guia, PasoFondo[4], 2990);
    bailar(n.CartaFondo(6), PasoFondo[6], guia, PasoFondo[4], 2590);
    const int primera = e.PuntosComputadora >= e.PuntosJuego ? 0 : 37;
    bailar(n.Carta(primera), PasoBaile[1], guia, PasoFondo[4], 2190);
    bailar(n.Carta(primera + 1), PasoBaile[2], guia, PasoFondo[4], 1790);
    bailar(n.Carta(primera + 2), PasoBaile[3], guia, PasoFondo[4], 1390);
}

}  // namespace naipalia
