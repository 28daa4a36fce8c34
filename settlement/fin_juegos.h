// The end-of-game dialog's model: a remark and a face by the final margin.
#pragma once

#include "platform/ventana.h"

namespace naipalia {

class FinJuegos : public Ventana {
public:
    FinJuegos();

    Control Imagen{*this, "Imagen", TipoControl::Imagen};
    Control EtiquetaMensaje{*this, "EtiquetaMensaje", TipoControl::Etiqueta};
    Control BotonAceptar{*this, "BotonAceptar", TipoControl::Boton};
};

}  // namespace naipalia
