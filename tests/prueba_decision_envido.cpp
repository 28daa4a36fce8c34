// The computer's envido and flor answers, one table per rule: a row on each side of every
// threshold (its tanto or flor, its cards, the scores, how freely the player calls, the
// draws), and the draws it takes, so that a number is drawn only when its test is reached.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sorteos.h"
#include "opponent/decision_envido.h"
#include "opponent/decision_flor.h"
#include "players/jugadores.h"

using namespace naipalia;

namespace {

using R = RespuestaEnvido;
using Q = Queja;
constexpr auto Ap = Q::Apurando, Fa = Q::Facilmente, Ni = Q::Ninguna;
constexpr auto Si = R::Quiero, No = R::NoQuiero, PP = R::PorPuntos, SR = R::SubeReal, SF = R::SubeFalta;

// Rounds played and envidos called: how freely the player calls.
struct Ritmo {
    int rondas, cantados;
};
constexpr Ritmo Nunca{0, 0};
constexpr Ritmo Pocas{3, 3};       // every round, but fewer than four
constexpr Ritmo CasiSeis{6, 3};    // five tenths
constexpr Ritmo Seis{5, 3};        // six tenths exactly
constexpr Ritmo Ocho{5, 4};        // eight tenths exactly
constexpr Ritmo CasiOcho{10, 7};   // seven tenths
constexpr Ritmo Nueve{10, 9};      // nine tenths exactly
constexpr Ritmo CasiNueve{10, 8};  // eight tenths

// The player's score is to 30; the computer has 0.
VistaEnvido vista(int tanto, int puntosJugador, Ritmo ritmo) {
    return {.tantoCompu = tanto,
            .puntosJugador = puntosJugador,
            .puntosJuego = 30,
            .rondasJugadas = ritmo.rondas,
            .envidosCantados = ritmo.cantados};
}

struct Fila {
    int tanto;
    int puntosJugador;
    Ritmo ritmo;
    std::vector<double> sorteos;
    Q queja;
    R respuesta;
};

// A call from the table or a raise in the Tanto dialog, answered row by row.
void revisar(DecisionEnvido (*responder)(Cadena, const VistaEnvido&, Azar&), Cadena llamada,
             const std::vector<Fila>& filas) {
    revisarFilas(filas, [&](const Fila& f, Azar& azar) {
        const DecisionEnvido d = responder(llamada, vista(f.tanto, f.puntosJugador, f.ritmo), azar);
        EXPECT_EQ(d.queja, f.queja);
        EXPECT_EQ(d.respuesta, f.respuesta);
    });
}

using RF = RespuestaFlor;

constexpr std::array<int, 3> Bajas{10, 11, 13};
constexpr std::array<int, 3> UnaAlta{10, 9, 13};

struct FilaFlor {
    int flor;
    std::array<int, 3> clases;
    int puntosJugador;  // to 15
    std::vector<double> sorteos;
    RF respuesta;
};

void revisarFlor(RF (*decidir)(const VistaFlor&, Azar&), const std::vector<FilaFlor>& filas) {
    revisarFilas(filas, [&](const FilaFlor& f, Azar& azar) {
        const VistaFlor v{.florCompu = f.flor, .clases = f.clases, .puntosJugador = f.puntosJugador, .puntosJuego = 15};
        EXPECT_EQ(decidir(v, azar), f.respuesta);
    });
}

}  // namespace

