// The computer's card rules, hand by hand, with its random draws fixed.
#include <gtest/gtest.h>

#include "puertos_prueba.h"

using namespace naipalia;

namespace {

// The card the computer put down in a hand, or -1.
int jugada(const Juego& j, int mano) {
    const int slot = j.estado.PosicionCompu[static_cast<std::size_t>(mano)];
    return slot == 0 ? -1 : j.estado.carta(slot);
}

// The player, mano, plays the card of slot 1; the computer answers with these draws (the
// first ones decide its envido, which the player refuses).
int responde(std::array<int, 6> cartas, std::deque<double> sorteos) {
    prueba::Plataforma p;
    p.sorteos = {0.5};  // the mano's draw
    Juego& j = p.jugar(cartas);
    p.sorteos = std::move(sorteos);
    j.ronda.BotonCarta_Click(1);
    return jugada(j, 1);
}

// The computer, mano, leads hand 1 (its envido decided by the first draws, and refused).
int abre(std::array<int, 6> cartas, std::deque<double> sorteos) {
    prueba::Plataforma p;
    sorteos.push_front(0.5);  // the mano's draw
    p.sorteos = std::move(sorteos);
    return jugada(p.jugar(cartas, false), 1);
}

}  // namespace

TEST(ComputadoraPrimeraMano, UnaGanadoraSeJuegaPocasVecesSiNoEsDeLasMejores) {
    // Against a 3: only the 7 de oro wins, and it is not among the best two.
    EXPECT_EQ(responde({7, 30, 31, 3, 28, 39}, {0.8, 0.1}), 3);
    EXPECT_EQ(responde({7, 30, 31, 3, 28, 39}, {0.8, 0.3}), 39);
    // The 1 de espada is kept: it always plays the weakest instead.
    EXPECT_EQ(responde({7, 30, 31, 0, 28, 39}, {0.1}), 39);
}

TEST(ComputadoraPrimeraMano, DosGanadorasYUnEmpate) {
    EXPECT_EQ(responde({8, 30, 31, 0, 4, 9}, {0.9, 0.1}), 9);
    EXPECT_EQ(responde({8, 30, 31, 0, 4, 9}, {0.9, 0.5}), 4);
    // Two equal winners: the lower slot.
    EXPECT_EQ(responde({8, 30, 31, 5, 6, 39}, {}), 5);
}

TEST(ComputadoraPrimeraMano, TresGanadorasOningunaJuegaLaMasBaja) {
    EXPECT_EQ(responde({36, 30, 31, 0, 28, 32}, {0.8}), 32);
    EXPECT_EQ(responde({0, 30, 31, 4, 28, 29}, {}), 28);
}

TEST(ComputadoraPrimeraMano, AbreConSuTresSiLoDemasEsBajo) {
    EXPECT_EQ(abre({30, 31, 32, 26, 5, 27}, {0.9}), 5);
    // The two best cards and a 4: the 4 goes first.
    EXPECT_EQ(abre({30, 31, 32, 0, 1, 36}, {0.9}), 36);
}

TEST(ComputadoraPrimeraMano, AbreConLaDelMedioOLaMasBaja) {
    EXPECT_EQ(abre({30, 31, 33, 18, 28, 32}, {0.8, 0.1}), 28);
    EXPECT_EQ(abre({30, 31, 33, 18, 28, 32}, {0.8, 0.3}), 32);
    EXPECT_EQ(abre({30, 31, 33, 18, 9, 4}, {0.9}), 9);
    // All three of class 10 or more: a coin for the truco, then the middle card.
    EXPECT_EQ(abre({30, 31, 33, 26, 28, 36}, {0.9, 0.7, 0.1}), 28);
}

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

TEST(ComputadoraTerceraMano, SeVaAlMazoAnteUnaCartaMejor) {
    prueba::Plataforma p;
    p.sorteos = {0.5};
    // Hand 1 to the computer (its weakest, a 5, beats a 4), hand 2 to the player (his 1 de
    // espada against its weaker card): the player leads hand 3 with a 7 de espada.
    Juego& j = p.jugar({36, 0, 2, 4, 28, 32});
    p.sorteos = {0.8};  // its 31 opens with envido, refused
    j.ronda.BotonCarta_Click(1);
    EXPECT_EQ(jugada(j, 1), 32);
    EXPECT_EQ(jugada(j, 2), 28);
    j.ronda.BotonCarta_Click(2);
    const std::size_t antes = p.modales.size();
    j.ronda.BotonCarta_Click(3);
    EXPECT_EQ(jugada(j, 3), -1);
    ASSERT_GT(p.modales.size(), antes);
    EXPECT_EQ(p.modales[antes], "FinRonda");
    EXPECT_EQ(j.estado.PuntosJugador, 1);
    EXPECT_EQ(j.naipalia.TextoJugador.Text(), "1");
}
