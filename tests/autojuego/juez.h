// The judge: the rules of the game read afresh, apart from the game's code (who takes a
// round by its hands, what a round owes each side, the end of the game at the target),
// held against the game at every step of self-play; a broken rule throws Fallo.
#pragma once

#include <algorithm>
#include <array>
#include <optional>
#include <ostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "game/cartas.h"
#include "game/nombres.h"
#include "game/tanto.h"
#include "game/textos.h"
#include "shell/juego.h"
#include "shell/operacion.h"

namespace naipalia::autojuego {

struct Fallo : std::runtime_error {
    using std::runtime_error::runtime_error;
};

template <typename... Partes>
[[noreturn]] void Fallar(const Partes&... partes) {
    std::ostringstream motivo;
    (motivo << ... << partes);
    throw Fallo(motivo.str());
}

// The truco's order as players learn it, strongest first: the four named cards, then the
// others by face alone. The game's table gives a card's face and suit, nothing more.
inline int Rango(int carta) {
    const DatosCarta& d = TablaCartas.at(static_cast<std::size_t>(carta));
    const std::pair<int, char> bravas[] = {{1, 'E'}, {1, 'B'}, {7, 'E'}, {7, 'O'}};
    for (int i = 0; i < 4; ++i)
        if (std::pair(d.cara, d.palo) == bravas[i]) return i;
    const int caras[] = {3, 2, 1, 12, 11, 10, 7, 6, 5, 4};
    return 4 + static_cast<int>(std::find(std::begin(caras), std::end(caras), d.cara) - std::begin(caras));
}

// Points owed or paid to each side.
struct Pago {
    int jugador, computadora;
    bool operator==(const Pago&) const = default;
    int mayor() const { return std::max(jugador, computadora); }
};
inline std::ostream& operator<<(std::ostream& o, Pago p) { return o << p.jugador << '-' << p.computadora; }

class Juez {
public:
    // One per game, made before it starts: what the menus promise for it.
    explicit Juez(const Juego& juego) : juego_(juego), e_(juego.estado), n_(juego.naipalia) {
        manoElegida_ = n_.MenuMJugador.Checked() ? 1 : n_.MenuMCompu.Checked() ? 2 : 0;
    }

    // After every action and dialog click; the scores stay short of the target in play.
    void revisar() {
        revisarManos();
        if (e_.FinJuego) return;  // the end-of-game dialog puts the scores back to 0
        revisarRonda();
        // The truco only rises within a round, and a level stands accepted by somebody.
        if (static_cast<int>(e_.EstadoTruco) < nivelTruco_ ||
            (e_.EstadoTruco == NivelTruco::Nada) != (e_.QuienTruco == Lado::Nadie))
            Fallar("the truco went down within a round, or stands accepted by nobody");
        nivelTruco_ = static_cast<int>(e_.EstadoTruco);
        if (puntos().mayor() >= e_.PuntosJuego) Fallar("the game goes on at ", puntos(), ", past ", e_.PuntosJuego);
    }

    // The table waits for the player in an undecided round, at a hand he has not played,
    // with his cards playable (unless the envido was put first) and none gliding home.
    void revisarTurno() const {
        const int m = juego_.ronda.ManoActual;
        if (m < 1 || m > 3 || e_.PosicionJugador[static_cast<std::size_t>(m)] != 0 || n_.TiempoCarta.Enabled() ||
            ganadorPorManos() != Lado::Nadie || (m > 1 && n_.TextoMano(m - 1).Text().empty()))
            Fallar("the table waits for the player in hand ", m, ", played, undecided before, or decided");
        const int botones = n_.BotonCarta(1).Enabled() + n_.BotonCarta(2).Enabled() + n_.BotonCarta(3).Enabled();
        if (botones != (e_.TantoPrimero ? 0 : 4 - m)) Fallar(botones, " card buttons are on in hand ", m);
    }

