#include "shell/juego.h"

namespace naipalia {

Juego::Juego(Puertos p)
    : puertos_(p.completar()),
      ronda(operacion, computadora, liquidacion),
      computadora(operacion, ronda, cantos, cantoTrucos, trucoTantoPrimero),
      liquidacion(operacion, finJuegos, ronda),
      cantos(operacion, computadora, ronda, cantoTrucos, trucoTantoPrimero, jugadores),
      jugadores(operacion, jugador, estadistica, ronda, computadora, cantos),
      principal(operacion, ronda, computadora, liquidacion, jugadores) {}

void Juego::arrancar() {
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
