// A player's results from his finished games, in the order played: won and lost, the
// run the latest ones make, the best win; and the menu entry without a database.
#include <gtest/gtest.h>

#include "platform/falsos.h"
#include "shell/juego.h"

using namespace naipalia;

TEST(MisPartidas, LasCifrasSalenDeLasPartidasEnOrden) {
    struct Caso {
        const char* caso;
        std::vector<std::array<int, 3>> partidas;  // PuntosJuego, the player's and the computer's points
        int ganadas, perdidas, racha, mejor;
    };
    const Caso casos[] = {
        {"ninguna", {}, 0, 0, 0, -1},
        {"una perdida", {{15, 7, 15}}, 0, 1, -1, -1},
        {"la racha cuenta desde el último cambio", {{15, 15, 3}, {15, 2, 15}, {15, 15, 10}, {15, 15, 14}}, 3, 1, 2, 0},
        {"perdidas seguidas", {{15, 15, 3}, {15, 2, 15}, {30, 29, 30}}, 1, 2, -2, 0},
        {"un empate de diferencias no supera a la primera", {{15, 15, 3}, {15, 15, 3}, {30, 30, 18}}, 3, 0, 3, 0},
        {"una diferencia mayor la supera", {{15, 15, 10}, {30, 0, 30}, {30, 30, 14}}, 2, 1, 1, 2},
        {"la computadora en la meta gana aunque él también llegue", {{15, 15, 15}}, 0, 1, -1, -1},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.caso);
        std::vector<FilaPartida> partidas;
        for (const auto& [meta, jugador, compu] : c.partidas)
            partidas.push_back({1, "06/12/2026", "12:00:00", meta, jugador, compu});
        const ResultadosPartidas r = ResumirPartidas(partidas);
        EXPECT_EQ(r.ganadas, c.ganadas);
        EXPECT_EQ(r.perdidas, c.perdidas);
        EXPECT_EQ(r.racha, c.racha);
        EXPECT_EQ(r.mejor, c.mejor);
        ASSERT_EQ(r.margenes.size(), partidas.size());
        for (std::size_t i = 0; i < partidas.size(); ++i)
            EXPECT_EQ(r.margenes[i], partidas[i].PuntosJugador - partidas[i].PuntosComputadora);
    }
}

TEST(MisPartidas, SinBaseDeDatosElMenuEstaDeshabilitado) {
    Falsos falsos{"/programa"};
    Juego juego(falsos.puertos);
    juego.arrancar();
    EXPECT_FALSE(juego.naipalia.MenuPartidas.Enabled());
}
