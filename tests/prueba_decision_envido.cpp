// The computer's envido answers, one table per rule: a row on each side of every
// threshold (its tanto, the scores, how freely the player calls, the draws), and the
// draws it takes, so that a number is drawn only when its test is reached.
#include <gtest/gtest.h>

#include <deque>
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

struct Fila {
    int tanto;
    int puntosJugador;  // to 30; the computer has 0
    Ritmo ritmo;
    std::vector<double> sorteos;
    Q queja;
    R respuesta;
};

VistaEnvido vista(const Fila& f) {
    return {.tantoCompu = f.tanto,
            .puntosJugador = f.puntosJugador,
            .puntosComputadora = 0,
            .puntosJuego = 30,
            .rondasJugadas = f.ritmo.rondas,
            .envidosCantados = f.ritmo.cantados};
}

template <typename Decidir>
void revisar(const std::vector<Fila>& filas, Decidir decidir) {
    for (const Fila& f : filas) {
        SCOPED_TRACE(::testing::Message() << "tanto " << f.tanto << ", jugador " << f.puntosJugador << ", rondas "
                                          << f.ritmo.rondas << "/" << f.ritmo.cantados);
        Sorteos azar;
        azar.cola.assign(f.sorteos.begin(), f.sorteos.end());
        const DecisionEnvido d = decidir(vista(f), azar);
        EXPECT_EQ(d.queja, f.queja);
        EXPECT_EQ(d.respuesta, f.respuesta);
        EXPECT_EQ(azar.tomados, static_cast<int>(f.sorteos.size()));
    }
}

void mesa(Cadena llamada, const std::vector<Fila>& filas) {
    revisar(filas, [&](const VistaEnvido& v, Azar& a) { return ResponderEnvidoDeMesa(llamada, v, a); });
}

void dialogo(Cadena subida, const std::vector<Fila>& filas) {
    revisar(filas, [&](const VistaEnvido& v, Azar& a) { return ResponderSubidaDelDialogo(subida, v, a); });
}

}  // namespace

