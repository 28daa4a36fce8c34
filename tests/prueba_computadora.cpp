// The computer's card rules in a whole round, with its random draws fixed: how the
// hands' outcomes reach its choices.
#include <gtest/gtest.h>

#include "puertos_prueba.h"

using namespace naipalia;

namespace {

// The card the computer put down in a hand, or -1.
int jugada(const Juego& j, int mano) {
    const int slot = j.estado.PosicionCompu[static_cast<std::size_t>(mano)];
    return slot == 0 ? -1 : j.estado.carta(slot);
}

}  // namespace

TEST(ComputadoraSegundaMano, GanadaLaPrimeraAbreConLaMasDebil) {
    prueba::Plataforma p;
    p.sorteos = {0.5};
    Juego& j = p.jugar({12, 38, 39, 4, 20, 21});
    p.sorteos = {0.1};  // its only winner, a 3, beats the player's 1 de oro
    j.ronda.BotonCarta_Click(1);
    EXPECT_EQ(j.estado.ResultadoManos[1], ResultadoMano::Computadora);
    EXPECT_EQ(j.naipalia.TextoMano(1).Text(), "Computadora");
    EXPECT_EQ(jugada(j, 2), 20);  // two equal 11s: the first
}

TEST(ComputadoraSegundaMano, ContestaConLaUnicaQueGanaOLaMasDebil) {
    prueba::Plataforma p;
    p.sorteos = {0.5};
    Juego& j = p.jugar({0, 8, 38, 39, 4, 28});
    j.ronda.BotonCarta_Click(1);  // the player takes hand 1
    j.ronda.BotonCarta_Click(2);  // a 2: only the 3 beats it
    EXPECT_EQ(jugada(j, 2), 4);
}
