#include "game/cartas.h"

namespace naipalia {

int ClaseCartaPorValor(int valor, char palo) {
    switch (valor) {
        case 0: return 8;
        case 1: return palo == 'E' ? 0 : palo == 'B' ? 1 : 6;
        case 2: return 5;
        case 3: return 4;
        case 4: return 13;
        case 5: return 12;
        case 6: return 11;
        default: return palo == 'E' ? 2 : palo == 'O' ? 3 : 10;
    }
}

}  // namespace naipalia
