// The computer's turn on tables: a row on each side of every threshold of each rule, with
// exactly the draws each decision makes.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "sorteos.h"
#include "opponent/decision_jugada.h"

using namespace naipalia;

namespace {

constexpr int sj = SinJugar, sd = SinDeducir;
constexpr auto G = ResultadoMano::Computadora, E = ResultadoMano::Iguales, P = ResultadoMano::Jugador;
constexpr auto Nada = NivelTruco::Nada, Truco = NivelTruco::Truco, ReTruco = NivelTruco::ReTruco,
               Vale4 = NivelTruco::Vale4;

// Who holds the right to the next truco call.
enum class Cadena3 { Libre, TrucoMio, ReTrucoMio, TrucoSuyo };

// Hand 3: it played slots 4 and 5; its last card, slot 6, is of class `mia`; the player's
// card of hand 3 is of class `suya` (or unplayed), deduced as `deducida`.
// clang-format off
struct Tercera { int mia; ResultadoMano primera; int suya, deducida; Cadena3 cadena; };
template <typename Esperada>
struct FilaTercera { Tercera t; std::vector<double> sorteos; Esperada esperada; };
// clang-format on

Estado tercera(const Tercera& t) {
    Estado e = conClases({1, 1, t.mia});
    e.PosicionCompu = {0, 4, 5, 0};
    e.ResultadoManos[1] = t.primera;
    e.JerarquiaJugador[3] = t.suya;
    constexpr std::pair<Lado, NivelTruco> cadenas[] = {
        {Lado::Nadie, Nada}, {Lado::Computadora, Truco}, {Lado::Computadora, ReTruco}, {Lado::Jugador, Truco}};
    std::tie(e.QuienTruco, e.EstadoTruco) = cadenas[static_cast<int>(t.cadena)];
    return e;
}

// Hand 2: it played slot 4; slots 5 and 6 hold `mias`; the player's card of hand 2.
// clang-format off
struct Segunda { std::array<int, 2> mias; ResultadoMano primera; int suya; Cadena3 cadena; };
// clang-format on

Estado segunda(const Segunda& s) {
    Estado e = tercera({1, s.primera, SinJugar, SinDeducir, s.cadena});
    e.CartasRepartidas = conClases({1, s.mias[0], s.mias[1]}).CartasRepartidas;
    e.PosicionCompu = {0, 4, 0, 0};
    e.JerarquiaJugador[2] = s.suya;
    return e;
}

}  // namespace

// clang-format off
TEST(DecisionJugada, ElTrucoAntesDeLaPrimera) {
    struct Caso { std::array<int, 3> mias; bool tantoPrimero; Lado quien; std::vector<double> sorteos; bool truco; };
    const std::vector<Caso> casos = {
        // Two cards of class 3 or better; three of class 10 or worse on a draw below 0.5.
        {{3, 3, 13}, false, Lado::Nadie, {}, true}, {{3, 4, 13}, false, Lado::Nadie, {}, false},
        {{10, 10, 13}, false, Lado::Nadie, {0.49}, true}, {{10, 10, 10}, false, Lado::Nadie, {0.5}, false},
        {{9, 10, 13}, false, Lado::Nadie, {}, false},
        // The truco held back for the envido goes now; a truco already called does not.
        {{13, 13, 13}, true, Lado::Jugador, {}, true}, {{1, 1, 13}, false, Lado::Jugador, {}, false}};
    revisarFilas(casos, [](const Caso& c, Azar& azar) {
        Estado e = conClases(c.mias);
        e.TantoPrimero = c.tantoPrimero;
        e.QuienTruco = c.quien;
        EXPECT_EQ(CantaTrucoEnPrimera(e, azar), c.truco);
    });
}

