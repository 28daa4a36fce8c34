// The computer's envido answers, one table per rule: a row on each side of every
// threshold (its tanto, the scores, how freely the player calls, the draws), and the
// draws it takes, so that a number is drawn only when its test is reached.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sorteos.h"
#include "opponent/decision_envido.h"
#include "players/jugadores.h"

using namespace naipalia;

namespace {

using R = RespuestaEnvido;
using Q = Queja;

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

}  // namespace

TEST(DecisionEnvido, ElEnvidoDeLaMesa) {
    revisar(ResponderEnvidoDeMesa, Cadena::Envido,
            {
                // Calling freely: nine tenths of at least four rounds, tanto 7 to 21, more than 2 to go.
                {7, 27, Nueve, {}, Q::Apurando, R::Quiero},
                {21, 0, Nueve, {}, Q::Apurando, R::Quiero},
                {6, 0, Nueve, {0.9}, Q::Facilmente, R::PorPuntos},
                {22, 0, Nueve, {}, Q::Facilmente, R::Quiero},
                {7, 0, CasiNueve, {0.9}, Q::Facilmente, R::PorPuntos},
                {7, 28, Nueve, {0.9}, Q::Ninguna, R::PorPuntos},
                // Six tenths, more than 2 to go: the facilmente bands.
                {5, 27, Seis, {}, Q::Facilmente, R::PorPuntos},
                {5, 28, Seis, {}, Q::Ninguna, R::PorPuntos},
                {25, 0, CasiSeis, {0.9}, Q::Ninguna, R::Quiero},
                {25, 0, Pocas, {0.9}, Q::Ninguna, R::Quiero},
                {6, 0, Seis, {0.29}, Q::Facilmente, R::SubeReal},
                {6, 0, Seis, {0.3}, Q::Facilmente, R::PorPuntos},
                {20, 24, Seis, {0.29}, Q::Facilmente, R::SubeReal},
                {20, 25, Seis, {0.29}, Q::Facilmente, R::PorPuntos},
                {21, 0, Seis, {}, Q::Facilmente, R::Quiero},
                {27, 0, Seis, {}, Q::Facilmente, R::Quiero},
                {28, 0, Seis, {}, Q::Facilmente, R::SubeReal},
                {31, 24, Seis, {}, Q::Facilmente, R::SubeReal},
                {32, 24, Seis, {}, Q::Facilmente, R::SubeFalta},
                {32, 25, Seis, {}, Q::Facilmente, R::SubeReal},
                // Otherwise.
                {5, 0, Nunca, {}, Q::Ninguna, R::PorPuntos},
                {6, 0, Nunca, {0.19}, Q::Ninguna, R::SubeReal},
                {6, 0, Nunca, {0.2}, Q::Ninguna, R::PorPuntos},
                {22, 24, Nunca, {0.19}, Q::Ninguna, R::SubeReal},
                {22, 25, Nunca, {0.19}, Q::Ninguna, R::PorPuntos},
                {23, 0, Nunca, {0.21}, Q::Ninguna, R::SubeReal},
                {28, 0, Nunca, {0.24}, Q::Ninguna, R::SubeReal},
                {28, 0, Nunca, {0.25}, Q::Ninguna, R::Quiero},
                {28, 25, Nunca, {0.1}, Q::Ninguna, R::Quiero},
                {29, 0, Nunca, {}, Q::Ninguna, R::SubeReal},
                {31, 24, Nunca, {}, Q::Ninguna, R::SubeReal},
                {32, 24, Nunca, {}, Q::Ninguna, R::SubeFalta},
                {33, 25, Nunca, {}, Q::Ninguna, R::SubeReal},
            });
}

