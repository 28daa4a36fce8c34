// The dialog of the player's own results: his finished games won and lost, the run the
// latest ones make, his best win, and the margin of each game drawn over time.
#pragma once

#include "platform/ventana.h"

namespace naipalia {

class MisPartidas : public Ventana {
public:
    MisPartidas();

    Control EtiquetaJugador{*this, "EtiquetaJugador", TipoControl::Etiqueta};
    Control EtiquetaGanadas{*this, "EtiquetaGanadas", TipoControl::Etiqueta};
    Control TextoGanadas{*this, "TextoGanadas", TipoControl::Texto};
    Control EtiquetaPerdidas{*this, "EtiquetaPerdidas", TipoControl::Etiqueta};
    Control TextoPerdidas{*this, "TextoPerdidas", TipoControl::Texto};
    Control EtiquetaRacha{*this, "EtiquetaRacha", TipoControl::Etiqueta};
    Control TextoRacha{*this, "TextoRacha", TipoControl::Texto};
    Control EtiquetaMejor{*this, "EtiquetaMejor", TipoControl::Etiqueta};
    Control TextoMejor{*this, "TextoMejor", TipoControl::Texto};
    Control EtiquetaGrafico{*this, "EtiquetaGrafico", TipoControl::Etiqueta};
    // Its list: each game's margin in decimal, oldest first.
    Control GraficoPartidas{*this, "GraficoPartidas", TipoControl::Grafico};
    Control BotonAceptar{*this, "BotonAceptar", TipoControl::Boton};
};

}  // namespace naipalia