TEST(DecisionJugada, LaCartaDeLaPrimera) {
    struct Caso { std::array<int, 3> mias; int suya; std::vector<double> sorteos; int slot; bool truco; };
    const std::vector<Caso> casos = {
        // After the player's card. One winner: the tie; else a winner worse than a 2 on a draw below 0.2.
        {{4, 5, 13}, 5, {}, 5, false},
        {{3, 8, 13}, 5, {0.19}, 4, false}, {{3, 8, 13}, 5, {0.2}, 6, false},
        {{2, 8, 13}, 5, {}, 6, false},
        // Two winners: the tie on a draw below 0.2, else the weaker winner.
        {{3, 4, 5}, 5, {0.19}, 6, false}, {{3, 4, 5}, 5, {0.2}, 5, false}, {{3, 4, 8}, 5, {}, 5, false},
        {{4, 4, 8}, 5, {}, 4, false},  // equal winners: the lower slot
        // Three: a truco first with a card of class 4 or better; the weakest goes down.
        {{4, 6, 7}, 8, {}, 6, true}, {{5, 6, 7}, 8, {}, 6, false},
        {{9, 10, 11}, 5, {}, 6, false},
        // Leading. A card of class 2 to 4 with at most one better than a 10 leads.
        {{10, 2, 12}, SinJugar, {}, 5, false}, {{10, 4, 12}, SinJugar, {}, 5, false},
        {{9, 2, 12}, SinJugar, {0.9}, 6, false}, {{10, 5, 12}, SinJugar, {0.9}, 6, false},
        // Two of class 3 or better lead the weakest.
        {{3, 1, 12}, SinJugar, {}, 6, false},
        // Otherwise the middle card, of class 5 or better or on a draw below 0.2.
        {{4, 1, 12}, SinJugar, {}, 4, false}, {{5, 2, 12}, SinJugar, {}, 4, false},
        {{6, 2, 12}, SinJugar, {0.9}, 6, false},
        {{10, 1, 12}, SinJugar, {0.19}, 4, false}, {{10, 1, 12}, SinJugar, {0.2}, 6, false}};
    revisarFilas(casos, [](const Caso& c, Azar& azar) {
        Estado e = conClases(c.mias);
        e.JerarquiaJugador[1] = c.suya;
        const JugadaPrimera j =
            c.suya == SinJugar ? JugadaPrimera{AbrirPrimera(e, azar), false} : ResponderPrimera(e, azar);
        EXPECT_EQ(std::tie(j.slot, j.truco), std::tie(c.slot, c.truco));
    });
}
TEST(DecisionJugada, LaLlamadaYElMazoDeLaTercera) {
    using C = Cadena3;
    const std::vector<FilaTercera<NivelTruco>> casos = {
        // His card unknown: truco with its own of class 5 or better, retruco with 4 or better.
        {{5, G, sj, sd, C::Libre}, {}, Truco}, {{6, G, sj, sd, C::Libre}, {}, Nada},
        {{4, G, sj, sd, C::TrucoMio}, {}, ReTruco}, {{5, G, sj, sd, C::TrucoMio}, {}, Nada},
        // Deduced: beaten, or tied after taking hand 1, it goes up the chain.
        {{5, P, sj, 6, C::Libre}, {}, Truco}, {{6, G, sj, 6, C::ReTrucoMio}, {}, Vale4},
        {{6, E, sj, 6, C::Libre}, {}, Nada},
        // Not beaten: truco against a 9 or worse; retruco against an 8 or worse below 0.5.
        {{10, G, sj, 9, C::Libre}, {}, Truco}, {{10, G, sj, 8, C::Libre}, {}, Nada},
        {{10, G, sj, 8, C::TrucoMio}, {0.49}, ReTruco}, {{10, G, sj, 8, C::TrucoMio}, {0.5}, Nada},
        {{10, G, sj, 7, C::TrucoMio}, {}, Nada},
        // Played: nothing against a four; beaten, or tied after taking hand 1, up the chain.
        {{13, G, 13, sd, C::Libre}, {}, Nada},
        {{5, P, 6, sd, C::TrucoMio}, {}, ReTruco}, {{6, G, 6, sd, C::Libre}, {}, Truco},
        // Bluffs: truco against an 8, or a 6 below 0.5; retruco against a 7, or a 6 below
        // 0.7; vale 4 against a 6, or a 5 below 0.4.
        {{10, E, 8, sd, C::Libre}, {}, Truco}, {{10, E, 7, sd, C::Libre}, {0.49}, Truco},
        {{10, E, 6, sd, C::Libre}, {0.5}, Nada}, {{10, E, 5, sd, C::Libre}, {}, Nada},
        {{10, E, 7, sd, C::TrucoMio}, {}, ReTruco}, {{10, E, 6, sd, C::TrucoMio}, {0.69}, ReTruco},
        {{10, E, 6, sd, C::TrucoMio}, {0.7}, Nada}, {{10, E, 5, sd, C::TrucoMio}, {}, Nada},
        {{10, E, 6, sd, C::ReTrucoMio}, {}, Vale4}, {{10, E, 5, sd, C::ReTrucoMio}, {0.39}, Vale4},
        {{10, E, 5, sd, C::ReTrucoMio}, {0.4}, Nada}, {{10, E, 4, sd, C::ReTrucoMio}, {}, Nada},
        {{10, E, 8, sd, C::TrucoSuyo}, {}, Nada}};
    revisarFilas(casos, [](const auto& f, Azar& azar) {
        EXPECT_EQ(LlamadaTercera(tercera(f.t), f.t.deducida, azar), f.esperada);
    });
    // The deck.
    const std::vector<FilaTercera<bool>> mazos = {
        // His deduced card beats its own, or ties it after he took hand 1.
        {{6, G, sj, 5, Cadena3::Libre}, {}, true}, {{6, P, sj, 6, Cadena3::Libre}, {}, true},
        {{6, G, sj, 6, Cadena3::Libre}, {}, false}, {{6, P, sj, 7, Cadena3::Libre}, {}, false},
        {{6, P, sj, sd, Cadena3::Libre}, {}, false},
        // His played card ties its own after he took hand 1 (below 0.75), or beats it.
        {{6, P, 6, sd, Cadena3::Libre}, {0.74}, true}, {{6, P, 6, sd, Cadena3::Libre}, {0.75}, false},
        {{6, G, 6, sd, Cadena3::Libre}, {}, false},
        {{6, G, 5, sd, Cadena3::Libre}, {}, true}, {{6, P, 7, sd, Cadena3::Libre}, {}, false}};
    revisarFilas(mazos, [](const auto& f, Azar& azar) {
        EXPECT_EQ(AlMazoTercera(tercera(f.t), f.t.deducida, azar), f.esperada);
    });
}
TEST(DecisionJugada, LasLlamadasYElMazoDeLaSegunda) {
    using C = Cadena3;
    struct Caso { Segunda s; std::vector<double> sorteos; NivelTruco llamada, retruco; bool mazo; };
    const std::vector<Caso> casos = {
        // Leading after taking hand 1: truco unless both cards are of class 5 to 9.
        {{{5, 9}, G, sj, C::Libre}, {}, Nada, Nada, false}, {{{4, 9}, G, sj, C::Libre}, {}, Truco, Nada, false},
        {{{5, 10}, G, sj, C::Libre}, {}, Truco, Nada, false}, {{{1, 1}, G, sj, C::TrucoSuyo}, {}, Nada, Nada, false},
        // Leading otherwise: truco with a card of class 5 or better.
        {{{12, 5}, P, sj, C::Libre}, {}, Truco, Nada, false}, {{{6, 12}, E, sj, C::Libre}, {}, Nada, Nada, false},
        // His card down after a decided hand 1: no call.
        {{{1, 1}, P, 5, C::Libre}, {}, Nada, Nada, false},
        // After a tie: nothing against a four; beaten, up the chain.
        {{{13, 13}, E, 13, C::Libre}, {}, Nada, Nada, false}, {{{4, 12}, E, 5, C::ReTrucoMio}, {}, Vale4, Nada, false},
        // Not beaten: truco against a 9 and retruco against an 8, below 0.8.
        {{{9, 12}, E, 9, C::Libre}, {0.79}, Truco, Nada, false}, {{{9, 12}, E, 9, C::Libre}, {0.8}, Nada, Nada, false},
        {{{8, 12}, E, 8, C::Libre}, {}, Nada, Nada, false},
        {{{8, 12}, E, 8, C::TrucoMio}, {0.79}, Nada, ReTruco, false},
        {{{8, 12}, E, 8, C::TrucoMio}, {0.8}, Nada, Nada, false}, {{{7, 12}, E, 7, C::TrucoMio}, {}, Nada, Nada, false},
        // Both its cards lose: the deck below 0.5, after the draw for the truco.
        {{{10, 12}, E, 9, C::Libre}, {0.8, 0.49}, Nada, Nada, true},
        {{{10, 12}, E, 9, C::TrucoSuyo}, {0.5}, Nada, Nada, false}};
    // The draws run on through the three decisions, in the order the turn asks them.
    revisarFilas(casos, [](const Caso& c, Azar& azar) {
        const Estado e = segunda(c.s);
        EXPECT_EQ(LlamadaSegunda(e, azar), c.llamada);
        EXPECT_EQ(ReTrucoSegunda(e, azar), c.retruco);
        EXPECT_EQ(AlMazoSegunda(e, azar), c.mazo);
    });
}

