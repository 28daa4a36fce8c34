// The expert engine: a side's card and calls from what that side may know. The cards it
// cannot see are dealt in every way that agrees with what it saw and heard, each weighed by
// what it learnt from the other side's moves; each deal is played to the round's end with
// both sides' best cards by the hands' rules, and every call or answer is valued by the
// chance of the game it leads to. Deterministic; the other side's hidden cards are never
// given to it.
// Calls: game/ (cards, tanto, the hands' rules), opponent/decision_*.h (the classic
// computer's rules, its model of that opponent).
// Called by: shell/ (the player's hint), opponent/jugada.cpp (the expert computer's card),
// shell/jugador_experto.h (the engine seated as the player).
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>

#include "game/estado.h"
#include "platform/puertos.h"

namespace naipalia {

constexpr int SinCarta = -1;

// What a side learnt of the other side's hand in this round from the moves it saw: a
// weight for each hand that hand may be, 1 until a move tells otherwise.
class Creencia {
public:
    double peso(const std::array<int, 3>& mano) const;
    void multiplicar(const std::array<int, 3>& mano, double factor);

private:
    static std::uint64_t clave(const std::array<int, 3>& mano);  // a bit per card
    std::unordered_map<std::uint64_t, double> pesos_;
};

// What a side may know of the round: its own cards, the cards both sides put down, the
// tanto and the flor the other side stated, and what it learnt from the other side's moves.
struct Vista {
    Lado lado = Lado::Nadie;
    Lado mano = Lado::Nadie;
    int manoActual = 1;
    std::array<int, 3> propias{SinCarta, SinCarta, SinCarta};
    // By hand 1-3 (element 0 unused): the card each side put down.
    std::array<int, 4> puestas{SinCarta, SinCarta, SinCarta, SinCarta};
    std::array<int, 4> puestasOtro{SinCarta, SinCarta, SinCarta, SinCarta};
    int tantoOtro = SinCarta;            // the other side's stated envido; SinCarta when none
    int florOtro = SinCarta;             // and its stated flor
    const Creencia* creencia = nullptr;  // none: every hand alike
};

// What `lado` may know of the round in `e`, in hand `manoActual`.
Vista VistaDe(const Estado& e, Lado lado, int manoActual);

// The card to put down now, and how many of the deals it takes the round in (each deal
// counted once, whatever the side learnt).
struct Consejo {
    int carta = SinCarta;  // SinCarta when no card is left to play
    int repartos = 0;
    int ganados = 0;
};
Consejo MejorCarta(const Vista& vista);

// "7 de espada".
std::string NombreCarta(int carta);

// Each hand the other side may hold with its weight, and whether the side takes the round
// against it with the card MejorCarta picks (or, when the other side is to play, with its
// best answers).
using PorMano = std::function<void(const std::array<int, 3>& mano, double peso, bool gana)>;
void ParaCadaMano(const Vista& vista, const PorMano& f);
// Weighted share of the possible deals in which the side takes the round so.
double ChanceRonda(const Vista& vista);

// How many of the other side's possible hands hold each tanto (0..33).
using Tantos = std::array<double, 34>;
Tantos TantosPosibles(const Vista& vista);
// Share of `tantos` that `mio` beats; the mano takes ties.
double ChanceTanto(const Tantos& tantos, int mio, bool soyMano);

// The score from one side's seat.
struct Marcador {
    int mios = 0, suyos = 0, juego = 15;
};
Marcador MarcadorDe(const Estado& e, Lado lado);
// The chance of taking the game from a score, every round from here an even one.
double ChancePartida(Marcador m);

// `tantos` weighted by how often the classic computer holding each would have made the
// envido `cadena` last called by the other side: opened on its turn (`abrio`), or raised
// from this side's first call. A chain of neither kind is left as it is.
Tantos TantosTrasSuEnvido(const Tantos& tantos, Cadena cadena, bool abrio, bool suyoEsMano, int rondas, Marcador m);

// A fixed stream of numbers (SplitMix64) for asking the classic rules, so that the engine
// stays deterministic; it counts its draws: a rule that drew none answers alike every time.
struct AzarFijo : Azar {
    explicit AzarFijo(std::uint64_t semilla) : estado(semilla) {}
    double siguiente() override;
    std::uint64_t estado;
    int sorteos = 0;
};

// An answer to a call.
enum class Contesta { NoQuiero, Quiero, Sube };

// The engine in the player's seat against the classic computer, whose rules are asked
// what they would do with each hand it may hold, in a copy of the table `e` where that hand
// takes the place of the cards the player cannot see. `v` is the player's view.
//
// What he learns from its call of `llamada`, made on its turn or, when `nuestra` is not
// Nada, raised over his own call of `nuestra`; and what he learns when it takes up his
// call of `nivel`.
Creencia TrasSuTruco(const Estado& e, const Vista& v, NivelTruco llamada, NivelTruco nuestra);
Creencia SiAceptaLaNuestra(const Estado& e, const Vista& v, NivelTruco nivel);
// What he learns from its card of hand `h`, chosen by those rules; and from all its cards
// on the table.
Creencia TrasSuCarta(const Estado& e, const Vista& v, int h);
Creencia DeSusCartas(const Estado& e, Vista v);
// His answer to its call, `v` having learnt from it: a raise is valued by how often those
// rules take it up.
Contesta ContestarTrucoContraClasico(const Estado& e, const Vista& v, NivelTruco llamada, bool puedeSubir);
// How often those rules take up his call of `nivel` now; and whether that call adds to his
// chance of the game, by how often they take it up with each hand.
double ChanceDeQuerer(const Estado& e, const Vista& v, NivelTruco nivel);
bool CantarTrucoContraClasico(const Estado& e, const Vista& v, NivelTruco nivel);

// What the engine would do at the table in the player's seat: its flor, an envido, a truco
// call, or a card. The round tells which calls are open: the envido (`tantoAbierto`), the
// flor in a game with flor, the truco at `trucoAbierto` (Nada: none).
struct Movida {
    enum class Tipo { Carta, Flor, Envido, Truco } tipo = Tipo::Carta;
    Cadena envido = Cadena::Nada;
    NivelTruco truco = NivelTruco::Nada;
    Consejo carta;  // the card, when that is the move
};
Movida MovidaDelJugador(const Estado& e, const Vista& v, bool tantoAbierto, bool florAbierta, NivelTruco trucoAbierto);

// A call is made only when it adds this much chance of the game.
inline constexpr double MargenCanto = 0.005;

// The engine's envido, valued by the chance of the game it leads to.
// The envido `cadena` to answer, with chance `tanto` against the hands that would have
// called it; `subida` the raise the dialog offers (Nada: none).
Contesta ContestarEnvidoExperto(double tanto, Marcador m, Cadena cadena, Cadena subida);
// How often the classic computer takes up (or raises) the envido `cadena` called from the
// table, over the tantos it may hold.
double ChanceDeQuererEnvido(const Tantos& tantos, Cadena cadena, int rondas, Marcador m);
// The envido to open with `mio` before the first card (Nada: none); `tantos` the other
// side's possible hands, `rondas` the rounds played.
Cadena AbrirEnvidoExperto(const Tantos& tantos, int mio, bool soyMano, int rondas, Marcador m);

}  // namespace naipalia
