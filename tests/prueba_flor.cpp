// The flor: the computer's answer to the player's flor by its own, its answers to the
// duels in the dialog, and the flor taking the envido's place; with the draws fixed.
#include <gtest/gtest.h>

#include "puertos_prueba.h"

using namespace naipalia;

namespace {

struct Flor : ::testing::Test {
    prueba::Plataforma p;
    Juego* j = nullptr;
    Estado* e = nullptr;

    // The flor option on; the player, mano, holds three espadas.
    void repartir(int c4, int c5, int c6, int jugador = 0) {
        if (!p.juego->naipalia.MenuFlorOpcion(1).Checked()) p.juego->principal.MenuFlorOpcion_Click(1);
        j = &p.jugar({9, 15, 19, c4, c5, c6});
        e = &j->estado;
        j->operacion.EscribirPuntos(Lado::Jugador, jugador);
        p.olvidar();
    }
};

}  // namespace

TEST_F(Flor, SinFlorLaComputadoraSoloLoAnota) {
    repartir(14, 16, 38);
    j->cantos.BotonFlor_Click();
    EXPECT_TRUE(p.dijo("Si tú lo dices.\r\nCon suerte, cualquiera."));
    EXPECT_EQ(e->EstadoFlor, NivelFlor::Flor);
    EXPECT_EQ(e->QuienFlor, Lado::Jugador);
    EXPECT_FALSE(j->naipalia.BotonEnvido.Enabled());
}

// A flor of 22 or less is made of figures, aces and twos, never all low cards: the
// computer declines it.
TEST_F(Flor, ConUnaFlorPobreLaComputadoraSeAchica) {
    repartir(14, 16, 38);
    e->CartasRepartidas = {9, 15, 19, 14, 18, 12};  // 12, 11 and 1 of oro: 21
    j->cantos.BotonFlor_Click();
    EXPECT_TRUE(p.dijo("Con flor me achico."));
    EXPECT_EQ(e->EstadoFlor, NivelFlor::FlorAchico);
    EXPECT_EQ(e->GanadorFlor, Lado::Jugador);
    EXPECT_FALSE(j->computadora.MazoPendiente);
}

TEST_F(Flor, LaFlorDeLaComputadoraTomaElLugarDelEnvido) {
    repartir(3, 28, 39);  // three oros
    j->cantos.BotonEnvido_Click();
    EXPECT_EQ(e->EstadoFlor, NivelFlor::Flor);
    EXPECT_EQ(e->QuienFlor, Lado::Computadora);
    EXPECT_EQ(e->CadenaEnvido, Cadena::Nada);
    EXPECT_EQ(p.modales.at(0), "Flores");
}
