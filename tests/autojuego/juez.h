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
#include "game/tanto.h"  // the chains' names only
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

// Each chain's calls, and what it pays refused (to its last caller) and accepted (to the
// winner; 0 for the falta, which is what the loser lacks to reach the target).
struct DatosCadena {
    Cadena cadena;
    const char* llamadas;
    int noQuerido, querido;
};
inline constexpr DatosCadena Cadenas[] = {
    {Cadena::Nada, "", 0, 0},
    {Cadena::Envido, "Envido", 1, 2},
    {Cadena::RealEnvido, "Real Envido", 1, 3},
    {Cadena::FaltaEnvido, "Falta Envido", 1, 0},
    {Cadena::EnvidoEnvido, "Envido Envido", 2, 4},
    {Cadena::EnvidoRealEnvido, "Envido Real Envido", 2, 5},
    {Cadena::EnvidoFaltaEnvido, "Envido Falta Envido", 2, 0},
    {Cadena::RealEnvidoFaltaEnvido, "Real Envido Falta Envido", 3, 0},
    {Cadena::EnvidoRealEnvidoFaltaEnvido, "Envido Real Envido Falta Envido", 5, 0},
    {Cadena::EnvidoEnvidoFaltaEnvido, "Envido Envido Falta Envido", 4, 0},  // refused, what it raised
};
inline const DatosCadena& DatosDe(Cadena cadena) {
    return *std::find_if(std::begin(Cadenas), std::end(Cadenas),
                         [&](const DatosCadena& d) { return d.cadena == cadena; });
}

