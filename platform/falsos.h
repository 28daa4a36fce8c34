// Ports without a desktop: the script driver, the unit tests and self-play all play
// through these, each watching and steering what it needs.
#pragma once

#include <array>
#include <deque>
#include <functional>
#include <optional>
#include <random>
#include <string>

#include "platform/puertos.h"

namespace naipalia {

class Falsos final : Mensajes, Ventanas, Reloj, Azar, Sonidos, Animaciones, Imagenes, Pantalla, Escritorio {
public:
    explicit Falsos(std::string carpeta);
    Falsos(const Falsos&) = delete;
    Falsos& operator=(const Falsos&) = delete;

    Puertos puertos;

    // Message boxes: every one is reported; a Yes/No box is answered by `responder`
    // (No when unset).
    std::function<void(const std::string& texto, Icono icono)> alMensaje;
    std::function<Respuesta(const std::string& pregunta)> responder;
    // A modal window: by default it is hidden at once.
    std::function<void(Ventana& ventana)> alMostrarModal;
    std::function<void()> alTerminar;

    // Clock and date never move by themselves.
    double segundos = 43200;
    std::string fecha = "06/12/2026";

    // Draws: queued numbers first, then the fixed number if any, then a Mersenne
    // twister (seeded with 1 until reseeded).
    std::deque<double> cola;
    std::optional<double> fijo;
    void sembrarGenerador(std::uint32_t semilla);
    // Past this many draws since the deal last reseeded (0: no limit), a loop of the
    // game does not end: `alExcederSorteos` is told, and should not return.
    long limiteSorteos = 0;
    std::function<void()> alExcederSorteos;
    // The next deal, when fixed.
    std::optional<std::array<int, 6>> proximasCartas;

    // With files checked, sounds, pictures and animations are what the program folder
    // really holds; without, every file is taken as good and none is read.
    bool revisarArchivos = false;
    std::function<void(const std::string& reproductor, const std::string& archivo)> alReproducir;
    std::function<void(const std::string& widget, const std::string& ruta)> alAnimar;
    std::function<void(const std::string& destino)> alEnlace;
    std::function<void(const std::string& ruta)> alAyuda;

    int ancho = 1024;
    int alto = 768;

private:
    Respuesta mostrar(const std::string& texto, Icono icono, Botones botones, Respuesta porDefecto) override;
    void mostrar(Ventana&) override {}
    void mostrarModal(Ventana& ventana) override;
    void terminar() override;
    double segundosDelDia() override { return segundos; }
    std::string fechaCorta() override { return fecha; }
    double siguiente() override;
    void sembrar(double) override { sorteosDelReparto_ = 0; }
    std::optional<std::array<int, 6>> repartoFijado() override;
    bool comando(const std::string& reproductor, const std::string& orden, const std::string& archivo) override;
    bool archivo(const std::string& widget, const std::string& ruta) override;
    void iniciar(const std::string& widget) override;
    bool cargable(const std::string& ruta) override;
    int anchoPixeles() override { return ancho; }
    int altoPixeles() override { return alto; }
    double anchoTexto(const std::string& texto, int tamanoLetra, bool negrita) override;
    bool abrirEnlace(const std::string& destino, std::string& error) override;
    void mostrarAyuda(const std::string& ruta) override;

    // What a watched player does on a command that succeeded.
    void vigilar(int reproductor, char orden, const std::string& nombre, const std::string& archivo);

    std::mt19937 twister_{1};
    long sorteosDelReparto_ = 0;
    bool abiertos_[2] = {};    // each wave player has a file open
    std::string archivos_[2];  // and which, when it is watched
    std::string animados_[3];  // the file loaded in each animated picture
};

}  // namespace naipalia
