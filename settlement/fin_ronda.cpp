#include "game/archivos.h"
#include "settlement/fin_ronda.h"

#include "shell/juego.h"
#include "shell/naipalia.h"

namespace naipalia {

FinRonda::FinRonda(Juego& j) : Ventana("FinRonda"), juego(j), e(j.estado) {
    auto& f = forma().diseno();
    f.Caption = "Naipalia";
    f.Width = 5520;
    f.Height = 2280;
    auto& imagen = Imagen.diseno();
    imagen.Left = 240;
    imagen.Top = 240;
    imagen.Width = 720;
    imagen.Height = 720;
    auto& etiqueta = EtiquetaMensaje.diseno();
    etiqueta.Left = 1200;
    etiqueta.Top = 480;
    etiqueta.Width = 3795;
    etiqueta.Height = 320;
    etiqueta.TamanoLetra = 10;
    auto& mostrar = BotonMostrarCarta.diseno();
    mostrar.Caption = "&Mostrar cartas";
    mostrar.Left = 5520 - 3720;
    mostrar.Top = 1320;
    mostrar.Width = 1800;
    mostrar.Height = 420;
    auto& mesa = BotonMesa.diseno();
    mesa.Caption = "&Próxima ronda";
    mesa.Left = 5520 - 1800;
    mesa.Top = 1320;
    mesa.Width = 1600;
    mesa.Height = 420;
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
