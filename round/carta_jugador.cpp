// The player's cards: the buttons, a click on the picture, and the right-button drag
// onto the table with its glide home when dropped outside the place.
#include "game/mesa.h"
#include "round/ronda.h"
#include "shell/naipalia.h"
#include "shell/operacion.h"

namespace naipalia {

namespace {

// How close to home a returning card must come to snap into place, by slot.
struct Llegada {
    double leftDesde, leftHasta;
};
constexpr Llegada Llegadas[4] = {{0, 0}, {3170, 3250}, {4720, 4800}, {6260, 6350}};

// Half away from zero, as lround, without the library call every mouse event paid.
int redondear(double x) { return x < 0 ? -static_cast<int>(-x + 0.5) : static_cast<int>(x + 0.5); }

bool llegoACasa(int slot, double left, double top) {
    const Llegada& l = Llegadas[slot];
    return top > 3350 && top < 3430 && left > l.leftDesde && left < l.leftHasta;
}

}  // namespace

void Ronda::refrescarSiPasoElTiempo() {
    const double t = op.puertos.reloj->segundosDelDia();
    if (t - TiempoUltimaAccion > 30) {
        TiempoUltimaAccion = t;
        op.RefrescarPropaganda();
    }
}

void Ronda::DeshabilitarBotonesJugada() {
    for (int s = 1; s <= 3; ++s) n.BotonCarta(s).Enabled(false);
    n.BotonTruco.Enabled(false);
    n.BotonRetruco.Enabled(false);
    n.BotonVale4.Enabled(false);
}

void Ronda::PonerCartaEnMesa(int carta, double left) {
    Control& naipe = n.Carta(carta);
    naipe.Move(left, TopMesaJugador);
    naipe.MousePointer(0);
}

void Ronda::registrarCartaJugador(int mano, int carta, int slot) {
    const auto h = static_cast<std::size_t>(mano);
    PonerCartaEnMesa(carta, LeftMesaJugador[h]);
    const bool abre = e.JerarquiaCompu[h] == SinJugar;
    e.JerarquiaJugador[h] = JerarquiaTruco(carta);
    e.PosicionJugador[h] = slot;
    op.contar(suceso::CartaJugada{Lado::Jugador, mano, carta, slot, abre});
    if (mano == 1) {
        op.DeshabilitarCantosMesa();
    } else if (mano == 3) {
        SubValorTantoMesa(false);
    }
}

// A card still gliding home arrives at once when the player acts again or the round
// is dealt anew: the glide names its card by the last one touched.
void Ronda::terminarRetorno() {
    if (!n.TiempoCarta.Enabled()) return;
    n.TiempoCarta.Enabled(false);
    n.Carta(CartaArrastrada).Move(LeftMano[static_cast<std::size_t>(slotDeCarta(CartaArrastrada))], TopMano);
}

int Ronda::slotDeCarta(int carta) const { return carta == e.carta(1) ? 1 : carta == e.carta(2) ? 2 : 3; }

// The card goes down with its sound, and the move passes to the computer.
void Ronda::jugarCartaYPasarTurno(int mano, int carta, int slot) {
    op.SonidoCarta();
    registrarCartaJugador(mano, carta, slot);
    DeshabilitarBotonesJugada();
    TurnoComputadora();
}

void Ronda::BotonCarta_Click(int indice) {
    terminarRetorno();
    refrescarSiPasoElTiempo();
    jugarCartaYPasarTurno(ManoActual, e.carta(indice), indice);
}

void Ronda::JugarCartaMesa(int mano) { jugarCartaYPasarTurno(mano, CartaArrastrada, SlotPorLeft(LeftInicialCarta)); }

void Ronda::Carta_MouseDown(int indice, int boton, int, double, double) {
    if (e.TantoPrimero) return;
    terminarRetorno();
    Control& carta = n.Carta(indice);
    LeftInicialCarta = static_cast<int>(redondear(carta.Left()));
    if (boton == BotonDerecho && carta.Top() == TopMano && EnLaMano(carta.Left())) {
        op.SonidoCarta();
        ArrastrandoCarta = true;
        AgarreX = 0;
        AgarreY = 0;
    }
}

void Ronda::Carta_MouseMove(int indice, int, int, double x, double y) {
    if (e.TantoPrimero || !ArrastrandoCarta) return;
    if (AgarreX == 0 && AgarreY == 0) {
        AgarreX = static_cast<int>(redondear(x));
        AgarreY = static_cast<int>(redondear(y));
    }
    Control& carta = n.Carta(indice);
    carta.Move(carta.Left() - AgarreX + x, carta.Top() - AgarreY + y);
}

void Ronda::Carta_MouseUp(int indice, int boton, int, double, double) {
    refrescarSiPasoElTiempo();
    if (e.TantoPrimero) return;
    if (!ArrastrandoCarta) terminarRetorno();
    CartaArrastrada = indice;
    const Control& carta = n.Carta(indice);
    if (boton == BotonDerecho && ArrastrandoCarta) {
        ArrastrandoCarta = false;
        AgarreX = 0;
        AgarreY = 0;
        if (EnZonaJugada(ManoActual, carta.Left(), carta.Top()))
            JugarCartaMesa(ManoActual);
        else
            DevolverCarta();
    } else if (EnLaMano(carta.Left())) {
        JugarCartaMesa(ManoActual);
    }
}

void Ronda::DevolverCarta() {
    CartaRetorno = &n.Carta(CartaArrastrada);
    RetornoX = CartaRetorno->Left();
    RetornoY = CartaRetorno->Top();
    SlotRetorno = slotDeCarta(CartaArrastrada);
    PasoRetornoX = (LeftMano[static_cast<std::size_t>(SlotRetorno)] - RetornoX) / 30;
    PasoRetornoY = (TopMano - RetornoY) / 30;
    n.TiempoCarta.Enabled(true);
}

void Ronda::TiempoCarta_Timer() {
    Control& carta = *CartaRetorno;
    carta.Move(carta.Left() + PasoRetornoX, carta.Top() + PasoRetornoY);
    if (llegoACasa(SlotRetorno, carta.Left(), carta.Top())) {
        n.TiempoCarta.Enabled(false);
        carta.Move(LeftMano[static_cast<std::size_t>(SlotRetorno)], TopMano);
    }
}

}  // namespace naipalia
