// The menu's options: points, flor, voice, card sound, who is mano, ending a game.
#include "opponent/computadora.h"
#include "players/jugadores.h"
#include "round/ronda.h"
#include "settlement/liquidacion.h"
#include "shell/naipalia.h"
#include "shell/operacion.h"
#include "shell/principal.h"

namespace naipalia {

namespace {

void marcar(ArregloControles& opcion, bool primera) {
    opcion(1).Checked(primera);
    opcion(2).Checked(!primera);
}

}  // namespace

Principal::Principal(Operacion& operacion, Ronda& r, Computadora& c, Liquidacion& l, Jugadores& j)
    : op(operacion),
      e(operacion.estado),
      n(operacion.naipalia),
      ronda(r),
      computadora(c),
      liquidacion(l),
      jugadores(j) {
    n.Load = [this] { Form_Load(); };
    n.MenuNuevo.Click = [this] { ronda.MenuNuevo_Click(); };
    n.MenuFin.Click = [this] { MenuFin_Click(); };
    for (int i = 1; i <= 2; ++i) {
        n.MenuCantidadPuntos(i).Click = [this, i] { MenuCantidadPuntos_Click(i); };
        n.MenuFlorOpcion(i).Click = [this, i] { MenuFlorOpcion_Click(i); };
        n.MenuMultimediaVozOpcion(i).Click = [this, i] { MenuMultimediaVozOpcion_Click(i); };
        n.MenuCartaOpcion(i).Click = [this, i] { MenuCartaOpcion_Click(i); };
        n.MenuRecuerdoOpcion(i).Click = [this, i] { MenuRecuerdoOpcion_Click(i); };
    }
    n.MenuMJugador.Click = [this] { MenuMJugador_Click(); };
    n.MenuMCompu.Click = [this] { MenuMCompu_Click(); };
    n.MenuMAleatorio.Click = [this] { MenuMAleatorio_Click(); };
    n.TiempoPropaganda.Timer = [this] { op.RefrescarPropaganda(); };
    enlazarAcerca();
}

// The stored options change on the menus even when the database could not store them.
void Principal::MenuCantidadPuntos_Click(int indice) {
    jugadores.GuardarOpcion("30Puntos", indice == 2);
    e.PuntosJuego = indice == 2 ? 30 : 15;
    marcar(n.MenuCantidadPuntos, indice != 2);
}

void Principal::MenuFlorOpcion_Click(int) { cambiarYGuardar(n.MenuFlorOpcion, "ConFlor"); }
void Principal::MenuMultimediaVozOpcion_Click(int) { cambiarYGuardar(n.MenuMultimediaVozOpcion, "Multimedia"); }

// Either item flips the option.
void Principal::cambiarYGuardar(ArregloControles& opcion, const char* campo) {
    const bool activar = !opcion(1).Checked();
    jugadores.GuardarOpcion(campo, activar);
    marcar(opcion, activar);
}
void Principal::MenuCartaOpcion_Click(int) { marcar(n.MenuCartaOpcion, !n.MenuCartaOpcion(1).Checked()); }

// Only an option the database could be read for is flipped, and then stored.
void Principal::MenuRecuerdoOpcion_Click(int) {
    OpcionesGuardadas guardadas;
    if (e.SinRecuerdos || !jugadores.AbrirConfiguracion(guardadas)) return;
    const bool activar = !n.MenuRecuerdoOpcion(1).Checked();
    marcar(n.MenuRecuerdoOpcion, activar);
    jugadores.GuardarOpcion("Recuerdo", activar);
}

void Principal::MenuMJugador_Click() {
    n.MenuMJugador.Checked(true);
    n.MenuMCompu.Checked(false);
    n.MenuMAleatorio.Checked(false);
}

void Principal::MenuMCompu_Click() {
    n.MenuMJugador.Checked(false);
    n.MenuMCompu.Checked(true);
    n.MenuMAleatorio.Checked(false);
}

void Principal::MenuMAleatorio_Click() {
    n.MenuMJugador.Checked(false);
    n.MenuMCompu.Checked(false);
    n.MenuMAleatorio.Checked(true);
}

void Principal::MenuFin_Click() {
    if (!op.preguntar("¿Deseas Finalizar el juego en curso?")) return;
    n.MenuFin.Enabled(false);
    op.mostrarFinRondaCon("Has decidido finalizar el juego. Selecciona la opción deseada.", "&Finalizar juego");
    liquidacion.SubOcultarCartas();
    ronda.CerrarPartida();
    op.EscribirPuntos(Lado::Computadora, 0);
    op.EscribirPuntos(Lado::Jugador, 0);
}

}  // namespace naipalia