    // The end-of-round dialog reckons what the round owes from the cards and the calls
    // alone: the envido or the flor (nothing again once the round's envido was settled),
    // then the round's truco. The end-of-game one comes at the target.
    void abrir(const Ventana& dialogo) {
        revisar();
        if (&dialogo == &juego_.finRonda) {
            if ((e_.EstadoFlor != NivelFlor::Nada && !n_.MenuFlorOpcion(1).Checked()) ||
                (e_.QuienFlor == Lado::Computadora && !MismoPalo(e_.carta(4), e_.carta(5), e_.carta(6))))
                Fallar("a flor was sung with the option off, or by a computer without one");
            alAbrir_ = puntos();
            pagos_ = e_.TantoLiquidado                  ? std::vector<Pago>{{0, 0}}
                     : e_.EstadoFlor != NivelFlor::Nada ? pagosDeFlor()
                                                        : pagosDeEnvido();
            truco_ = trucoDebido(juego_.finRonda.EtiquetaMensaje.Caption());
        }
        if (&dialogo != &juego_.finJuegos) return;
        if (!e_.FinJuego) Fallar("the end-of-game dialog opened with the game still on");
        if (!alAbrir_) cobrarRonda(true);  // else the settlement itself ended the game
        ++finesDeJuego_;
        if (puntos().mayor() < e_.PuntosJuego) Fallar("the game ended at ", puntos(), ", short of ", e_.PuntosJuego);
    }

    // The settlement paid one of the sums the round owed.
    void cerrar(const Ventana& dialogo) {
        if (&dialogo != &juego_.finRonda || !alAbrir_) return;
        const Pago antes = *std::exchange(alAbrir_, std::nullopt);
        if (e_.FinJuego) return;  // the end-of-game dialog put the scores back to 0
        const Pago pagado{e_.PuntosJugador - antes.jugador, e_.PuntosComputadora - antes.computadora};
        if (!e_.TantoLiquidado || std::find(pagos_.begin(), pagos_.end(), pagado) == pagos_.end())
            Fallar("the settlement paid ", pagado, ", owed by no envido or flor");
        if (truco_) debido_ = Pago{e_.PuntosJugador + truco_->jugador, e_.PuntosComputadora + truco_->computadora};
    }

    // Every dialog closed; the player gave `respuestas` to the game's questions.
    void terminarPartida(const std::vector<bool>& respuestas) const {
        if (finesDeJuego_ != 1) Fallar("the end-of-game dialog was shown ", finesDeJuego_, " times");
        if (respuestas.empty() || n_.TiempoComienzo.Enabled() != respuestas.back())
            Fallar("the end-of-game dialog offered no new game, or TiempoComienzo ignored the answer");
    }

    bool jugadorAlMazo = false;  // while the player's deck closes the round

private:
    enum class Mano { SinJugar, Jugador, Computadora, Parda };

    // The lower class takes the hand; equal classes tie it.
    Mano mano(std::size_t h) const {
        if (e_.PosicionJugador[h] == 0 || e_.PosicionCompu[h] == 0) return Mano::SinJugar;
        if (e_.JerarquiaJugador[h] == e_.JerarquiaCompu[h]) return Mano::Parda;
        return e_.JerarquiaJugador[h] < e_.JerarquiaCompu[h] ? Mano::Jugador : Mano::Computadora;
    }

    // Two hands take the round, and a tie goes to the first decisive hand before or after
    // it; three ties to the mano. Lado::Nadie while the hands decide nothing.
    Lado ganadorPorManos() const {
        Lado primera = Lado::Nadie;
        std::array<int, 2> ganadas{0, 0};
        for (std::size_t h = 1; h <= 3; ++h) {
            const Mano m = mano(h);
            if (m == Mano::SinJugar) return Lado::Nadie;
            if (m == Mano::Parda && primera != Lado::Nadie) return primera;
            if (m == Mano::Parda) continue;
            const Lado lado = m == Mano::Jugador ? Lado::Jugador : Lado::Computadora;
            if (h > 1 && primera == Lado::Nadie) return lado;  // hand 1 was tied
            if (++ganadas[m == Mano::Jugador] == 2) return lado;
            if (h == 1) primera = lado;
        }
        return e_.QuienMano;
    }

