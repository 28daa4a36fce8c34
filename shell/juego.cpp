#include "shell/juego.h"

namespace naipalia {

Juego::Juego(Puertos p)
    : puertos_(p.completar()),
      computadora(operacion, ronda, cantoTrucos, trucoTantoPrimero),
      ronda(operacion, contrincante, finJuegos),
      liquidacion(operacion, finJuegos, ronda),
      cantos(operacion, computadora, ronda, cantoTrucos, trucoTantoPrimero, jugadores),
      jugadores(operacion, jugador, estadistica, misPartidas, ronda),
      principal(operacion, ronda, jugadores) {
    // A game that reached its end is stored as its closing dialog loads, the final
    // scores still on the table; an abandoned game never gets there.
    finJuegos.Load = [this, cargar = finJuegos.Load] {
        jugadores.GrabarPartida();
        if (cargar) cargar();
    };
}

void Juego::arrancar() {
    puertos_.ventanas->preparar(naipalia);
    naipalia.cargar();
    naipalia.forma().Visible(true);
    puertos_.ventanas->mostrar(naipalia);
}

Ventana* Juego::ventana(const std::string& nombre) const {
    for (Ventana* v : ventanas_)
        if (v->nombre() == nombre) return v;
    return nullptr;
}

}  // namespace naipalia
