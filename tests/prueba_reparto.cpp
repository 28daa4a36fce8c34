#include <gtest/gtest.h>

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
