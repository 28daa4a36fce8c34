// The player registry's model: the registered names, registering and deleting one,
// choosing who plays, and an advertisement that changes every ten seconds.
#pragma once

#include "platform/ventana.h"

namespace naipalia {

class Jugador : public Ventana {
public:
    Jugador();

    Control Diseno{*this, "Diseno", TipoControl::Marco};
    Control Image1{*this, "Image1", TipoControl::Imagen};
    Control Image2{*this, "Image2", TipoControl::Imagen};
    Control Image3{*this, "Image3", TipoControl::Imagen};
    Control Image4{*this, "Image4", TipoControl::Imagen};
    Control EtiquetaListaJugador{*this, "EtiquetaListaJugador", TipoControl::Etiqueta};
    Control ListaJugadores{*this, "ListaJugadores", TipoControl::Lista};
    Control EtiquetaSeleccionJugador{*this, "EtiquetaSeleccionJugador", TipoControl::Etiqueta};
    Control TextoSeleccionJugador{*this, "TextoSeleccionJugador", TipoControl::Texto};
    Control EtiquetaNuevoJugador{*this, "EtiquetaNuevoJugador", TipoControl::Etiqueta};
    Control TextoNuevoJugador{*this, "TextoNuevoJugador", TipoControl::Texto};
    Control BotonRegistrar{*this, "BotonRegistrar", TipoControl::Boton};
    Control BotonEliminar{*this, "BotonEliminar", TipoControl::Boton};
    Control BotonJugar{*this, "BotonJugar", TipoControl::Boton};
    Control BotonSalir{*this, "BotonSalir", TipoControl::Boton};
    Control EtiquetaComentario{*this, "EtiquetaComentario", TipoControl::Etiqueta};
    Control TMaxAniPropaganda{*this, "TMaxAniPropaganda", TipoControl::Animacion};
    Control TiempoPropaganda{*this, "TiempoPropaganda", TipoControl::Temporizador};
    Control TiempoBase{*this, "TiempoBase", TipoControl::Temporizador};

    // The animated picture's name for the port: the table has one of the same name.
    static constexpr const char* Propaganda = "Jugador.TMaxAniPropaganda";
};

}  // namespace naipalia
