// Thousands of complete games against a random player keep the rules of the table, and
// every game the program records replays alone through the driver.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>

#include "tests/autojuego/autojuego.h"

namespace naipalia::autojuego {
namespace {

TEST(Autojuego, DosMilPartidasRespetanLasReglas) {
    const Resultado r = Jugar(1, 2000);
    EXPECT_EQ(r.fallo, "");
    EXPECT_EQ(r.partidas, 2000);
}

// Program runs of 16 games, every way out in turn: of each game, its last save and a copy
// saved while it went on replay alone with exit 0, their closing lines checked by the driver.
TEST(Autojuego, CadaPartidaGrabadaSeRepiteSola) {
    using enum Salida;
    const std::vector<Salida> salidas{Final, NuevoJuego, Finalizar, Final,     NuevoJuego, Final, Finalizar, Final,
                                      Final, NuevoJuego, Final,     Finalizar, Final,      Final, NuevoJuego};
    const auto carpeta = std::filesystem::temp_directory_path() / ("naipalia-grabaciones-" + std::to_string(getpid()));
    std::filesystem::create_directories(carpeta);
    int partidas = 0;
    for (Salida ultima : {Salir, Cerrar, FinDelPrograma}) {
        std::map<int, std::vector<std::string>> guardados;
        std::vector<Salida> estas = salidas;
        estas.push_back(ultima);
        const Resultado r = Grabar(static_cast<std::uint32_t>(ultima), estas,
                                   [&](int partida, const std::string& guion) { guardados[partida].push_back(guion); });
        ASSERT_EQ(r.fallo, "");
        for (const auto& [partida, guiones] : guardados) {
            ++partidas;
            for (const std::string& guion : {guiones[guiones.size() / 2], guiones.back()}) {
                const auto archivo = carpeta / "partida.guion", salida = carpeta / "salida.txt";
                std::ofstream(archivo) << guion;
                const std::string orden =
                    std::string(NAIPALIA_GUION) + " " + archivo.string() + " > " + salida.string();
                if (std::system(orden.c_str()) == 0) continue;
                std::string ultimaLinea;
                for (std::ifstream in(salida); std::getline(in, ultimaLinea) && in.peek() != EOF;) {
                }
                ADD_FAILURE() << ultimaLinea << "\nin game " << partida << " of a run left by "
                              << static_cast<int>(ultima) << ":\n"
                              << guion;
            }
        }
    }
    std::filesystem::remove_all(carpeta);
    EXPECT_GE(partidas, 30);
}

}  // namespace
}  // namespace naipalia::autojuego
