// The ports of the script driver: everything the game asks of the outside world is
// answered by the script and written to the transcript.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <ostream>
#include <random>
#include <string>

#include "platform/puertos.h"

namespace naipalia::guion {

// The script could not go on: the driver writes ERROR with this reason.
struct ErrorGuion {
    std::string motivo;
};
// The program ended itself.
struct FinPrograma {};

class Transcripcion {
public:
    explicit Transcripcion(std::ostream& salida) : salida_(salida) {}
    void linea(const std::string& texto);
    static std::string escapar(const std::string& texto);

private:
    std::ostream& salida_;
};

// Callbacks into the interpreter for what only the script can answer.
struct Guion {
    std::function<Respuesta(const std::string& pregunta)> responder;
    std::function<void(Ventana& dialogo)> modal;
    std::string carpeta;  // relative paths in the transcript are taken from here
};

class MensajesGuion : public Mensajes {
public:
    MensajesGuion(Transcripcion& t, Guion& g) : t_(t), g_(g) {}
    Respuesta mostrar(const std::string& texto, Icono icono, Botones botones, Respuesta porDefecto) override;

private:
    Transcripcion& t_;
    Guion& g_;
};

class VentanasGuion : public Ventanas {
public:
    explicit VentanasGuion(Guion& g) : g_(g) {}
    void mostrar(Ventana&) override {}
    void mostrarModal(Ventana& ventana) override { g_.modal(ventana); }
    void terminar() override { throw FinPrograma{}; }

private:
    Guion& g_;
};

class RelojGuion : public Reloj {
public:
    double segundosDelDia() override { return segundos; }
    std::string fechaCorta() override { return fecha; }
    double segundos = 43200;
    std::string fecha = "06/12/2026";
};

class AzarGuion : public Azar {
public:
    double siguiente() override;
    void sembrar(double) override { sorteosDelReparto_ = 0; }
    std::optional<std::array<int, 6>> repartoFijado() override;

    std::deque<double> cola;
    std::optional<double> fijo;
    void semilla(std::uint32_t n) {
        generador_.seed(n);
        fijo.reset();
    }
    std::optional<std::array<int, 6>> proximasCartas;

private:
    std::mt19937 generador_{1};
    long sorteosDelReparto_ = 0;
};

class SonidosGuion : public Sonidos {
public:
    SonidosGuion(Transcripcion& t, Guion& g) : t_(t), g_(g) {}
    bool comando(const std::string& reproductor, const std::string& orden, const std::string& archivo) override;

private:
    Transcripcion& t_;
    Guion& g_;
    std::string abierto_[2];
};

class AnimacionesGuion : public Animaciones {
public:
    AnimacionesGuion(Transcripcion& t, Guion& g) : t_(t), g_(g) {}
    bool archivo(const std::string& widget, const std::string& ruta) override;
    void iniciar(const std::string& widget) override;

private:
    Transcripcion& t_;
    Guion& g_;
    std::string cargado_[2];
};

class ImagenesGuion : public Imagenes {
public:
    bool cargable(const std::string& ruta) override;
};

class PantallaGuion : public Pantalla {
public:
    int anchoPixeles() override { return ancho; }
    int altoPixeles() override { return alto; }
    double anchoTexto(const std::string& texto, int tamanoLetra, bool negrita) override;
    int ancho = 1024;
    int alto = 768;
};

class EscritorioGuion : public Escritorio {
public:
    EscritorioGuion(Transcripcion& t, Guion& g) : t_(t), g_(g) {}
    bool abrirEnlace(const std::string& destino, std::string& error) override;
    void mostrarAyuda(const std::string& ruta) override;

private:
    Transcripcion& t_;
    Guion& g_;
};

// A path of the program folder as the transcript writes it: relative, with "/".
std::string RutaRelativa(const std::string& carpeta, const std::string& ruta);

}  // namespace naipalia::guion
