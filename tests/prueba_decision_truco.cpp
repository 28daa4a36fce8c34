// The computer's truco decisions on tables: a row on each side of every threshold, with
// exactly the draws each answer makes.
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <vector>

#include "sorteos.h"
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
// clang-format on
