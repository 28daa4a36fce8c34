// Everything outside the core, behind small interfaces: the desktop, the script
// driver and the tests each bring their own.
#pragma once

#include <array>
#include <optional>
#include <string>

namespace naipalia {

class Ventana;

enum class Icono { Critico, Exclamacion, Informacion, Pregunta };
enum class Botones { Aceptar, SiNo };
enum class Respuesta { Aceptar, Si, No };

struct Mensajes {
    virtual ~Mensajes() = default;
    // Titled with the application's name; Yes/No boxes answer Si or No.
    virtual Respuesta mostrar(const std::string& texto, Icono icono, Botones botones = Botones::Aceptar,
                              Respuesta porDefecto = Respuesta::Aceptar) = 0;
};

struct Ventanas {
    virtual ~Ventanas() = default;
    virtual void mostrar(Ventana& ventana) = 0;
    // Returns once the window is hidden or unloaded, after the handler that did it has ended.
    virtual void mostrarModal(Ventana& ventana) = 0;
    // The program ends itself.
    virtual void terminar() = 0;
};

struct Reloj {
    virtual ~Reloj() = default;
    virtual double segundosDelDia() = 0;
    virtual std::string fechaCorta() = 0;
};

struct Azar {
    virtual ~Azar() = default;
    virtual double siguiente() = 0;  // uniform in [0, 1)
    virtual void sembrar(double semilla) = 0;
    // A deal fixed from outside (scripts and tests); the desktop never has one.
    virtual std::optional<std::array<int, 6>> repartoFijado() { return std::nullopt; }
};

// The two wave players, by the name of their control, driven by "Close", "Open", "Play".
struct Sonidos {
    virtual ~Sonidos() = default;
    // False when the command failed (missing or unplayable file).
    virtual bool comando(const std::string& reproductor, const std::string& orden,
                         const std::string& archivo) = 0;
};

struct Animaciones {
    virtual ~Animaciones() = default;
    // False when the file does not exist or is not a picture; the widget keeps its picture.
    virtual bool archivo(const std::string& widget, const std::string& ruta) = 0;
    virtual void iniciar(const std::string& widget) = 0;
};

struct Imagenes {
    virtual ~Imagenes() = default;
    virtual bool cargable(const std::string& ruta) = 0;
};

struct Pantalla {
    virtual ~Pantalla() = default;
    virtual int anchoPixeles() = 0;
    virtual int altoPixeles() = 0;
    // Width in twips of a one-line caption, for labels that size themselves.
    virtual double anchoTexto(const std::string& texto, int tamanoLetra, bool negrita) = 0;
};

struct Escritorio {
    virtual ~Escritorio() = default;
    // False with an error text when the desktop could not open the link.
    virtual bool abrirEnlace(const std::string& destino, std::string& error) = 0;
    virtual void mostrarAyuda(const std::string& ruta) = 0;
};

struct Puertos {
    Mensajes& mensajes;
    Ventanas& ventanas;
    Reloj& reloj;
    Azar& azar;
    Sonidos& sonidos;
    Animaciones& animaciones;
    Imagenes& imagenes;
    Pantalla& pantalla;
    Escritorio& escritorio;
    std::string carpeta;  // the program folder
};

}  // namespace naipalia
