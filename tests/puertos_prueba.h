// The shared fakes as the unit tests use them: messages and dialogs recorded, random
// draws queued, and a game ready to start with fixed cards.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/falsos.h"
#include "shell/juego.h"

namespace naipalia::prueba {

struct Plataforma {
    // With a players' database, whose registry plays as its first player unless `alModal`
    // takes the dialogs.
    explicit Plataforma(BaseDatos* base = nullptr, std::function<void(Juego&, Ventana&)> alModal = {}) {
        falsos.puertos.baseDatos = base;
        falsos.sembrarGenerador(7);
        falsos.alMensaje = [this](const std::string& texto, Icono) { mensajes.push_back(texto); };
        // Every dialog is hidden at once, but for the computer's envido, which is refused.
        falsos.alMostrarModal = [this, alModal](Ventana& ventana) {
            modales.push_back(ventana.nombre());
            if (alModal) return alModal(*juego, ventana);
            if (&ventana == &juego->jugador) {
                juego->jugador.ListaJugadores.ListIndex(0);
                juego->jugador.ListaJugadores.Click();
                juego->jugador.BotonJugar.Click();
            } else if (&ventana == &juego->tanto && juego->tanto.BotonNoQuiero.Enabled()) {
                juego->tanto.BotonNoQuiero.Click();
            } else {
                ventana.Hide();
            }
        };
        juego = std::make_unique<Juego>(falsos.puertos);
        juego->arrancar();
    }

    // A game started with these six cards dealt and the player as mano.
    Juego& jugar(std::array<int, 6> cartas) {
        falsos.proximasCartas = cartas;
        juego->principal.MenuMJugador_Click();
        juego->ronda.MenuNuevo_Click();
        return *juego;
    }

    Falsos falsos{"/programa"};
    std::deque<double>& sorteos = falsos.cola;  // draws; then a fixed pseudo-random sequence
    std::vector<std::string> mensajes;          // Yes/No questions are answered No
    std::vector<std::string> modales;           // by name
    std::unique_ptr<Juego> juego;
};

}  // namespace naipalia::prueba
