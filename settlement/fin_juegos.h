// The end-of-game dialog: a remark and a face by the final margin, then a new game.
#pragma once

#include "platform/ventana.h"

namespace naipalia {

class Juego;

class FinJuegos : public Ventana {
public:
    explicit FinJuegos(Juego& juego);

    Control Imagen{*this, "Imagen", TipoControl::Imagen};
    Control EtiquetaMensaje{*this, "EtiquetaMensaje", TipoControl::Etiqueta};
    Control BotonAceptar{*this, "BotonAceptar", TipoControl::Boton};

    void BotonAceptar_Click();
    void EtiquetaMensaje_Change();

protected:
    void Form_Load() override;

private:
    Juego& juego;
};

}  // namespace naipalia
