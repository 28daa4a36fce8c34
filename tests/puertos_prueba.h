// Ports for unit tests: silent, recording, answering from queues.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "platform/puertos.h"
#include "shell/juego.h"

namespace naipalia::prueba {

struct Mensaje {
    std::string texto;
    Icono icono;
};

class Plataforma : Mensajes, Ventanas, Reloj, Azar, Sonidos, Animaciones, Imagenes, Pantalla, Escritorio {
public:
    Plataforma();
    std::vector<Mensaje> mensajes;
    std::deque<Respuesta> respuestas;           // Yes/No answers; No when empty
    std::deque<double> sorteos;                 // draws; then a fixed pseudo-random sequence
    std::function<void(Ventana&)> alMostrarModal;  // default: the dialog is hidden at once
    std::vector<std::string> voces;
    std::vector<std::string> modales;
    std::unique_ptr<Juego> juego;
    Puertos puertos;

    // A game started with these six cards dealt and the player (or the computer) as mano.
    Juego& jugar(std::array<int, 6> cartas, bool manoJugador = true);

private:
    Respuesta mostrar(const std::string& texto, Icono icono, Botones botones, Respuesta porDefecto) override;
    void mostrar(Ventana&) override {}
    void mostrarModal(Ventana& ventana) override;
    void terminar() override {}
    double segundosDelDia() override { return 43200; }
    std::string fechaCorta() override { return "06/12/2026"; }
    double siguiente() override;
    void sembrar(double) override {}
    std::optional<std::array<int, 6>> repartoFijado() override;
    bool comando(const std::string& reproductor, const std::string& orden, const std::string& archivo) override;
    bool archivo(const std::string&, const std::string&) override { return true; }
    void iniciar(const std::string&) override {}
    bool cargable(const std::string&) override { return true; }
    int anchoPixeles() override { return 1024; }
    int altoPixeles() override { return 768; }
    double anchoTexto(const std::string& texto, int, bool) override { return 90.0 * static_cast<double>(texto.size()); }
    bool abrirEnlace(const std::string&, std::string&) override { return true; }
    void mostrarAyuda(const std::string&) override {}

    std::optional<std::array<int, 6>> cartas_;
    std::mt19937 generador_{7};
};

}  // namespace naipalia::prueba
