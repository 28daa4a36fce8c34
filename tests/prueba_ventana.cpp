#include <gtest/gtest.h>

#include "platform/ventana.h"

using namespace naipalia;

namespace {

class Dialogo : public Ventana {
public:
    Dialogo() : Ventana("Dialogo") {
        Etiqueta.diseno().Caption = "diseño";
        Boton(1).diseno().Enabled = false;
        Caja.Change = [this] { ++cambios; };
        Etiqueta.Change = [this] { ++cambiosEtiqueta; };
        Load = [this] { ++cargas; };
        QueryUnload = [this](int& cancelar, bool) { cancelar = negarCierre ? 1 : 0; };
        terminarDiseno();
    }
    Control Etiqueta{*this, "Etiqueta", TipoControl::Etiqueta};
    ArregloControles Boton{*this, "Boton", TipoControl::Boton, 1, 2};
    Control Caja{*this, "Caja", TipoControl::Texto};
    int cargas = 0, cambios = 0, cambiosEtiqueta = 0;
    bool negarCierre = false;
};

}  // namespace

TEST(Ventana, TocarUnControlLaCargaUnaSolaVez) {
    Dialogo d;
    EXPECT_FALSE(d.cargada());
    EXPECT_EQ(d.Etiqueta.Caption(), "diseño");  // reading never loads
    EXPECT_FALSE(d.cargada());
    d.Boton(2).Enabled(true);
    d.Etiqueta.Caption("otra");
    EXPECT_TRUE(d.cargada());
    EXPECT_EQ(d.cargas, 1);
    EXPECT_EQ(d.buscar("Boton", 2), &d.Boton(2));
    EXPECT_EQ(d.buscar("Boton", 3), nullptr);
}

TEST(Ventana, OcultarConservaYCerrarVuelveAlDiseno) {
    Dialogo d;
    d.Hide();  // not loaded: nothing
    EXPECT_FALSE(d.cargada());
    d.Etiqueta.Caption("mensaje");
    d.forma().Visible(true);
    d.Hide();
    EXPECT_TRUE(d.cargada());
    EXPECT_EQ(d.Etiqueta.Caption(), "mensaje");
    d.negarCierre = true;
    EXPECT_FALSE(d.Unload());
    EXPECT_TRUE(d.cargada());
    d.negarCierre = false;
    EXPECT_TRUE(d.Unload());
    EXPECT_FALSE(d.cargada());
    EXPECT_EQ(d.Etiqueta.Caption(), "diseño");
    EXPECT_FALSE(d.Boton(1).Enabled());
    d.Boton(1).Enabled(true);
    EXPECT_EQ(d.cargas, 2);
}

TEST(Ventana, CadaEscrituraDelTextoLanzaSuCambio) {
    Dialogo d;
    d.Caja.Text("0");
    d.Caja.Text("0");
    EXPECT_EQ(d.cambios, 2);
    d.Etiqueta.Caption("a");
    EXPECT_EQ(d.cambiosEtiqueta, 1);
}
