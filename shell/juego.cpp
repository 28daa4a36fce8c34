#include "shell/juego.h"

namespace naipalia {

Juego::Juego(Puertos p)
    : puertos_(p.completar()),
      ronda(operacion, computadora, liquidacion),
      computadora(operacion, ronda, cantos, cantoTrucos, trucoTantoPrimero),
      liquidacion(operacion, finJuegos, ronda),
      cantos(operacion, computadora, ronda, cantoTrucos, trucoTantoPrimero, jugadores),
      jugadores(operacion, jugador, estadistica, ronda, computadora, cantos),
      principal(operacion, ronda, computadora, liquidacion, jugadores) {
    // The anotador hears of the player's deck before the round is given away.
    naipalia.BotonMazo.Click = [this, mazo = naipalia.BotonMazo.Click] {
        operacion.anotador.alMazo();
        mazo();
    };
}

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
