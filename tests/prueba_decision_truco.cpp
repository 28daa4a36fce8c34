// The computer's truco answers and its turn on tables: a row on each side of every
// threshold of each rule, with exactly the draws each decision makes.
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <vector>

#include "sorteos.h"
#include "opponent/decision_jugada.h"
#include "opponent/decision_truco.h"

using namespace naipalia;

namespace {

constexpr int sj = SinJugar;
constexpr auto G = ResultadoMano::Computadora, E = ResultadoMano::Iguales, P = ResultadoMano::Jugador;
constexpr auto Q = RespuestaTruco::Quiero, N = RespuestaTruco::NoQuiero, S = RespuestaTruco::Sube,
               C = RespuestaTruco::Cuatro, QL = RespuestaTruco::QuieroLoCantado, NL = RespuestaTruco::NoQuieroLoCantado;

// The computer's slots 4, 5, 6 hold these classes. In hand 2 it played slot 4 in hand 1 (A
// and B are 5 and 6); in hand 3 slots 4 and 5 (its last is 6). `mia` and `suya` are the
// classes played in this hand by it and by the player; its score against 15.
struct Caso {
    int mano;
    std::array<int, 3> mias;
    ResultadoMano primera;
    int mia, suya, puntos;
    std::vector<double> sorteos;
    RespuestaTruco esperada;
};

void comprobar(NivelTruco llamada, const std::vector<Caso>& casos) {
    revisarFilas(casos, [&](const Caso& c, Azar& azar) {
        Estado e = conClases(c.mias);
        e.PosicionCompu = {0, c.mano > 1 ? 4 : 0, c.mano > 2 ? 5 : 0, 0};
        e.ResultadoManos[1] = c.mano > 1 ? c.primera : ResultadoMano::SinDecidir;
        e.JerarquiaCompu[static_cast<std::size_t>(c.mano)] = c.mia;
        e.JerarquiaJugador[static_cast<std::size_t>(c.mano)] = c.suya;
        e.PuntosComputadora = c.puntos;
        EXPECT_EQ(ResponderTruco({e, c.mano}, llamada, azar).respuesta, c.esperada);
    });
}

constexpr int sd = SinDeducir;
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

// The rows on both sides of each threshold, in turn: the truco, the retruco, the vale 4.
// clang-format off
TEST(DecisionTruco, LasRespuestasALaLlamada) {
    comprobar(NivelTruco::Truco, {
        // Hand 1: two cards of class 4 raise while a refusal of the retruco would not end
        // the game; else a draw below 0.4 with two figures, or a 2 and a figure.
        {1, {4, 4, 13}, G, sj, sj, 12, {}, S}, {1, {4, 4, 13}, G, sj, sj, 13, {}, Q},
        {1, {4, 5, 13}, G, sj, sj, 0, {0.9}, Q},
        {1, {9, 9, 13}, G, sj, sj, 0, {0.39}, Q}, {1, {9, 9, 13}, G, sj, sj, 0, {0.4}, N},
        {1, {9, 10, 13}, G, sj, sj, 0, {0.39}, N},
        {1, {5, 9, 13}, G, sj, sj, 0, {0.9}, Q}, {1, {6, 9, 13}, G, sj, sj, 0, {0.9}, N},
        {1, {5, 10, 13}, G, sj, sj, 0, {0.9}, N},
        // Hand 2 after taking hand 1: a draw below 0.4 with a 10, or a false ace; then a
        // draw below 0.2 raises within the score limit.
        {2, {0, 9, 13}, G, sj, sj, 0, {0.39, 0.9}, Q}, {2, {0, 9, 13}, G, sj, sj, 0, {0.4}, N},
        {2, {0, 10, 13}, G, sj, sj, 0, {0.39}, N},
        {2, {0, 6, 13}, G, sj, sj, 0, {0.9, 0.2}, Q}, {2, {0, 7, 13}, G, sj, sj, 0, {0.9}, N},
        {2, {0, 6, 13}, G, sj, sj, 12, {0.9, 0.19}, S}, {2, {0, 6, 13}, G, sj, sj, 13, {0.9, 0.1}, Q},
        {2, {0, 10, 13}, E, sj, sj, 0, {0.1}, N},  // a tie with hand 2 still to play counts as taken
        // Hand 2 after a tie, its card down: a draw below 0.3 with a 6, or a false ace.
        {2, {0, 11, 13}, E, 9, sj, 0, {0.29}, Q}, {2, {0, 11, 13}, E, 9, sj, 0, {0.3}, N},
        {2, {0, 12, 13}, E, 9, sj, 0, {0.29}, N},
        {2, {0, 6, 13}, E, 9, sj, 0, {0.9}, Q}, {2, {0, 7, 13}, E, 9, sj, 0, {0.9}, N},
        {2, {0, 5, 13}, E, 13, sj, 0, {}, C},
        // Hand 2 after losing hand 1: a 2 and an 11, without a draw.
        {2, {0, 5, 8}, P, sj, sj, 0, {}, Q}, {2, {0, 6, 8}, P, sj, sj, 0, {}, N}, {2, {0, 5, 9}, P, sj, sj, 0, {}, N},
        // Hand 3, its card in hand: a draw below 0.5 with a 10, or a 12; played: below 0.4
        // with a 7 of copa or basto, or a 12.
        {3, {0, 0, 9}, G, sj, sj, 0, {0.49}, Q}, {3, {0, 0, 9}, G, sj, sj, 0, {0.5}, N},
        {3, {0, 0, 10}, G, sj, sj, 0, {0.49}, N},
        {3, {0, 0, 7}, G, sj, sj, 0, {0.9}, Q}, {3, {0, 0, 8}, G, sj, sj, 0, {0.9}, N},
        {3, {0, 0, 10}, G, 10, sj, 0, {0.39}, Q}, {3, {0, 0, 10}, G, 10, sj, 0, {0.4}, N},
        {3, {0, 0, 11}, G, 11, sj, 0, {0.39}, N},
        {3, {0, 0, 7}, G, 7, sj, 0, {0.9}, Q}, {3, {0, 0, 8}, G, 8, sj, 0, {0.9}, N},
        {3, {0, 0, 13}, G, 13, sj, 0, {}, C}});
    comprobar(NivelTruco::ReTruco, {
        // Hand 1 after the player's card: one as good and a 2, or a false ace on a draw
        // below 0.5; before it: a 2 and a 3, or a 2 and a 10 on a draw below 0.4.
        {1, {7, 5, 13}, G, sj, 7, 0, {}, Q}, {1, {7, 6, 13}, G, sj, 7, 0, {0.49}, Q},
        {1, {7, 6, 13}, G, sj, 7, 0, {0.5}, N}, {1, {7, 7, 13}, G, sj, 7, 0, {}, N},
        {1, {5, 4, 13}, G, sj, sj, 0, {}, Q}, {1, {6, 4, 13}, G, sj, sj, 0, {0.9}, N},
        {1, {5, 5, 13}, G, sj, sj, 0, {0.9}, N},
        {1, {5, 9, 13}, G, sj, sj, 0, {0.39}, Q}, {1, {5, 9, 13}, G, sj, sj, 0, {0.4}, N},
        {1, {5, 10, 13}, G, sj, sj, 0, {}, N}, {1, {6, 9, 13}, G, sj, sj, 0, {}, N},
        // Hand 2 after a tie, the player's card down: better raises to vale 4 while a
        // refusal would not end the game (not against a four), as good accepts, worse
        // raises against a 10 or weaker.
        {2, {0, 5, 13}, E, sj, 6, 11, {}, S}, {2, {0, 5, 13}, E, sj, 6, 12, {}, Q},
        {2, {0, 5, 13}, E, sj, 13, 0, {}, Q}, {2, {0, 6, 13}, E, sj, 6, 0, {}, Q},
        {2, {0, 10, 13}, E, sj, 9, 0, {}, S}, {2, {0, 10, 13}, E, sj, 8, 0, {}, N},
        // Hand 2 after taking hand 1: a draw below 0.4 with a 12, or a 2.
        {2, {0, 7, 13}, G, sj, sj, 0, {0.39}, Q}, {2, {0, 7, 13}, G, sj, sj, 0, {0.4}, N},
        {2, {0, 8, 13}, G, sj, sj, 0, {0.39}, N},
        {2, {0, 5, 13}, G, sj, sj, 0, {0.9}, Q}, {2, {0, 6, 13}, G, sj, sj, 0, {0.9}, N},
        // Hand 2 after a tie, its card down: a draw below 0.3 with a 7 of copa or basto, or a 2.
        {2, {0, 10, 13}, E, 9, sj, 0, {0.29}, Q}, {2, {0, 10, 13}, E, 9, sj, 0, {0.3}, N},
        {2, {0, 11, 13}, E, 9, sj, 0, {0.29}, N},
        {2, {0, 5, 13}, E, 9, sj, 0, {0.9}, Q}, {2, {0, 6, 13}, E, 9, sj, 0, {0.9}, N},
        {2, {0, 5, 13}, E, 13, sj, 0, {}, C},
        // Hand 2 after losing hand 1: a 3 and a 2, or a 2 and a false ace on a draw below 0.3.
        {2, {0, 4, 5}, P, sj, sj, 0, {}, Q}, {2, {0, 5, 5}, P, sj, sj, 0, {0.9}, N},
        {2, {0, 4, 6}, P, sj, sj, 0, {0.9}, N},
        {2, {0, 5, 6}, P, sj, sj, 0, {0.29}, Q}, {2, {0, 5, 6}, P, sj, sj, 0, {0.3}, N},
        {2, {0, 6, 6}, P, sj, sj, 0, {0.29}, N}, {2, {0, 5, 7}, P, sj, sj, 0, {0.29}, N},
        // Hand 3, the player's card down: better, or as good after taking hand 1, raises
        // within the score limit; worse raises against a 10 or weaker.
        {3, {0, 0, 5}, G, sj, 6, 11, {}, S}, {3, {0, 0, 5}, G, sj, 6, 12, {}, Q},
        {3, {0, 0, 6}, G, sj, 6, 0, {}, S}, {3, {0, 0, 6}, P, sj, 6, 0, {}, N},
        {3, {0, 0, 10}, P, sj, 9, 0, {}, S}, {3, {0, 0, 10}, P, sj, 8, 0, {}, N},
        // Hand 3, its card in hand: a draw below 0.6 with a 2, or a 3; played: below 0.5
        // with an 11, or a 2.
        {3, {0, 0, 5}, G, sj, sj, 0, {0.59}, Q}, {3, {0, 0, 5}, G, sj, sj, 0, {0.6}, N},
        {3, {0, 0, 6}, G, sj, sj, 0, {0.59}, N},
        {3, {0, 0, 4}, G, sj, sj, 0, {0.9}, Q}, {3, {0, 0, 5}, G, sj, sj, 0, {0.9}, N},
        {3, {0, 0, 8}, G, 8, sj, 0, {0.49}, Q}, {3, {0, 0, 8}, G, 8, sj, 0, {0.5}, N},
        {3, {0, 0, 9}, G, 9, sj, 0, {0.49}, N},
        {3, {0, 0, 5}, G, 5, sj, 0, {0.9}, Q}, {3, {0, 0, 6}, G, 6, sj, 0, {0.9}, N},
        {3, {0, 0, 13}, G, 13, sj, 0, {}, C}});
    comprobar(NivelTruco::Vale4, {
        // Hand 1: one as good as the player's card and a 3; before it, a 7 de espada and a 3.
        {1, {7, 4, 13}, G, sj, 7, 0, {}, Q}, {1, {7, 5, 13}, G, sj, 7, 0, {}, N},
        {1, {2, 4, 13}, G, sj, sj, 0, {}, Q}, {1, {3, 4, 13}, G, sj, sj, 0, {}, N},
        {1, {2, 5, 13}, G, sj, sj, 0, {}, N},
        // Hand 2 after a tie, the player's card down: one as good.
        {2, {0, 6, 13}, E, sj, 6, 0, {}, Q}, {2, {0, 7, 13}, E, sj, 6, 0, {}, N},
        // Hand 2 after taking hand 1: a draw below 0.5 with a false ace, or a 7 de oro.
        {2, {0, 6, 13}, G, sj, sj, 0, {0.49}, Q}, {2, {0, 6, 13}, G, sj, sj, 0, {0.5}, N},
        {2, {0, 7, 13}, G, sj, sj, 0, {0.49}, N},
        {2, {0, 3, 13}, G, sj, sj, 0, {0.9}, Q}, {2, {0, 4, 13}, G, sj, sj, 0, {0.9}, N},
        // Hand 2 after a tie, its card down: a draw below 0.3 with a 10, or a 7 de oro.
        {2, {0, 9, 13}, E, 9, sj, 0, {0.29}, Q}, {2, {0, 9, 13}, E, 9, sj, 0, {0.3}, N},
        {2, {0, 10, 13}, E, 9, sj, 0, {0.29}, N},
        {2, {0, 3, 13}, E, 9, sj, 0, {0.9}, Q}, {2, {0, 4, 13}, E, 9, sj, 0, {0.9}, N},
        {2, {0, 3, 13}, E, 13, sj, 0, {}, C},
        // Hand 2 after losing hand 1: a 7 de oro and a 3.
        {2, {0, 3, 4}, P, sj, sj, 0, {}, Q}, {2, {0, 4, 4}, P, sj, sj, 0, {}, N}, {2, {0, 3, 5}, P, sj, sj, 0, {}, N},
        // Hand 3, the player's card down: better, or as good after taking hand 1.
        {3, {0, 0, 5}, P, sj, 6, 0, {}, Q}, {3, {0, 0, 6}, G, sj, 6, 0, {}, Q}, {3, {0, 0, 6}, P, sj, 6, 0, {}, N},
        // Hand 3, its card in hand: a draw below 0.5 with a 2, or a 7 de oro; played: below
        // 0.5 with a 12, or a 3.
        {3, {0, 0, 5}, G, sj, sj, 0, {0.49}, Q}, {3, {0, 0, 5}, G, sj, sj, 0, {0.5}, N},
        {3, {0, 0, 6}, G, sj, sj, 0, {0.49}, N},
        {3, {0, 0, 3}, G, sj, sj, 0, {0.9}, Q}, {3, {0, 0, 4}, G, sj, sj, 0, {0.9}, N},
        {3, {0, 0, 7}, G, 7, sj, 0, {0.49}, Q}, {3, {0, 0, 7}, G, 7, sj, 0, {0.5}, N},
        {3, {0, 0, 8}, G, 8, sj, 0, {0.49}, N},
        {3, {0, 0, 4}, G, 4, sj, 0, {0.9}, Q}, {3, {0, 0, 5}, G, 5, sj, 0, {0.9}, N},
        {3, {0, 0, 13}, G, 13, sj, 0, {}, C}});
}

// The player has shown the cards of slots 1 and 2 and declared a tanto: his last card
// deduced, and the answer by it.
TEST(DecisionTruco, DeduccionDeSuUltimaCartaYRespuesta) {
    struct Fila { int mano, primera, segunda, tanto; std::vector<double> sorteos; Deduccion esperada; };
    const Fila filas[] = {
        {3, 32, 37, 26, {}, {}},  // 5 oro, 4 copa: a 1 oro or a 2 copa
        {3, 37, 14, 27, {}, {4, false}}, {3, 15, 16, 3, {}, {4, false}},  // the 3 de copa; a 3 alone
        {3, 0, 17, 33, {}, {SinDeducir, true}},                            // 1 espada, 12 basto: impossible
        {3, 36, 16, 4, {}, {}}, {3, 16, 36, 4, {}, {}}, {3, 15, 16, 7, {}, {}},  // a 4 shown; a 7 of any class
        {3, 15, 16, 6, {}, {11, false}},                                       // a 6 alone
        {3, 15, 16, TantoNoCantado, {}, {}}, {1, 15, 16, 5, {}, {}},  // no tanto; hand 1
        {2, 2, 16, 33, {0.49}, {11, false}}, {2, 2, 16, 33, {0.5}, {}},  // 7 espada shown, 33: a 6 de espada
        {2, 4, 16, 26, {}, {}},  // the partner would be the 3 itself
        {2, 37, 16, 31, {0.49}, {10, false}}, {2, 36, 16, 31, {0.49}, {2, false}}};  // the 7 of copa; of espada
    revisarFilas(filas, [](const Fila& f, Azar& azar) {
        Estado e;
        e.CartasRepartidas = {f.primera, f.segunda, 20, 14, 15, 16};
        e.PosicionJugador = {0, 1, 2, 0};
        e.TantoCantadoJugador = f.tanto;
        const Deduccion d = DeducirCarta({e, f.mano}, azar);
        EXPECT_EQ(d.clase, f.esperada.clase);
        EXPECT_EQ(d.imposible, f.esperada.imposible);
    });
    // Its cards A and B (hand 3: A) against the deduced class.
    struct Respuesta { int mano, deducida, a, b; ResultadoMano primera; std::optional<RespuestaTruco> esperada; };
    const Respuesta respuestas[] = {
        {2, 8, 7, 13, G, QL}, {2, 9, 8, 13, G, {}}, {2, 9, 8, 8, G, QL}, {2, 8, 7, 13, E, {}},
        {2, SinDeducir, 0, 0, G, {}}, {3, 8, 7, 13, P, QL}, {3, 8, 8, 13, G, QL}, {3, 8, 8, 13, E, NL},
        {3, 8, 9, 13, G, NL}};
    revisarFilas(respuestas, [](const Respuesta& f) {
        Estado e = conClases({9, f.a, f.b});
        e.ResultadoManos[1] = f.primera;
        EXPECT_EQ(ResponderConDeduccion({e, f.mano}, f.deducida, 5, 6), f.esperada);
    });
}

// Refusing would hand the player the game: the truco so far, a flor he holds, an envido he
// won telling the truth; and its own calls within the same limit.
TEST(DecisionTruco, ElLimiteDeLosPuntos) {
    using enum NivelFlor;
    // Beside a flor of his: held and declared truly unless told. An envido is his, won.
    enum Mesa { Limpia, Retruco, NoLaTiene, FlorMentida, EnvidoGanado, EnvidoMentido, EnvidoLiquidado };
    struct Fila { int suyos; NivelFlor flor; Mesa mesa; bool esperada; };
    const Fila filas[] = {
        {14, Nada, Limpia, true}, {13, Nada, Limpia, false}, {12, Nada, Retruco, true}, {11, Nada, Retruco, false},
        {11, Flor, Limpia, true}, {10, Flor, Limpia, false}, {11, Flor, NoLaTiene, false},
        {10, FlorAchico, Limpia, true}, {9, FlorAchico, Limpia, false},
        {8, FlorJuego, Limpia, true}, {7, FlorJuego, Limpia, false}, {8, FlorJuego, FlorMentida, false},
        {4, FlorContra, Limpia, true}, {3, FlorContra, Limpia, false},
        {12, Nada, EnvidoGanado, true}, {11, Nada, EnvidoGanado, false},
        {12, Nada, EnvidoMentido, false}, {12, Nada, EnvidoLiquidado, false}};
    revisarFilas(filas, [](const Fila& f) {
        Estado e;
        e.CartasRepartidas = {36, 37, 38, 14, 15, 16};
        e.PuntosComputadora = 5;
        e.PuntosJugador = f.suyos;
        if (f.mesa == Retruco) e.EstadoTruco = NivelTruco::ReTruco;
        if (f.flor != Nada) {
            e.EstadoFlor = f.flor;
            e.QuienFlor = e.GanadorFlor = Lado::Jugador;
            e.CartasRepartidas = {0, 2, f.mesa == NoLaTiene ? 8 : 9, 14, 15, 16};
            e.FlorJugador = 27;
            e.FlorCantadaJugador = f.mesa == FlorMentida ? 28 : 27;
        }
        if (f.mesa >= EnvidoGanado) {
            e.CadenaEnvido = e.EnvidoQuerido = Cadena::Envido;
            e.GanadorEnvido = Lado::Jugador;
            e.TantoRealJugador = 25;
            e.TantoCantadoJugador = f.mesa == EnvidoMentido ? 26 : 25;
            e.TantoLiquidado = f.mesa == EnvidoLiquidado;
        }
        EXPECT_EQ(RechazoLeDaElJuego(e), f.esperada);
    });
    // Its own call is made only while a refusal, worth the level below, leaves it short.
    using T = NivelTruco;
    struct { NivelTruco nivel; int suyos; bool esperada; } cantos[] = {
        {T::Truco, 13, true}, {T::Truco, 14, false}, {T::ReTruco, 12, true}, {T::ReTruco, 13, false},
        {T::Vale4, 11, true}, {T::Vale4, 12, false}};
    revisarFilas(cantos, [](const auto& f) {
        Estado e;
        e.PuntosComputadora = f.suyos;
        EXPECT_EQ(PuedeCantarTruco(e, f.nivel), f.esperada);
    });
}

TEST(DecisionJugada, LaPrimera) {
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
    // Its card.
    struct Carta { std::array<int, 3> mias; int suya; std::vector<double> sorteos; int slot; bool truco; };
    const std::vector<Carta> cartas = {
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
    revisarFilas(cartas, [](const Carta& c, Azar& azar) {
        Estado e = conClases(c.mias);
        e.JerarquiaJugador[1] = c.suya;
        const JugadaPrimera j =
            c.suya == SinJugar ? JugadaPrimera{AbrirPrimera(e, azar), false} : ResponderPrimera(e, azar);
        EXPECT_EQ(std::tie(j.slot, j.truco), std::tie(c.slot, c.truco));
    });
}
TEST(DecisionJugada, LaTercera) {
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
TEST(DecisionJugada, LaSegunda) {
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
    // Its card.
    const std::vector<std::pair<Segunda, int>> cartas = {
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
    revisarFilas(cartas, [](const auto& c) { EXPECT_EQ(CartaSegunda(segunda(c.first)), c.second); });
}
// clang-format on