// clang-format off
TEST(DecisionEnvido, LasRespuestasAlCanto) {
    revisar(ResponderEnvidoDeMesa, Cadena::Envido, {
        // Calling freely: nine tenths of at least four rounds, tanto 7 to 21, more than 2 to go.
        {7, 27, Nueve, {}, Ap, Si}, {21, 0, Nueve, {}, Ap, Si}, {6, 0, Nueve, {0.9}, Fa, PP},
        {22, 0, Nueve, {}, Fa, Si}, {7, 0, CasiNueve, {0.9}, Fa, PP}, {7, 28, Nueve, {0.9}, Ni, PP},
        // Six tenths, more than 2 to go: the facilmente bands.
        {5, 27, Seis, {}, Fa, PP}, {5, 28, Seis, {}, Ni, PP}, {25, 0, CasiSeis, {0.9}, Ni, Si},
        {25, 0, Pocas, {0.9}, Ni, Si}, {6, 0, Seis, {0.29}, Fa, SR}, {6, 0, Seis, {0.3}, Fa, PP},
        {20, 24, Seis, {0.29}, Fa, SR}, {20, 25, Seis, {0.29}, Fa, PP}, {21, 0, Seis, {}, Fa, Si},
        {27, 0, Seis, {}, Fa, Si}, {28, 0, Seis, {}, Fa, SR}, {31, 24, Seis, {}, Fa, SR},
        {32, 24, Seis, {}, Fa, SF}, {32, 25, Seis, {}, Fa, SR},
        // Otherwise.
        {5, 0, Nunca, {}, Ni, PP}, {6, 0, Nunca, {0.19}, Ni, SR}, {6, 0, Nunca, {0.2}, Ni, PP},
        {22, 24, Nunca, {0.19}, Ni, SR}, {22, 25, Nunca, {0.19}, Ni, PP}, {23, 0, Nunca, {0.21}, Ni, SR},
        {28, 0, Nunca, {0.24}, Ni, SR}, {28, 0, Nunca, {0.25}, Ni, Si}, {28, 25, Nunca, {0.1}, Ni, Si},
        {29, 0, Nunca, {}, Ni, SR}, {31, 24, Nunca, {}, Ni, SR}, {32, 24, Nunca, {}, Ni, SF},
        {33, 25, Nunca, {}, Ni, SR}});
    revisar(ResponderEnvidoDeMesa, Cadena::RealEnvido, {
        {7, 26, Nueve, {}, Ap, Si}, {27, 0, Nueve, {}, Ap, Si}, {6, 0, Nueve, {}, Fa, PP},
        {28, 0, Nueve, {}, Fa, Si}, {7, 27, Nueve, {}, Ni, PP}, {7, 0, CasiNueve, {}, Fa, PP},
        {19, 26, Seis, {}, Fa, PP}, {19, 27, Seis, {}, Ni, PP}, {20, 0, Seis, {0.69}, Fa, Si},
        {20, 0, Seis, {0.7}, Fa, PP}, {22, 0, CasiSeis, {}, Ni, PP}, {23, 0, Seis, {}, Fa, Si},
        {30, 0, Seis, {}, Fa, Si}, {31, 26, Seis, {}, Fa, SF}, {24, 0, Nunca, {}, Ni, PP},
        {25, 0, Nunca, {0.29}, Ni, Si}, {27, 29, Nunca, {0.29}, Ni, Si}, {27, 0, Nunca, {0.3}, Ni, PP},
        {28, 0, Nunca, {}, Ni, Si}, {30, 26, Nunca, {}, Ni, Si}, {31, 26, Nunca, {}, Ni, SF},
        {31, 27, Nunca, {}, Ni, Si}});
    revisar(ResponderEnvidoDeMesa, Cadena::FaltaEnvido, {
        {20, 29, Ocho, {}, Ap, Si}, {19, 0, Ocho, {}, Fa, PP}, {20, 0, CasiOcho, {0.9}, Fa, PP},
        {20, 29, Seis, {0.69}, Fa, Si}, {26, 0, Seis, {0.7}, Fa, PP}, {27, 0, Seis, {}, Fa, Si},
        {25, 0, CasiSeis, {}, Ni, PP}, {26, 0, Nunca, {0.49}, Ni, Si}, {29, 0, Nunca, {0.5}, Ni, PP},
        {30, 0, Nunca, {}, Ni, Si}});
    // The player's raises in the Tanto dialog.
    revisar(ResponderSubidaDelDialogo, Cadena::EnvidoEnvido, {
        {7, 25, Nueve, {}, Ap, Si}, {26, 0, Nueve, {}, Ap, Si}, {27, 0, Nueve, {}, Fa, Si},
        {6, 0, Nueve, {0.9}, Fa, PP}, {7, 26, Nueve, {0.1}, Ni, PP}, {24, 25, Seis, {0.49}, Fa, Si},
        {24, 0, Seis, {0.5}, Fa, PP}, {25, 0, Seis, {}, Fa, Si}, {26, 25, Nunca, {0.39}, Ni, Si},
        {26, 26, Nunca, {0.39}, Ni, PP}, {26, 0, Nunca, {0.4}, Ni, PP}, {27, 0, Nunca, {}, Ni, Si}});
    revisar(ResponderSubidaDelDialogo, Cadena::EnvidoRealEnvido, {
        {7, 24, Nueve, {}, Ap, Si}, {27, 0, Nueve, {}, Ap, Si}, {6, 0, Nueve, {0.9}, Fa, PP},
        {7, 25, Nueve, {0.9}, Ni, PP}, {25, 24, Seis, {0.59}, Fa, Si}, {25, 25, Seis, {0.59}, Ni, PP},
        {25, 0, Seis, {0.6}, Fa, PP}, {26, 0, Seis, {}, Fa, Si}, {27, 24, Nunca, {0.29}, Ni, Si},
        {27, 25, Nunca, {0.29}, Ni, PP}, {27, 0, Nunca, {0.3}, Ni, PP}, {28, 0, Nunca, {}, Ni, Si}});
    revisar(ResponderSubidaDelDialogo, Cadena::FaltaEnvido, {
        {24, 29, Seis, {}, Fa, PP}, {25, 29, Seis, {}, Fa, Si}, {28, 0, CasiSeis, {}, Ni, PP},
        {29, 0, Nunca, {}, Ni, Si}});
    struct { int faltas, dialogos; bool apurada; } faltas[] = {
        {2, 5, true}, {7, 20, false}, {8, 20, true}, {4, 4, false}};
    revisarFilas(faltas, [](const auto& f) { EXPECT_EQ(FaltaApurada(f.faltas, f.dialogos), f.apurada); });
}

