// The players' database loaded from its module on a thread of its own, which then opens
// the file ahead: the program starts without the engine. Each call waits for the module;
// without it the game goes on without recuerdos and says why.
#pragma once

#include <QLibrary>
#include <QString>
#include <future>
#include <memory>
#include <string>

#include "platform/puertos.h"

namespace naipalia::vista {

class BaseModulo final : public BaseDatos {
public:
    BaseModulo(const QString& carpetaPrograma, const std::string& carpetaDatos, const std::string& archivo,
               const std::string& clave);
    ~BaseModulo() override;
    BaseModulo(const BaseModulo&) = delete;
    BaseModulo& operator=(const BaseModulo&) = delete;

    bool abrir(const std::string& archivo, const std::string& clave, std::string& error) override;
    bool listo() override;
    void cerrar() override { base().cerrar(); }
    bool leerJugadores(std::vector<std::string>& nombres, FalloBase& fallo) override {
        return base().leerJugadores(nombres, fallo);
    }
    bool agregarJugador(const std::string& nombre, FalloBase& fallo) override {
        return base().agregarJugador(nombre, fallo);
    }
    bool eliminarJugador(const std::string& nombre, FalloBase& fallo) override {
        return base().eliminarJugador(nombre, fallo);
    }
    bool agregarTanto(const FilaTanto& fila, FalloBase& fallo) override { return base().agregarTanto(fila, fallo); }
    bool contarTantos(const std::string& jugador, const std::string& tipo, std::vector<CuentaTanto>& cuentas,
                      FalloBase& fallo) override {
        return base().contarTantos(jugador, tipo, cuentas, fallo);
    }
    bool agregarPartida(const std::string& jugador, const FilaPartida& fila, FalloBase& fallo) override {
        return base().agregarPartida(jugador, fila, fallo);
    }
    bool leerPartidas(const std::string& jugador, std::vector<FilaPartida>& filas, FalloBase& fallo) override {
        return base().leerPartidas(jugador, filas, fallo);
    }
    bool leerOpciones(OpcionesGuardadas& opciones, FalloBase& fallo) override {
        return base().leerOpciones(opciones, fallo);
    }
    bool guardarOpcion(Opcion opcion, bool valor, FalloBase& fallo) override {
        return base().guardarOpcion(opcion, valor, fallo);
    }

private:
    BaseDatos& base();

    QLibrary modulo_;
    bool hayArchivo_;
    std::future<BaseDatos*> cargada_;
    std::unique_ptr<BaseDatos> base_;
    BaseDatos sinModulo_;  // no database, as when the file cannot be opened
};

}  // namespace naipalia::vista
