// The menu's options: points, flor, voice, card sound, who is mano, ending a game.
#include "game/textos.h"
#include "players/jugadores.h"
#include "round/ronda.h"
#include "shell/naipalia.h"
#include "shell/operacion.h"
#include "shell/principal.h"

namespace naipalia {

Principal::Principal(Operacion& operacion, Ronda& r, Jugadores& j)
    : op(operacion), e(operacion.estado), n(operacion.naipalia), ronda(r), jugadores(j) {
    n.Load = [this] { Form_Load(); };
    n.MenuNuevo.Click = [this] { MenuNuevo_Click(); };
    n.MenuFin.Click = [this] { MenuFin_Click(); };
    n.MenuSugerencia.Click = [this] { MenuSugerencia_Click(); };
    for (int i = 1; i <= 2; ++i) {
        n.MenuCantidadPuntos(i).Click = [this, i] { MenuCantidadPuntos_Click(i); };
        n.MenuFlorOpcion(i).Click = [this, i] { MenuFlorOpcion_Click(i); };
        n.MenuMultimediaVozOpcion(i).Click = [this, i] { MenuMultimediaVozOpcion_Click(i); };
        n.MenuCartaOpcion(i).Click = [this, i] { MenuCartaOpcion_Click(i); };
        n.MenuMazoOpcion(i).Click = [this, i] { MenuMazoOpcion_Click(i); };
        n.MenuExpertoOpcion(i).Click = [this, i] { MenuExpertoOpcion_Click(i); };
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
    const bool treinta = indice == 2;
    jugadores.GuardarOpcion(Opcion::Puntos30, treinta);
    e.PuntosJuego = treinta ? 30 : 15;
    n.marcarOpcion(Opcion::Puntos30, treinta);
}

void Principal::MenuFlorOpcion_Click(int) { cambiarYGuardar(Opcion::Flor); }
void Principal::MenuMultimediaVozOpcion_Click(int) { cambiarYGuardar(Opcion::Voz); }

// Either item flips the option.
void Principal::cambiarYGuardar(Opcion opcion) {
    const bool activar = !n.opcion(opcion);
    jugadores.GuardarOpcion(opcion, activar);
    n.marcarOpcion(opcion, activar);
}
void Principal::MenuCartaOpcion_Click(int) { n.marcarOpcion(Opcion::SonidoCarta, !n.opcion(Opcion::SonidoCarta)); }
void Principal::MenuMazoOpcion_Click(int) { n.marcarOpcion(Opcion::PreguntarMazo, !n.opcion(Opcion::PreguntarMazo)); }
void Principal::MenuExpertoOpcion_Click(int) { n.marcarOpcion(Opcion::Experto, !n.opcion(Opcion::Experto)); }

// Only an option the database could be read for is flipped, and then stored.
void Principal::MenuRecuerdoOpcion_Click(int) {
    OpcionesGuardadas guardadas;
    if (e.SinRecuerdos || !jugadores.AbrirConfiguracion(guardadas)) return;
    const bool activar = !n.opcion(Opcion::Recuerdos);
    n.marcarOpcion(Opcion::Recuerdos, activar);
    jugadores.GuardarOpcion(Opcion::Recuerdos, activar);
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

// A game in play is never thrown away without the player's word.
void Principal::MenuNuevo_Click() {
    if (n.MenuFin.Enabled() && !e.FinJuego && !op.preguntar(textos::AbandonarJuego, Respuesta::No)) return;
    ronda.MenuNuevo_Click();
}

void Principal::MenuFin_Click() {
    if (!op.preguntar("¿Deseas Finalizar el juego en curso?")) return;
    n.MenuFin.Enabled(false);
    op.mostrarFinRondaCon("Has decidido finalizar el juego. Selecciona la opción deseada.", "&Finalizar juego");
    op.SubOcultarCartas();
    ronda.CerrarPartida();
    ronda.EscribirPuntos(Lado::Computadora, 0);
    ronda.EscribirPuntos(Lado::Jugador, 0);
}

}  // namespace naipalia