// The score rules, to 15: the player's and the history's; then the history's answer.
TEST(DecisionEnvido, LasReglasDeLosPuntosYDeLosRecuerdos) {
    using P = PorPuntos;
    using enum Cadena;
    struct Fila { P (*regla)(Cadena, const VistaEnvido&); Cadena cadena; int jugador, computadora; P respuesta; };
    const auto Pu = ResponderPorPuntos, Re = RechazoPorRecuerdos;
    const std::vector<Fila> filas = {
        {Pu, Envido, 14, 0, P::QuieroSiNoGanas}, {Pu, Envido, 13, 0, P::NoQuiero},
        {Pu, EnvidoRealEnvido, 13, 0, P::QuieroSiNoGanas}, {Pu, EnvidoRealEnvido, 12, 0, P::NoQuiero},
        {Pu, Envido, 3, 14, P::SubeFaltaEsUnPunto}, {Pu, Envido, 3, 13, P::NoQuiero},
        {Pu, FaltaEnvido, 3, 14, P::QuieroEsUnPunto}, {Pu, EnvidoFaltaEnvido, 3, 14, P::QuieroEsUnPunto},
        {Pu, FaltaEnvido, 3, 13, P::NoQuiero}, {Re, Envido, 14, 0, P::QuieroTeFaltaUnPunto},
        {Re, RealEnvido, 13, 0, P::NoQuiero}, {Re, FaltaEnvido, 3, 14, P::QuieroEsUnPunto},
        {Re, FaltaEnvido, 3, 13, P::NoQuiero}, {Re, RealEnvido, 3, 14, P::SubeFaltaEsUnPunto}};
    revisarFilas(filas, [](const Fila& f) {
        const VistaEnvido v{.puntosJugador = f.jugador, .puntosComputadora = f.computadora, .puntosJuego = 15};
        EXPECT_EQ(f.regla(f.cadena, v), f.respuesta);
    });
    // The history's answer, the player to 30.
    struct Recuerdo { Cadena llamada; float chance; int jugador; std::vector<double> sorteos; R respuesta; };
    const std::vector<Recuerdo> recuerdos = {
        {Envido, 0.14f, 0, {0.24}, SR}, {Envido, 0.14f, 0, {0.25}, No}, {RealEnvido, 0.14f, 0, {}, No},
        {Envido, 0.15f, 0, {0.49}, Si}, {FaltaEnvido, 7.0f / 20, 0, {0.5}, No}, {Envido, 0.36f, 0, {}, Si},
        {Envido, 0.65f, 0, {}, Si}, {Envido, 0.66f, 0, {}, SR}, {RealEnvido, 17.0f / 20, 0, {}, Si},
        {Envido, 17.0f / 20, 0, {}, SR}, {Envido, 0.86f, 27, {}, SF}, {Envido, 0.86f, 28, {}, Si},
        {RealEnvido, 1, 26, {}, SF}, {RealEnvido, 1, 27, {}, Si}, {FaltaEnvido, 1, 0, {}, Si}};
    revisarFilas(recuerdos, [](const Recuerdo& f, Azar& azar) {
        EXPECT_EQ(ResponderPorRecuerdos(f.llamada, f.chance, vista(0, f.jugador, Nunca), azar), f.respuesta);
    });
    struct { Ritmo ritmo; int jugador; bool queja; } quejas[] = {
        {Seis, 27, true}, {Seis, 28, false}, {CasiSeis, 0, false}, {Pocas, 0, false}};
    revisarFilas(quejas, [](const auto& f) { EXPECT_EQ(QuejaPorRecuerdos(vista(0, f.jugador, f.ritmo)), f.queja); });
}

