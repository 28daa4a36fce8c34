// The dialog of the computer's truco while the envido can still be called: the player
// may answer it, raise it, or settle the envido first.
#pragma once

#include "platform/ventana.h"

namespace naipalia {

class TrucoTantoPrimero : public Ventana {
public:
    TrucoTantoPrimero();

    Control Imagen{*this, "Imagen", TipoControl::Imagen};
    Control EtiquetaTruco{*this, "EtiquetaTruco", TipoControl::Etiqueta};
    Control BotonSi{*this, "BotonSi", TipoControl::Boton};
    Control BotonNo{*this, "BotonNo", TipoControl::Boton};
    Control BotonPrimeroTanto{*this, "BotonPrimeroTanto", TipoControl::Boton};
    Control BotonRetruco{*this, "BotonRetruco", TipoControl::Boton};
};

}  // namespace naipalia
