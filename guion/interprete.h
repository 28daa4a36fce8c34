// Reads a script line by line and plays it through the game's own windows.
#pragma once

#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "guion/transcripcion.h"
#include "platform/falsos.h"
#include "platform/sqlcipher/base_sqlcipher.h"
#include "platform/ventana.h"
#include "shell/juego.h"

namespace naipalia::guion {

class CarpetaTemporal;

class Interprete {
public:
    Interprete(std::istream& script, std::ostream& salida, std::string carpetaConstruida);
    ~Interprete();
    int ejecutar();  // the exit status
    // The script line being run.
    int linea() const { return linea_; }

private:
    using Palabras = std::vector<std::string>;

    std::optional<Palabras> siguiente();
    void ejecutarLinea(const Palabras& w);
    bool preparacion(const Palabras& w);
    void lineaDeBase(const Palabras& w);
    void accion(const Palabras& w);
    void interactuar(const Palabras& w);
    void enLista(const Palabras& w);

    Juego& juego();
    Ventana& alFrente();
    Control& controlAlFrente(const std::string& nombre, int indice);
    Control& temporizador(const std::string& nombre);
    void exigirUsable(const Control& c);
    void modal(Ventana& dialogo);
    Respuesta responder();
    void mostrarValores(const Palabras& w);
    void vigilarTextos();
    const std::string& carpeta();
    // The database file the script asked for, made on first need.
    void prepararBase();
    void filas(const std::string& tabla);

    std::istream& script_;
    Transcripcion t_;
    std::string construida_;
    Falsos falsos_{""};
    BaseSqlcipher base_;
    std::string modoBase_ = "none";
    bool basePreparada_ = false;
    std::vector<Palabras> preparacionBase_;  // config, player and history lines
    bool carpetaVacia_ = false;
    std::unique_ptr<CarpetaTemporal> carpeta_;
    std::unique_ptr<Juego> juego_;
    bool iniciado_ = false;
    std::vector<Ventana*> pila_;
    int linea_ = 0;
};

// The text of `show NAME` (without "VALUE NAME="), or nullopt when the name is unknown.
std::optional<std::string> ValorMostrado(Juego& juego, const std::string& nombre);

}  // namespace naipalia::guion
