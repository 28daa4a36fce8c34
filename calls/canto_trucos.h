// The dialog of the computer's truco, retruco or vale 4: accept, refuse, or raise.
#pragma once

#include "platform/ventana.h"

namespace naipalia {

class CantoTrucos : public Ventana {
public:
    CantoTrucos();

    Control Imagen{*this, "Imagen", TipoControl::Imagen};
    Control EtiquetaMensaje{*this, "EtiquetaMensaje", TipoControl::Etiqueta};
    Control BotonQuiero{*this, "BotonQuiero", TipoControl::Boton};
    Control BotonNoQuiero{*this, "BotonNoQuiero", TipoControl::Boton};
    Control BotonReCanto{*this, "BotonReCanto", TipoControl::Boton};

    // Wide enough for the raise button, or narrow for the vale 4, which has none.
    static constexpr double AnchoConReCanto = 5280;
    static constexpr double AnchoVale4 = 3240;
};

}  // namespace naipalia
