// Thousands of complete games against a random player keep the rules of the table.
#include <gtest/gtest.h>

#include "tests/autojuego/autojuego.h"

TEST(Autojuego, DosMilPartidasRespetanLasReglas) {
    const naipalia::autojuego::Resultado r = naipalia::autojuego::Jugar(1, 2000);
    EXPECT_EQ(r.fallo, "");
    EXPECT_EQ(r.partidas, 2000);
}
