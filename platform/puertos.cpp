#include "platform/puertos.h"

namespace naipalia {

namespace {

template <typename Puerto>
void porDefecto(Puerto*& puerto) {
    static Puerto nulo;
    if (!puerto) puerto = &nulo;
}

}  // namespace

Puertos& Puertos::completar() {
    porDefecto(mensajes);
    porDefecto(ventanas);
    porDefecto(reloj);
    porDefecto(azar);
    porDefecto(sonidos);
    porDefecto(animaciones);
    porDefecto(imagenes);
    porDefecto(pantalla);
    porDefecto(escritorio);
    porDefecto(baseDatos);
    return *this;
}

}  // namespace naipalia
