#include <gtest/gtest.h>

#include "game/cartas.h"

using namespace naipalia;

TEST(Cartas, ElAnchoDeEspadaGanaATodasYLosCuatrosPierdenContraTodas) {
    for (int c = 1; c < CantidadCartas; ++c) EXPECT_LT(JerarquiaTruco(0), JerarquiaTruco(c)) << c;
    for (int cuatro = 36; cuatro <= 39; ++cuatro)
        for (int c = 0; c < 36; ++c) EXPECT_GT(JerarquiaTruco(cuatro), JerarquiaTruco(c)) << cuatro << " " << c;
}

TEST(Cartas, LasCartasDeIgualFuerzaEmpatan) {
    for (int tres = 4; tres <= 7; ++tres) EXPECT_EQ(JerarquiaTruco(tres), JerarquiaTruco(4));
    EXPECT_EQ(JerarquiaTruco(12), JerarquiaTruco(13));
    EXPECT_EQ(JerarquiaTruco(26), JerarquiaTruco(27));
    EXPECT_NE(PaloCarta(12), PaloCarta(13));
}

TEST(Cartas, ElMazoTieneCadaCartaUnaVez) {
    int vistas[13][4] = {};
    const char palos[] = "EBOC";
    for (const DatosCarta& d : TablaCartas) {
        const int palo = static_cast<int>(std::string_view(palos).find(d.palo));
        ASSERT_GE(palo, 0);
        ++vistas[d.cara][palo];
        EXPECT_EQ(d.envido, d.cara <= 7 ? d.cara : 0);
    }
    for (int cara : {1, 2, 3, 4, 5, 6, 7, 10, 11, 12})
        for (int palo = 0; palo < 4; ++palo) EXPECT_EQ(vistas[cara][palo], 1) << cara << palos[palo];
}

// The deduction names a card by value and suit; its class must be the deck's own.
TEST(Cartas, LaClasePorValorCoincideConLaDeLaCarta) {
    for (const DatosCarta& d : TablaCartas) {
        if (d.envido == 0 && d.cara != 11) continue;  // a 0 stands for the caballo's class
        EXPECT_EQ(ClaseCartaPorValor(d.envido, d.palo), d.jerarquia) << d.cara << d.palo;
    }
}
