#include "tests/autojuego/autojuego.h"

#include <array>
#include <exception>

#include "game/mesa.h"
#include "platform/falsos.h"
#include "tests/autojuego/juez.h"

namespace naipalia::autojuego {

namespace {

// Far more than any game draws or needs: past them a loop of the game does not end.
constexpr long MaximoSorteos = 1000000;
constexpr long MaximoAccionesPartida = 2000;
// Around the window's client area, a margin where a drag may still end.
constexpr double Margen = 500;

bool usable(const Control& c) { return c.Enabled() && c.Visible(); }

// Spreads neighbouring numbers apart (a 32-bit finaliser).
std::uint32_t mezclar(std::uint32_t x) {
    x = (x ^ (x >> 16)) * 0x7feb352dU;
    x = (x ^ (x >> 15)) * 0x846ca68bU;
    return x ^ (x >> 16);
}

using Cuatro = std::array<Control*, 4>;

// The usable ones among `controles` (null for none), first in `elegidos`; how many.
int usables(const Cuatro& controles, Cuatro& elegidos) {
    int cuantos = 0;
    for (Control* c : controles)
        if (c && usable(*c)) elegidos[static_cast<std::size_t>(cuantos++)] = c;
    return cuantos;
}

}  // namespace

void BotonesUsables(const Ventana& dialogo, std::vector<Control*>& botones) {
    botones.clear();
    for (Control* c : dialogo.controles())
        if (c->tipo() == TipoControl::Boton && usable(*c)) botones.push_back(c);
}

// The program with silent, cheap fakes (no file is touched), the game's numbers seeded
// per game, and the random player behind the table, every question and every dialog.
class Autojuego::Mesa {
public:
    explicit Mesa(bool revisar) : juez_(juego_, mensajes_, revisar) {
        falsos_.alMensaje = [this](const std::string& texto, Icono icono) { mensajes_.push_back({texto, icono}); };
        falsos_.responder = [this](const std::string&) {
            ++preguntas_;
            si_ = azar() < 0x80000000U;
            return si_ ? Respuesta::Si : Respuesta::No;
        };
        falsos_.alMostrarModal = [this](Ventana& dialogo) { jugarDialogo(dialogo); };
        falsos_.alTerminar = [] { Fallar("the program ended itself in the middle of play"); };
        // The game reseeds from the clock at every deal, which the fakes ignore: a seed
        // per game keeps it replayable.
        falsos_.sorteosDe32Bits = true;
        falsos_.limiteSorteos = MaximoSorteos;
        falsos_.alExcederSorteos = [] { Fallar("a deal drew a million random numbers: a loop does not end"); };
        juego_.arrancar();
    }

    Lado manoPrevia() const { return juego_.estado.QuienMano; }

    // False, with the failure and its seeds in `r`, when the game broke a rule.
    bool jugar(const Semillas& s, Resultado& r) {
        const long antes = acciones_;
        try {
            jugarPartida(s);
            ++r.partidas;
        } catch (const Fallo& f) {
            r.fallo = describir(s, f.motivo);
        } catch (const std::exception& ex) {
            r.fallo = describir(s, std::string("exception: ") + ex.what());
        }
        r.acciones += acciones_ - antes;
        return r.fallo.empty();
    }

private:
    struct Momento {
        std::size_t mano;
        int ronda;
    };

    void jugarPartida(const Semillas& s) {
        // The only state a game hands to the next one.
        juego_.estado.QuienMano = s.manoPreviaComputadora ? Lado::Computadora : Lado::Jugador;
        falsos_.sembrarGenerador(s.juego);
        azar_ = s.jugador;
        mensajes_.clear();
        preguntas_ = 0;
        si_ = false;
        accionesPartida_ = 0;
        elegirOpciones();
        juez_.comenzarPartida();
        comenzarPartida();
        juez_.revisar();
        while (!juego_.estado.FinJuego) {
            juez_.revisarTurno();
            jugarTurno();
            juez_.revisar();
        }
        juez_.terminarPartida(preguntas_, si_);
    }

    std::string describir(const Semillas& s, const std::string& motivo) const {
        const std::string juego = std::to_string(s.juego), jugador = std::to_string(s.jugador);
        const std::string mano = s.manoPreviaComputadora ? "computadora" : "jugador";
        std::string texto = "broken rule: " + motivo + "\n  game seed " + juego + ", player seed " + jugador +
                            ", previous mano " + mano + "\n  replay: naipalia-bench-autojuego --repetir " + juego +
                            " " + jugador + " " + mano;
        for (const Mensaje& m : mensajes_) texto += "\n  message: " + m.texto;
        return texto;
    }

