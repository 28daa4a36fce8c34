// The flor dialog's model: the last flor call, the answers, and the keypad on which the
// player declares his flor.
#pragma once

#include "platform/ventana.h"

namespace naipalia {

class Flores : public Ventana {
public:
    Flores();

    Control DisenoFlor{*this, "DisenoFlor", TipoControl::Marco};
    Control Imagen{*this, "Imagen", TipoControl::Imagen};
    Control EtiquetaFlor{*this, "EtiquetaFlor", TipoControl::Etiqueta};
    Control BotonAceptar{*this, "BotonAceptar", TipoControl::Boton};
    Control BotonAchico{*this, "BotonAchico", TipoControl::Boton};
    Control BotonJuego{*this, "BotonJuego", TipoControl::Boton};
    Control BotonContra{*this, "BotonContra", TipoControl::Boton};
    Control EtiquetaNumero{*this, "EtiquetaNumero", TipoControl::Etiqueta};
    // Index = the number shown: every flor a hand can have.
    ArregloControles BotonNumeroTanto{*this, "BotonNumeroTanto", TipoControl::Boton, 20, 38};

    static constexpr double Ancho = 6495;
    static constexpr double AltoRespuestas = 2700;
    static constexpr double AltoTeclado = 3990;
};

}  // namespace naipalia
