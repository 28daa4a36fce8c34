#include <gtest/gtest.h>

#include "puertos_prueba.h"

using namespace naipalia;

namespace {

// The player has shown the cards of slots 1 and 2 in hands 1 and 2 and declared a tanto.
int deducir(prueba::Plataforma& p, int primera, int segunda, int tanto, int mano = 3) {
    Juego& j = *p.juego;
    j.estado.CartasRepartidas = {primera, segunda, 20, 14, 15, 16};
    j.estado.PosicionJugador = {0, 1, 2, 0};
    j.estado.TantoCantadoJugador = tanto;
    j.ronda.ManoActual = mano;
    j.computadora.DeducirCartaJugador();
    return j.computadora.JerarquiaDeducidaJugador;
}

}  // namespace

TEST(Deduccion, TerceraManoConLosEjemplosDeLaMesa) {
    prueba::Plataforma p;
    EXPECT_EQ(deducir(p, 32, 37, 26), SinDeducir);  // 5 oro, 4 copa: a 1 oro or a 2 copa
    EXPECT_EQ(deducir(p, 37, 14, 27), 4);           // 4 copa, 12 oro, 27: the 3 de copa
    EXPECT_TRUE(p.mensajes.empty());
    EXPECT_EQ(deducir(p, 0, 17, 33), SinDeducir);  // 1 espada, 12 basto: impossible
    ASSERT_EQ(p.mensajes.size(), 1u);
    EXPECT_EQ(
        p.mensajes[0].texto,
        "Ehh!! Según tus cartas en la mesa no es posible tu tanto, probablemente te equivocaste o hayas mentido.");
    EXPECT_EQ(p.mensajes[0].icono, Icono::Informacion);
}

TEST(Deduccion, TantoDeUnaSolaCartaYSinTanto) {
    prueba::Plataforma p;
    EXPECT_EQ(deducir(p, 15, 16, 3), 4);           // two figures shown, declared 3: a 3
    EXPECT_EQ(deducir(p, 36, 16, 4), SinDeducir);  // the 4 is on the table already
    EXPECT_EQ(deducir(p, 15, 16, 7), SinDeducir);  // a 7 could be of any class
    EXPECT_EQ(deducir(p, 15, 16, TantoNoCantado), SinDeducir);
    EXPECT_EQ(deducir(p, 15, 16, 5, 1), SinDeducir);  // only in hands 2 and 3
}

TEST(Deduccion, SegundaManoConParSoloLaMitadDeLasVeces) {
    prueba::Plataforma p;
    p.sorteos = {0.4};
    EXPECT_EQ(deducir(p, 2, 16, 33, 2), 11);  // 7 espada shown, 33: a 6 de espada
    p.sorteos = {0.6};
    EXPECT_EQ(deducir(p, 2, 16, 33, 2), SinDeducir);
    EXPECT_EQ(deducir(p, 4, 16, 26, 2), SinDeducir);  // the partner would be the 3 itself
}