    // The player's choices (SplitMix64): unlike the game's generator, nearly free to seed.
    std::uint32_t azar() {
        std::uint64_t z = (azar_ += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return static_cast<std::uint32_t>((z ^ (z >> 31)) >> 32);
    }

    // The high bits of a product: cheaper than a distribution, and unbiased enough.
    int elegir(int cuantos) {
        return static_cast<int>((std::uint64_t{azar()} * static_cast<std::uint64_t>(cuantos)) >> 32);
    }
    template <typename T, std::size_t N>
    T& elegir(std::array<T, N>& entre, int cuantos) {
        return entre[static_cast<std::size_t>(elegir(cuantos))];
    }

    void contar() {
        ++acciones_;
        if (++accionesPartida_ > MaximoAccionesPartida)
            Fallar("the game is still on after ", MaximoAccionesPartida, " moves");
    }

    Momento momento() const { return {static_cast<std::size_t>(juego_.ronda.ManoActual), juego_.estado.RondasJugadas}; }

    // Every draw is made whatever the menus show, so the options depend on the seed alone.
    void elegirOpciones() {
        Naipalia& n = juego_.naipalia;
        std::array<Control*, 3> manos{&n.MenuMJugador, &n.MenuMCompu, &n.MenuMAleatorio};
        pulsarMenu(elegir(manos, 3));
        pulsarMenu(&n.MenuCantidadPuntos(1 + elegir(2)));
        const bool conFlor = elegir(2) == 1;
        Control& flor = n.MenuFlorOpcion(1 + elegir(2));  // either item flips the option
        if (n.MenuFlorOpcion(1).Checked() != conFlor) pulsarMenu(&flor);
    }

    void pulsarMenu(Control* menu) {
        if (!menu->Enabled()) Fallar(menu->nombre(), " is disabled between games");
        menu->Click();
    }

    // Through the end-of-game dialog's timer when it was answered yes, else the menu.
    void comenzarPartida() {
        Naipalia& n = juego_.naipalia;
        if (!n.TiempoComienzo.Enabled()) return n.MenuNuevo.Click();
        n.TiempoComienzo.Timer();
        // A falta envido in the first round may end the new game, and offer the next, at once.
        if (n.TiempoComienzo.Enabled() && !juego_.estado.FinJuego)
            Fallar("TiempoComienzo still runs after starting a game");
    }

    // Clicks buttons until the dialog closes.
    void jugarDialogo(Ventana& dialogo) {
        juez_.revisar();
        juez_.abrir(dialogo);
        while (dialogo.mostrada()) {
            contar();
            BotonesUsables(dialogo, botones_);
            if (botones_.empty()) Fallar(dialogo.nombre(), " waits with no button to press");
            Control& boton = *botones_[static_cast<std::size_t>(elegir(static_cast<int>(botones_.size())))];
            if (!boton.Click) Fallar(dialogo.nombre(), ".", boton.nombre(), " does nothing");
            boton.Click();
            juez_.revisar();
        }
        juez_.cerrar(dialogo);
    }

    enum Gesto { Clic, ArrastreIzquierdo, Dentro, Fuera };

    // One move among what the table lets the player do; each way of playing gets its
    // share, touching cards on the table, which must do nothing, the least.
    void jugarTurno() {
        contar();
        Naipalia& n = juego_.naipalia;
        const Estado& e = juego_.estado;
        Cuatro botones{}, cantos{}, trucos{};
        const int nb = usables({&n.BotonCarta(1), &n.BotonCarta(2), &n.BotonCarta(3), nullptr}, botones);
        const int nc = usables({&n.BotonEnvido, &n.BotonRealEnvido, &n.BotonFaltaEnvido, &n.BotonFlor}, cantos);
        const int nr = usables({&n.BotonTruco, &n.BotonRetruco, &n.BotonVale4, nullptr}, trucos);
        std::array<int, 6> enMano{}, enMesa{};
        int nm = 0, nt = 0;
        for (int c : e.CartasRepartidas) {
            const Control& carta = n.Carta(c);
            if (!carta.Visible()) continue;
            if (carta.Top() == TopMano && EnLaMano(carta.Left()))
                enMano[static_cast<std::size_t>(nm++)] = c;
            else
                enMesa[static_cast<std::size_t>(nt++)] = c;
        }
        if (nb == 0 && nm == 0) Fallar("the table waits for the player but offers no card to play");
        // Having put the envido first, the player calls it before anything else.
        if (e.TantoPrimero) {
            if (nc == 0) Fallar("the envido was put first but cannot be called");
            return pulsar(elegir(cantos, nc));
        }
        // Weights of: a card button; a click, a left drag, a drop inside and outside of
        // a card of the hand; a click and a drag of a card on the table; envido, truco, deck.
        const int m = nm > 0, t = nt > 0;
        const std::array<int, 10> pesos{
            nb > 0 ? 6 : 0, 3 * m, m, 4 * m, 4 * m, t, t, nc > 0 ? 4 : 0, nr > 0 ? 4 : 0, usable(n.BotonMazo) ? 2 : 0};
        int total = 0;
        for (int p : pesos) total += p;
        int r = elegir(total);
        std::size_t movida = 0;
        while (r >= pesos[movida]) r -= pesos[movida++];
        switch (movida) {
            case 0: return pulsar(elegir(botones, nb));
            case 1:
            case 2:
            case 3:
            case 4: return tocarCarta(elegir(enMano, nm), static_cast<Gesto>(movida - 1));
            case 5:
            case 6: return tocarCarta(elegir(enMesa, nt), movida == 5 ? Clic : Dentro);
            case 7: return pulsar(elegir(cantos, nc));
            case 8: return pulsar(elegir(trucos, nr));
            default: return pulsar(&n.BotonMazo);
        }
    }

    // After a move: with a slot, its card went down in the current hand unless its play
    // already closed the round (or the game); with none, nothing was played and the
    // round goes on.
    void exigir(Momento antes, int slot, const std::string& como) const {
        const Estado& e = juego_.estado;
        const bool cerro = e.FinJuego || e.RondasJugadas != antes.ronda;
        if (slot != 0 && cerro) return;
        const int jugado = e.PosicionJugador[antes.mano];
        if (cerro || jugado != slot || (slot == 0 && momento().mano != antes.mano))
            Fallar(como, " in hand ", antes.mano, " played slot ", jugado, " for ", slot, cerro ? ", closing" : "");
    }

    // A button of the table. A card's plays it; the deck ends the round; an envido or
    // flor call, however answered, closes the table's envido and flor calls and plays
    // nothing; a truco call the computer accepted leaves it the right to raise: the
    // button is off.
    void pulsar(Control* boton) {
        Naipalia& n = juego_.naipalia;
        const Estado& e = juego_.estado;
        const Momento antes = momento();
        const NivelTruco nivel = e.EstadoTruco;
        juez_.jugadorAlMazo = boton == &n.BotonMazo;
        boton->Click();
        juez_.jugadorAlMazo = false;
        if (boton->nombre() == "BotonCarta") return exigir(antes, boton->indice(), "BotonCarta");
        const bool cerro = e.FinJuego || e.RondasJugadas != antes.ronda;
        if (boton == &n.BotonMazo && !cerro) Fallar("the deck did not end the round");
        if (cerro || boton == &n.BotonMazo) return;
        if (e.EstadoTruco != nivel && boton->Enabled())
            Fallar(boton->nombre(), " stays enabled after the computer accepted it");
        if (boton != &n.BotonTruco && boton != &n.BotonRetruco && boton != &n.BotonVale4) {
            Cuatro abiertos{};
            if (usables({&n.BotonEnvido, &n.BotonRealEnvido, &n.BotonFaltaEnvido, &n.BotonFlor}, abiertos) > 0)
                Fallar(boton->nombre(), " left the table's envido and flor buttons open");
            exigir(antes, 0, boton->nombre());
        }
    }

    // A left click plays a card of the hand, and so does a left drag, which moves
    // nothing; a right drag plays it when dropped inside the hand's place, else it glides
    // home in 30 steps and then lies exactly on its place. Cards on the table stay where
    // they are. Drags hold the card at (1, 1) inside the picture.
    void tocarCarta(int carta, Gesto gesto) {
        Naipalia& n = juego_.naipalia;
        Control& imagen = n.Carta(carta);
        const Punto desde{imagen.Left(), imagen.Top()};
        const bool enMano = desde.top == TopMano && EnLaMano(desde.left);
        const int slot = enMano ? slotDe(carta) : 0;
        const Momento antes = momento();
        const Punto p = gesto == Clic ? desde : gesto == Dentro ? puntoDentro(antes.mano) : puntoFuera(antes.mano);
        const double x = 1 + p.left - desde.left, y = 1 + p.top - desde.top;
        const int boton = gesto < Dentro ? BotonIzquierdo : BotonDerecho;
        imagen.MouseDown(boton, 0, 1, 1);
        if (boton == BotonDerecho) imagen.MouseMove(boton, 0, 1, 1);
        if (gesto != Clic) imagen.MouseMove(boton, 0, x, y);
        imagen.MouseUp(boton, 0, x, y);
        const std::string como = "gesture " + std::to_string(gesto) + " of card " + std::to_string(carta);
        if (n.TiempoCarta.Enabled() != (enMano && gesto == Fuera)) Fallar(como, " to ", p, ": TiempoCarta is wrong");
        if (enMano && gesto != Fuera) return exigir(antes, slot, como);
        for (int tic = 0; tic < 31 && n.TiempoCarta.Enabled(); ++tic) n.TiempoCarta.Timer();
        if (n.TiempoCarta.Enabled() || imagen.Left() != desde.left || imagen.Top() != desde.top)
            Fallar(como, " to ", p, " left it at ", Punto{imagen.Left(), imagen.Top()}, ", not ", desde);
        exigir(antes, 0, como);
    }

    int slotDe(int carta) const {
        for (int s = 1; s <= 3; ++s)
            if (juego_.estado.carta(s) == carta) return s;
        Fallar("card ", carta, " lies in the hand but is not the player's");
    }

    Punto puntoDentro(std::size_t mano) {
        const ZonaJugada& z = ZonasJugada[mano];
        return {z.desde + elegir(static_cast<int>(z.hasta - z.desde)),
                TopZonaDesde + elegir(static_cast<int>(TopZonaHasta - TopZonaDesde))};
    }

    // Just past an edge of the place, on another hand's place, or anywhere else.
    Punto puntoFuera(std::size_t mano) {
        const ZonaJugada& z = ZonasJugada[mano];
        const Punto dentro = puntoDentro(mano);
        const std::array<Punto, 4> bordes{{{z.desde - 1, dentro.top},
                                           {z.hasta, dentro.top},
                                           {dentro.left, TopZonaDesde - 1},
                                           {dentro.left, TopZonaHasta}}};
        switch (elegir(3)) {
            case 0: return bordes[static_cast<std::size_t>(elegir(4))];
            case 1: return puntoDentro(1 + (mano + static_cast<std::size_t>(elegir(2))) % 3);
            default:
                const Control& ventana = juego_.naipalia.forma();
                for (;;) {
                    const Punto p{elegir(static_cast<int>(ventana.Width() + 2 * Margen)) - Margen,
                                  elegir(static_cast<int>(ventana.Height() + 2 * Margen)) - Margen};
                    if (!EnZonaJugada(static_cast<int>(mano), p.left, p.top)) return p;
                }
        }
    }

    Falsos falsos_{"programa"};
    Juego juego_{falsos_.puertos};
    std::vector<Mensaje> mensajes_;  // this game's
    Juez juez_;
    std::uint64_t azar_ = 0;
    int preguntas_ = 0;  // this game's Yes/No questions, and the last answer
    bool si_ = false;
    long acciones_ = 0;
    long accionesPartida_ = 0;
    std::vector<Control*> botones_;  // a dialog's usable buttons, kept to reuse their storage
};

Autojuego::Autojuego(bool revisar) : mesa_(std::make_unique<Mesa>(revisar)) {}

Autojuego::~Autojuego() = default;

Resultado Autojuego::jugar(std::uint32_t base, long cantidad) {
    Resultado r;
    for (long i = 0; i < cantidad; ++i) {
        const std::uint32_t juego = mezclar(base) + static_cast<std::uint32_t>(i);
        const Semillas s{juego, mezclar(juego ^ 0x9e3779b9U), mesa_->manoPrevia() == Lado::Computadora};
        if (!mesa_->jugar(s, r)) break;
    }
    return r;
}

Resultado Autojuego::repetir(const Semillas& semillas) {
    Resultado r;
    mesa_->jugar(semillas, r);
    return r;
}

}  // namespace naipalia::autojuego
