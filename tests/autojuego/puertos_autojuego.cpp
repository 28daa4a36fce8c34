#include "tests/autojuego/puertos_autojuego.h"

#include "platform/ventana.h"
#include "tests/autojuego/fallo.h"
#include "tests/autojuego/jugador_azar.h"

namespace naipalia::autojuego {

namespace {

// Far more than any game draws: past it a loop of the game does not end.
constexpr long MaximoSorteos = 1000000;

}  // namespace

Plataforma::Plataforma() {
    falsos.alMensaje = [this](const std::string& texto, Icono icono) {
        mensajes.push_back({texto, icono});
        if (traza) *traza << "  message: " << texto << '\n';
    };
    falsos.responder = [this](const std::string&) {
        ++preguntas;
        ultimaRespuesta = azarJugador() < 0x80000000U ? Respuesta::Si : Respuesta::No;
        if (traza) *traza << "  answer: " << (ultimaRespuesta == Respuesta::Si ? "yes" : "no") << '\n';
        return ultimaRespuesta;
    };
    falsos.alMostrarModal = [this](Ventana& ventana) {
        if (!jugador) Fallar(ventana.nombre() + " opened with nobody to answer it");
        jugador->jugarDialogo(ventana);
    };
    falsos.alTerminar = [] { Fallar("the program ended itself in the middle of play"); };
    // The game reseeds from the clock at every deal, which the fakes ignore: a seed per
    // game keeps it replayable.
    falsos.sorteosDe32Bits = true;
    falsos.limiteSorteos = MaximoSorteos;
    falsos.alExcederSorteos = [] { Fallar("a deal drew a million random numbers: a loop does not end"); };
}

void Plataforma::nuevaPartida(std::uint32_t semillaJuego, std::uint32_t semillaJugador) {
    falsos.sembrarGenerador(semillaJuego);
    azarJugador.sembrar(semillaJugador);
    mensajes.clear();
    preguntas = 0;
    ultimaRespuesta = Respuesta::No;
}

}  // namespace naipalia::autojuego
