#include "game/archivos.h"
#include "settlement/fin_ronda.h"

#include "shell/juego.h"
#include "shell/naipalia.h"

namespace naipalia {

FinRonda::FinRonda(Juego& j) : Ventana("FinRonda"), juego(j), e(j.estado) {
    forma().disenar(0, 0, 5520, 2280, "Naipalia");
    Imagen.disenar(240, 240, 720, 720);
    EtiquetaMensaje.disenar(1200, 480, 3795, 320).diseno().TamanoLetra = 10;
    BotonMostrarCarta.disenar(5520 - 3720, 1320, 1800, 420, "&Mostrar cartas");
    BotonMesa.disenar(5520 - 1800, 1320, 1600, 420, "&Próxima ronda");
    EtiquetaMensaje.Change = [this] { EtiquetaMensaje_Change(); };
    BotonMesa.Click = [this] { BotonMesa_Click(); };
    BotonMostrarCarta.Click = [this] { BotonMostrarCarta_Click(); };
    terminarDiseno();
}

void FinRonda::Form_Load() {
    const std::string cara = juego.ruta(archivos::CaraMenu);
    if (juego.puertos.imagenes.cargable(cara)) Imagen.Picture(cara);
}

void FinRonda::EtiquetaMensaje_Change() {
    const auto& p = EtiquetaMensaje.propiedades();
    EtiquetaMensaje.Width(juego.puertos.pantalla.anchoTexto(p.Caption, p.TamanoLetra, p.Negrita));
    const double ancho = EtiquetaMensaje.Width() < 3795 ? 5520 : EtiquetaMensaje.Width() + 1725;
    forma().Width(ancho);
    BotonMesa.Left(ancho - 1800);
    BotonMostrarCarta.Left(ancho - 3720);
}

void FinRonda::SubOcultarCartas() {
    auto& n = juego.naipalia;
    for (int s = 1; s <= 6; ++s) {
        Control& carta = n.Carta(e.carta(s));
        carta.Visible(false);
        carta.MousePointer(0);
    }
    for (int s = 4; s <= 6; ++s) n.CartaFondo(s).Visible(false);
}

void FinRonda::BotonMesa_Click() {
    Hide();
    if (e.JerarquiaJugador[3] != SinJugar) {
        mostrarTodasLasCartas();
    } else {
        MostrarCartasComputadora();
        certificarCartasEnMesa();
        SumarTantoNoQueridoJugador();
        SumarTantoNoQueridoComputadora();
    }
    Unload();
}

void FinRonda::BotonMostrarCarta_Click() {
    Hide();
    mostrarTodasLasCartas();
    Unload();
}

}  // namespace naipalia
