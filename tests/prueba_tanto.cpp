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

TEST(Tanto, PuntosDeCadaCadena) {
    EXPECT_EQ(PuntosEnvidoNoQuerido("Envido Real Envido Falta Envido"), 5);
    EXPECT_EQ(PuntosEnvidoNoQuerido("Real Envido Falta Envido"), 3);
    EXPECT_EQ(PuntosEnvidoNoQuerido(""), 0);
    EXPECT_EQ(PuntosEnvidoQuerido("Envido Real Envido", 15, 0), 5);
    EXPECT_EQ(PuntosEnvidoQuerido("Envido Envido", 30, 0), 4);
    // Falta: what the loser lacks to reach the target.
    EXPECT_EQ(PuntosEnvidoQuerido("Falta Envido", 15, 12), 3);
    EXPECT_EQ(PuntosEnvidoQuerido("Envido Falta Envido", 15, 9), 6);
    EXPECT_EQ(PuntosEnvidoQuerido("Otra cosa", 15, 0), 0);
}
