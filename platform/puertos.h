// Everything outside the core, behind small interfaces. Each has a default that does
// nothing, so a face or a test brings only the ports it cares about.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "platform/opciones.h"

namespace naipalia {

class Ventana;

enum class Icono { Critico, Exclamacion, Informacion, Pregunta };
enum class Botones { Aceptar, SiNo };
enum class Respuesta { Aceptar, Si, No };

struct Mensajes {
    virtual ~Mensajes() = default;
    // Titled with the application's name; Yes/No boxes answer Si or No.
    virtual Respuesta mostrar(const std::string& texto, Icono icono, Botones botones = Botones::Aceptar,
                              Respuesta porDefecto = Respuesta::Aceptar) {
        (void)texto, (void)icono, (void)botones;
        return porDefecto;
    }
};

struct Ventanas {
    virtual ~Ventanas() = default;
    virtual void mostrar(Ventana& ventana) { (void)ventana; }
    // A window about to load: made unshown, so that dialogs its loading opens take its scale.
    virtual void preparar(Ventana& ventana) { (void)ventana; }
    // Returns once the window is hidden or unloaded, after the handler that did it has ended.
    virtual void mostrarModal(Ventana& ventana) { (void)ventana; }
    // The program ends itself.
    virtual void terminar() {}
};

struct Reloj {
    virtual ~Reloj() = default;
    virtual double segundosDelDia() { return 0; }
    virtual std::string fechaCorta() { return {}; }
};

struct Azar {
    virtual ~Azar() = default;
    virtual double siguiente() { return 0; }  // uniform in [0, 1)
    virtual void sembrar(double semilla) { (void)semilla; }
    // A deal fixed from outside (scripts and tests); the desktop never has one.
    virtual std::optional<std::array<int, 6>> repartoFijado() { return std::nullopt; }
};

// The two wave players, by the name of their control, driven by "Close", "Open", "Play".
struct Sonidos {
    virtual ~Sonidos() = default;
    // False when the command failed (missing or unplayable file).
    virtual bool comando(const std::string& reproductor, const std::string& orden, const std::string& archivo) {
        (void)reproductor, (void)orden, (void)archivo;
        return true;
    }
};

struct Animaciones {
    virtual ~Animaciones() = default;
    // False when the file does not exist or is not a picture; the widget keeps its picture.
    virtual bool archivo(const std::string& widget, const std::string& ruta) {
        (void)widget, (void)ruta;
        return true;
    }
    virtual void iniciar(const std::string& widget) { (void)widget; }
};

struct Imagenes {
    virtual ~Imagenes() = default;
    virtual bool cargable(const std::string& ruta) {
        (void)ruta;
        return true;
    }
};

struct Pantalla {
    virtual ~Pantalla() = default;
    virtual int anchoPixeles() { return 1024; }
    virtual int altoPixeles() { return 768; }
    // Width in twips of a one-line caption, for labels that size themselves.
    virtual double anchoTexto(const std::string& texto, int tamanoLetra, bool negrita) {
        (void)texto, (void)tamanoLetra, (void)negrita;
        return 0;
    }
};

struct Escritorio {
    virtual ~Escritorio() = default;
    // False with an error text when the desktop could not open the link.
    virtual bool abrirEnlace(const std::string& destino, std::string& error) {
        (void)destino, (void)error;
        return true;
    }
    virtual void mostrarAyuda(const std::string& ruta) { (void)ruta; }
};

// The step of a database operation that failed: opening its table or query, setting
// the fields of a row, or storing it.
enum class PasoBase { Abrir, Interpretar, Recordar };

struct FalloBase {
    PasoBase paso = PasoBase::Abrir;
    std::string descripcion;  // the engine's own words
    // Given up at once: the file is still held by another, as at the failure just
    // before. Nothing was done, and there is nothing new to tell.
    bool sigueBloqueado = false;
};

// One row of the tanto history, as stored.
struct FilaTanto {
    std::string Jugador;  // the 30-character padded name
    std::string Tipo;
    int Numero = 0;
    bool MintioJugador = false;
    bool GanoJugador = false;
};

// One player's rows of one type that share a Numero, counted by the engine.
struct CuentaTanto {
    int Numero = 0;
    long filas = 0;
    long mintio = 0;
    long gano = 0;
};

// One finished game, as stored: whose (the number of his record in Jugador), when (the
// date as the program shows it, the time of day), to how many points, and how it ended.
struct FilaPartida {
    long Numero = 0;
    std::string Fecha;
    std::string Hora;  // "HH:MM:SS"
    int PuntosJuego = 0;
    int PuntosJugador = 0;
    int PuntosComputadora = 0;
};

// The players' database. Names and values travel as data, never as statement text.
// Each write is whole or not at all. Failures answer false with the step and the
// engine's description; the default has no database at all.
struct BaseDatos {
    virtual ~BaseDatos() = default;
    // The file with its password; never creates one. The default keeps no database and
    // leaves the error empty: a face without one starts silently without recuerdos.
    // Opened, the error may still hold a notice for the player: a part of the file the
    // game could not use was set aside.
    virtual bool abrir(const std::string& archivo, const std::string& clave, std::string& error) {
        (void)archivo, (void)clave;
        error.clear();
        return false;
    }
    // False while the file is still being opened ahead of abrir(), which would wait for it.
    virtual bool listo() { return true; }
    virtual void cerrar() {}
    // Table order.
    virtual bool leerJugadores(std::vector<std::string>& nombres, FalloBase& fallo) { return sinBase(nombres, fallo); }
    virtual bool agregarJugador(const std::string& nombre, FalloBase& fallo) { return sinBase(nombre, fallo); }
    // The first record with exactly this name, and his games with it.
    virtual bool eliminarJugador(const std::string& nombre, FalloBase& fallo) { return sinBase(nombre, fallo); }
    virtual bool agregarTanto(const FilaTanto& fila, FalloBase& fallo) { return sinBase(fila, fallo); }
    // The player's rows of one Tipo, as counts per Numero in ascending Numero.
    virtual bool contarTantos(const std::string& jugador, const std::string& tipo, std::vector<CuentaTanto>& cuentas,
                              FalloBase& fallo) {
        (void)jugador;
        return sinBase(tipo, fallo) && sinBase(cuentas, fallo);
    }
    // A game of the first player registered with this name (its Numero is his);
    // none is kept when no such player is registered.
    virtual bool agregarPartida(const std::string& jugador, const FilaPartida& fila, FalloBase& fallo) {
        (void)jugador;
        return sinBase(fila, fallo);
    }
    // That player's games, in the order they were played.
    virtual bool leerPartidas(const std::string& jugador, std::vector<FilaPartida>& filas, FalloBase& fallo) {
        (void)jugador;
        return sinBase(filas, fallo);
    }
    // False only when the table cannot be read; an empty table leaves the options as given.
    virtual bool leerOpciones(OpcionesGuardadas& opciones, FalloBase& fallo) { return sinBase(opciones, fallo); }
    // One stored option, in its column of Configuracion.
    virtual bool guardarOpcion(Opcion opcion, bool valor, FalloBase& fallo) {
        (void)valor;
        return sinBase(opcion, fallo);
    }

private:
    template <typename T>
    static bool sinBase(const T&, FalloBase& fallo) {
        fallo = {PasoBase::Abrir, "No hay base de datos abierta."};
        return false;
    }
};

// The ports by name; any left unset is the one that does nothing.
struct Puertos {
    Mensajes* mensajes = nullptr;
    Ventanas* ventanas = nullptr;
    Reloj* reloj = nullptr;
    Azar* azar = nullptr;
    Sonidos* sonidos = nullptr;
    Animaciones* animaciones = nullptr;
    Imagenes* imagenes = nullptr;
    Pantalla* pantalla = nullptr;
    Escritorio* escritorio = nullptr;
    BaseDatos* baseDatos = nullptr;
    std::string carpeta;  // the program folder

    // Every unset port pointed at its do-nothing default.
    Puertos& completar();
};

}  // namespace naipalia
