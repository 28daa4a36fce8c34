// naipalia-bench-recuerdos [FILAS]: the history query and the statistics over FILAS
// rows of one player (100,000 by default, about 20,000 games), through the game's own
// procedures on the SQLCipher file; medians of many runs per call type. Then the query
// of one player's finished games and their figures over 10,000 of them.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "game/archivos.h"
#include "platform/falsos.h"
#include "platform/sqlcipher/base_sqlcipher.h"
#include "shell/juego.h"

using namespace naipalia;
namespace fs = std::filesystem;

constexpr int PartidasDelJugador = 10000;

int main(int argc, char** argv) {
    const long filas = argc > 1 ? std::atol(argv[1]) : 100000;
    std::string plantilla = (fs::temp_directory_path() / "naipalia-bench-XXXXXX").string();
    if (!mkdtemp(plantilla.data())) return 1;
    const fs::path carpeta = plantilla;
    const std::string archivo = (carpeta / archivos::BaseDatos).string();
    std::string error;
    if (!BaseSqlcipher::Crear(archivo, archivos::ClaveBase, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    const std::string nombre = NombreRelleno("Jugador");
    {
        BaseSqlcipher base;
        FalloBase f;
        base.abrir(archivo, archivos::ClaveBase, error);
        base.comenzarLote();
        const char* tipos[] = {"E", "E", "E", "E", "E", "RE", "RE", "RE", "FE", "EE"};
        for (long i = 0; i < filas; ++i)
            base.agregarTanto({nombre, tipos[i % 10], static_cast<int>((i * 7) % 34), i % 5 == 0, i % 3 == 0}, f);
        // Another player's rows beside his.
        for (long i = 0; i < filas / 10; ++i) base.agregarTanto({NombreRelleno("Otro"), "E", 25, false, true}, f);
        // His finished games, and another's between them.
        base.agregarJugador("Jugador", f);
        base.agregarJugador("Otro", f);
        for (int i = 0; i < PartidasDelJugador; ++i) {
            const int compu = (i * 7) % 16;
            const FilaPartida partida{0, "06/12/2026", "12:00:00", 15, compu < 15 ? 15 : i % 15, compu};
            base.agregarPartida("Jugador", partida, f);
            if (i % 3 == 0) base.agregarPartida("Otro", partida, f);
        }
        base.confirmarLote();
    }

    BaseSqlcipher base;
    Falsos falsos(carpeta.string());
    falsos.puertos.baseDatos = &base;
    falsos.alMostrarModal = [](Ventana& v) { v.Hide(); };
    Juego juego(falsos.puertos);
    juego.arrancar();
    juego.estado.NombreJugador = nombre;
    std::printf("Consulta de recuerdos y estadística sobre %ld filas de un jugador (medianas de 50)\n", filas);
    std::printf("%-6s %10s %10s\n", "tipo", "filas", "ms");
    for (const char* tipo : {"E", "RE", "FE"}) {
        std::vector<double> ms;
        long n = 0;
        for (int i = 0; i < 50; ++i) {
            const auto t0 = std::chrono::steady_clock::now();
            n = juego.jugadores.ConsultarRecuerdos(tipo);
            juego.jugadores.LlenarEstadistica();
            ChanceComputadora(juego.jugadores.RegistrosBase, 27, false);
            juego.jugadores.CerrarRegistros();
            ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
            juego.estadistica.Unload();
        }
        std::sort(ms.begin(), ms.end());
        std::printf("%-6s %10ld %10.2f   (objetivo: no más de 30)\n", tipo, n, ms[ms.size() / 2]);
    }
    juego.jugadores.NombreElegido = "Jugador";
    std::vector<double> ms;
    std::vector<FilaPartida> partidas;
    for (int i = 0; i < 50; ++i) {
        const auto t0 = std::chrono::steady_clock::now();
        FalloBase f;
        base.leerPartidas(juego.jugadores.NombreElegido, partidas, f);
        juego.jugadores.LlenarMisPartidas(partidas);
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
        juego.misPartidas.Unload();
    }
    std::sort(ms.begin(), ms.end());
    std::printf("Mis partidas: %zu partidas de un jugador, %.2f ms   (objetivo: menos de 10)\n", partidas.size(),
                ms[ms.size() / 2]);
    std::error_code e;
    fs::remove_all(carpeta, e);
    return 0;
}