// The player to 30; it leads (L) or answers the player's card (J), and is mano (M) or not.
TEST(DecisionEnvido, LaComputadoraAbreElEnvido) {
    using A = AperturaEnvido;
    enum Turno { L, J, LM, JM };
    struct Fila { int tanto, jugador; Ritmo ritmo; Turno turno; std::vector<double> sorteos; A llamada; };
    const std::vector<Fila> filas = {
        // Leading with a middling tanto: only against a player who calls freely, far from winning.
        {4, 0, Nueve, L, {}, A::Ninguna}, {5, 0, Seis, L, {0.29}, A::Envido}, {19, 27, Seis, L, {0.29}, A::Envido},
        {19, 28, Seis, L, {0.29}, A::Ninguna}, {19, 0, Seis, L, {0.3}, A::Ninguna},
        {19, 0, CasiSeis, L, {0.1}, A::Ninguna}, {19, 0, Pocas, L, {0.1}, A::Ninguna},
        {20, 0, Nunca, L, {0.49}, A::Envido}, {25, 0, Nunca, L, {0.5}, A::Ninguna},
        // After the player's card, half-blind.
        {5, 0, Nunca, J, {0.59, 0.49}, A::FaltaEnvido}, {25, 0, Nunca, J, {0.59, 0.5}, A::RealEnvido},
        {25, 0, Nunca, J, {0.6}, A::Ninguna}, {26, 0, Nunca, J, {}, A::Envido},
        {26, 0, Nunca, L, {0.69}, A::Envido}, {26, 0, Nunca, L, {0.7}, A::Ninguna},
        // 27 and 28: envido, but as mano it keeps quiet on a low draw.
        {27, 0, Nunca, L, {}, A::Envido}, {28, 0, Nunca, LM, {0.19}, A::Ninguna}, {27, 0, Nunca, JM, {0.2}, A::Envido},
        {29, 0, Nunca, LM, {}, A::RealEnvido}, {30, 0, Nunca, J, {}, A::RealEnvido},
        // From 31: falta on a draw when the player needs more than 3, else real; or envido.
        {31, 26, Nunca, L, {0.69}, A::FaltaEnvido}, {33, 27, Nunca, J, {0.1}, A::RealEnvido},
        {31, 0, Nunca, L, {0.7}, A::Envido}};
    revisarFilas(filas, [](const Fila& f, Azar& azar) {
        const VistaApertura v{.envido = vista(f.tanto, f.jugador, f.ritmo),
                              .jugadorJugo = f.turno == J || f.turno == JM, .computadoraEsMano = f.turno >= LM};
        EXPECT_EQ(AbrirEnvido(v, azar), f.llamada);
    });
}

