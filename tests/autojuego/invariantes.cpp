#include "tests/autojuego/invariantes.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>

#include "game/estado.h"
#include "game/mesa.h"
#include "game/nombres.h"
#include "shell/juego.h"
#include "game/tanto.h"
#include "shell/operacion.h"
#include "tests/autojuego/fallo.h"
#include "tests/autojuego/juez.h"
#include "tests/autojuego/puertos_autojuego.h"

namespace naipalia::autojuego {

namespace {

using std::to_string;

// The six cards of the deal: cards of the deck, none twice.
void revisarReparto(const Estado& e) {
    std::uint64_t vistas = 0;
    for (int c : e.CartasRepartidas) {
        if (c < 0 || c >= CantidadCartas) Fallar("dealt card " + to_string(c) + " is not a card of the deck");
        const std::uint64_t bit = std::uint64_t{1} << c;
        if ((vistas & bit) != 0) Fallar("card " + to_string(c) + " was dealt twice");
        vistas |= bit;
    }
}

// One side's record of the hands: played hands come first, each names one of the side's
// own slots, no slot twice, with the class of that slot's card.
void revisarLado(const Estado& e, const std::array<int, 4>& clase, const std::array<int, 4>& slot, int primerSlot,
                 const char* lado) {
    unsigned usados = 0;
    bool falta = false;
    for (int h = 1; h <= 3; ++h) {
        const auto mano = [&] { return std::string(lado) + " hand " + to_string(h); };
        if (slot[h] == 0) {
            if (clase[h] != SinJugar) Fallar(mano() + " has class " + to_string(clase[h]) + " but no slot");
            falta = true;
            continue;
        }
        if (falta) Fallar(mano() + " was played before an earlier hand");
        if (slot[h] < primerSlot || slot[h] > primerSlot + 2) Fallar(mano() + " names slot " + to_string(slot[h]));
        const unsigned bit = 1u << slot[h];
        if ((usados & bit) != 0) Fallar(mano() + " plays slot " + to_string(slot[h]) + " a second time");
        usados |= bit;
        if (clase[h] != JerarquiaTruco(e.carta(slot[h])))
            Fallar(mano() + " records class " + to_string(clase[h]) + " for card " + to_string(e.carta(slot[h])));
    }
}

// A hand is scored only once both sides played it, and then by the classes alone; its
// box shows what the round keeps.
void revisarResultados(const Estado& e, const Naipalia& n) {
    for (int h = 1; h <= 3; ++h) {
        const std::string& texto = n.TextoMano(h).Text();
        if (texto != TextoResultado(e, e.ResultadoManos[h]))
            Fallar("hand " + to_string(h) + "'s box shows \"" + texto + "\" for another result");
        if (texto.empty()) continue;
        if (e.PosicionJugador[h] == 0 || e.PosicionCompu[h] == 0)
            Fallar("hand " + to_string(h) + " was scored \"" + texto + "\" before both sides played it");
        const int j = e.JerarquiaJugador[h], c = e.JerarquiaCompu[h];
        const std::string& esperado = j > c ? NombreComputadora : j == c ? PalabraIguales : e.NombreJugador;
        if (texto != esperado)
            Fallar("hand " + to_string(h) + " was scored \"" + texto + "\" with classes " + to_string(j) +
                   " (player) and " + to_string(c) + " (computer)");
    }
}

}  // namespace

void Invariantes::comenzarPartida() {
    if (!activas_) return;
    const Naipalia& n = juego_.naipalia;
    manoElegida_ = n.MenuMJugador.Checked() ? ManoElegida::Jugador
                   : n.MenuMCompu.Checked() ? ManoElegida::Computadora
                                            : ManoElegida::Azar;
    ronda_ = 0;
    rondaMesa_ = 0;
    puntosJugador_ = 0;
    puntosComputadora_ = 0;
    finesDeJuego_ = 0;
    cuentaPendiente_ = false;
    finRondaAbierta_ = false;
    penalidadesRonda_ = 0;
}

void Invariantes::revisar() {
    if (!activas_) return;
    const Estado& e = juego_.estado;
    revisarReparto(e);
    revisarLado(e, e.JerarquiaJugador, e.PosicionJugador, 1, "player's");
    revisarLado(e, e.JerarquiaCompu, e.PosicionCompu, 4, "computer's");
    revisarResultados(e, juego_.naipalia);
    if (e.FinJuego) return;  // the end-of-game dialog puts the scores back to 0
    revisarRonda();
    // The truco only rises within a round, and a level stands accepted by somebody.
    if (static_cast<int>(e.EstadoTruco) < nivelTruco_) Fallar("the truco went down within a round");
    nivelTruco_ = static_cast<int>(e.EstadoTruco);
    if ((e.EstadoTruco == NivelTruco::Nada) != (e.QuienTruco == Lado::Nadie))
        Fallar("a truco level without the side that accepted it, or the other way round");
    revisarPuntos();
    if (std::max(puntosJugador_, puntosComputadora_) >= e.PuntosJuego)
        Fallar("the game goes on at " + to_string(puntosJugador_) + "-" + to_string(puntosComputadora_) +
               ", past the target " + to_string(e.PuntosJuego));
}

// Rounds are dealt one by one and the mano alternates; the first one follows the menu.
void Invariantes::revisarRonda() {
    const Estado& e = juego_.estado;
    if (e.RondasJugadas == ronda_) return;
    nivelTruco_ = 0;
    const bool computadora = e.QuienMano == Lado::Computadora;
    if (!computadora && e.QuienMano != Lado::Jugador) Fallar("the mano is neither side");
    if (ronda_ == 0) {
        if (e.RondasJugadas != 1) Fallar("a new game begins with round " + to_string(e.RondasJugadas));
        if ((manoElegida_ == ManoElegida::Computadora && !computadora) ||
            (manoElegida_ == ManoElegida::Jugador && computadora))
            Fallar("the first round's mano is not the one the menu chose");
        if (e.PuntosJuego != (juego_.naipalia.MenuCantidadPuntos(2).Checked() ? 30 : 15))
            Fallar("the game is played to " + to_string(e.PuntosJuego) + " points, not what the menu says");
    } else {
        if (e.RondasJugadas != ronda_ + 1)
            Fallar("round " + to_string(e.RondasJugadas) + " came after round " + to_string(ronda_));
        if (computadora == manoComputadora_) Fallar("the mano did not change in round " + to_string(e.RondasJugadas));
        cobrarRonda(false);
        penalidadesRonda_ = 0;
    }
    ronda_ = e.RondasJugadas;
    manoComputadora_ = computadora;
}

// Scores only go up within a game.
void Invariantes::revisarPuntos() {
    const Estado& e = juego_.estado;
    const Naipalia& n = juego_.naipalia;
    const int j = e.PuntosJugador, c = e.PuntosComputadora;
    if (n.TextoJugador.Text() != to_string(j) || n.TextoComputadora.Text() != to_string(c))
        Fallar("the score boxes show " + n.TextoJugador.Text() + "-" + n.TextoComputadora.Text() + " for " +
               to_string(j) + "-" + to_string(c));
    if (j < puntosJugador_ || c < puntosComputadora_)
        Fallar("a score went down: player " + to_string(puntosJugador_) + " -> " + to_string(j) + ", computer " +
               to_string(puntosComputadora_) + " -> " + to_string(c));
    puntosJugador_ = j;
    puntosComputadora_ = c;
}

void Invariantes::revisarTurno() {
    if (!activas_) return;
    const Estado& e = juego_.estado;
    const Naipalia& n = juego_.naipalia;
    const int m = juego_.ronda.ManoActual;
    if (m < 1 || m > 3) Fallar("the current hand is " + to_string(m));
    for (int h = 1; h < m; ++h)
        if (n.TextoMano(h).Text().empty())
            Fallar("the table waits in hand " + to_string(m) + " with hand " + to_string(h) + " undecided");
    if (e.PosicionJugador[static_cast<std::size_t>(m)] != 0)
        Fallar("the table waits for the player in hand " + to_string(m) + ", which he already played");
    for (int s = 1; s <= 3; ++s) {
        // While the envido is put first the cards wait for it.
        const bool enMano =
            s != e.PosicionJugador[1] && s != e.PosicionJugador[2] && s != e.PosicionJugador[3] && !e.TantoPrimero;
        if (n.BotonCarta(s).Enabled() != enMano)
            Fallar("BotonCarta " + to_string(s) +
                   (enMano ? " is disabled though its card is in the hand" : " is enabled though its card was played"));
    }
    if (n.TiempoCarta.Enabled()) Fallar("TiempoCarta runs while the table waits");
    if (GanadorPorManos(e) != Lado::Nadie) Fallar("the round goes on though its hands decided it");
    revisarMesa();
}

// Where the pictures are while the table waits: the player's cards in their hand places
// or in the places of the hands they were played in, the computer's face down until
// played, nothing else shown.
void Invariantes::revisarMesa() {
    const Estado& e = juego_.estado;
    const Naipalia& n = juego_.naipalia;
    // Cards outside the deal could only be left over from an earlier round or game:
    // they are looked for once a round.
    if (e.RondasJugadas != rondaMesa_) {
        rondaMesa_ = e.RondasJugadas;
        std::uint64_t repartidas = 0;
        for (int c : e.CartasRepartidas) repartidas |= std::uint64_t{1} << c;
        for (int c = 0; c < CantidadCartas; ++c)
            if (((repartidas >> c) & 1) == 0 && n.Carta(c).Visible())
                Fallar("card " + to_string(c) + " is shown but not dealt");
    }

    for (int s = 1; s <= 6; ++s) {
        const auto& jugadas = s <= 3 ? e.PosicionJugador : e.PosicionCompu;
        const auto enMesa = std::find(jugadas.begin() + 1, jugadas.end(), s);
        const auto h = static_cast<std::size_t>(enMesa - jugadas.begin());
        const bool jugada = enMesa != jugadas.end();
        const Control& carta = n.Carta(e.carta(s));
        const auto nombre = [&] { return "card " + to_string(e.carta(s)) + " (slot " + to_string(s) + ")"; };
        if (s > 3 && n.CartaFondo(s).Visible() == jugada)
            Fallar("the back of slot " + to_string(s) +
                   (jugada ? " is shown after its card was played" : " is hidden"));
        if (s > 3 && !jugada) {
            if (carta.Visible()) Fallar(nombre() + " of the computer is shown before it is played");
            continue;
        }
        const double left = s > 3    ? LeftMesaCompu[h]
                            : jugada ? LeftMesaJugador[h]
                                     : LeftMano[static_cast<std::size_t>(s)];
        const double top = s > 3 ? TopMesaCompu : jugada ? TopMesaJugador : TopMano;
        if (!carta.Visible()) Fallar(nombre() + " is hidden, it belongs at " + Lugar(left, top));
        if (carta.Left() != left || carta.Top() != top)
            Fallar(nombre() + " lies at " + Lugar(carta.Left(), carta.Top()) + ", it belongs at " + Lugar(left, top));
    }
}

// Computed from the cards and the calls alone. The settlement in the dialog pays the
// computer's flor sung on the spot (the option on, three cards of one suit, the player
// leading hand 1: 3 points) and the envido: the accepted chain to its winner once
// certified, or that and five more to the computer as a penalty, or the refused chain to
// its last caller; nothing again once the round's envido was settled. After the dialog
// the round's truco goes to the winner of the hands, or the computer's deck pays the
// player 2 before it played a card with nothing called, else the truco.
void Invariantes::finDeRonda(const Plataforma& plataforma) {
    if (!activas_) return;
    const Estado& e = juego_.estado;
    const std::string& mensaje = juego_.finRonda.EtiquetaMensaje.Caption();
    const bool conFlor = juego_.naipalia.MenuFlorOpcion(1).Checked();
    if (e.EstadoFlor != NivelFlor::Nada && !conFlor) Fallar("a flor was sung with the option off");
    if (e.QuienFlor == Lado::Computadora && !MismoPalo(e.carta(4), e.carta(5), e.carta(6)))
        Fallar("the computer sang a flor it does not hold");

    finRondaAbierta_ = true;
    alAbrir_ = {e.PuntosJugador, e.PuntosComputadora};
    mensajesAlAbrir_ = plataforma.mensajes.size();
    pagosPosibles_ = e.TantoLiquidado                  ? std::vector<Pago>{{0, 0}}
                     : e.EstadoFlor != NivelFlor::Nada ? pagosDeFlor()
                                                       : pagosDeEnvido();

    // Who the round's truco goes to, by why the round ended.
    ganadorTruco_ = Lado::Nadie;
    puntosTruco_ = ValorDelTruco(e.EstadoTruco);
    anticipada_ = mensaje.rfind("Con los puntos jugados", 0) == 0;
    const auto es = [&](std::initializer_list<const char*> lineas) {
        for (const char* l : lineas)
            if (mensaje == l + SufijoFinRonda) return true;
        return false;
    };
    if (anticipada_) return;
    // "??!" split in two literals, or it reads as a trigraph.
    const std::initializer_list<const char*> burlas = {"Te achicaste!!",
                                                       "No te gustó?"
                                                       "?!",
                                                       "Te sentis bien???", "Te asustaste!!",
                                                       "Es mucho para ti?"
                                                       "?!"};
    if (jugadorAlMazo_) {
        // Folding before anything was sung and before the computer played costs one more.
        // The next round may be dealt, and even end, before the deck's click returns.
        jugadorAlMazo_ = false;
        ganadorTruco_ = Lado::Computadora;
        if (e.QuienEnvido == Lado::Nadie && e.QuienFlor == Lado::Nadie && e.PosicionCompu[1] == 0) ++puntosTruco_;
        if (!es(burlas)) Fallar("the player's deck closed the round with: " + mensaje);
    } else if (es(burlas)) {
        ganadorTruco_ = Lado::Computadora;  // the player refused its call: the level below it
    } else if (es({"Con mejores cartas cualquiera.", "La próxima veremos...", "Esta vez tuviste suerte.",
                   "Me habrás apurado?"
                   "?!",
                   "Qué cartas tienes?"
                   "?!",
                   "No quiero lo cantado."})) {
        ganadorTruco_ = Lado::Jugador;  // the computer refused the player's call
    } else if (es({"Me voy al mazo."})) {
        ganadorTruco_ = Lado::Jugador;
        const bool nadaJugado =
            e.EnvidoQuerido == Cadena::Nada && e.PosicionCompu[1] == 0 && e.EstadoTruco == NivelTruco::Nada;
        if (nadaJugado) puntosTruco_ = 2;
    } else {
        ganadorTruco_ = GanadorPorManos(e);
        if (ganadorTruco_ == Lado::Nadie) Fallar("the round closed though its hands decide nothing: " + mensaje);
    }
}

// The envido pays once: the accepted chain to its winner once certified, that and five
// more to the computer as a penalty, or the refused chain to its last caller.
std::vector<Invariantes::Pago> Invariantes::pagosDeEnvido() const {
    const Estado& e = juego_.estado;
    const int s = e.PuntosJugador, k = e.PuntosComputadora, t = e.PuntosJuego;
    const Cadena cadena = e.CadenaEnvido;
    if (e.EnvidoQuerido != Cadena::Nada) {
        if (e.GanadorEnvido == Lado::Jugador)
            return {{0, 0}, {PuntosEnvidoQuerido(cadena, t, k), 0}, {0, PuntosEnvidoQuerido(cadena, t, s) + 5}};
        if (e.GanadorEnvido == Lado::Computadora) return {{0, PuntosEnvidoQuerido(cadena, t, s)}};
        return {{0, 0}};
    }
    if (e.QuienEnvido == Lado::Nadie) return {{0, 0}};
    const int r = PuntosEnvidoNoQuerido(cadena);
    return {e.QuienEnvido == Lado::Jugador ? Pago{r, 0} : Pago{0, r}};
}

// The flor takes the envido's place: the computer proves its own and takes what it won;
// the player's claim is paid once proved, or punished; never an envido besides.
std::vector<Invariantes::Pago> Invariantes::pagosDeFlor() const {
    const Estado& e = juego_.estado;
    const int s = e.PuntosJugador, k = e.PuntosComputadora, t = e.PuntosJuego;
    const NivelFlor f = e.EstadoFlor;
    const bool duelo = f == NivelFlor::FlorJuego || f == NivelFlor::FlorContra;
    int compu = 0;
    if (duelo && e.GanadorFlor == Lado::Computadora)
        compu = f == NivelFlor::FlorJuego ? 6 : t - s;
    else if (f == NivelFlor::Flor && e.QuienFlor == Lado::Computadora)
        compu = 3;
    else if (f == NivelFlor::FlorAchico && e.QuienFlor == Lado::Computadora)
        compu = 4;
    std::vector<Pago> pagos{{0, compu}};
    const bool reclamo = (duelo && e.GanadorFlor == Lado::Jugador) ||
                         (f == NivelFlor::Flor && e.QuienFlor == Lado::Jugador) || f == NivelFlor::FlorAchico;
    if (!reclamo) return pagos;
    const bool suyo = e.QuienFlor == Lado::Jugador;
    int credito = 0, castigo = 0;
    switch (f) {
        case NivelFlor::Flor: credito = 3, castigo = 8; break;
        case NivelFlor::FlorAchico: credito = suyo ? 4 : 0, castigo = suyo ? 9 : 0; break;
        case NivelFlor::FlorJuego: credito = 6, castigo = 11; break;
        default: credito = t - (k + compu), castigo = t - s + 5; break;
    }
    pagos.push_back({credito, compu});
    pagos.push_back({0, compu + castigo});
    return pagos;
}

void Invariantes::finRondaCerrada(const Plataforma& plataforma) {
    if (!activas_ || !finRondaAbierta_) return;
    finRondaAbierta_ = false;
    const Estado& e = juego_.estado;
    for (std::size_t i = mensajesAlAbrir_; i < plataforma.mensajes.size(); ++i)
        if (plataforma.mensajes[i].texto.find("Perdiste los puntos en cuestión") != std::string::npos)
            ++penalidadesRonda_;
    if (penalidadesRonda_ > 1) Fallar("a second penalty in one round");
    if (e.FinJuego) return;  // the end-of-game dialog put the scores back to 0
    if (!e.TantoLiquidado) Fallar("the end-of-round dialog closed with the envido unsettled");
    const Pago pagado{e.PuntosJugador - alAbrir_.jugador, e.PuntosComputadora - alAbrir_.computadora};
    bool legal = false;
    for (const Pago& p : pagosPosibles_)
        legal = legal || (p.jugador == pagado.jugador && p.computadora == pagado.computadora);
    if (!legal)
        Fallar("the settlement paid " + to_string(pagado.jugador) + "-" + to_string(pagado.computadora) +
               ", which no envido or flor of the round owed");
    if (anticipada_) return;  // the round goes on
    debidoJugador_ = e.PuntosJugador + (ganadorTruco_ == Lado::Jugador ? puntosTruco_ : 0);
    debidoComputadora_ = e.PuntosComputadora + (ganadorTruco_ == Lado::Computadora ? puntosTruco_ : 0);
    cuentaPendiente_ = true;
}

void Invariantes::cobrarRonda(bool terminoElJuego) {
    const Estado& e = juego_.estado;
    if (!cuentaPendiente_) Fallar("a round ended without the end-of-round dialog");
    cuentaPendiente_ = false;
    const bool alcanza = std::max(debidoJugador_, debidoComputadora_) >= e.PuntosJuego;
    if (alcanza != terminoElJuego)
        Fallar(alcanza ? "the game went on though the round's truco reached the target"
                       : "the game ended short of the target");
    if (e.PuntosJugador != debidoJugador_ || e.PuntosComputadora != debidoComputadora_)
        Fallar("the round left the scores at " + to_string(e.PuntosJugador) + "-" + to_string(e.PuntosComputadora) +
               ", it owed " + to_string(debidoJugador_) + "-" + to_string(debidoComputadora_));
}

void Invariantes::finDeJuego() {
    if (!activas_) return;
    const Estado& e = juego_.estado;
    if (!e.FinJuego) Fallar("the end-of-game dialog opened with the game still on");
    if (!finRondaAbierta_) cobrarRonda(true);  // else the settlement itself ended the game
    cuentaPendiente_ = false;
    ++finesDeJuego_;
    revisarPuntos();
    if (std::max(puntosJugador_, puntosComputadora_) < e.PuntosJuego)
        Fallar("the game ended at " + to_string(puntosJugador_) + "-" + to_string(puntosComputadora_) + ", short of " +
               to_string(e.PuntosJuego));
}

void Invariantes::terminarPartida(const Plataforma& plataforma) {
    if (!activas_) return;
    const Naipalia& n = juego_.naipalia;
    if (finesDeJuego_ != 1) Fallar("the end-of-game dialog was shown " + to_string(finesDeJuego_) + " times");
    for (const Mensaje& m : plataforma.mensajes)
        if (m.icono == Icono::Critico) Fallar("critical message: " + m.texto);
    if (plataforma.preguntas == 0) Fallar("the end-of-game dialog did not offer a new game");
    if (n.TiempoComienzo.Enabled() != (plataforma.ultimaRespuesta == Respuesta::Si))
        Fallar(std::string("TiempoComienzo is ") + (n.TiempoComienzo.Enabled() ? "on" : "off") +
               " after the player answered the new-game question");
}

}  // namespace naipalia::autojuego
