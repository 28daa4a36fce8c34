// The end-of-round dialog's model: why the round ended, and two ways on.
#pragma once

#include "platform/ventana.h"

namespace naipalia {

class FinRonda : public Ventana {
public:
    FinRonda();

    Control Imagen{*this, "Imagen", TipoControl::Imagen};
    Control EtiquetaMensaje{*this, "EtiquetaMensaje", TipoControl::Etiqueta};
    // Says when leaving without showing the cards would cost an unproven tanto or flor.
    Control EtiquetaCertificar{*this, "EtiquetaCertificar", TipoControl::Etiqueta};
    Control BotonMostrarCarta{*this, "BotonMostrarCarta", TipoControl::Boton};
    Control BotonMesa{*this, "BotonMesa", TipoControl::Boton};

    // The design's width, and the message width up to which it holds.
    static constexpr double AnchoDiseno = 5520;
    static constexpr double AnchoMensajeDiseno = 3795;
};

}  // namespace naipalia
