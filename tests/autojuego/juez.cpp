#include "tests/autojuego/juez.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <utility>

#include "game/mesa.h"
#include "game/nombres.h"
#include "game/tanto.h"
#include "game/textos.h"
#include "shell/juego.h"
#include "shell/operacion.h"

namespace naipalia::autojuego {

namespace {

enum class Mano { SinJugar, Jugador, Computadora, Parda };

// The lower class takes the hand; equal classes tie it.
Mano mano(const Estado& e, std::size_t h) {
    if (e.PosicionJugador[h] == 0 || e.PosicionCompu[h] == 0) return Mano::SinJugar;
    if (e.JerarquiaJugador[h] == e.JerarquiaCompu[h]) return Mano::Parda;
    return e.JerarquiaJugador[h] < e.JerarquiaCompu[h] ? Mano::Jugador : Mano::Computadora;
}

Lado lado(Mano m) { return m == Mano::Jugador ? Lado::Jugador : Lado::Computadora; }
bool gana(Mano m) { return m == Mano::Jugador || m == Mano::Computadora; }

// The round's winner by the hands played so far; Lado::Nadie while they decide nothing.
Lado ganadorPorManos(const Estado& e) {
    const Mano primera = mano(e, 1), segunda = mano(e, 2), tercera = mano(e, 3);
    if (gana(primera)) {
        if (segunda == primera || segunda == Mano::Parda) return lado(primera);  // two hands, or a tie after a win
        if (!gana(segunda) || tercera == Mano::SinJugar) return Lado::Nadie;
        return gana(tercera) ? lado(tercera) : lado(primera);  // one each: the third, or the first
    }
    if (primera != Mano::Parda) return Lado::Nadie;
    if (gana(segunda)) return lado(segunda);  // after a tied first hand, the next decisive one
    if (segunda != Mano::Parda) return Lado::Nadie;
    if (gana(tercera)) return lado(tercera);
    return tercera == Mano::Parda ? e.QuienMano : Lado::Nadie;  // three ties: the mano
}

// The six cards of the deal are cards of the deck, none twice; each side's record of the
// hands: played hands first, each one of the side's own slots, no slot twice, with the
// class of that slot's card.
void revisarManos(const Estado& e) {
    std::uint64_t vistas = 0;
    for (int c : e.CartasRepartidas) {
        if (c < 0 || c >= CantidadCartas || ((vistas >> c) & 1) != 0) Fallar("card ", c, " dealt twice or unknown");
        vistas |= std::uint64_t{1} << c;
    }
    for (int primerSlot : {1, 4}) {
        const auto& clase = primerSlot == 1 ? e.JerarquiaJugador : e.JerarquiaCompu;
        const auto& slot = primerSlot == 1 ? e.PosicionJugador : e.PosicionCompu;
        unsigned usados = 0;
        for (std::size_t h = 1; h <= 3; ++h) {
            const int s = slot[h];
            const bool enOrden = s == 0 ? clase[h] == SinJugar : h == 1 || slot[h - 1] != 0;
            const bool suyo = s >= primerSlot && s <= primerSlot + 2 && ((usados >> s) & 1) == 0;
            if (!enOrden || (s != 0 && (!suyo || clase[h] != JerarquiaTruco(e.carta(s)))))
                Fallar("slots ", primerSlot, "-", primerSlot + 2, ": hand ", h, " plays slot ", s, " with class ",
                       clase[h]);
            usados |= 1u << s;
        }
    }
}

// A hand is scored only once both sides played it, and then by the classes alone; its
// box shows what the round keeps.
void revisarResultados(const Estado& e, const Naipalia& n) {
    for (std::size_t h = 1; h <= 3; ++h) {
        const std::string& texto = n.TextoMano(static_cast<int>(h)).Text();
        const Mano m = mano(e, h);
        const std::string& ganador = m == Mano::Parda     ? PalabraIguales
                                     : m == Mano::Jugador ? e.NombreJugador
                                                          : NombreComputadora;
        if (texto != TextoResultado(e, e.ResultadoManos[h]) ||
            (!texto.empty() && (m == Mano::SinJugar || texto != ganador)))
            Fallar("hand ", h, " was scored \"", texto, "\" with slots ", e.PosicionJugador[h], "/",
                   e.PosicionCompu[h]);
    }
}

// Where the pictures are while the table waits: the player's cards in their hand places
// or in the places of the hands they were played in, the computer's face down until
// played, no card outside the deal shown.
void revisarMesa(const Estado& e, const Naipalia& n) {
    std::uint64_t repartidas = 0;
    for (int c : e.CartasRepartidas) repartidas |= std::uint64_t{1} << c;
    for (int c = 0; c < CantidadCartas; ++c)
        if (((repartidas >> c) & 1) == 0 && n.Carta(c).Visible()) Fallar("card ", c, " is shown but not dealt");
    for (int s = 1; s <= 6; ++s) {
        const auto& jugadas = s <= 3 ? e.PosicionJugador : e.PosicionCompu;
        const auto h = static_cast<std::size_t>(std::find(jugadas.begin() + 1, jugadas.end(), s) - jugadas.begin());
        const bool jugada = h <= 3;
        const Control& carta = n.Carta(e.carta(s));
        if (s > 3 && (n.CartaFondo(s).Visible() == jugada || (!jugada && carta.Visible())))
            Fallar("slot ", s, (jugada ? " shows its back after its card was played" : " shows its card"));
        if (s > 3 && !jugada) continue;
        const Punto debido = s > 3    ? Punto{LeftMesaCompu[h], TopMesaCompu}
                             : jugada ? Punto{LeftMesaJugador[h], TopMesaJugador}
                                      : Punto{LeftMano[static_cast<std::size_t>(s)], TopMano};
        if (!carta.Visible() || carta.Left() != debido.left || carta.Top() != debido.top)
            Fallar("card of slot ", s, " lies at ", Punto{carta.Left(), carta.Top()}, " (shown ", carta.Visible(),
                   "), it belongs at ", debido);
    }
}

// The envido pays once: the accepted chain to its winner once certified, that and five
// more to the computer as a penalty, or the refused chain to its last caller.
std::vector<Pago> pagosDeEnvido(const Estado& e) {
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
std::vector<Pago> pagosDeFlor(const Estado& e) {
    const int s = e.PuntosJugador, k = e.PuntosComputadora, t = e.PuntosJuego;
    const NivelFlor f = e.EstadoFlor;
    const bool duelo = f == NivelFlor::FlorJuego || f == NivelFlor::FlorContra;
    int compu = 0;
    if (duelo && e.GanadorFlor == Lado::Computadora)
        compu = f == NivelFlor::FlorJuego ? 6 : t - s;
    else if ((f == NivelFlor::Flor || f == NivelFlor::FlorAchico) && e.QuienFlor == Lado::Computadora)
        compu = f == NivelFlor::Flor ? 3 : 4;
    const bool reclamo = (duelo && e.GanadorFlor == Lado::Jugador) ||
                         (f == NivelFlor::Flor && e.QuienFlor == Lado::Jugador) || f == NivelFlor::FlorAchico;
    if (!reclamo) return {{0, compu}};
    const bool suyo = e.QuienFlor == Lado::Jugador;
    // What the proved claim earns, and what a false one costs.
    const auto [credito, castigo] = f == NivelFlor::Flor         ? std::pair{3, 8}
                                    : f == NivelFlor::FlorAchico ? (suyo ? std::pair{4, 9} : std::pair{0, 0})
                                    : f == NivelFlor::FlorJuego  ? std::pair{6, 11}
                                                                 : std::pair{t - (k + compu), t - s + 5};
    return {{0, compu}, {credito, compu}, {0, compu + castigo}};
}

}  // namespace

void Juez::comenzarPartida() {
    if (!activo_) return;
    const Naipalia& n = juego_.naipalia;
    manoElegida_ = n.MenuMJugador.Checked() ? 1 : n.MenuMCompu.Checked() ? 2 : 0;
    ronda_ = 0;
    mensajesRonda_ = 0;
    puntos_ = {0, 0};
    finesDeJuego_ = 0;
    debido_.reset();
    finRondaAbierta_ = false;
}

void Juez::revisar() {
    if (!activo_) return;
    const Estado& e = juego_.estado;
    revisarManos(e);
    revisarResultados(e, juego_.naipalia);
    if (e.FinJuego) return;  // the end-of-game dialog puts the scores back to 0
    revisarRonda();
    // The truco only rises within a round, and a level stands accepted by somebody.
    if (static_cast<int>(e.EstadoTruco) < nivelTruco_ ||
        (e.EstadoTruco == NivelTruco::Nada) != (e.QuienTruco == Lado::Nadie))
        Fallar("the truco went down within a round, or stands accepted by nobody");
    nivelTruco_ = static_cast<int>(e.EstadoTruco);
    revisarPuntos();
    if (std::max(puntos_.jugador, puntos_.computadora) >= e.PuntosJuego)
        Fallar("the game goes on at ", puntos_.jugador, "-", puntos_.computadora, ", past the target ", e.PuntosJuego);
}

// Rounds are dealt one by one and the mano alternates; the first one follows the menu.
void Juez::revisarRonda() {
    const Estado& e = juego_.estado;
    if (e.RondasJugadas == ronda_) return;
    nivelTruco_ = 0;
    const bool computadora = e.QuienMano == Lado::Computadora;
    if (!computadora && e.QuienMano != Lado::Jugador) Fallar("the mano is neither side");
    if (ronda_ == 0) {
        if (e.RondasJugadas != 1 || (manoElegida_ != 0 && computadora != (manoElegida_ == 2)) ||
            e.PuntosJuego != (juego_.naipalia.MenuCantidadPuntos(2).Checked() ? 30 : 15))
            Fallar("the game begins with round ", e.RondasJugadas, " to ", e.PuntosJuego,
                   " points, or its mano is not the menu's");
    } else {
        if (e.RondasJugadas != ronda_ + 1 || computadora == manoComputadora_)
            Fallar("round ", e.RondasJugadas, " came after round ", ronda_, " with the same mano");
        cobrarRonda(false);
    }
    ronda_ = e.RondasJugadas;
    manoComputadora_ = computadora;
    mensajesRonda_ = mensajes_.size();
}

// Scores only go up within a game, and their boxes show them.
void Juez::revisarPuntos() {
    const Estado& e = juego_.estado;
    const Naipalia& n = juego_.naipalia;
    const int j = e.PuntosJugador, c = e.PuntosComputadora;
    if (n.TextoJugador.Text() != std::to_string(j) || n.TextoComputadora.Text() != std::to_string(c) ||
        j < puntos_.jugador || c < puntos_.computadora)
        Fallar("the scores went from ", puntos_.jugador, "-", puntos_.computadora, " to ", j, "-", c,
               ", their boxes show ", n.TextoJugador.Text(), "-", n.TextoComputadora.Text());
    puntos_ = {j, c};
}

void Juez::revisarTurno() {
    if (!activo_) return;
    const Estado& e = juego_.estado;
    const Naipalia& n = juego_.naipalia;
    const int m = juego_.ronda.ManoActual;
    if (m < 1 || m > 3 || e.PosicionJugador[static_cast<std::size_t>(m)] != 0 || n.TiempoCarta.Enabled() ||
        ganadorPorManos(e) != Lado::Nadie || (m > 1 && n.TextoMano(1).Text().empty()) ||
        (m > 2 && n.TextoMano(2).Text().empty()))
        Fallar("the table waits for the player in hand ", m, ", played, undecided before, or decided");
    for (int s = 1; s <= 3; ++s) {
        // While the envido is put first the cards wait for it.
        const bool enMano =
            s != e.PosicionJugador[1] && s != e.PosicionJugador[2] && s != e.PosicionJugador[3] && !e.TantoPrimero;
        if (n.BotonCarta(s).Enabled() != enMano) Fallar("BotonCarta ", s, " enabled is not its card in the hand");
    }
    revisarMesa(e, n);
}

void Juez::abrir(const Ventana& dialogo) {
    if (!activo_) return;
    if (&dialogo == &juego_.finRonda) abrirFinRonda();
    if (&dialogo != &juego_.finJuegos) return;
    const Estado& e = juego_.estado;
    if (!e.FinJuego) Fallar("the end-of-game dialog opened with the game still on");
    if (!finRondaAbierta_) cobrarRonda(true);  // else the settlement itself ended the game
    debido_.reset();
    ++finesDeJuego_;
    revisarPuntos();
    if (std::max(puntos_.jugador, puntos_.computadora) < e.PuntosJuego)
        Fallar("the game ended at ", puntos_.jugador, "-", puntos_.computadora, ", short of ", e.PuntosJuego);
}

// Computed from the cards and the calls alone: the settlement pays the envido or the flor
// (nothing again once the round's envido was settled), then the round's truco.
void Juez::abrirFinRonda() {
    const Estado& e = juego_.estado;
    if ((e.EstadoFlor != NivelFlor::Nada && !juego_.naipalia.MenuFlorOpcion(1).Checked()) ||
        (e.QuienFlor == Lado::Computadora && !MismoPalo(e.carta(4), e.carta(5), e.carta(6))))
        Fallar("a flor was sung with the option off, or by a computer without one");
    finRondaAbierta_ = true;
    alAbrir_ = {e.PuntosJugador, e.PuntosComputadora};
    pagosPosibles_ = e.TantoLiquidado                  ? std::vector<Pago>{{0, 0}}
                     : e.EstadoFlor != NivelFlor::Nada ? pagosDeFlor(e)
                                                       : pagosDeEnvido(e);
    truco_ = trucoDebido(juego_.finRonda.EtiquetaMensaje.Caption());
}

// Who the round's truco goes to, by why the round ended: the winner of the hands, the
// side whose call was refused (the level below it), or the side that did not fold. The
// computer's deck pays 2 before it played a card with nothing called; the player's costs
// one more before anything was sung and before the computer played.
std::optional<Pago> Juez::trucoDebido(const std::string& mensaje) {
    const Estado& e = juego_.estado;
    if (mensaje.rfind("Con los puntos jugados", 0) == 0) return std::nullopt;  // the round goes on
    const auto es = [&](std::initializer_list<const char*> lineas) {
        return std::any_of(lineas.begin(), lineas.end(), [&](const char* l) { return mensaje == l + SufijoFinRonda; });
    };
    // "??!" split in two literals, or it reads as a trigraph.
    const bool burla = es({"Te achicaste!!",
                           "No te gustó?"
                           "?!",
                           "Te sentis bien???", "Te asustaste!!",
                           "Es mucho para ti?"
                           "?!"});
    const NivelTruco t = e.EstadoTruco;
    int valor = t == NivelTruco::Nada ? 1 : t == NivelTruco::Truco ? 2 : t == NivelTruco::ReTruco ? 3 : 4;
    Lado ganador = ganadorPorManos(e);
    if (jugadorAlMazo) {
        // The next round may be dealt, and even end, before the deck's click returns.
        jugadorAlMazo = false;
        ganador = Lado::Computadora;
        if (e.QuienEnvido == Lado::Nadie && e.QuienFlor == Lado::Nadie && e.PosicionCompu[1] == 0) ++valor;
        if (!burla) Fallar("the player's deck closed the round with: ", mensaje);
    } else if (burla) {
        ganador = Lado::Computadora;
    } else if (es({"Con mejores cartas cualquiera.", "La próxima veremos...", "Esta vez tuviste suerte.",
                   "Me habrás apurado?"
                   "?!",
                   "Qué cartas tienes?"
                   "?!",
                   "No quiero lo cantado."})) {
        ganador = Lado::Jugador;
    } else if (es({textos::IrseAlMazo})) {
        ganador = Lado::Jugador;
        if (e.EnvidoQuerido == Cadena::Nada && e.PosicionCompu[1] == 0 && e.EstadoTruco == NivelTruco::Nada) valor = 2;
    } else if (ganador == Lado::Nadie) {
        Fallar("the round closed though its hands decide nothing: ", mensaje);
    }
    return ganador == Lado::Jugador ? Pago{valor, 0} : Pago{0, valor};
}

void Juez::cerrar(const Ventana& dialogo) {
    if (activo_ && &dialogo == &juego_.finRonda && finRondaAbierta_) cerrarFinRonda();
}

// The settlement paid one of the sums the round owed, and one penalty at most.
void Juez::cerrarFinRonda() {
    finRondaAbierta_ = false;
    const Estado& e = juego_.estado;
    const auto penalidad = [](const Mensaje& m) { return m.texto.find(textos::Penalidad) != std::string::npos; };
    if (std::count_if(mensajes_.begin() + static_cast<long>(mensajesRonda_), mensajes_.end(), penalidad) > 1)
        Fallar("a second penalty in one round");
    if (e.FinJuego) return;  // the end-of-game dialog put the scores back to 0
    const Pago pagado{e.PuntosJugador - alAbrir_.jugador, e.PuntosComputadora - alAbrir_.computadora};
    if (!e.TantoLiquidado || std::find(pagosPosibles_.begin(), pagosPosibles_.end(), pagado) == pagosPosibles_.end())
        Fallar("the settlement paid ", pagado.jugador, "-", pagado.computadora,
               ", which no envido or flor of the round owed, or left it unsettled");
    if (truco_) debido_ = Pago{e.PuntosJugador + truco_->jugador, e.PuntosComputadora + truco_->computadora};
}

// The scores after a round that ended are what the round owed; the game ends when they
// reach the target.
void Juez::cobrarRonda(bool terminoElJuego) {
    const Estado& e = juego_.estado;
    if (!debido_) Fallar("a round ended without the end-of-round dialog");
    const Pago d = *debido_;
    debido_.reset();
    if ((std::max(d.jugador, d.computadora) >= e.PuntosJuego) != terminoElJuego || e.PuntosJugador != d.jugador ||
        e.PuntosComputadora != d.computadora)
        Fallar("the round left the scores at ", e.PuntosJugador, "-", e.PuntosComputadora, ", it owed ", d.jugador, "-",
               d.computadora, terminoElJuego ? " and the game ended" : " and the game went on");
}

void Juez::terminarPartida(int preguntas, bool si) const {
    if (!activo_) return;
    if (finesDeJuego_ != 1) Fallar("the end-of-game dialog was shown ", finesDeJuego_, " times");
    for (const Mensaje& m : mensajes_)
        if (m.icono == Icono::Critico) Fallar("critical message: ", m.texto);
    if (preguntas == 0 || juego_.naipalia.TiempoComienzo.Enabled() != si)
        Fallar("the end-of-game dialog did not offer a new game, or TiempoComienzo does not follow the answer");
}

}  // namespace naipalia::autojuego
