#include "calls/canto_trucos.h"

namespace naipalia {

CantoTrucos::CantoTrucos() : Ventana("CantoTrucos") {
    forma().disenar(0, 0, AnchoConReCanto, 2100, "Naipalia");
    Imagen.disenar(240, 240, 720, 720);
    auto& etiqueta = EtiquetaMensaje.disenar(1200, 420, 1800, 400).diseno();
    etiqueta.TamanoLetra = 12;
    etiqueta.Negrita = true;
    BotonQuiero.disenar(240, 1200, 1320, 420, "&Quiero");
    BotonNoQuiero.disenar(1680, 1200, 1320, 420, "&No quiero");
    BotonReCanto.disenar(3720, 1200, 1320, 420, "&Re-Truco");
    etiquetaMensaje_ = &EtiquetaMensaje;
    terminarDiseno();
}

}  // namespace naipalia