TEST(DecisionEnvido, ElRealEnvidoDeLaMesa) {
    revisar(ResponderEnvidoDeMesa, Cadena::RealEnvido,
            {
                {7, 26, Nueve, {}, Q::Apurando, R::Quiero},      {27, 0, Nueve, {}, Q::Apurando, R::Quiero},
                {6, 0, Nueve, {}, Q::Facilmente, R::PorPuntos},  {28, 0, Nueve, {}, Q::Facilmente, R::Quiero},
                {7, 27, Nueve, {}, Q::Ninguna, R::PorPuntos},    {7, 0, CasiNueve, {}, Q::Facilmente, R::PorPuntos},
                {19, 26, Seis, {}, Q::Facilmente, R::PorPuntos}, {19, 27, Seis, {}, Q::Ninguna, R::PorPuntos},
                {20, 0, Seis, {0.69}, Q::Facilmente, R::Quiero}, {20, 0, Seis, {0.7}, Q::Facilmente, R::PorPuntos},
                {22, 0, CasiSeis, {}, Q::Ninguna, R::PorPuntos}, {23, 0, Seis, {}, Q::Facilmente, R::Quiero},
                {30, 0, Seis, {}, Q::Facilmente, R::Quiero},     {31, 26, Seis, {}, Q::Facilmente, R::SubeFalta},
                {24, 0, Nunca, {}, Q::Ninguna, R::PorPuntos},    {25, 0, Nunca, {0.29}, Q::Ninguna, R::Quiero},
                {27, 29, Nunca, {0.29}, Q::Ninguna, R::Quiero},  {27, 0, Nunca, {0.3}, Q::Ninguna, R::PorPuntos},
                {28, 0, Nunca, {}, Q::Ninguna, R::Quiero},       {30, 26, Nunca, {}, Q::Ninguna, R::Quiero},
                {31, 26, Nunca, {}, Q::Ninguna, R::SubeFalta},   {31, 27, Nunca, {}, Q::Ninguna, R::Quiero},
            });
}

TEST(DecisionEnvido, LaFaltaEnvidoDeLaMesa) {
    revisar(ResponderEnvidoDeMesa, Cadena::FaltaEnvido,
            {
                {20, 29, Ocho, {}, Q::Apurando, R::Quiero},
                {19, 0, Ocho, {}, Q::Facilmente, R::PorPuntos},
                {20, 0, CasiOcho, {0.9}, Q::Facilmente, R::PorPuntos},
                {20, 29, Seis, {0.69}, Q::Facilmente, R::Quiero},
                {26, 0, Seis, {0.7}, Q::Facilmente, R::PorPuntos},
                {27, 0, Seis, {}, Q::Facilmente, R::Quiero},
                {25, 0, CasiSeis, {}, Q::Ninguna, R::PorPuntos},
                {26, 0, Nunca, {0.49}, Q::Ninguna, R::Quiero},
                {29, 0, Nunca, {0.5}, Q::Ninguna, R::PorPuntos},
                {30, 0, Nunca, {}, Q::Ninguna, R::Quiero},
            });
}

TEST(DecisionEnvido, LasSubidasDelJugadorEnElDialogo) {
    revisar(ResponderSubidaDelDialogo, Cadena::EnvidoEnvido,
            {
                {7, 25, Nueve, {}, Q::Apurando, R::Quiero},
                {26, 0, Nueve, {}, Q::Apurando, R::Quiero},
                {27, 0, Nueve, {}, Q::Facilmente, R::Quiero},
                {6, 0, Nueve, {0.9}, Q::Facilmente, R::PorPuntos},
                {7, 26, Nueve, {0.1}, Q::Ninguna, R::PorPuntos},
                {24, 25, Seis, {0.49}, Q::Facilmente, R::Quiero},
                {24, 0, Seis, {0.5}, Q::Facilmente, R::PorPuntos},
                {25, 0, Seis, {}, Q::Facilmente, R::Quiero},
                {26, 25, Nunca, {0.39}, Q::Ninguna, R::Quiero},
                {26, 26, Nunca, {0.39}, Q::Ninguna, R::PorPuntos},
                {26, 0, Nunca, {0.4}, Q::Ninguna, R::PorPuntos},
                {27, 0, Nunca, {}, Q::Ninguna, R::Quiero},
            });
    revisar(ResponderSubidaDelDialogo, Cadena::EnvidoRealEnvido,
            {
                {7, 24, Nueve, {}, Q::Apurando, R::Quiero},
                {27, 0, Nueve, {}, Q::Apurando, R::Quiero},
                {6, 0, Nueve, {0.9}, Q::Facilmente, R::PorPuntos},
                {7, 25, Nueve, {0.9}, Q::Ninguna, R::PorPuntos},
                {25, 24, Seis, {0.59}, Q::Facilmente, R::Quiero},
                {25, 25, Seis, {0.59}, Q::Ninguna, R::PorPuntos},
                {25, 0, Seis, {0.6}, Q::Facilmente, R::PorPuntos},
                {26, 0, Seis, {}, Q::Facilmente, R::Quiero},
                {27, 24, Nunca, {0.29}, Q::Ninguna, R::Quiero},
                {27, 25, Nunca, {0.29}, Q::Ninguna, R::PorPuntos},
                {27, 0, Nunca, {0.3}, Q::Ninguna, R::PorPuntos},
                {28, 0, Nunca, {}, Q::Ninguna, R::Quiero},
            });
    revisar(ResponderSubidaDelDialogo, Cadena::FaltaEnvido,
            {
                {24, 29, Seis, {}, Q::Facilmente, R::PorPuntos},
                {25, 29, Seis, {}, Q::Facilmente, R::Quiero},
                {28, 0, CasiSeis, {}, Q::Ninguna, R::PorPuntos},
                {29, 0, Nunca, {}, Q::Ninguna, R::Quiero},
            });
}

