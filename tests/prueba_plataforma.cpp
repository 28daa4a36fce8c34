#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <fstream>
#include <string>

#include "game/archivos.h"
#include "platform/ventana.h"
#include "platform/wav.h"

using namespace naipalia;

namespace {

// `n` bytes of `v`, little-endian.
std::string le(std::uint32_t v, int n = 4) {
    std::string s;
    for (int i = 0; i < n; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
    return s;
}

// A chunk, padded to even length, whose header claims `largo` bytes (its body's unless told).
std::string Trozo(const char* id, const std::string& cuerpo, std::int64_t largo = -1) {
    if (largo >= 0) return id + le(static_cast<std::uint32_t>(largo)) + cuerpo;
    return id + le(static_cast<std::uint32_t>(cuerpo.size())) + cuerpo + std::string(cuerpo.size() % 2, '\0');
}

// PCM format; `cuadro` overrides the frame size the header states.
std::string Fmt(std::uint32_t canales, std::uint32_t bits, std::uint32_t cuadro = 0, const std::string& mas = "") {
    if (cuadro == 0) cuadro = canales * bits / 8;
    return Trozo("fmt ",
                 le(1, 2) + le(canales, 2) + le(22050) + le(22050 * cuadro) + le(cuadro, 2) + le(bits, 2) + mas);
}

// RIFF header around the chunks, claiming their length unless told otherwise.
std::string Riff(const std::string& trozos, std::int64_t sobra = 0) {
    return "RIFF" + le(static_cast<std::uint32_t>(4 + static_cast<std::int64_t>(trozos.size()) + sobra)) + "WAVE" +
           trozos;
}

const std::string Muestras(1000, '\x10');
const std::string Bueno = Riff(Fmt(1, 16) + Trozo("data", Muestras));

class Dialogo : public Ventana {
public:
    Dialogo() : Ventana("Dialogo") {
        Etiqueta.diseno().Caption = "diseño";
        Load = [this] { ++cargas; };
        terminarDiseno();
    }
    Control Etiqueta{*this, "Etiqueta", TipoControl::Etiqueta};
    ArregloControles Teclas{*this, "Tecla", TipoControl::Boton, std::vector<int>{0, 1, 5}};
    int cargas = 0;
};

}  // namespace

// Everything the game asks for is in the built program folder, and every clip passes
// the check the wave players make before playing. The check stands between the file and
// a player that may wait forever for bytes a header promised: every size must fit the file.
TEST(Archivos, ElProgramaTieneTodoYSoloSeReproduceUnWavEntero) {
    const std::filesystem::path carpeta = NAIPALIA_PROGRAMA;
    for (const std::string& archivo : archivos::Todos()) {
        const auto ruta = carpeta / archivo;
        EXPECT_TRUE(std::filesystem::is_regular_file(ruta)) << archivo;
        EXPECT_TRUE(ruta.extension() != ".wav" || EsWavReproducible(ruta.string())) << archivo;
    }
    EXPECT_FALSE(std::filesystem::exists(carpeta / archivos::Propaganda(archivos::PropagandasNumeradas + 1)))
        << "the advertisements cycle through every numbered picture";
    // Its own name: another run of the suite may be writing beside it.
    const std::filesystem::path prueba =
        std::filesystem::path(::testing::TempDir()) / ("clip-" + std::to_string(getpid()) + ".wav");
    const std::string lista = Trozo("LIST", std::string(7, 'x'));
    const struct {
        const char* caso;
        std::string contenido;
        bool reproducible;
    } casos[] = {
        {"well formed", Bueno, true},
        {"cut one byte short", Bueno.substr(0, Bueno.size() - 1), false},
        {"data claims one byte more", Riff(Fmt(1, 16) + Trozo("data", Muestras, 1002)), false},
        {"RIFF claims more than the file", Riff(Fmt(1, 16) + Trozo("data", Muestras), 2), false},
        {"data past the RIFF's end", Riff(Fmt(1, 16) + Trozo("data", Muestras), -2), false},
        {"trailing bytes after the RIFF", Bueno + "xx", true},
        {"odd chunk with its pad before", Riff(lista + Fmt(1, 16) + Trozo("data", Muestras)), true},
        {"odd chunk without its pad", Riff(lista.substr(0, lista.size() - 1) + Fmt(1, 16) + Trozo("data", Muestras)),
         false},
        {"chunk claiming 4 GB", Riff(Trozo("LIST", "", 0xFFFFFFFF) + Fmt(1, 16) + Trozo("data", Muestras)), false},
        {"fmt with an extension", Riff(Fmt(1, 16, 0, le(0, 2)) + Trozo("data", Muestras)), true},
        {"fmt too short", Riff(Trozo("fmt ", Fmt(1, 16).substr(8, 14)) + Trozo("data", Muestras)), false},
        {"frame size not the channels'", Riff(Fmt(2, 16, 2) + Trozo("data", Muestras)), false},
        {"half a frame of data", Riff(Fmt(2, 16) + Trozo("data", std::string(1002, 'x'))), false},
        {"8-bit, odd data as last chunk", Riff(Fmt(1, 8) + Trozo("data", std::string(999, 'x'), 999)), true},
        {"data before fmt", Riff(Trozo("data", Muestras) + Fmt(1, 16)), false},
        {"empty data", Riff(Fmt(1, 16) + Trozo("data", "")), false},
        {"no data", Riff(Fmt(1, 16)), false},
        {"header only", Bueno.substr(0, 12), false},
        {"not a wave", "GIF89a" + Muestras, false},
    };
    for (const auto& c : casos) {
        std::ofstream(prueba, std::ios::binary | std::ios::trunc) << c.contenido;
        EXPECT_EQ(EsWavReproducible(prueba.string()), c.reproducible) << c.caso;
    }
    std::filesystem::remove(prueba);
    EXPECT_FALSE(EsWavReproducible((carpeta / "no-existe.wav").string()));
}

// Hiding a window that is not loaded does nothing; hiding keeps what it shows, closing
// puts it back as designed, and touching it again loads it again.
TEST(Ventana, OcultarConservaYCerrarVuelveAlDiseno) {
    Dialogo d;
    d.Hide();
    EXPECT_FALSE(d.cargada());
    d.Etiqueta.Caption("mensaje");
    d.forma().Visible(true);
    d.Hide();
    EXPECT_EQ(d.Etiqueta.Caption(), "mensaje");
    EXPECT_TRUE(d.Unload());
    EXPECT_FALSE(d.cargada());
    EXPECT_EQ(d.Etiqueta.Caption(), "diseño");
    d.Etiqueta.Caption("otra");
    EXPECT_EQ(d.cargas, 2);
    // An array's indices may leave gaps; one outside them is refused, never guessed.
    EXPECT_EQ(d.Teclas(5).indice(), 5);
    for (int fuera : {-1, 2, 6}) EXPECT_THROW(d.Teclas(fuera), std::out_of_range) << fuera;
}
