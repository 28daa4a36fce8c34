#include "puertos_prueba.h"

namespace naipalia::prueba {

Plataforma::Plataforma() {
    falsos.sembrarGenerador(7);
    falsos.alMensaje = [this](const std::string& texto, Icono icono) { mensajes.push_back({texto, icono}); };
    falsos.responder = [this](const std::string&) {
        if (respuestas.empty()) return Respuesta::No;
        const Respuesta r = respuestas.front();
        respuestas.pop_front();
        return r;
    };
    falsos.alMostrarModal = [this](Ventana& ventana) {
        modales.push_back(ventana.nombre());
        if (&ventana == &juego->tanto && juego->tanto.BotonNoQuiero.Enabled())
            juego->tanto.BotonNoQuiero.Click();
        else
            ventana.Hide();
    };
    juego = std::make_unique<Juego>(falsos.puertos);
    juego->arrancar();
}

Juego& Plataforma::jugar(std::array<int, 6> cartas, bool manoJugador) {
    falsos.proximasCartas = cartas;
    if (manoJugador)
        juego->principal.MenuMJugador_Click();
    else
        juego->principal.MenuMCompu_Click();
    juego->ronda.MenuNuevo_Click();
    return *juego;
}

}  // namespace naipalia::prueba