TEST(DecisionEnvido, LaFaltaApuradaDelDialogo) {
    struct {
        int faltas, dialogos;
        bool apurada;
    } filas[] = {{2, 5, true}, {7, 20, false}, {8, 20, true}, {4, 4, false}};
    revisarFilas(filas, [](const auto& f) { EXPECT_EQ(FaltaApurada(f.faltas, f.dialogos), f.apurada); });
}

// The score rules, to 15: the player's and the history's.
TEST(DecisionEnvido, LaReglaDeLosPuntos) {
    using P = PorPuntos;
    struct Fila {
        PorPuntos (*regla)(Cadena, const VistaEnvido&);
        Cadena cadena;
        int jugador, computadora;
        P respuesta;
    };
    const auto Puntos = ResponderPorPuntos, Recuerdos = RechazoPorRecuerdos;
    const std::vector<Fila> filas = {
        {Puntos, Cadena::Envido, 14, 0, P::QuieroSiNoGanas},
        {Puntos, Cadena::Envido, 13, 0, P::NoQuiero},
        {Puntos, Cadena::EnvidoRealEnvido, 13, 0, P::QuieroSiNoGanas},
        {Puntos, Cadena::EnvidoRealEnvido, 12, 0, P::NoQuiero},
        {Puntos, Cadena::Envido, 3, 14, P::SubeFaltaEsUnPunto},
        {Puntos, Cadena::Envido, 3, 13, P::NoQuiero},
        {Puntos, Cadena::FaltaEnvido, 3, 14, P::QuieroEsUnPunto},
        {Puntos, Cadena::EnvidoFaltaEnvido, 3, 14, P::QuieroEsUnPunto},
        {Puntos, Cadena::FaltaEnvido, 3, 13, P::NoQuiero},
        {Recuerdos, Cadena::Envido, 14, 0, P::QuieroTeFaltaUnPunto},
        {Recuerdos, Cadena::RealEnvido, 13, 0, P::NoQuiero},
        {Recuerdos, Cadena::FaltaEnvido, 3, 14, P::QuieroEsUnPunto},
        {Recuerdos, Cadena::FaltaEnvido, 3, 13, P::NoQuiero},
        {Recuerdos, Cadena::RealEnvido, 3, 14, P::SubeFaltaEsUnPunto},
    };
    revisarFilas(filas, [](const Fila& f) {
        const VistaEnvido v{.puntosJugador = f.jugador, .puntosComputadora = f.computadora, .puntosJuego = 15};
        EXPECT_EQ(f.regla(f.cadena, v), f.respuesta);
    });
}

