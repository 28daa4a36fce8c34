#include <gtest/gtest.h>

#include "puertos_prueba.h"
#include "round/sorteo.h"

using namespace naipalia;

// k = r × 100 reaches every card, 20 of them from three values of k and 20 from two.
TEST(Reparto, ElSorteoAlcanzaTodasLasCartasSinSerUniforme) {
    int veces[40] = {};
    for (int k = 0; k < 100; ++k) ++veces[CartaDeSorteo(k / 100.0 + 0.001)];
    int de2 = 0, de3 = 0;
    for (int c = 0; c < 40; ++c) {
        de2 += veces[c] == 2;
        de3 += veces[c] == 3;
    }
    EXPECT_EQ(de2, 20);
    EXPECT_EQ(de3, 20);
    EXPECT_EQ(veces[0], 2);
    EXPECT_EQ(veces[39], 2);
    EXPECT_EQ(CartaDeSorteo(0.999), 39);
}

// A card drawn again is drawn anew; the computer's mano turns the six slots round.
TEST(Reparto, SeisCartasDistintasYLaVueltaCuandoEraManoLaComputadora) {
    for (const Lado mano : {Lado::Jugador, Lado::Computadora}) {
        prueba::Plataforma p;
        // k = 0, 0 (again), 10, 20, 30, 40, 99: cards 0, 4, 8, 12, 16, 39.
        p.sorteos = {0.0, 0.0, 0.1, 0.2, 0.3, 0.4, 0.995};
        p.juego->estado.QuienMano = mano;
        p.juego->ronda.SubRepartirCartas();
        const std::array<int, 6> enOrden{0, 4, 8, 12, 16, 39}, vueltas{39, 16, 12, 8, 4, 0};
        EXPECT_EQ(p.juego->estado.CartasRepartidas, mano == Lado::Jugador ? enOrden : vueltas);
    }
}