    // Each side plays its own slots in turn, each with its card's class; a hand is scored
    // once both played it, by the classes alone.
    void revisarManos() const {
        for (int primerSlot : {1, 4}) {
            const auto& clase = primerSlot == 1 ? e_.JerarquiaJugador : e_.JerarquiaCompu;
            const auto& slot = primerSlot == 1 ? e_.PosicionJugador : e_.PosicionCompu;
            unsigned usados = 0;
            for (std::size_t h = 1; h <= 3; ++h) {
                const int s = slot[h];
                const bool enOrden = s == 0 ? clase[h] == SinJugar : h == 1 || slot[h - 1] != 0;
                const bool suyo = s >= primerSlot && s <= primerSlot + 2 && ((usados >> s) & 1) == 0;
                if (!enOrden || (s != 0 && (!suyo || clase[h] != Rango(e_.carta(s)))))
                    Fallar("slots from ", primerSlot, ": hand ", h, " plays slot ", s, " with class ", clase[h]);
                usados |= 1u << s;
            }
        }
        for (std::size_t h = 1; h <= 3; ++h) {
            const std::string& texto = n_.TextoMano(static_cast<int>(h)).Text();
            const Mano m = mano(h);
            const std::string& ganador = m == Mano::Parda     ? PalabraIguales
                                         : m == Mano::Jugador ? e_.NombreJugador
                                                              : NombreComputadora;
            if (texto != TextoResultado(e_, e_.ResultadoManos[h]) ||
                (!texto.empty() && (m == Mano::SinJugar || texto != ganador)))
                Fallar("hand ", h, " was scored \"", texto, "\" with slots ", e_.PosicionJugador[h], "/",
                       e_.PosicionCompu[h]);
        }
    }

    // Rounds come one by one, the mano alternating; the first's and the target follow the menu.
    void revisarRonda() {
        if (e_.RondasJugadas == ronda_) return;
        nivelTruco_ = 0;
        const bool computadora = e_.QuienMano == Lado::Computadora;
        if (ronda_ == 0 && (e_.RondasJugadas != 1 || (manoElegida_ != 0 && computadora != (manoElegida_ == 2)) ||
                            e_.PuntosJuego != (n_.MenuCantidadPuntos(2).Checked() ? 30 : 15)))
            Fallar("the game begins with round ", e_.RondasJugadas, " to ", e_.PuntosJuego, ", or not the menu's mano");
        if (ronda_ != 0 && (e_.RondasJugadas != ronda_ + 1 || computadora == manoComputadora_))
            Fallar("round ", e_.RondasJugadas, " came after round ", ronda_, " with the same mano");
        if (ronda_ != 0) cobrarRonda(false);
        ronda_ = e_.RondasJugadas;
        manoComputadora_ = computadora;
    }

    Pago puntos() const { return {e_.PuntosJugador, e_.PuntosComputadora}; }

    // The envido pays once: the accepted chain to its winner once certified, that and
    // five more to the computer as a penalty, or the refused chain to its last caller.
    std::vector<Pago> pagosDeEnvido() const {
        const Cadena cadena = e_.CadenaEnvido;
        if (e_.EnvidoQuerido != Cadena::Nada) {
            const int t = e_.PuntosJuego, aLaComputadora = PuntosEnvidoQuerido(cadena, t, e_.PuntosJugador);
            if (e_.GanadorEnvido == Lado::Jugador)
                return {{0, 0}, {PuntosEnvidoQuerido(cadena, t, e_.PuntosComputadora), 0}, {0, aLaComputadora + 5}};
            return {{0, e_.GanadorEnvido == Lado::Computadora ? aLaComputadora : 0}};
        }
        if (e_.QuienEnvido == Lado::Nadie) return {{0, 0}};
        const int r = PuntosEnvidoNoQuerido(cadena);
        return {e_.QuienEnvido == Lado::Jugador ? Pago{r, 0} : Pago{0, r}};
    }

