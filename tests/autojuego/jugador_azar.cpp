#include "tests/autojuego/jugador_azar.h"

#include <array>
#include <cstdint>
#include <ostream>
#include <string>

#include "game/mesa.h"
#include "game/nombres.h"
#include "shell/juego.h"
#include "tests/autojuego/fallo.h"
#include "tests/autojuego/invariantes.h"
#include "tests/autojuego/puertos_autojuego.h"

namespace naipalia::autojuego {

namespace {

using std::to_string;

// Far more than any game needs: past it the game no longer ends.
constexpr long MaximoAccionesPartida = 2000;

// Around the window's client area, a margin where a drag may still end.
constexpr double Margen = 500;

bool usable(const Control& c) { return c.Enabled() && c.Visible(); }

enum Movida { Boton, Clic, SoltarDentro, SoltarFuera, TocarMesa, Cantar, Trucar, AlMazo, Movidas };

}  // namespace

void BotonesUsables(const Ventana& dialogo, std::vector<Control*>& botones) {
    botones.clear();
    for (Control* c : dialogo.controles())
        if (c->tipo() == TipoControl::Boton && usable(*c)) botones.push_back(c);
}

JugadorAzar::JugadorAzar(Juego& juego, Plataforma& plataforma, Invariantes& invariantes)
    : juego_(juego), plataforma_(plataforma), invariantes_(invariantes), azar_(plataforma.azarJugador) {}

// The high bits of a product: cheaper than a distribution, and unbiased enough for play.
int JugadorAzar::elegir(int cuantos) {
    return static_cast<int>((std::uint64_t{azar_()} * static_cast<std::uint64_t>(cuantos)) >> 32);
}

void JugadorAzar::contar() {
    ++acciones_;
    if (++accionesPartida_ > MaximoAccionesPartida)
        Fallar("the game is still on after " + to_string(MaximoAccionesPartida) + " moves");
}

JugadorAzar::Momento JugadorAzar::momento() const { return {juego_.ronda.ManoActual, juego_.estado.RondasJugadas}; }

int JugadorAzar::slotDe(int carta) const {
    for (int s = 1; s <= 3; ++s)
        if (juego_.estado.carta(s) == carta) return s;
    Fallar("card " + to_string(carta) + " lies in the hand but is not the player's");
}

void JugadorAzar::pulsarMenu(Control& menu) {
    if (!menu.Enabled()) Fallar(menu.nombre() + " is disabled between games");
    if (std::ostream* t = plataforma_.traza) {
        *t << "menu " << menu.nombre();
        if (menu.indice() >= 0) *t << ' ' << menu.indice();
        *t << '\n';
    }
    menu.Click();
}

// Every draw is made whatever the menus show, so the options depend on the seed alone.
void JugadorAzar::elegirOpciones() {
    Naipalia& n = juego_.naipalia;
    Control* manos[] = {&n.MenuMJugador, &n.MenuMCompu, &n.MenuMAleatorio};
    pulsarMenu(*manos[elegir(3)]);
    pulsarMenu(n.MenuCantidadPuntos(1 + elegir(2)));
    const bool conFlor = elegir(2) == 1;
    Control& flor = n.MenuFlorOpcion(1 + elegir(2));  // either item flips the option
    if (n.MenuFlorOpcion(1).Checked() != conFlor) pulsarMenu(flor);
}

void JugadorAzar::comenzarPartida() {
    accionesPartida_ = 0;
    Naipalia& n = juego_.naipalia;
    if (n.TiempoComienzo.Enabled()) {
        if (plataforma_.traza) *plataforma_.traza << "tick TiempoComienzo\n";
        n.TiempoComienzo.Timer();
        // A falta envido in the first round may end the new game, and offer the next, at once.
        if (n.TiempoComienzo.Enabled() && !juego_.estado.FinJuego)
            Fallar("TiempoComienzo still runs after starting a game");
    } else {
        if (plataforma_.traza) *plataforma_.traza << "menu MenuNuevo\n";
        n.MenuNuevo.Click();
    }
}

void JugadorAzar::jugarDialogo(Ventana& dialogo) {
    invariantes_.revisar();
    if (&dialogo == &juego_.finJuegos)
        invariantes_.finDeJuego();
    else if (&dialogo == &juego_.finRonda)
        invariantes_.finDeRonda(plataforma_);
    while (dialogo.mostrada()) {
        contar();
        BotonesUsables(dialogo, botones_);
        if (botones_.empty()) Fallar(dialogo.nombre() + " waits with no button to press");
        Control& boton = *botones_[static_cast<std::size_t>(elegir(static_cast<int>(botones_.size())))];
        if (plataforma_.traza) *plataforma_.traza << dialogo.nombre() << ": " << boton.nombre() << '\n';
        if (!boton.Click) Fallar(dialogo.nombre() + "." + boton.nombre() + " does nothing");
        boton.Click();
        invariantes_.revisar();
    }
    if (&dialogo == &juego_.finRonda) invariantes_.finRondaCerrada(plataforma_);
}

void JugadorAzar::jugarTurno() {
    contar();
    if (plataforma_.traza) trazarMesa();
    Naipalia& n = juego_.naipalia;
    std::array<int, 3> botones{};
    std::array<int, 6> enMano{}, enMesa{};
    int nb = 0, nm = 0, nt = 0;
    for (int s = 1; s <= 3; ++s)
        if (usable(n.BotonCarta(s))) botones[static_cast<std::size_t>(nb++)] = s;
    // Only dealt cards are shown: the invariants saw to it before this turn.
    for (int c : juego_.estado.CartasRepartidas) {
        const Control& carta = n.Carta(c);
        if (!carta.Visible()) continue;
        if (carta.Top() == TopMano && EnLaMano(carta.Left()))
            enMano[static_cast<std::size_t>(nm++)] = c;
        else
            enMesa[static_cast<std::size_t>(nt++)] = c;
    }
    if (nb == 0 && nm == 0) Fallar("the table waits for the player but offers no card to play");
    std::array<Control*, 4> cantos{};
    int nc = 0;
    for (Control* b : {&n.BotonEnvido, &n.BotonRealEnvido, &n.BotonFaltaEnvido, &n.BotonFlor})
        if (usable(*b)) cantos[static_cast<std::size_t>(nc++)] = b;
    // Having put the envido first, the player calls it before anything else.
    if (juego_.estado.TantoPrimero) {
        if (nc == 0) Fallar("the envido was put first but cannot be called");
        cantarEnvido(*cantos[static_cast<std::size_t>(elegir(nc))]);
        return;
    }
    std::array<Control*, 3> trucos{};
    int nr = 0;
    for (Control* b : {&n.BotonTruco, &n.BotonRetruco, &n.BotonVale4})
        if (usable(*b)) trucos[static_cast<std::size_t>(nr++)] = b;

    // Each way of playing gets its share; touching cards on the table, which must do
    // nothing, gets the least.
    const int imagen = nm > 0 ? 2 : 0;
    const std::array<int, Movidas> pesos{nb > 0 ? 3 : 0, imagen,         imagen,         imagen,
                                         nt > 0 ? 1 : 0, nc > 0 ? 2 : 0, nr > 0 ? 2 : 0, usable(n.BotonMazo) ? 1 : 0};
    int total = 0;
    for (int p : pesos) total += p;
    int r = elegir(total);
    int movida = 0;
    while (r >= pesos[static_cast<std::size_t>(movida)]) r -= pesos[static_cast<std::size_t>(movida++)];
    const auto deMano = [&] { return enMano[static_cast<std::size_t>(elegir(nm))]; };
    switch (movida) {
        case Boton: pulsarCarta(botones[static_cast<std::size_t>(elegir(nb))]); break;
        case Clic: clicCarta(deMano()); break;
        case SoltarDentro: arrastrarCarta(deMano(), true); break;
        case SoltarFuera: arrastrarCarta(deMano(), false); break;
        case TocarMesa: tocarMesa(enMesa[static_cast<std::size_t>(elegir(nt))]); break;
        case Cantar: cantarEnvido(*cantos[static_cast<std::size_t>(elegir(nc))]); break;
        case Trucar: cantarTruco(*trucos[static_cast<std::size_t>(elegir(nr))]); break;
        default: irseAlMazo(); break;
    }
}

// A call the computer accepted leaves it the right to raise: the button is off.
void JugadorAzar::cantarTruco(Control& boton) {
    if (plataforma_.traza) *plataforma_.traza << boton.nombre() << '\n';
    const Momento antes = momento();
    const NivelTruco nivel = juego_.estado.EstadoTruco;
    boton.Click();
    const Estado& e = juego_.estado;
    if (e.FinJuego || e.RondasJugadas != antes.ronda) return;
    if (e.EstadoTruco != nivel && boton.Enabled())
        Fallar(boton.nombre() + " stays enabled after the computer accepted it");
}

void JugadorAzar::irseAlMazo() {
    if (plataforma_.traza) *plataforma_.traza << "BotonMazo\n";
    const Momento antes = momento();
    invariantes_.alMazo(true);
    juego_.naipalia.BotonMazo.Click();
    invariantes_.alMazo(false);
    const Estado& e = juego_.estado;
    if (!e.FinJuego && e.RondasJugadas == antes.ronda) Fallar("the deck did not end the round");
}

// However it was answered, an envido called from the table closes the table's calls.
void JugadorAzar::cantarEnvido(Control& boton) {
    if (plataforma_.traza) *plataforma_.traza << boton.nombre() << '\n';
    const Momento antes = momento();
    boton.Click();
    const Naipalia& n = juego_.naipalia;
    // With the envido put first, the truco that follows it may end the round at once.
    if (juego_.estado.FinJuego || juego_.estado.RondasJugadas != antes.ronda) return;
    if (n.BotonEnvido.Enabled() || n.BotonRealEnvido.Enabled() || n.BotonFaltaEnvido.Enabled() || n.BotonFlor.Enabled())
        Fallar(boton.nombre() + " left the table's envido and flor buttons open");
    exigirNada(antes, boton.nombre().c_str());
}

void JugadorAzar::pulsarCarta(int slot) {
    if (plataforma_.traza) *plataforma_.traza << "BotonCarta " << slot << '\n';
    const Momento antes = momento();
    juego_.naipalia.BotonCarta(slot).Click();
    exigirJugada(antes, slot, "BotonCarta");
}

// A left click plays the card; so does a left drag, which moves nothing.
void JugadorAzar::clicCarta(int carta) {
    const int slot = slotDe(carta);
    const Momento antes = momento();
    Control& imagen = juego_.naipalia.Carta(carta);
    const bool conArrastre = elegir(4) == 0;
    const Punto p = conArrastre ? puntoFuera(antes.mano) : Punto{imagen.Left(), imagen.Top()};
    const double x = 1 + p.left - imagen.Left(), y = 1 + p.top - imagen.Top();
    if (plataforma_.traza)
        *plataforma_.traza << "left click on card " << carta << " to " << Lugar(p.left, p.top) << '\n';
    imagen.MouseDown(BotonIzquierdo, 0, 1, 1);
    if (conArrastre) imagen.MouseMove(BotonIzquierdo, 0, x, y);
    imagen.MouseUp(BotonIzquierdo, 0, x, y);
    exigirJugada(antes, slot, "a left click on the card");
}

void JugadorAzar::arrastrarCarta(int carta, bool dentro) {
    const int slot = slotDe(carta);
    const Momento antes = momento();
    const Punto p = dentro ? puntoDentro(antes.mano) : puntoFuera(antes.mano);
    const auto donde = [&] {
        return Lugar(p.left, p.top) + (dentro ? ", inside" : ", outside") + " hand " + to_string(antes.mano) +
               "'s place";
    };
    if (plataforma_.traza) *plataforma_.traza << "drag card " << carta << " to " << donde() << '\n';
    arrastrar(carta, p);
    const bool vuelve = juego_.naipalia.TiempoCarta.Enabled();
    if (dentro) {
        if (vuelve) Fallar("a card dropped at " + donde() + " was sent back");
        exigirJugada(antes, slot, "a drop inside the place");
        return;
    }
    if (!vuelve) Fallar("a card dropped at " + donde() + " was not sent back");
    exigirNada(antes, "a drop outside the place");
    traerACasa(carta, slot);
}

// A right-button drag whose grab point is (1, 1) inside the picture.
void JugadorAzar::arrastrar(int carta, Punto destino) {
    Control& imagen = juego_.naipalia.Carta(carta);
    const double x = 1 + destino.left - imagen.Left(), y = 1 + destino.top - imagen.Top();
    imagen.MouseDown(BotonDerecho, 0, 1, 1);
    imagen.MouseMove(BotonDerecho, 0, 1, 1);
    imagen.MouseMove(BotonDerecho, 0, x, y);
    imagen.MouseUp(BotonDerecho, 0, x, y);
}

// A rejected card glides home in 30 steps and then lies exactly on its place.
void JugadorAzar::traerACasa(int carta, int slot) {
    Naipalia& n = juego_.naipalia;
    for (int tic = 0; tic < 31 && n.TiempoCarta.Enabled(); ++tic) n.TiempoCarta.Timer();
    const Control& imagen = n.Carta(carta);
    if (n.TiempoCarta.Enabled())
        Fallar("card " + to_string(carta) + " is not home after 31 ticks, it lies at " +
               Lugar(imagen.Left(), imagen.Top()));
    if (imagen.Left() != LeftMano[static_cast<std::size_t>(slot)] || imagen.Top() != TopMano)
        Fallar("card " + to_string(carta) + " came home to " + Lugar(imagen.Left(), imagen.Top()) + ", not to slot " +
               to_string(slot));
}

// Cards on the table stay where they are, whether clicked or dragged.
void JugadorAzar::tocarMesa(int carta) {
    const Momento antes = momento();
    Control& imagen = juego_.naipalia.Carta(carta);
    const double left = imagen.Left(), top = imagen.Top();
    const bool conDerecho = elegir(2) == 0;
    if (plataforma_.traza) *plataforma_.traza << (conDerecho ? "drag" : "click") << " table card " << carta << '\n';
    if (conDerecho) {
        arrastrar(carta, puntoDentro(antes.mano));
    } else {
        imagen.MouseDown(BotonIzquierdo, 0, 1, 1);
        imagen.MouseUp(BotonIzquierdo, 0, 1, 1);
    }
    if (juego_.naipalia.TiempoCarta.Enabled() || imagen.Left() != left || imagen.Top() != top)
        Fallar("card " + to_string(carta) + " moved from the table to " + Lugar(imagen.Left(), imagen.Top()));
    exigirNada(antes, conDerecho ? "a drag of a card on the table" : "a click on a card on the table");
}

// The card went down in the current hand under its own slot, unless its play already
// closed the round (or the game).
void JugadorAzar::exigirJugada(Momento antes, int slot, const char* como) const {
    const Estado& e = juego_.estado;
    if (e.FinJuego || e.RondasJugadas != antes.ronda) return;
    const int jugado = e.PosicionJugador[static_cast<std::size_t>(antes.mano)];
    if (jugado != slot)
        Fallar(std::string(como) + " on slot " + to_string(slot) + " left hand " + to_string(antes.mano) +
               (jugado == 0 ? " unplayed" : " with slot " + to_string(jugado)));
}

void JugadorAzar::exigirNada(Momento antes, const char* como) const {
    const Estado& e = juego_.estado;
    if (e.FinJuego || e.RondasJugadas != antes.ronda || juego_.ronda.ManoActual != antes.mano ||
        e.PosicionJugador[static_cast<std::size_t>(antes.mano)] != 0)
        Fallar(std::string(como) + " played a card in hand " + to_string(antes.mano));
}

JugadorAzar::Punto JugadorAzar::puntoDentro(int mano) {
    const ZonaJugada& z = ZonasJugada[static_cast<std::size_t>(mano)];
    return {z.desde + elegir(static_cast<int>(z.hasta - z.desde)),
            TopZonaDesde + elegir(static_cast<int>(TopZonaHasta - TopZonaDesde))};
}

// Just past an edge of the place, on another hand's place, or anywhere else.
JugadorAzar::Punto JugadorAzar::puntoFuera(int mano) {
    const ZonaJugada& z = ZonasJugada[static_cast<std::size_t>(mano)];
    const Punto dentro = puntoDentro(mano);
    switch (elegir(3)) {
        case 0:
            switch (elegir(4)) {
                case 0: return {z.desde - 1, dentro.top};
                case 1: return {z.hasta, dentro.top};
                case 2: return {dentro.left, TopZonaDesde - 1};
                default: return {dentro.left, TopZonaHasta};
            }
        case 1: return puntoDentro(1 + (mano + elegir(2)) % 3);
        default:
            const Control& ventana = juego_.naipalia.forma();
            for (;;) {
                const Punto p{elegir(static_cast<int>(ventana.Width() + 2 * Margen)) - Margen,
                              elegir(static_cast<int>(ventana.Height() + 2 * Margen)) - Margen};
                if (!EnZonaJugada(mano, p.left, p.top)) return p;
            }
    }
}

void JugadorAzar::trazarMesa() const {
    const Estado& e = juego_.estado;
    std::ostream& t = *plataforma_.traza;
    t << "round " << e.RondasJugadas << " hand " << juego_.ronda.ManoActual << ", mano "
      << TextoLado(e, e.QuienMano, PalabraNada) << ", cards";
    for (int s = 1; s <= 6; ++s) t << (s == 4 ? " |" : "") << ' ' << e.carta(s);
    t << ", played";
    for (std::size_t h = 1; h <= 3; ++h) t << ' ' << e.PosicionJugador[h] << '/' << e.PosicionCompu[h];
    t << ", score " << e.PuntosJugador << '-' << e.PuntosComputadora << " of " << e.PuntosJuego << '\n';
}

}  // namespace naipalia::autojuego
