#include "shell/juego.h"

namespace naipalia {

Juego::Juego(Puertos p)
    : puertos_(p.completar()),
      ronda(operacion, computadora, liquidacion),
      computadora(operacion, ronda, cantos, cantoTrucos, trucoTantoPrimero),
      liquidacion(operacion, finJuegos, ronda),
      cantos(operacion, computadora, ronda, cantoTrucos, trucoTantoPrimero),
      principal(operacion, ronda, computadora, liquidacion) {}

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
