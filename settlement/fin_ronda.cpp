#include "settlement/fin_ronda.h"

namespace naipalia {

FinRonda::FinRonda() : Ventana("FinRonda") {
    forma().disenar(0, 0, AnchoDiseno, 2280, "Naipalia");
    Imagen.disenar(240, 240, 720, 720);
    EtiquetaMensaje.disenar(1200, 480, AnchoMensajeDiseno, 320).diseno().TamanoLetra = 10;
    EtiquetaCertificar.disenar(1200, 880, AnchoMensajeDiseno, 300).diseno().TamanoLetra = 9;
    BotonMostrarCarta.disenar(AnchoDiseno - 3720, 1320, 1800, 420, "&Mostrar cartas");
    BotonMesa.disenar(AnchoDiseno - 1800, 1320, 1600, 420, "&Próxima ronda");
    etiquetaMensaje_ = &EtiquetaMensaje;
    terminarDiseno();
}

}  // namespace naipalia
