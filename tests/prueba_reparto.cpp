#include <gtest/gtest.h>

#include "puertos_prueba.h"
#include "round/sorteo.h"

using namespace naipalia;

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
