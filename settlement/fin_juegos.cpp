#include "settlement/fin_juegos.h"

namespace naipalia {

FinJuegos::FinJuegos() : Ventana("FinJuegos") {
    forma().disenar(0, 0, 5400, 2400, "Naipalia");
    Imagen.disenar(240, 300, 720, 720);
    auto& etiqueta = EtiquetaMensaje.disenar(1200, 520, 0, 320).diseno();
    etiqueta.TamanoLetra = 10;
    etiqueta.Negrita = true;
    BotonAceptar.disenar(0, 1440, 1400, 420, "&Aceptar");
    etiquetaMensaje_ = &EtiquetaMensaje;
    terminarDiseno();
}

}  // namespace naipalia
