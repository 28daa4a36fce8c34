// The players' database on SQLCipher: an encrypted SQLite file. Kept out of the core,
// which knows only the port; the desktop program, the driver and the tests link it.
#pragma once

#include <chrono>
#include <future>
#include <string>
#include <vector>

#include "platform/puertos.h"

struct sqlite3;
struct sqlite3_stmt;

namespace naipalia {

class BaseSqlcipher final : public BaseDatos {
public:
    // carpetaDatos: where the file goes when the program's folder cannot be written
    // (an installed program); empty keeps it in place.
    explicit BaseSqlcipher(std::string carpetaDatos = {});
    ~BaseSqlcipher() override;
    BaseSqlcipher(const BaseSqlcipher&) = delete;
    BaseSqlcipher& operator=(const BaseSqlcipher&) = delete;

    bool abrir(const std::string& archivo, const std::string& clave, std::string& error) override;
    // Opens the file on another thread, so that the key's slow derivation runs while the
    // windows are made; the next abrir() of that file with that key takes the connection.
    void adelantar(const std::string& archivo, const std::string& clave);
    bool listo() override;
    void cerrar() override;
    bool leerJugadores(std::vector<std::string>& nombres, FalloBase& fallo) override;
    bool agregarJugador(const std::string& nombre, FalloBase& fallo) override;
    bool eliminarJugador(const std::string& nombre, FalloBase& fallo) override;
    bool agregarTanto(const FilaTanto& fila, FalloBase& fallo) override;
    bool contarTantos(const std::string& jugador, const std::string& tipo, std::vector<CuentaTanto>& cuentas,
                      FalloBase& fallo) override;
    bool agregarPartida(const std::string& jugador, const FilaPartida& fila, FalloBase& fallo) override;
    bool leerPartidas(const std::string& jugador, std::vector<FilaPartida>& filas, FalloBase& fallo) override;
    bool leerOpciones(OpcionesGuardadas& opciones, FalloBase& fallo) override;
    bool guardarOpcion(Opcion opcion, bool valor, FalloBase& fallo) override;

    // Every history row in storage order (the driver's and the tests' view).
    bool leerTantos(std::vector<FilaTanto>& filas, FalloBase& fallo);
    // Every finished game in storage order, whoever played it.
    bool leerTodasLasPartidas(std::vector<FilaPartida>& filas, FalloBase& fallo);
    // Many writes as one transaction (a script's set-up): one sync instead of one each.
    bool comenzarLote();
    bool confirmarLote();
    // The engine's integrity check: "ok" when the file is sound.
    std::string integridad();
    // The file in use, after any move to the data folder.
    const std::string& archivo() const { return archivo_; }

    // A fresh file: the four tables, the history's index and one Configuracion record with
    // every option False. Fails when the file exists.
    static bool Crear(const std::string& archivo, const std::string& clave, std::string& error);
    // Where the file is used: in place when its folder can be written and the file is not
    // marked read-only; else in the data folder, where the shipped file is copied the
    // first time.
    static std::string Ubicar(const std::string& archivo, const std::string& carpetaDatos);

private:
    struct Apertura {
        std::string pedido, clave, archivo, error;
        sqlite3* db = nullptr;
    };
    static Apertura Abrir(const std::string& archivo, const std::string& clave, const std::string& carpetaDatos);

    // Asked by the engine while another connection holds the file: nonzero to try again.
    static int seguirEsperando(void* base, int veces);
    bool preparar(const char* sql, sqlite3_stmt*& sentencia, FalloBase& fallo);
    // A statement's end: done, the file then free; else its failure at `paso`.
    bool terminado(int rc, PasoBase paso, FalloBase& fallo);
    bool ejecutar(sqlite3_stmt* sentencia, FalloBase& fallo);
    // A statement whose only parameter, ?1, is a player's name.
    bool ejecutarConNombre(const std::string& sql, const std::string& nombre, FalloBase& fallo);
    // Finalizes the statement.
    bool leerFilasDePartidas(sqlite3_stmt* sentencia, std::vector<FilaPartida>& filas, FalloBase& fallo);
    FalloBase fallo(PasoBase paso) const;

    std::string carpetaDatos_;
    std::future<Apertura> adelantada_;
    std::string archivo_;
    sqlite3* db_ = nullptr;
    // Until then a held file is given up at once: set when one is given up on.
    std::chrono::steady_clock::time_point sinEsperaHasta_{};
    std::chrono::steady_clock::time_point esperaDesde_{};
    bool rendidoAlInstante_ = false;  // the last give-up did not wait
};

}  // namespace naipalia
