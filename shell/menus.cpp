// The menu's options: points, flor, voice, card sound, who is mano, ending a game.
#include "settlement/fin_ronda.h"
#include "shell/juego.h"
#include "shell/naipalia.h"

namespace naipalia {

namespace {

void marcar(ArregloControles& opcion, bool primera) {
    opcion(1).Checked(primera);
    opcion(2).Checked(!primera);
}

}  // namespace

void Naipalia::MenuCantidadPuntos_Click(int indice) {
    e.PuntosJuego = indice == 2 ? 30 : 15;
    marcar(MenuCantidadPuntos, indice != 2);
}

void Naipalia::MenuFlorOpcion_Click(int) { marcar(MenuFlorOpcion, !MenuFlorOpcion(1).Checked()); }
void Naipalia::MenuMultimediaVozOpcion_Click(int) {
    marcar(MenuMultimediaVozOpcion, !MenuMultimediaVozOpcion(1).Checked());
}
void Naipalia::MenuCartaOpcion_Click(int) { marcar(MenuCartaOpcion, !MenuCartaOpcion(1).Checked()); }

void Naipalia::MenuMJugador_Click() {
    MenuMJugador.Checked(true);
    MenuMCompu.Checked(false);
    MenuMAleatorio.Checked(false);
}

void Naipalia::MenuMCompu_Click() {
    MenuMJugador.Checked(false);
    MenuMCompu.Checked(true);
    MenuMAleatorio.Checked(false);
}

void Naipalia::MenuMAleatorio_Click() {
    MenuMJugador.Checked(false);
    MenuMCompu.Checked(false);
    MenuMAleatorio.Checked(true);
}

void Naipalia::MenuFin_Click() {
    if (!juego.preguntar("¿Deseas Finalizar el juego en curso?")) return;
    MenuFin.Enabled(false);
    auto& f = juego.finRonda;
    f.EtiquetaMensaje.Caption("Has decidido finalizar el juego. Selecciona la opción deseada.");
    f.BotonMesa.Caption("&Finalizar juego");
    juego.mostrarModal(f);
    f.BotonMesa.Caption("&Próxima ronda");
    f.SubOcultarCartas();
    CerrarPartida();
    TextoComputadora.Text("0");
    TextoJugador.Text("0");
}

}  // namespace naipalia