// The envido's worth of cards as players count it: faces 1 to 7 their face, figures
// nothing; two of one suit 20 more and their sum; else the best card alone.
inline int Valor(int carta) {
    const int cara = TablaCartas.at(static_cast<std::size_t>(carta)).cara;
    return cara <= 7 ? cara : 0;
}
inline int TantoDe(const std::vector<int>& cartas) {
    int mejor = 0;
    for (std::size_t i = 0; i < cartas.size(); ++i) {
        mejor = std::max(mejor, Valor(cartas[i]));
        for (std::size_t k = i + 1; k < cartas.size(); ++k)
            if (TablaCartas.at(static_cast<std::size_t>(cartas[i])).palo ==
                TablaCartas.at(static_cast<std::size_t>(cartas[k])).palo)
                mejor = std::max(mejor, 20 + Valor(cartas[i]) + Valor(cartas[k]));
    }
    return mejor;
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
        revisarLinea();
        revisarSalidas();
        // The truco only rises within a round, and a level stands accepted by somebody.
        if (static_cast<int>(e_.EstadoTruco) < nivelTruco_ ||
            (e_.EstadoTruco == NivelTruco::Nada) != (e_.QuienTruco == Lado::Nadie))
            Fallar("the truco went down within a round, or stands accepted by nobody");
        nivelTruco_ = static_cast<int>(e_.EstadoTruco);
        // A chain grows by calls on top of the ones made.
        const std::string antes = DatosDe(cadena_).llamadas, ahora = DatosDe(e_.CadenaEnvido).llamadas;
        if (cadena_ != Cadena::Nada && ahora != antes && ahora.rfind(antes + " ", 0) != 0)
            Fallar("the envido went from \"", antes, "\" to \"", ahora, "\"");
        cadena_ = e_.CadenaEnvido;
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
        if (!e_.TantoPrimero) revisarBotones(m);
        revisarFinalPorPuntos();
    }

    // The end-of-round dialog reckons what the round owes from the cards and the calls
    // alone: the envido or the flor (nothing again once the round's envido was settled),
    // then the round's truco. The end-of-game one comes at the target.
    void abrir(const Ventana& dialogo) {
        revisar();
        if (&dialogo == &juego_.cantoTrucos) llamada_ = juego_.cantoTrucos.EtiquetaMensaje.Caption();
        if (&dialogo == &juego_.finRonda) {
            mostro_ = false;
            if ((e_.EstadoFlor != NivelFlor::Nada && !n_.MenuFlorOpcion(1).Checked()) ||
                (e_.QuienFlor == Lado::Computadora && !(palo(4) == palo(5) && palo(5) == palo(6))))
                Fallar("a flor was sung with the option off, or by a computer without one");
            alAbrir_ = puntos();
            pagos_ = e_.TantoLiquidado                  ? std::vector<Pago>{{0, 0}}
                     : e_.EstadoFlor != NivelFlor::Nada ? pagosDeFlor()
                                                        : pagosDeEnvido();
            truco_ = trucoDebido(juego_.finRonda.EtiquetaMensaje.Caption());
            revisarAviso();
        }
        if (&dialogo != &juego_.finJuegos) return;
        if (!e_.FinJuego) Fallar("the end-of-game dialog opened with the game still on");
        if (alAbrir_)
            liquidado();  // the settlement itself ended the game
        else
            cobrarRonda(true);
        ++finesDeJuego_;
        if (puntos().mayor() < e_.PuntosJuego) Fallar("the game ended at ", puntos(), ", short of ", e_.PuntosJuego);
    }

    // A dialog's button, about to be pressed.
    void pulsado(const Control& boton) {
        if (&boton == &juego_.finRonda.BotonMostrarCarta) mostro_ = true;
    }

    // A truco call the player accepted stands at its level, the right to raise now his;
    // the round's truco is owed once the settlement is paid.
    void cerrar(const Ventana& dialogo) {
        if (&dialogo == &juego_.cantoTrucos) revisarTrucoAceptado();
        if (&dialogo != &juego_.finRonda || !alAbrir_) return;
        liquidado();
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

    // The round's log on hand h, as last written.
    std::string enElAnotador(std::size_t h) const {
        const std::vector<std::string>& sucesos = juego_.operacion.anotador.sucesos();
        const std::string cabeza = "Mano " + std::to_string(h) + ": ";
        for (auto s = sucesos.rbegin(); s != sucesos.rend(); ++s)
            if (s->rfind(cabeza, 0) == 0) return s->substr(cabeza.size());
        return {};
    }

    char palo(int slot) const { return TablaCartas.at(static_cast<std::size_t>(e_.carta(slot))).palo; }

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
        // A hand scored names its winner, or the tie, in its box and the anotador's log, as
        // the cards say; one unscored shows nothing.
        const std::string jugador = e_.NombreJugador.substr(0, e_.NombreJugador.find_last_not_of(' ') + 1);
        const std::pair<std::string, std::string> textos[] = {{"", ""},
                                                              {e_.NombreJugador, "gana " + jugador},
                                                              {NombreComputadora, "gana la computadora"},
                                                              {PalabraIguales, "parda"}};
        for (std::size_t h = 1; h <= 3; ++h) {
            const Mano m = mano(h);
            const ResultadoMano r = e_.ResultadoManos[h];
            const Mano anotada = r == ResultadoMano::SinDecidir ? Mano::SinJugar
                                 : r == ResultadoMano::Iguales  ? Mano::Parda
                                 : r == ResultadoMano::Jugador  ? Mano::Jugador
                                                                : Mano::Computadora;
            const auto& [caja, log] = textos[static_cast<std::size_t>(anotada)];
            if ((anotada != Mano::SinJugar && (anotada != m || enElAnotador(h) != log)) ||
                n_.TextoMano(static_cast<int>(h)).Text() != caja)
                Fallar("hand ", h, " was scored \"", n_.TextoMano(static_cast<int>(h)).Text(), "\" with slots ",
                       e_.PosicionJugador[h], "/", e_.PosicionCompu[h]);
        }
    }

    // Rounds come one by one, the mano alternating; the first's and the target follow the menu.
    void revisarRonda() {
        if (e_.RondasJugadas == ronda_) return;
        nivelTruco_ = 0;
        cadena_ = Cadena::Nada;
        vistas_ = {};
        const bool computadora = e_.QuienMano == Lado::Computadora;
        if (ronda_ == 0 && (e_.RondasJugadas != 1 || (manoElegida_ != 0 && computadora != (manoElegida_ == 2)) ||
                            e_.PuntosJuego != (n_.MenuCantidadPuntos(2).Checked() ? 30 : 15)))
            Fallar("the game begins with round ", e_.RondasJugadas, " to ", e_.PuntosJuego, ", or not the menu's mano");
        if (ronda_ != 0 && (e_.RondasJugadas != ronda_ + 1 || computadora == manoComputadora_))
            Fallar("round ", e_.RondasJugadas, " came after round ", ronda_, " with the same mano");
        if (ronda_ == 0 && (e_.VecesFaltaEnvidoJugador != 0 || e_.VecesVentanaTanto > 1 ||
                            !juego_.operacion.anotador.lineas().empty()))
            Fallar("a new game begins with the last one's envido counts or anotador lines");
        if (ronda_ != 0) {
            cobrarRonda(false);
            linea_ = Linea{
                ronda_, {puntos().jugador - inicio_.jugador, puntos().computadora - inicio_.computadora}, alMazo_};
        }
        inicio_ = puntos();
        alMazo_ = false;
        ronda_ = e_.RondasJugadas;
        manoComputadora_ = computadora;
    }

    Pago puntos() const { return {e_.PuntosJugador, e_.PuntosComputadora}; }

    // What the accepted chain pays its winner: the falta, what the loser lacks.
    int querido(Lado ganador) const {
        const int q = DatosDe(e_.CadenaEnvido).querido;
        return q ? q : e_.PuntosJuego - (ganador == Lado::Jugador ? e_.PuntosComputadora : e_.PuntosJugador);
    }

    // An envido decided whose points would end the game is settled at once, before play
    // goes on: accepted, the winner's (the falta, what the loser lacks); refused, the last
    // caller's.
    void revisarFinalPorPuntos() const {
        if (e_.TantoLiquidado || e_.TantoPrimero || e_.EstadoFlor != NivelFlor::Nada) return;
        Pago enJuego{0, 0};
        if (e_.EnvidoQuerido != Cadena::Nada && e_.GanadorEnvido != Lado::Nadie)
            (e_.GanadorEnvido == Lado::Jugador ? enJuego.jugador : enJuego.computadora) = querido(e_.GanadorEnvido);
        else if (e_.EnvidoQuerido == Cadena::Nada && e_.QuienEnvido != Lado::Nadie)
            (e_.QuienEnvido == Lado::Jugador ? enJuego.jugador : enJuego.computadora) =
                DatosDe(e_.CadenaEnvido).noQuerido;
        if (Pago{e_.PuntosJugador + enJuego.jugador, e_.PuntosComputadora + enJuego.computadora}.mayor() >=
            e_.PuntosJuego)
            Fallar("play goes on with ", enJuego, " at stake that would end the game at ", puntos());
    }

    // The settlement paid one of the sums the round owed, as the cards shown prove.
    void liquidado() {
        const Pago antes = *std::exchange(alAbrir_, std::nullopt);
        const Pago pagado{e_.PuntosJugador - antes.jugador, e_.PuntosComputadora - antes.computadora};
        if (!e_.TantoLiquidado || std::find(pagos_.begin(), pagos_.end(), pagado) == pagos_.end())
            Fallar("the settlement paid ", pagado, ", owed by no envido or flor");
        revisarPrueba(pagado);
    }

    // An envido won by a declaration is paid when the cards shown prove it and punished
    // when not: all three when shown or played, else the ones on the table. The computer
    // proves its own with the cards that make it.
    void revisarPrueba(Pago pagado) const {
        if (e_.EstadoFlor != NivelFlor::Nada || e_.EnvidoQuerido == Cadena::Nada) return;
        const std::vector<int> suyas{e_.carta(4), e_.carta(5), e_.carta(6)};
        if (e_.GanadorEnvido == Lado::Computadora) {
            constexpr int pares[4][2] = {{}, {4, 5}, {4, 6}, {5, 6}};  // by CartasTantoCompu; 4-6 one card
            const int k = e_.CartasTantoCompu;
            const std::vector<int> mostradas =
                k >= 4 ? std::vector<int>{e_.carta(k)} : std::vector<int>{e_.carta(pares[k][0]), e_.carta(pares[k][1])};
            if (TantoDe(mostradas) != e_.TantoCompu || TantoDe(suyas) != e_.TantoCompu)
                Fallar("the computer proved ", e_.TantoCompu, " with cards worth ", TantoDe(mostradas));
            return;
        }
        if (pagos_.size() != 3) return;  // settled before the round's end
        std::vector<int> mostradas = enMesa();
        if (mostro_ || mostradas.size() == 3) mostradas = {e_.carta(1), e_.carta(2), e_.carta(3)};
        const bool probado = !mostradas.empty() && TantoDe(mostradas) == e_.TantoCantadoJugador;
        if (pagado != (probado ? pagos_[1] : pagos_[2]))
            Fallar("a tanto of ", e_.TantoCantadoJugador, " shown with cards worth ", TantoDe(mostradas), " was paid ",
                   pagado);
    }

    // The player's cards on the table.
    std::vector<int> enMesa() const {
        std::vector<int> cartas;
        for (std::size_t h = 1; h <= 3; ++h)
            if (e_.PosicionJugador[h] != 0) cartas.push_back(e_.carta(e_.PosicionJugador[h]));
        return cartas;
    }

    // The dialog warns exactly when leaving would punish the player's claim as unproven:
    // some card still in his hand, and those down not making what he declared (a flor
    // needs all three).
    void revisarAviso() const {
        const std::vector<int> cartas = enMesa();
        const bool flor = e_.EstadoFlor != NivelFlor::Nada;
        const bool probado =
            cartas.size() == 3 || (!flor && !cartas.empty() && TantoDe(cartas) == e_.TantoCantadoJugador);
        const std::string debe = pagos_.size() < 3 || probado ? ""
                                 : flor                       ? "Mostrá tus cartas para certificar tu flor."
                                                              : "Mostrá tus cartas para certificar tu tanto.";
        if (juego_.finRonda.EtiquetaCertificar.Caption() != debe)
            Fallar("the end-of-round dialog warned \"", juego_.finRonda.EtiquetaCertificar.Caption(), "\" with ",
                   cartas.size(), " cards down");
    }

    // A round's line in the anotador, once written: each side's points, and the deck
    // named when one ended the round.
    void revisarLinea() {
        if (!linea_) return;
        const std::vector<std::string>& lineas = juego_.operacion.anotador.lineas();
        const std::string cabeza = "Ronda " + std::to_string(linea_->ronda) + ":";
        if (lineas.empty() || lineas.back().rfind(cabeza, 0) != 0) {
            if (e_.RondasJugadas > linea_->ronda + 1) Fallar("the anotador wrote no line for round ", linea_->ronda);
            return;
        }
        const std::string& linea = lineas.back();
        Pago suma{0, 0};
        std::istringstream partes(linea.substr(cabeza.size()));
        for (std::string parte; std::getline(partes, parte, ';');) {
            int& lado = parte.rfind(" la computadora +", 0) == 0 ? suma.computadora : suma.jugador;
            for (auto mas = parte.find(" +"); mas != std::string::npos; mas = parte.find(" +", mas + 1))
                lado += std::atoi(parte.c_str() + mas + 2);
        }
        if (suma != linea_->ganado || (linea.find(" mazo") != std::string::npos) != linea_->mazo)
            Fallar("round ", linea_->ronda, " was written \"", linea, "\" for ", linea_->ganado,
                   linea_->mazo ? " by a deck" : "");
        linea_.reset();
    }

    // The mano leads hand 1; the winner of a hand leads the next, the mano after a tie.
    // A card seen with its answer in one move was led by the player: the computer answers
    // within his move, while its own lead waits for him.
    void revisarSalidas() {
        for (std::size_t h = 1; h <= 3; ++h) {
            const bool jugador = e_.PosicionJugador[h] != 0, computadora = e_.PosicionCompu[h] != 0;
            if (!vistas_[h] && (jugador || computadora)) {
                const Mano antes = h == 1 ? Mano::Parda : mano(h - 1);
                const Lado debe = antes == Mano::Jugador       ? Lado::Jugador
                                  : antes == Mano::Computadora ? Lado::Computadora
                                                               : e_.QuienMano;
                if ((jugador ? Lado::Jugador : Lado::Computadora) != debe)
                    Fallar("hand ", h, " was led by the ", jugador ? "player" : "computer");
            }
            vistas_[h] = jugador || computadora;
        }
    }

    // At his turn the player may always fold; raise the truco when none stands or he
    // accepted the last; sing the envido or flor before his first card, while nobody has
    // sung one and no truco stands.
    void revisarBotones(int mano) const {
        const NivelTruco t = e_.EstadoTruco;
        const bool suyo = e_.QuienTruco == Lado::Jugador;
        const bool envido = mano == 1 && e_.QuienEnvido == Lado::Nadie && e_.EnvidoQuerido == Cadena::Nada &&
                            e_.QuienFlor == Lado::Nadie && e_.EstadoFlor == NivelFlor::Nada && t == NivelTruco::Nada;
        const std::pair<const Control&, bool> reglas[] = {
            {n_.BotonMazo, true},
            {n_.BotonTruco, t == NivelTruco::Nada},
            {n_.BotonRetruco, suyo && t == NivelTruco::Truco},
            {n_.BotonVale4, suyo && t == NivelTruco::ReTruco},
            {n_.BotonEnvido, envido},
            {n_.BotonRealEnvido, envido},
            {n_.BotonFaltaEnvido, envido},
            {n_.BotonFlor, envido && n_.MenuFlorOpcion(1).Checked()},
        };
        for (const auto& [boton, debe] : reglas)
            if (boton.Enabled() != debe)
                Fallar(boton.nombre(), debe ? " is off" : " is on", " in hand ", mano, " at truco level ",
                       static_cast<int>(t), suyo ? ", the player's" : "");
    }

    // Closed with the round still on and neither refused nor raised, the call stands.
    void revisarTrucoAceptado() const {
        if (e_.FinJuego || e_.RondasJugadas != ronda_ || e_.TrucoRechazado || e_.TrucoRechazadoEnJugada ||
            e_.TrucoRecantado)
            return;
        const NivelTruco debe = llamada_ == "Truco!!"      ? NivelTruco::Truco
                                : llamada_ == "Re-Truco!!" ? NivelTruco::ReTruco
                                                           : NivelTruco::Vale4;
        if (e_.EstadoTruco != debe || e_.QuienTruco != Lado::Jugador)
            Fallar("\"", llamada_, "\" accepted left the truco at level ", static_cast<int>(e_.EstadoTruco));
    }

    // The envido pays once: the accepted chain to its winner once certified, that and
    // five more to the computer as a penalty, or the refused chain to its last caller.
    std::vector<Pago> pagosDeEnvido() const {
        if (e_.EnvidoQuerido != Cadena::Nada) {
            const int aLaComputadora = querido(Lado::Computadora);
            if (e_.GanadorEnvido == Lado::Jugador)
                return {{0, 0}, {querido(Lado::Jugador), 0}, {0, aLaComputadora + 5}};
            return {{0, e_.GanadorEnvido == Lado::Computadora ? aLaComputadora : 0}};
        }
        if (e_.QuienEnvido == Lado::Nadie) return {{0, 0}};
        const int r = DatosDe(e_.CadenaEnvido).noQuerido;
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
            alMazo_ = true;
            if (e_.QuienEnvido == Lado::Nadie && e_.QuienFlor == Lado::Nadie && e_.PosicionCompu[1] == 0) ++valor;
            if (!burla) Fallar("the player's deck closed the round with: ", mensaje);
        } else if (burla) {
            ganador = Lado::Computadora;
        } else if (es({"Con mejores cartas cualquiera.", "La próxima veremos...", "Esta vez tuviste suerte.",
                       "Me habrás apurado?\?!", "Qué cartas tienes?\?!", "No quiero lo cantado."})) {
            ganador = Lado::Jugador;
        } else if (es({textos::IrseAlMazo})) {
            ganador = Lado::Jugador;
            alMazo_ = true;
            if (e_.EnvidoQuerido == Cadena::Nada && e_.PosicionCompu[1] == 0 && t == NivelTruco::Nada) valor = 2;
        } else if (ganador == Lado::Nadie) {
            Fallar("the round closed though its hands decide nothing: ", mensaje);
        } else if ((mensaje.find("Te gané") != std::string::npos) != (ganador == Lado::Computadora)) {
            Fallar("the hands' closing words name the other side: ", mensaje);
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
    Cadena cadena_ = Cadena::Nada;  // the round's envido as last seen
    std::array<bool, 4> vistas_{};  // the round's hands with a card seen
    std::string llamada_;           // the computer's last truco call put to the player
    bool mostro_ = false;           // the player showed his cards at the round's end
    struct Linea {
        int ronda;
        Pago ganado;
        bool mazo;
    };
    Pago inicio_{0, 0};           // the scores as the round began
    bool alMazo_ = false;         // a side went to the deck this round
    std::optional<Linea> linea_;  // the last round's, until the anotador writes it
    int finesDeJuego_ = 0;
    // While the end-of-round dialog is open: the scores it found, what its settlement may
    // pay, the truco owed after it (none when the round goes on).
    std::optional<Pago> alAbrir_;
    std::vector<Pago> pagos_;
    std::optional<Pago> truco_;
    std::optional<Pago> debido_;  // the scores once the round that ended is settled
};

}  // namespace naipalia::autojuego
