// The player's cards: the buttons, a click on the picture, and the right-button drag
// onto the table with its glide home when dropped outside the place.
#include <cmath>

#include "game/mesa.h"
#include "game/operacion.h"
#include "shell/juego.h"
#include "shell/naipalia.h"

namespace naipalia {

namespace {

struct Zona {
    double leftDesde, leftHasta;
};

// How close to home a returning card must come to snap into place.
bool llegoACasa(int slot, double left, double top) {
    constexpr Zona ventanas[4] = {{0, 0}, {3170, 3250}, {4720, 4800}, {6260, 6350}};
    return top > 3350 && top < 3430 && left > ventanas[slot].leftDesde && left < ventanas[slot].leftHasta;
}

}  // namespace

void Naipalia::refrescarSiPasoElTiempo() {
    const double t = juego.puertos.reloj.segundosDelDia();
    if (t - TiempoUltimaAccion > 30) {
        TiempoUltimaAccion = t;
        RefrescarPropaganda();
    }
}

void Naipalia::DeshabilitarBotonesJugada() {
    for (int s = 1; s <= 3; ++s) BotonCarta(s).Enabled(false);
    BotonTruco.Enabled(false);
    BotonRetruco.Enabled(false);
    BotonVale4.Enabled(false);
}

void Naipalia::PonerCartaEnMesa(int carta, double left) {
    Carta(carta).Move(left, TopMesaJugador);
    Carta(carta).MousePointer(0);
}

void Naipalia::registrarCartaJugador(int mano, int carta, int slot) {
    const auto h = static_cast<std::size_t>(mano);
    PonerCartaEnMesa(carta, LeftMesaJugador[h]);
    e.JerarquiaJugador[h] = JerarquiaTruco(carta);
    e.PosicionJugador[h] = slot;
    if (mano == 1) {
        for (Control* b : {&BotonEnvido, &BotonRealEnvido, &BotonFaltaEnvido, &BotonFlor}) b->Enabled(false);
    } else if (mano == 3) {
        SubValorTantoMesa(false);
    }
}

// A card still gliding home arrives at once when the player acts again or the round
// is dealt anew: the glide names its card by the last one touched.
void Naipalia::terminarRetorno() {
    if (!TiempoCarta.Enabled()) return;
    TiempoCarta.Enabled(false);
    Carta(CartaArrastrada).Move(LeftMano[static_cast<std::size_t>(slotDeCarta(CartaArrastrada))], TopMano);
}

int Naipalia::slotDeCarta(int carta) const { return carta == e.carta(1) ? 1 : carta == e.carta(2) ? 2 : 3; }

void Naipalia::BotonCarta_Click(int indice) {
    terminarRetorno();
    refrescarSiPasoElTiempo();
    Operacion::SonidoCarta(juego);
    registrarCartaJugador(ManoActual, e.carta(indice), indice);
    DeshabilitarBotonesJugada();
    JugadaComputadora();
}

void Naipalia::JugarCartaMesa(int mano) {
    registrarCartaJugador(mano, CartaArrastrada, SlotPorLeft(LeftInicialCarta));
}

void Naipalia::Carta_MouseDown(int indice, int boton, int, double, double) {
    if (e.TantoPrimero) return;
    terminarRetorno();
    Control& carta = Carta(indice);
    LeftInicialCarta = static_cast<int>(std::lround(carta.Left()));
    if (boton == BotonDerecho && carta.Top() == TopMano && EnLaMano(carta.Left())) {
        Operacion::SonidoCarta(juego);
        ArrastrandoCarta = true;
        AgarreX = 0;
        AgarreY = 0;
    }
}

void Naipalia::Carta_MouseMove(int indice, int, int, double x, double y) {
    if (e.TantoPrimero || !ArrastrandoCarta) return;
    if (AgarreX == 0 && AgarreY == 0) {
        AgarreX = static_cast<int>(std::lround(x));
        AgarreY = static_cast<int>(std::lround(y));
    }
    Control& carta = Carta(indice);
    carta.Move(carta.Left() - AgarreX + x, carta.Top() - AgarreY + y);
}

void Naipalia::Carta_MouseUp(int indice, int boton, int, double, double) {
    refrescarSiPasoElTiempo();
    if (e.TantoPrimero) return;
    if (!ArrastrandoCarta) terminarRetorno();
    CartaArrastrada = indice;
    const Control& carta = Carta(indice);
    if (boton == BotonDerecho && ArrastrandoCarta) {
        ArrastrandoCarta = false;
        AgarreX = 0;
        AgarreY = 0;
        if (EnZonaJugada(ManoActual, carta.Left(), carta.Top())) {
            Operacion::SonidoCarta(juego);
            JugarCartaMesa(ManoActual);
            DeshabilitarBotonesJugada();
            JugadaComputadora();
        } else {
            DevolverCarta();
        }
    } else if (EnLaMano(carta.Left())) {
        Operacion::SonidoCarta(juego);
        JugarCartaMesa(ManoActual);
        DeshabilitarBotonesJugada();
        JugadaComputadora();
    }
}

void Naipalia::DevolverCarta() {
    RetornoX = Carta(CartaArrastrada).Left();
    RetornoY = Carta(CartaArrastrada).Top();
    TiempoCarta.Enabled(true);
}

void Naipalia::TiempoCarta_Timer() {
    Control& carta = Carta(CartaArrastrada);
    const int slot = slotDeCarta(CartaArrastrada);
    const double casa = LeftMano[static_cast<std::size_t>(slot)];
    carta.Move(carta.Left() + (casa - RetornoX) / 30, carta.Top() + (TopMano - RetornoY) / 30);
    if (llegoACasa(slot, carta.Left(), carta.Top())) {
        TiempoCarta.Enabled(false);
        carta.Move(casa, TopMano);
    }
}

}  // namespace naipalia
