// Reads a script line by line and plays it through the game's own windows.
#pragma once

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "guion/comprobaciones.h"
#include "guion/lector.h"
#include "guion/transcripcion.h"
#include "platform/falsos.h"
#include "platform/sqlcipher/base_sqlcipher.h"
#include "platform/ventana.h"
#include "shell/juego.h"

namespace naipalia::guion {

class CarpetaTemporal;

class Interprete {
public:
    // `script` is a file descriptor, read as it is run.
    Interprete(int script, std::ostream& salida, std::string carpetaConstruida);
    ~Interprete();
    int ejecutar();  // the exit status
    // The script line being run, or the check that failed.
    int linea() const { return lineaRevisada_ ? lineaRevisada_ : lector_.numero(); }

private:
    using Palabras = std::vector<std::string>;

    std::optional<Palabras> siguiente();
    void vigilar();
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
    BaseSqlcipher& lectura();

    Transcripcion t_;
    LectorGuion lector_;
    Comprobaciones comprobaciones_;
    int lineaRevisada_ = 0;
    std::string construida_;
    Falsos falsos_{""};
    BaseSqlcipher base_;
    std::string modoBase_ = "none";
    bool basePreparada_ = false;
    std::vector<Palabras> preparacionBase_;   // config (positional), player and history lines
    std::unique_ptr<BaseSqlcipher> lectura_;  // the connection of `rows`
    bool lecturaAbierta_ = false;
    std::string motivoLectura_;
    bool carpetaVacia_ = false;
    std::unique_ptr<CarpetaTemporal> carpeta_;
    std::unique_ptr<Juego> juego_;
    Lado manoPrevia_ = Lado::Nadie;
    bool iniciado_ = false;
    std::vector<Ventana*> pila_;
    long ticks_ = 0;
    long vigilias_ = 0;
    std::size_t encolados_ = 0;  // random numbers
};

// The text of `show NAME` (without "VALUE NAME="), or nullopt when the name is unknown.
std::optional<std::string> ValorMostrado(Juego& juego, const std::string& nombre);

}  // namespace naipalia::guion
