// The end-of-round dialog's face, its layout and its two ways out.
#include "settlement/fin_juegos.h"
#include "settlement/fin_ronda.h"
#include "settlement/liquidacion.h"
#include "shell/naipalia.h"
#include "shell/operacion.h"

namespace naipalia {

Liquidacion::Liquidacion(Operacion& operacion, FinJuegos& fj, Ronda& r)
    : finRonda(operacion.finRonda), finJuegos(fj), op(operacion), e(operacion.estado), n(operacion.naipalia), ronda(r) {
    finRonda.Load = [this] { FinRonda_Load(); };
    finRonda.EtiquetaMensaje.Change = [this] { FinRonda_EtiquetaMensaje_Change(); };
    finRonda.BotonMesa.Click = [this] { BotonMesa_Click(); };
    finRonda.BotonMostrarCarta.Click = [this] { BotonMostrarCarta_Click(); };
    finJuegos.Load = [this] { FinJuegos_Load(); };
    finJuegos.EtiquetaMensaje.Change = [this] { FinJuegos_EtiquetaMensaje_Change(); };
    finJuegos.BotonAceptar.Click = [this] { BotonAceptar_Click(); };
}

// Whatever the table asked before, the play is now in this dialog.
void Liquidacion::FinRonda_Load() {
    op.AvisoVentanaCentral();
    op.MostrarCara(finRonda.Imagen);
    finRonda.EtiquetaCertificar.Caption(sinCertificar());
}

void Liquidacion::FinRonda_EtiquetaMensaje_Change() {
    auto& f = finRonda;
    const auto& p = f.EtiquetaMensaje.propiedades();
    f.EtiquetaMensaje.Width(op.puertos.pantalla->anchoTexto(p.Caption, p.TamanoLetra, p.Negrita));
    const double ancho = f.EtiquetaMensaje.Width() < FinRonda::AnchoMensajeDiseno ? FinRonda::AnchoDiseno
                                                                                  : f.EtiquetaMensaje.Width() + 1725;
    f.forma().Width(ancho);
    f.BotonMesa.Left(ancho - 1800);
    f.BotonMostrarCarta.Left(ancho - 3720);
}

// The envido and flor are settled once a round: a settlement brought forward by the
// final-points notice leaves nothing for the round's own end.
void Liquidacion::BotonMesa_Click() {
    finRonda.Hide();
    if (!e.TantoLiquidado) {
        e.TantoLiquidado = true;
        if (e.JerarquiaJugador[3] != SinJugar) {
            mostrarTodasLasCartas();
        } else {
            // A credit that ends the game ends the settlement too.
            MostrarCartasComputadora();
            if (!e.FinJuego) certificarCartasEnMesa();
            if (!e.FinJuego) SumarTantoNoQueridoJugador();
            if (!e.FinJuego) SumarTantoNoQueridoComputadora();
        }
    }
    finRonda.Unload();
}

void Liquidacion::BotonMostrarCarta_Click() {
    finRonda.Hide();
    if (!e.TantoLiquidado) {
        e.TantoLiquidado = true;
        mostrarTodasLasCartas();
    }
    finRonda.Unload();
}

}  // namespace naipalia
