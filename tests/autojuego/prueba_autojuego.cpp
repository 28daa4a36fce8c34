// Thousands of complete games against a random player keep the rules of the table.
#include <gtest/gtest.h>

#include <sstream>

#include "tests/autojuego/autojuego.h"

namespace naipalia::autojuego {
namespace {

TEST(Autojuego, DosMilPartidasRespetanLasReglas) {
    for (std::uint32_t base : {1U, 2U}) {
        Autojuego autojuego;
        const Resultado r = autojuego.jugar(base, 1000);
        EXPECT_EQ(r.fallo, "");
        EXPECT_EQ(r.partidas, 1000);
    }
}

// A game replayed from its seeds in a fresh program runs the same course: nothing but
// the last mano leaks from one game into the next.
TEST(Autojuego, UnaPartidaSeRepiteDesdeSusSemillas) {
    for (long cantidad : {1L, 2L, 9L, 40L}) {
        Autojuego serie;
        const Resultado original = serie.jugar(7, cantidad);
        ASSERT_EQ(original.fallo, "");
        Autojuego nuevo;
        std::ostringstream traza;
        const Resultado repetida = nuevo.repetir(original.ultima, traza);
        ASSERT_EQ(repetida.fallo, "");
        EXPECT_EQ(repetida.huella, original.huella) << "game " << cantidad << " of series 7";
    }
}

}  // namespace
}  // namespace naipalia::autojuego
