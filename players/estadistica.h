// The statistics dialog's model: the player's record on one envido chain, each figure
// with a comment, before the computer answers him.
#pragma once

#include "platform/ventana.h"

namespace naipalia {

class Estadistica : public Ventana {
public:
    Estadistica();

    Control Imagen{*this, "Imagen", TipoControl::Imagen};
    Control EtiquetaHistorial{*this, "EtiquetaHistorial", TipoControl::Etiqueta};
    Control EtiquetaTanto{*this, "EtiquetaTanto", TipoControl::Etiqueta};
    Control TextoTanto{*this, "TextoTanto", TipoControl::Texto};
    Control EtiquetaJugado{*this, "EtiquetaJugado", TipoControl::Etiqueta};
    Control TextoJugado{*this, "TextoJugado", TipoControl::Texto};
    Control TextoComentarioJugado{*this, "TextoComentarioJugado", TipoControl::Texto};
    Control EtiquetaGanados{*this, "EtiquetaGanados", TipoControl::Etiqueta};
    Control TextoGanado{*this, "TextoGanado", TipoControl::Texto};
    Control TextoComentarioGanado{*this, "TextoComentarioGanado", TipoControl::Texto};
    Control EtiquetaMentira{*this, "EtiquetaMentira", TipoControl::Etiqueta};
    Control TextoMentira{*this, "TextoMentira", TipoControl::Texto};
    Control TextoComentarioMentira{*this, "TextoComentarioMentira", TipoControl::Texto};
    Control EtiquetaPromedio{*this, "EtiquetaPromedio", TipoControl::Etiqueta};
    Control TextoPromedio{*this, "TextoPromedio", TipoControl::Texto};
    Control TextoComentarioPromedio{*this, "TextoComentarioPromedio", TipoControl::Texto};
    Control EtiquetaDecision{*this, "EtiquetaDecision", TipoControl::Etiqueta};
    Control BotonAceptar{*this, "BotonAceptar", TipoControl::Boton};
};

}  // namespace naipalia
