// Ports for self-play: silent and cheap (no file is touched), the game's numbers from a
// generator seeded per game, and the player behind every question and dialog.
#pragma once

#include <cstdint>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "platform/puertos.h"

namespace naipalia::autojuego {

class JugadorAzar;

// The player's choices (SplitMix64): unlike the game's generator, nearly free to seed
// once per game.
class AzarJugador {
public:
    void sembrar(std::uint64_t semilla) { estado_ = semilla; }
    std::uint32_t operator()() {
        std::uint64_t z = (estado_ += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return static_cast<std::uint32_t>((z ^ (z >> 31)) >> 32);
    }

private:
    std::uint64_t estado_ = 0;
};

struct Mensaje {
    std::string texto;
    Icono icono;
};

class Plataforma final : Mensajes, Ventanas, Reloj, Azar, Sonidos, Animaciones, Imagenes, Pantalla, Escritorio {
public:
    Plataforma();
    Plataforma(const Plataforma&) = delete;
    Plataforma& operator=(const Plataforma&) = delete;

    // Both generators restart: the game's numbers and the player's choices.
    void nuevaPartida(std::uint32_t semillaJuego, std::uint32_t semillaJugador);

    Puertos puertos;
    AzarJugador azarJugador;
    JugadorAzar* jugador = nullptr;  // plays every modal dialog
    std::ostream* traza = nullptr;

    // This game's messages and Yes/No questions.
    std::vector<Mensaje> mensajes;
    int preguntas = 0;
    Respuesta ultimaRespuesta = Respuesta::No;

private:
    Respuesta mostrar(const std::string& texto, Icono icono, Botones botones, Respuesta porDefecto) override;
    void mostrar(Ventana&) override {}
    void mostrarModal(Ventana& ventana) override;
    void terminar() override;
    double segundosDelDia() override { return 43200; }
    std::string fechaCorta() override { return "06/12/2026"; }
    double siguiente() override;
    // The game reseeds from the clock at every deal; ignoring it keeps a seed replayable.
    void sembrar(double) override {}
    bool comando(const std::string&, const std::string&, const std::string&) override { return true; }
    bool archivo(const std::string&, const std::string&) override { return true; }
    void iniciar(const std::string&) override {}
    bool cargable(const std::string&) override { return true; }
    int anchoPixeles() override { return 1024; }
    int altoPixeles() override { return 768; }
    double anchoTexto(const std::string& texto, int, bool) override {
        return 90.0 * static_cast<double>(texto.size());
    }
    bool abrirEnlace(const std::string&, std::string&) override { return true; }
    void mostrarAyuda(const std::string&) override {}

    std::mt19937 azarJuego_;
    long sorteos_ = 0;
};

}  // namespace naipalia::autojuego
