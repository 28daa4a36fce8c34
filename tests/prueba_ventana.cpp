#include <gtest/gtest.h>

#include "platform/ventana.h"

using namespace naipalia;

namespace {

class Dialogo : public Ventana {
public:
    Dialogo() : Ventana("Dialogo") {
        Etiqueta.diseno().Caption = "diseño";
        Load = [this] { ++cargas; };
        terminarDiseno();
    }
    Control Etiqueta{*this, "Etiqueta", TipoControl::Etiqueta};
    int cargas = 0;
};

}  // namespace

// Hiding a window that is not loaded does nothing; hiding keeps what it shows, closing
// puts it back as designed, and touching it again loads it again.
TEST(Ventana, OcultarConservaYCerrarVuelveAlDiseno) {
    Dialogo d;
    d.Hide();
    EXPECT_FALSE(d.cargada());
    d.Etiqueta.Caption("mensaje");
    d.forma().Visible(true);
    d.Hide();
    EXPECT_EQ(d.Etiqueta.Caption(), "mensaje");
    EXPECT_TRUE(d.Unload());
    EXPECT_FALSE(d.cargada());
    EXPECT_EQ(d.Etiqueta.Caption(), "diseño");
    d.Etiqueta.Caption("otra");
    EXPECT_EQ(d.cargas, 2);
}
