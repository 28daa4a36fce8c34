#include <gtest/gtest.h>

#include <set>

#include "puertos_prueba.h"
#include "round/sorteo.h"

using namespace naipalia;

TEST(Reparto, ElSorteoAlcanzaTodasLasCartasSinSerUniforme) {
    int veces[40] = {};
    for (int k = 0; k < 100; ++k) ++veces[CartaDeSorteo(k / 100.0 + 0.001)];
    int de2 = 0, de3 = 0;
    for (int c = 0; c < 40; ++c) {
        EXPECT_GE(veces[c], 2) << c;
        de2 += veces[c] == 2;
        de3 += veces[c] == 3;
    }
    EXPECT_EQ(de2, 20);
    EXPECT_EQ(de3, 20);
    EXPECT_EQ(veces[0], 2);
    EXPECT_EQ(veces[39], 2);
    EXPECT_EQ(CartaDeSorteo(0.0), 0);
    EXPECT_EQ(CartaDeSorteo(0.999), 39);
}

// Repeated cards are drawn again; the computer's mano turns the six slots round.
TEST(Reparto, SeisCartasDistintasYLaVueltaCuandoEraManoLaComputadora) {
    prueba::Plataforma p;
    auto& ronda = p.juego->ronda;
    auto& e = p.juego->estado;
    p.juego->principal.MenuMCompu_Click();
    // k = 0, 0 (again), 10, 20, 30, 40, 99 -> cards 0, 4, 8, 12, 16, 39.
    p.sorteos = {0.0, 0.0, 0.1, 0.2, 0.3, 0.4, 0.995};
    e.QuienMano = Lado::Nadie;
    ronda.SubRepartirCartas();
    EXPECT_EQ(e.CartasRepartidas, (std::array<int, 6>{0, 4, 8, 12, 16, 39}));
    p.sorteos = {0.0, 0.1, 0.2, 0.3, 0.4, 0.995};
    e.QuienMano = Lado::Computadora;
    ronda.SubRepartirCartas();
    EXPECT_EQ(e.CartasRepartidas, (std::array<int, 6>{39, 16, 12, 8, 4, 0}));
    std::set<int> distintas(e.CartasRepartidas.begin(), e.CartasRepartidas.end());
    EXPECT_EQ(distintas.size(), 6u);
}

TEST(Reparto, LaManoAlternaRondaARonda) {
    prueba::Plataforma p;
    Juego& j = p.jugar({4, 5, 28, 0, 1, 2});
    EXPECT_EQ(j.estado.QuienMano, Lado::Jugador);
    j.ronda.SiguienteRonda();
    EXPECT_EQ(j.estado.QuienMano, Lado::Computadora);
    // The computer led hand 1: the player now has his three cards to answer with.
    EXPECT_NE(j.estado.PosicionCompu[1], 0);
    for (int s = 1; s <= 3; ++s) EXPECT_TRUE(j.naipalia.BotonCarta(s).Enabled());
    j.ronda.SiguienteRonda();
    EXPECT_EQ(j.estado.QuienMano, Lado::Jugador);
    EXPECT_EQ(j.estado.RondasJugadas, 3);
}

TEST(Reparto, ElFinDelJuegoJustoEnElLimite) {
    prueba::Plataforma p;
    Juego& j = p.jugar({4, 5, 28, 0, 1, 2});
    j.operacion.EscribirPuntos(Lado::Jugador, 14);
    EXPECT_FALSE(j.estado.FinJuego);
    j.operacion.EscribirPuntos(Lado::Computadora, 15);
    EXPECT_TRUE(j.estado.FinJuego);
    EXPECT_EQ(p.mensajes.back().texto, " Se ha llegado al final del juego.");
    // No deal after the end, and only the player and about buttons stay enabled.
    const int rondas = j.estado.RondasJugadas;
    j.ronda.SiguienteRonda();
    EXPECT_EQ(j.estado.RondasJugadas, rondas);
    for (Control* c : j.naipalia.botones())
        EXPECT_EQ(c->Enabled(), c == &j.naipalia.BotonJugador || c == &j.naipalia.BotonAcercaDe) << c->nombre();
}
