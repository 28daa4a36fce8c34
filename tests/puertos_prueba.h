// The shared fakes as the unit tests use them: messages and dialogs recorded, Yes/No
// answers and random draws queued, and a game ready to start with fixed cards.
#pragma once

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "platform/falsos.h"
#include "shell/juego.h"

namespace naipalia::prueba {

struct Mensaje {
    std::string texto;
    Icono icono;
};

class Plataforma {
public:
    Plataforma();

    Falsos falsos{"/programa"};
    std::vector<Mensaje> mensajes;
    std::deque<Respuesta> respuestas;           // Yes/No answers; No when empty
    std::deque<double>& sorteos = falsos.cola;  // draws; then a fixed pseudo-random sequence
    // Every dialog shown, by name; each is hidden at once, but for the computer's envido,
    // which is refused.
    std::vector<std::string> modales;
    std::unique_ptr<Juego> juego;

    // A game started with these six cards dealt and the player (or the computer) as mano.
    Juego& jugar(std::array<int, 6> cartas, bool manoJugador = true);
    // Forgets what was queued and shown so far, so a test sees only its own.
    void olvidar() {
        sorteos.clear();
        mensajes.clear();
        modales.clear();
    }
    bool dijo(const std::string& texto) const {
        for (const auto& m : mensajes)
            if (m.texto == texto) return true;
        return false;
    }
};

}  // namespace naipalia::prueba