TEST(DecisionJugada, LaCartaDeLaSegunda) {
    using C = Cadena3;
    const std::vector<std::pair<Segunda, int>> casos = {
        // His card down after a decided hand 1: its only winner, else the weaker (ties: slot 6).
        {{{4, 12}, P, 5, C::Libre}, 5}, {{{12, 4}, G, 5, C::Libre}, 6},
        {{{3, 4}, P, 5, C::Libre}, 6}, {{{3, 3}, P, 5, C::Libre}, 6}, {{{8, 9}, P, 5, C::Libre}, 6},
        // After a tie: the stronger (ties: slot 6).
        {{{8, 9}, E, 5, C::Libre}, 5}, {{{8, 8}, E, 5, C::Libre}, 6},
        // Leading after taking hand 1: the weaker, or with the truco on the stronger when worse than a 2.
        {{{3, 9}, G, sj, C::Libre}, 6}, {{{9, 9}, G, sj, C::Libre}, 5},
        {{{4, 9}, G, sj, C::TrucoSuyo}, 5}, {{{3, 9}, G, sj, C::TrucoSuyo}, 6},
        // Leading otherwise: the stronger (ties: slot 5).
        {{{9, 3}, P, sj, C::Libre}, 6}, {{{9, 9}, E, sj, C::Libre}, 5}};
    revisarFilas(casos, [](const auto& c) { EXPECT_EQ(CartaSegunda(segunda(c.first)), c.second); });
}
// clang-format on