// The flor's answers, one table per rule: its flor, its cards and the score.
TEST(DecisionFlor, LasRespuestas) {
    revisarFlor(ResponderFlor, {
        {22, Bajas, 10, {}, RF::Mazo}, {22, Bajas, 11, {}, RF::Achico}, {22, UnaAlta, 0, {}, RF::Achico},
        {23, Bajas, 0, {0.29}, RF::Juego}, {24, Bajas, 0, {0.3}, RF::Achico}, {25, UnaAlta, 0, {0.79}, RF::Juego},
        {29, UnaAlta, 0, {0.8}, RF::Achico}, {30, UnaAlta, 0, {0.69}, RF::Juego}, {35, UnaAlta, 0, {0.7}, RF::Contra},
        {36, UnaAlta, 0, {}, RF::Contra}});
    // Con flor juego, then the contra flor.
    revisarFlor(ResponderFlorJuego, {
        {24, UnaAlta, 0, {0.09}, RF::ContraResto}, {24, UnaAlta, 0, {0.1}, RF::NoQuiero},
        {25, UnaAlta, 0, {0.49}, RF::Quiero}, {32, UnaAlta, 0, {0.5}, RF::NoQuiero}, {33, UnaAlta, 0, {0.49}, RF::Quiero},
        {35, UnaAlta, 0, {0.5}, RF::ContraResto}, {36, UnaAlta, 0, {}, RF::ContraResto}});
    revisarFlor(ResponderContraFlor, {
        {29, UnaAlta, 0, {}, RF::NoQuiero}, {30, UnaAlta, 0, {0.34}, RF::Quiero}, {35, UnaAlta, 0, {0.35}, RF::NoQuiero},
        {36, UnaAlta, 0, {}, RF::Quiero}});
}
// clang-format on

// The last value of each band and the next band's first; the other figures at zero.
// Percentages and the average over 100 rows, so each unit is one hundredth.
TEST(DecisionEnvido, LosComentariosDeLaEstadistica) {
    using S = Estadisticas;
    using C = ComentariosEstadistica;
    struct Fila {
        long S::*cifra;
        std::string C::*comentario;
        long ultimo;
        std::string hasta, desde;
    };
    const std::vector<Fila> filas = {
        {&S::filas, &C::jugado, 50, "Principiante de Naipalia 2005", "Jugador de Naipalia 2005"},
        {&S::filas, &C::jugado, 100, "Jugador de Naipalia 2005", "Jugador frecuente de Naipalia 2005"},
        {&S::filas, &C::jugado, 200, "Jugador frecuente de Naipalia 2005", "Fanático de Naipalia 2005"},
        {&S::ganadas, &C::ganado, 5, "Un simple chip piensa mas que Ana", "Un pobre desempeño para Ana"},
        {&S::ganadas, &C::ganado, 25, "Un pobre desempeño para Ana", "Estás en la lucha......"},
        {&S::ganadas, &C::ganado, 50, "Estás en la lucha......", "Sos un jugador destacado"},
        {&S::ganadas, &C::ganado, 75, "Sos un jugador destacado", "Estás para campeonatos!!"},
        {&S::mentidas, &C::mentira, 5, "Sos un ejemplo", "....Una mentirita de vez en cuando...."},
        {&S::mentidas, &C::mentira, 25, "....Una mentirita de vez en cuando....", "Sos un mentiroso!!"},
        {&S::mentidas, &C::mentira, 50, "Sos un mentiroso!!", "Una larga terapia te hará bien...."},
        {&S::mentidas, &C::mentira, 75, "Una larga terapia te hará bien....", "Estás para el neuropsiquiátrico...."},
        {&S::sumaNumero, &C::promedio, 2000, "Te lanzas a la pileta!!", "Sos un arriesgado"},
        {&S::sumaNumero, &C::promedio, 2500, "Sos un arriesgado", "Un jugador prudente"},
        {&S::sumaNumero, &C::promedio, 2800, "Un jugador prudente", "Sin cartas no sabes jugar..."},
        {&S::sumaNumero, &C::promedio, 3300, "Sin cartas no sabes jugar...", ""},
    };
    revisarFilas(filas, [](const Fila& f) {
        S s{.filas = 100};
        s.*f.cifra = f.ultimo;
        EXPECT_EQ(Comentar(s, "Ana").*f.comentario, f.hasta);
        s.*f.cifra = f.ultimo + 1;
        EXPECT_EQ(Comentar(s, "Ana").*f.comentario, f.desde);
    });
}
