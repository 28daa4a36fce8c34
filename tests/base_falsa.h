// The players' database in memory, for the tests of what the game does with it: each
// tanto row counts on its own, and `falla` makes the next operation fail at its step.
#pragma once

#include <map>
#include <optional>
#include <utility>
#include <string>
#include <vector>

#include "platform/puertos.h"

namespace naipalia::prueba {

struct BaseFalsa : BaseDatos {
    std::vector<std::string> jugadores{"Ana"};
    std::vector<FilaTanto> tantos;
    std::map<std::string, std::vector<FilaPartida>> partidas;
    OpcionesGuardadas opciones;
    std::optional<FalloBase> falla;
    bool listoYa = true, abre = true;  // the file's opening: finished, and whether it worked

    // Does `cambio` unless the operation is to fail.
    template <typename F>
    bool hacer(FalloBase& f, F cambio) {
        if (falla) {
            f = *std::exchange(falla, std::nullopt);
            return false;
        }
        cambio();
        return true;
    }
    bool listo() override { return listoYa; }
    bool abrir(const std::string&, const std::string&, std::string& error) override {
        error = abre ? "" : "file is not a database";
        return abre;
    }
    bool leerJugadores(std::vector<std::string>& n, FalloBase& f) override {
        return hacer(f, [&] { n = jugadores; });
    }
    bool agregarJugador(const std::string& n, FalloBase& f) override {
        return hacer(f, [&] { jugadores.push_back(n); });
    }
    bool eliminarJugador(const std::string& n, FalloBase& f) override {
        return hacer(f, [&] { std::erase(jugadores, n); });
    }
    bool agregarTanto(const FilaTanto& fila, FalloBase& f) override {
        return hacer(f, [&] { tantos.push_back(fila); });
    }
    bool contarTantos(const std::string& j, const std::string& t, std::vector<CuentaTanto>& c, FalloBase& f) override {
        return hacer(f, [&] {
            c.clear();
            for (const FilaTanto& x : tantos)
                if (x.Jugador == j && x.Tipo == t) c.push_back({x.Numero, 1, x.MintioJugador, x.GanoJugador});
        });
    }
    bool leerPartidas(const std::string& j, std::vector<FilaPartida>& p, FalloBase& f) override {
        return hacer(f, [&] { p = partidas[j]; });
    }
    bool leerOpciones(OpcionesGuardadas& o, FalloBase& f) override {
        return hacer(f, [&] { o = opciones; });
    }
};

}  // namespace naipalia::prueba
