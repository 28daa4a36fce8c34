#include "calls/truco_tanto_primero.h"

namespace naipalia {

TrucoTantoPrimero::TrucoTantoPrimero() : Ventana("TrucoTantoPrimero") {
    forma().disenar(0, 0, 6000, 2280, "Naipalia");
    Imagen.disenar(240, 240, 720, 720);
    auto& etiqueta = EtiquetaTruco.disenar(1200, 420, 3000, 400, "Truco!!!").diseno();
    etiqueta.TamanoLetra = 12;
    etiqueta.Negrita = true;
    BotonSi.disenar(240, 1200, 1680, 420, "&Quiero");
    BotonNo.disenar(2040, 1200, 1680, 420, "&No Quiero");
    BotonRetruco.disenar(3840, 1200, 1680, 420, "&Re-Truco");
    BotonPrimeroTanto.disenar(240, 1680, 5280, 420, "&Primero está el tanto");
    etiquetaMensaje_ = &EtiquetaTruco;
    terminarDiseno();
}

}  // namespace naipalia
