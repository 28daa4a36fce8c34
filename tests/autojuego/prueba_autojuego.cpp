// Thousands of complete games against a random player keep the rules of the table, and
// every game the program records replays alone through the driver.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <map>

#include "tests/autojuego/autojuego.h"

namespace naipalia::autojuego {
namespace {

TEST(Autojuego, VeinteMilPartidasRespetanLasReglas) {
    const Resultado r = Jugar(1, 20000);
    EXPECT_EQ(std::tie(r.fallo, r.partidas), std::make_tuple("", 20000));
    // The engine's cards keep them too.
    const Resultado x = JugarContraExperta(4, 100);
    EXPECT_EQ(std::tie(x.fallo, x.partidas), std::make_tuple("", 100));
    // So do the engine's calls, answers and cards from the player's seat; and against the
    // classic computer it takes most games to 30.
    const Resultado y = JugarComoExperto(5, 30);
    EXPECT_EQ(std::tie(y.fallo, y.partidas), std::make_tuple("", 30));
    const Duelo d = Enfrentar(1, 40, true, true);
    EXPECT_EQ(d.resultado.fallo, "");
    EXPECT_GE(d.ganadas, 24) << "of 40";
    // The digest that compares two builds depends on the series alone, and on every byte.
    const auto huella = [](std::uint32_t base) { return Jugar(base, 50, false, true).huella; };
    EXPECT_EQ(huella(2), huella(2));
    EXPECT_NE(huella(2), huella(3));
    Huella a, b;
    a.mezclar("Truco");
    b.mezclar("Trucp");
    EXPECT_NE(a.valor(), b.valor());
}

// Program runs of 16 games, every way out in turn: of each game, its last save and a copy
// saved while it went on replay alone with exit 0, their closing lines checked by the driver.
TEST(Autojuego, CadaPartidaGrabadaSeRepiteSola) {
    using enum Salida;
    const std::string archivo = ::testing::TempDir() + "partida-" + std::to_string(getpid()) + ".guion";
    int partidas = 0;
    for (Salida ultima : {Salir, Cerrar, FinDelPrograma}) {
        std::map<int, std::vector<std::string>> guardados;
        const std::vector<Salida> salidas{Final,     NuevoJuego, Finalizar,  Final,      NuevoJuego, Final,
                                          Finalizar, Final,      Final,      NuevoJuego, Final,      Finalizar,
                                          Final,     Final,      NuevoJuego, ultima};
        const Resultado r = Grabar(static_cast<std::uint32_t>(ultima), salidas,
                                   [&](int partida, const std::string& guion) { guardados[partida].push_back(guion); });
        ASSERT_EQ(r.fallo, "");
        for (const auto& [partida, guiones] : guardados) {
            ++partidas;
            for (const std::string& guion : {guiones[guiones.size() / 2], guiones.back()}) {
                std::ofstream(archivo) << guion;
                EXPECT_EQ(std::system((std::string(NAIPALIA_GUION) + " " + archivo + " > /dev/null").c_str()), 0)
                    << "game " << partida << " of a run left by " << static_cast<int>(ultima) << ":\n"
                    << guion;
            }
        }
    }
    EXPECT_GE(partidas, 30);
}

}  // namespace
}  // namespace naipalia::autojuego
