// The envido dialog's model: the computer's call, the answers, and the keypad on which
// the player declares his tanto.
#pragma once

#include "platform/ventana.h"

namespace naipalia {

class Tanto : public Ventana {
public:
    Tanto();

    Control DisenoTanto{*this, "DisenoTanto", TipoControl::Marco};
    Control Image1{*this, "Image1", TipoControl::Imagen};
    Control EtiquetaTanto{*this, "EtiquetaTanto", TipoControl::Etiqueta};
    Control BotonQuiero{*this, "BotonQuiero", TipoControl::Boton};
    Control BotonNoQuiero{*this, "BotonNoQuiero", TipoControl::Boton};
    Control BotonEnvido{*this, "BotonEnvido", TipoControl::Boton};
    Control BotonRealEnvido{*this, "BotonRealEnvido", TipoControl::Boton};
    Control BotonFaltaEnvido{*this, "BotonFaltaEnvido", TipoControl::Boton};
    Control BotonFlor{*this, "BotonFlor", TipoControl::Boton};
    Control EtiquetaNumero{*this, "EtiquetaNumero", TipoControl::Etiqueta};
    // Index = the number shown: every tanto a hand can have.
    ArregloControles BotonNumeroTanto{
        *this, "BotonNumeroTanto", TipoControl::Boton, {0,  1,  2,  3,  4,  5,  6,  7,  20, 21, 22,
                                                        23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33}};
    Control Multimedia{*this, "Multimedia", TipoControl::Sonido};

    static constexpr double Ancho = 6495;
    static constexpr double AltoRespuestas = 2700;  // the answer buttons only
    static constexpr double AltoTeclado = 3990;     // the keypad too
    static constexpr double TopEnPantalla = 765;
};

}  // namespace naipalia
