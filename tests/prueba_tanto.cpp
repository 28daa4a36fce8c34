#include <gtest/gtest.h>

#include "game/tanto.h"

using namespace naipalia;

namespace {
// Card numbers by face and suit.
constexpr int c4E = 36, c5E = 33, c7O = 3, c7C = 26, c6C = 30, c5C = 34, c10E = 22, c11E = 19, c1O = 12;
constexpr int c12E = 15, c11B = 21, c10O = 23, c1E = 0, c1B = 1, c4O = 39, c4C = 37, c3C = 6, c2C = 10, c1C = 13;
}  // namespace

TEST(Tanto, ParesDelMismoPaloYCartaSola) {
    EXPECT_EQ(CalcularTanto(c4E, c5E, c7O).tanto, 29);
    EXPECT_EQ(CalcularTanto(c7C, c6C, c5C).tanto, 33);
    EXPECT_EQ(ValorFlor(c7C, c6C, c5C), 38);
    EXPECT_EQ(CalcularTanto(c1E, c1B, c7O).tanto, 7);
    const TantoMano figuras = CalcularTanto(c10E, c11E, c1O);
    EXPECT_EQ(figuras.tanto, 20);
    EXPECT_EQ(figuras.cartas, 1);
}

TEST(Tanto, SinParLaCartaMasAltaYLaPrimeraEntreIguales) {
    const TantoMano nada = CalcularTanto(c12E, c11B, c10O);
    EXPECT_EQ(nada.tanto, 0);
    EXPECT_EQ(nada.cartas, 4);
    EXPECT_EQ(ValorFlor(c12E, c11B, c10O), 39);
    const TantoMano cuatros = CalcularTanto(c4O, c4C, c4E);
    EXPECT_EQ(cuatros.tanto, 4);
    EXPECT_EQ(cuatros.cartas, 4);
    EXPECT_EQ(CalcularTanto(c10O, c12E, c7C).cartas, 6);
}

TEST(Tanto, FlorCuentaComoTantoConLasDosMasAltas) {
    const TantoMano copas = CalcularTanto(c3C, c2C, c1C);
    EXPECT_EQ(copas.tanto, 25);
    EXPECT_EQ(copas.cartas, 1);
    EXPECT_EQ(ValorFlor(c3C, c2C, c1C), 26);
    EXPECT_EQ(CalcularTanto(c1C, c2C, c3C).cartas, 3);
}

// Every chain the game forms: its words, refused, accepted (falta as -1) and the level left.
TEST(Tanto, PuntosDeCadaCadena) {
    struct Fila {
        Cadena cadena;
        const char* frase;
        int noQuerido, querido;
        Cadena nivel;
    };
    const Fila tabla[] = {
        {Cadena::Envido, "Envido", 1, 2, Cadena::Envido},
        {Cadena::RealEnvido, "Real Envido", 1, 3, Cadena::RealEnvido},
        {Cadena::FaltaEnvido, "Falta Envido", 1, -1, Cadena::FaltaEnvido},
        {Cadena::EnvidoEnvido, "Envido Envido", 2, 4, Cadena::EnvidoEnvido},
        {Cadena::EnvidoRealEnvido, "Envido Real Envido", 2, 5, Cadena::RealEnvido},
        {Cadena::EnvidoFaltaEnvido, "Envido Falta Envido", 2, -1, Cadena::FaltaEnvido},
        {Cadena::RealEnvidoFaltaEnvido, "Real Envido Falta Envido", 3, -1, Cadena::FaltaEnvido},
        {Cadena::EnvidoRealEnvidoFaltaEnvido, "Envido Real Envido Falta Envido", 5, -1, Cadena::FaltaEnvido},
        {Cadena::EnvidoEnvidoFaltaEnvido, "Envido Envido Falta Envido", 4, -1, Cadena::FaltaEnvido},
    };
    for (const Fila& f : tabla) {
        SCOPED_TRACE(f.frase);
        EXPECT_EQ(FraseCadena(f.cadena), f.frase);
        EXPECT_EQ(PuntosEnvidoNoQuerido(f.cadena), f.noQuerido);
        EXPECT_EQ(NivelQuerido(f.cadena), f.nivel);
        EXPECT_EQ(EsCadenaFalta(f.cadena), f.querido < 0);
        // Falta: what the loser lacks to reach the target.
        EXPECT_EQ(PuntosEnvidoQuerido(f.cadena, 15, 12), f.querido < 0 ? 3 : f.querido);
        EXPECT_EQ(PuntosEnvidoQuerido(f.cadena, 30, 9), f.querido < 0 ? 21 : f.querido);
    }
    EXPECT_EQ(FraseCadena(Cadena::Nada), "");
    EXPECT_EQ(PuntosEnvidoNoQuerido(Cadena::Nada), 0);
    EXPECT_EQ(PuntosEnvidoQuerido(Cadena::Nada, 15, 0), 0);
}