    // The flor takes the envido's place: the computer proves its own and takes what it
    // won; the player's claim is paid once proved, or punished; never an envido besides.
    std::vector<Pago> pagosDeFlor() const {
        const int s = e_.PuntosJugador, k = e_.PuntosComputadora, t = e_.PuntosJuego;
        const NivelFlor f = e_.EstadoFlor;
        const bool duelo = f == NivelFlor::FlorJuego || f == NivelFlor::FlorContra;
        int compu = 0;
        if (duelo && e_.GanadorFlor == Lado::Computadora)
            compu = f == NivelFlor::FlorJuego ? 6 : t - s;
        else if ((f == NivelFlor::Flor || f == NivelFlor::FlorAchico) && e_.QuienFlor == Lado::Computadora)
            compu = f == NivelFlor::Flor ? 3 : 4;
        const bool reclamo = (duelo && e_.GanadorFlor == Lado::Jugador) ||
                             (f == NivelFlor::Flor && e_.QuienFlor == Lado::Jugador) || f == NivelFlor::FlorAchico;
        if (!reclamo) return {{0, compu}};
        const bool suyo = e_.QuienFlor == Lado::Jugador;
        // What the proved claim earns, and what a false one costs.
        const auto [credito, castigo] = f == NivelFlor::Flor         ? std::pair{3, 8}
                                        : f == NivelFlor::FlorAchico ? (suyo ? std::pair{4, 9} : std::pair{0, 0})
                                        : f == NivelFlor::FlorJuego  ? std::pair{6, 11}
                                                                     : std::pair{t - (k + compu), t - s + 5};
        return {{0, compu}, {credito, compu}, {0, compu + castigo}};
    }

    // The round's truco, to the winner of the hands, the side whose call was refused (the
    // level below it) or that did not fold: the computer's deck pays 2 before its first
    // card with nothing called, the player's one more before any call and card of it.
    std::optional<Pago> trucoDebido(const std::string& mensaje) {
        if (mensaje.rfind("Con los puntos jugados", 0) == 0) return std::nullopt;  // the round goes on
        const auto es = [&](std::initializer_list<const char*> lineas) {
            return std::any_of(lineas.begin(), lineas.end(),
                               [&](const char* l) { return mensaje == l + SufijoFinRonda; });
        };
        const bool burla =
            es({"Te achicaste!!", "No te gustó?\?!", "Te sentis bien???", "Te asustaste!!", "Es mucho para ti?\?!"});
        const NivelTruco t = e_.EstadoTruco;
        int valor = t == NivelTruco::Nada ? 1 : t == NivelTruco::Truco ? 2 : t == NivelTruco::ReTruco ? 3 : 4;
        Lado ganador = ganadorPorManos();
        if (jugadorAlMazo) {
            // The next round may be dealt, and even end, before the deck's click returns.
            jugadorAlMazo = false;
            ganador = Lado::Computadora;
            if (e_.QuienEnvido == Lado::Nadie && e_.QuienFlor == Lado::Nadie && e_.PosicionCompu[1] == 0) ++valor;
            if (!burla) Fallar("the player's deck closed the round with: ", mensaje);
        } else if (burla) {
            ganador = Lado::Computadora;
        } else if (es({"Con mejores cartas cualquiera.", "La próxima veremos...", "Esta vez tuviste suerte.",
                       "Me habrás apurado?\?!", "Qué cartas tienes?\?!", "No quiero lo cantado."})) {
            ganador = Lado::Jugador;
        } else if (es({textos::IrseAlMazo})) {
            ganador = Lado::Jugador;
            if (e_.EnvidoQuerido == Cadena::Nada && e_.PosicionCompu[1] == 0 && t == NivelTruco::Nada) valor = 2;
        } else if (ganador == Lado::Nadie) {
            Fallar("the round closed though its hands decide nothing: ", mensaje);
        }
        return ganador == Lado::Jugador ? Pago{valor, 0} : Pago{0, valor};
    }

    // The scores after a round are what it owed; the game ends when they reach the target.
    void cobrarRonda(bool terminoElJuego) {
        if (!debido_) Fallar("a round ended without the end-of-round dialog");
        const Pago d = *debido_;
        debido_.reset();
        if ((d.mayor() >= e_.PuntosJuego) != terminoElJuego || puntos() != d)
            Fallar("the round left the scores at ", puntos(), ", it owed ", d,
                   terminoElJuego ? ", game over" : ", game on");
    }

    const Juego& juego_;
    const Estado& e_;
    const Naipalia& n_;
    int manoElegida_ = 0;  // 1 the player, 2 the computer, 0 chance
    int ronda_ = 0;
    bool manoComputadora_ = false;
    int nivelTruco_ = 0;
    int finesDeJuego_ = 0;
    // While the end-of-round dialog is open: the scores it found, what its settlement may
    // pay, the truco owed after it (none when the round goes on).
    std::optional<Pago> alAbrir_;
    std::vector<Pago> pagos_;
    std::optional<Pago> truco_;
    std::optional<Pago> debido_;  // the scores once the round that ended is settled
};

}  // namespace naipalia::autojuego
