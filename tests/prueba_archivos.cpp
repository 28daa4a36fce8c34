#include <gtest/gtest.h>

#include <filesystem>

#include "game/archivos.h"
#include "platform/wav.h"

using namespace naipalia;

// Everything the game asks for must be in the built program folder, and every clip
// must pass the check the wave players make before playing.
TEST(Archivos, ElProgramaTieneTodoLoQuePide) {
    const std::filesystem::path carpeta = NAIPALIA_PROGRAMA;
    for (const std::string& archivo : archivos::Todos()) {
        const auto ruta = carpeta / archivo;
        EXPECT_TRUE(std::filesystem::is_regular_file(ruta)) << archivo;
        if (ruta.extension() == ".wav") {
            EXPECT_TRUE(EsWavReproducible(ruta.string())) << archivo;
        }
    }
    EXPECT_FALSE(std::filesystem::exists(carpeta / archivos::Propaganda(archivos::PropagandasNumeradas + 1)))
        << "the advertisements cycle through every numbered picture";
}

TEST(Archivos, UnArchivoQueNoEsWavNoSeReproduce) {
    const std::filesystem::path carpeta = NAIPALIA_PROGRAMA;
    EXPECT_FALSE(EsWavReproducible((carpeta / archivos::Fondo).string()));
    EXPECT_FALSE(EsWavReproducible((carpeta / "no-existe.wav").string()));
}