TEST(DecisionEnvido, ElEnvidoDeLaMesa) {
    mesa(Cadena::Envido, {
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
                             {22, 0, Nunca, {0.21}, Q::Ninguna, R::PorPuntos},
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
    mesa(Cadena::RealEnvido,
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
    mesa(Cadena::FaltaEnvido, {
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
    dialogo(Cadena::EnvidoEnvido, {
                                      {7, 25, Nueve, {}, Q::Apurando, R::Quiero},
                                      {26, 0, Nueve, {}, Q::Apurando, R::Quiero},
                                      {27, 0, Nueve, {}, Q::Facilmente, R::Quiero},
                                      {6, 0, Nueve, {0.9}, Q::Facilmente, R::PorPuntos},
                                      {7, 26, Nueve, {0.1}, Q::Ninguna, R::PorPuntos},
                                      {24, 0, Seis, {0.49}, Q::Facilmente, R::Quiero},
                                      {24, 25, Seis, {0.49}, Q::Facilmente, R::Quiero},
                                      {24, 0, Seis, {0.5}, Q::Facilmente, R::PorPuntos},
                                      {25, 0, Seis, {}, Q::Facilmente, R::Quiero},
                                      {26, 0, Nunca, {0.39}, Q::Ninguna, R::Quiero},
                                      {26, 26, Nunca, {0.39}, Q::Ninguna, R::PorPuntos},
                                      {26, 0, Nunca, {0.4}, Q::Ninguna, R::PorPuntos},
                                      {27, 0, Nunca, {}, Q::Ninguna, R::Quiero},
                                  });
    dialogo(Cadena::EnvidoRealEnvido, {
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
    dialogo(Cadena::FaltaEnvido, {
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
    for (const auto& f : filas)
        EXPECT_EQ(FaltaApurada(f.faltas, f.dialogos), f.apurada) << f.faltas << "/" << f.dialogos;
}

TEST(DecisionEnvido, LaReglaDeLosPuntos) {
    using P = PorPuntos;
    struct {
        Cadena cadena;
        int jugador, computadora, juego;
        P respuesta;
    } filas[] = {
        {Cadena::Envido, 14, 0, 15, P::QuieroSiNoGanas},
        {Cadena::Envido, 13, 0, 15, P::NoQuiero},
        {Cadena::EnvidoRealEnvido, 13, 0, 15, P::QuieroSiNoGanas},
        {Cadena::EnvidoRealEnvido, 12, 0, 15, P::NoQuiero},
        {Cadena::Envido, 3, 14, 15, P::SubeFaltaEsUnPunto},
        {Cadena::Envido, 3, 13, 15, P::NoQuiero},
        {Cadena::FaltaEnvido, 3, 14, 15, P::QuieroEsUnPunto},
        {Cadena::EnvidoFaltaEnvido, 3, 14, 15, P::QuieroEsUnPunto},
        {Cadena::FaltaEnvido, 3, 13, 15, P::NoQuiero},
    };
    for (const auto& f : filas) {
        const VistaEnvido v{.puntosJugador = f.jugador, .puntosComputadora = f.computadora, .puntosJuego = f.juego};
        EXPECT_EQ(ResponderPorPuntos(f.cadena, v), f.respuesta) << f.jugador << "-" << f.computadora;
    }
}

TEST(DecisionEnvido, LaRespuestaDeLosRecuerdos) {
    struct {
        Cadena llamada;
        float chance;
        int jugador;  // to 30
        std::vector<double> sorteos;
        R respuesta;
    } filas[] = {
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
    for (const auto& f : filas) {
        SCOPED_TRACE(::testing::Message() << "chance " << f.chance << ", jugador " << f.jugador);
        Sorteos azar;
        azar.cola.assign(f.sorteos.begin(), f.sorteos.end());
        const VistaEnvido v{.puntosJugador = f.jugador, .puntosJuego = 30};
        EXPECT_EQ(ResponderPorRecuerdos(f.llamada, f.chance, v, azar), f.respuesta);
        EXPECT_EQ(azar.tomados, static_cast<int>(f.sorteos.size()));
    }
}

TEST(DecisionEnvido, LaQuejaYElRechazoDeLosRecuerdos) {
    struct {
        Ritmo ritmo;
        int jugador;
        bool queja;
    } quejas[] = {{Seis, 27, true}, {Seis, 28, false}, {CasiSeis, 0, false}, {Pocas, 0, false}};
    for (const auto& f : quejas) {
        const VistaEnvido v{.puntosJugador = f.jugador,
                            .puntosJuego = 30,
                            .rondasJugadas = f.ritmo.rondas,
                            .envidosCantados = f.ritmo.cantados};
        EXPECT_EQ(QuejaPorRecuerdos(v), f.queja) << f.ritmo.rondas << "/" << f.ritmo.cantados << " " << f.jugador;
    }
    using P = PorPuntos;
    struct {
        Cadena cadena;
        int jugador, computadora;  // to 15
        P respuesta;
    } rechazos[] = {
        {Cadena::Envido, 14, 0, P::QuieroTeFaltaUnPunto},   {Cadena::RealEnvido, 13, 0, P::NoQuiero},
        {Cadena::FaltaEnvido, 3, 14, P::QuieroEsUnPunto},   {Cadena::FaltaEnvido, 3, 13, P::NoQuiero},
        {Cadena::RealEnvido, 3, 14, P::SubeFaltaEsUnPunto},
    };
    for (const auto& f : rechazos) {
        const VistaEnvido v{.puntosJugador = f.jugador, .puntosComputadora = f.computadora, .puntosJuego = 15};
        EXPECT_EQ(RechazoPorRecuerdos(f.cadena, v), f.respuesta) << f.jugador << "-" << f.computadora;
    }
}

// Each figure on both sides of each band; the others at zero. Percentages and the
// average over 100 rows, so each unit is one hundredth.
TEST(DecisionEnvido, LosComentariosDeLaEstadistica) {
    struct Fila {
        long valor;
        std::string texto;
    };
    const auto revisar = [](const std::vector<Fila>& filas, auto estadisticas, auto comentario) {
        for (const Fila& f : filas) {
            const ComentariosEstadistica c = Comentar(estadisticas(f.valor), "Ana");
            EXPECT_EQ(comentario(c), f.texto) << f.valor;
        }
    };
    revisar(
        {{50, "Principiante de Naipalia 2005"},
         {51, "Jugador de Naipalia 2005"},
         {100, "Jugador de Naipalia 2005"},
         {101, "Jugador frecuente de Naipalia 2005"},
         {200, "Jugador frecuente de Naipalia 2005"},
         {201, "Fanático de Naipalia 2005"}},
        [](long n) { return Estadisticas{.filas = n}; }, [](const auto& c) { return c.jugado; });
    revisar(
        {{5, "Un simple chip piensa mas que Ana"},
         {6, "Un pobre desempeño para Ana"},
         {25, "Un pobre desempeño para Ana"},
         {26, "Estás en la lucha......"},
         {50, "Estás en la lucha......"},
         {51, "Sos un jugador destacado"},
         {75, "Sos un jugador destacado"},
         {76, "Estás para campeonatos!!"}},
        [](long n) { return Estadisticas{.filas = 100, .ganadas = n}; }, [](const auto& c) { return c.ganado; });
    revisar(
        {{5, "Sos un ejemplo"},
         {6, "....Una mentirita de vez en cuando...."},
         {25, "....Una mentirita de vez en cuando...."},
         {26, "Sos un mentiroso!!"},
         {50, "Sos un mentiroso!!"},
         {51, "Una larga terapia te hará bien...."},
         {75, "Una larga terapia te hará bien...."},
         {76, "Estás para el neuropsiquiátrico...."}},
        [](long n) { return Estadisticas{.filas = 100, .mentidas = n}; }, [](const auto& c) { return c.mentira; });
    revisar(
        {{2000, "Te lanzas a la pileta!!"},
         {2001, "Sos un arriesgado"},
         {2500, "Sos un arriesgado"},
         {2501, "Un jugador prudente"},
         {2800, "Un jugador prudente"},
         {2801, "Sin cartas no sabes jugar..."},
         {3300, "Sin cartas no sabes jugar..."},
         {3301, ""}},
        [](long n) { return Estadisticas{.filas = 100, .sumaNumero = n}; }, [](const auto& c) { return c.promedio; });
}

namespace {

using A = AperturaEnvido;

struct Apertura {
    int tanto;
    int puntosJugador;  // to 30
    Ritmo ritmo;
    bool jugadorJugo;
    bool esMano;
    std::vector<double> sorteos;
    A llamada;
};

}  // namespace

TEST(DecisionEnvido, LaComputadoraAbreElEnvido) {
    const std::vector<Apertura> filas = {
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
        {4, 0, Nunca, true, false, {}, A::Ninguna},
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
    for (const Apertura& f : filas) {
        SCOPED_TRACE(::testing::Message() << "tanto " << f.tanto << ", jugador " << f.puntosJugador << ", jugó "
                                          << f.jugadorJugo << ", mano " << f.esMano);
        Sorteos azar;
        azar.cola.assign(f.sorteos.begin(), f.sorteos.end());
        const VistaApertura v{.envido = vista({f.tanto, f.puntosJugador, f.ritmo, {}, Q::Ninguna, R::Quiero}),
                              .jugadorJugo = f.jugadorJugo,
                              .computadoraEsMano = f.esMano};
        EXPECT_EQ(AbrirEnvido(v, azar), f.llamada);
        EXPECT_EQ(azar.tomados, static_cast<int>(f.sorteos.size()));
    }
}