TEST(DecisionEnvido, LaRespuestaDeLosRecuerdos) {
    struct Fila {
        Cadena llamada;
        float chance;
        int jugador;  // to 30
        std::vector<double> sorteos;
        R respuesta;
    };
    const std::vector<Fila> filas = {
        {Cadena::Envido, 0.14f, 0, {0.24}, R::SubeReal},
        {Cadena::Envido, 0.14f, 0, {0.25}, R::NoQuiero},
        {Cadena::RealEnvido, 0.14f, 0, {}, R::NoQuiero},
        {Cadena::Envido, 0.15f, 0, {0.49}, R::Quiero},
        {Cadena::FaltaEnvido, 7.0f / 20, 0, {0.5}, R::NoQuiero},
        {Cadena::Envido, 0.36f, 0, {}, R::Quiero},
        {Cadena::Envido, 0.65f, 0, {}, R::Quiero},
        {Cadena::Envido, 0.66f, 0, {}, R::SubeReal},
        {Cadena::RealEnvido, 17.0f / 20, 0, {}, R::Quiero},
        {Cadena::Envido, 17.0f / 20, 0, {}, R::SubeReal},
        {Cadena::Envido, 0.86f, 27, {}, R::SubeFalta},
        {Cadena::Envido, 0.86f, 28, {}, R::Quiero},
        {Cadena::RealEnvido, 1, 26, {}, R::SubeFalta},
        {Cadena::RealEnvido, 1, 27, {}, R::Quiero},
        {Cadena::FaltaEnvido, 1, 0, {}, R::Quiero},
    };
    revisarFilas(filas, [](const Fila& f, Azar& azar) {
        EXPECT_EQ(ResponderPorRecuerdos(f.llamada, f.chance, vista(0, f.jugador, Nunca), azar), f.respuesta);
    });
    struct {
        Ritmo ritmo;
        int jugador;
        bool queja;
    } quejas[] = {{Seis, 27, true}, {Seis, 28, false}, {CasiSeis, 0, false}, {Pocas, 0, false}};
    revisarFilas(quejas, [](const auto& f) { EXPECT_EQ(QuejaPorRecuerdos(vista(0, f.jugador, f.ritmo)), f.queja); });
}

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

TEST(DecisionEnvido, LaComputadoraAbreElEnvido) {
    using A = AperturaEnvido;
    struct Fila {
        int tanto;
        int puntosJugador;  // to 30
        Ritmo ritmo;
        bool jugadorJugo;
        bool esMano;
        std::vector<double> sorteos;
        A llamada;
    };
    const std::vector<Fila> filas = {
        // Leading with a middling tanto: only against a player who calls freely, far from winning.
        {4, 0, Nueve, false, false, {}, A::Ninguna},
        {5, 0, Seis, false, false, {0.29}, A::Envido},
        {19, 27, Seis, false, false, {0.29}, A::Envido},
        {19, 28, Seis, false, false, {0.29}, A::Ninguna},
        {19, 0, Seis, false, false, {0.3}, A::Ninguna},
        {19, 0, CasiSeis, false, false, {0.1}, A::Ninguna},
        {19, 0, Pocas, false, false, {0.1}, A::Ninguna},
        {20, 0, Nunca, false, false, {0.49}, A::Envido},
        {25, 0, Nunca, false, false, {0.5}, A::Ninguna},
        // After the player's card, half-blind.
        {5, 0, Nunca, true, false, {0.59, 0.49}, A::FaltaEnvido},
        {25, 0, Nunca, true, false, {0.59, 0.5}, A::RealEnvido},
        {25, 0, Nunca, true, false, {0.6}, A::Ninguna},
        {26, 0, Nunca, true, false, {}, A::Envido},
        {26, 0, Nunca, false, false, {0.69}, A::Envido},
        {26, 0, Nunca, false, false, {0.7}, A::Ninguna},
        // 27 and 28: envido, but as mano it keeps quiet on a low draw.
        {27, 0, Nunca, false, false, {}, A::Envido},
        {28, 0, Nunca, false, true, {0.19}, A::Ninguna},
        {27, 0, Nunca, true, true, {0.2}, A::Envido},
        {29, 0, Nunca, false, true, {}, A::RealEnvido},
        {30, 0, Nunca, true, false, {}, A::RealEnvido},
        // From 31: falta on a draw when the player needs more than 3, else real; or envido.
        {31, 26, Nunca, false, false, {0.69}, A::FaltaEnvido},
        {33, 27, Nunca, true, false, {0.1}, A::RealEnvido},
        {31, 0, Nunca, false, false, {0.7}, A::Envido},
    };
    revisarFilas(filas, [](const Fila& f, Azar& azar) {
        const VistaApertura v{.envido = vista(f.tanto, f.puntosJugador, f.ritmo),
                              .jugadorJugo = f.jugadorJugo,
                              .computadoraEsMano = f.esMano};
        EXPECT_EQ(AbrirEnvido(v, azar), f.llamada);
    });
}
