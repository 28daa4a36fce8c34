// Thousands of complete games against a random player keep the rules of the table.
#include <gtest/gtest.h>

#include "tests/autojuego/autojuego.h"

namespace naipalia::autojuego {
namespace {

TEST(Autojuego, DosMilPartidasRespetanLasReglas) {
    for (std::uint32_t base : {1U, 2U}) {
        const Resultado r = Jugar(base, 1000);
        EXPECT_EQ(r.fallo, "");
        EXPECT_EQ(r.partidas, 1000);
    }
}

}  // namespace
}  // namespace naipalia::autojuego
