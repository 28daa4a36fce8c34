// The computer's card put down, deciding each hand, handing on the lead, and closing
// the round the hands decided.
#include <string_view>

#include "game/mesa.h"
#include "round/ronda.h"
#include "settlement/fin_ronda.h"
#include "shell/naipalia.h"
#include "shell/operacion.h"

namespace naipalia {

namespace {

ResultadoMano resultado(const Estado& e, std::size_t mano) {
    if (e.PosicionJugador[mano] == 0 || e.PosicionCompu[mano] == 0) return ResultadoMano::SinDecidir;
    const int j = e.JerarquiaJugador[mano], c = e.JerarquiaCompu[mano];
    return j > c ? ResultadoMano::Computadora : j == c ? ResultadoMano::Iguales : ResultadoMano::Jugador;
}

}  // namespace

void Ronda::abrirTurnoJugador(int mano) {
    for (int s = 1; s <= 3; ++s)
        if (s != e.PosicionJugador[1] && s != e.PosicionJugador[2]) n.BotonCarta(s).Enabled(true);
    const bool compuAbrio = mano == 1 && e.PosicionCompu[1] != 0;
    if (compuAbrio) abrirTanto();
    // The truco he may call comes on; the others are off since his last card or the last quiero.
    if (Control* b = botonesTruco[static_cast<std::size_t>(TrucoDelJugador())]) b->Enabled(true);
    if (compuAbrio) n.BotonMazo.Enabled(true);
}

void Ronda::cerrarRonda(bool ganaComputadora, std::string_view mensaje) {
    op.ReproducirVoz(ganaComputadora ? Voz::GanarMano : Voz::PerderMano);
    op.AvisoVentanaCentral();
    op.MensajeFinRonda(mensaje);
    op.mostrarModal(op.finRonda);
    if (!e.FinJuego) GanarRonda(ganaComputadora ? Lado::Computadora : Lado::Jugador);
}

// Once the game is over the status line keeps what the end of the game told the player.
void Ronda::avisarTurno() {
    if (!e.FinJuego) op.AvisoTurnoJugador();
}

// Its card face up at its place, its back out of its hand; told with whether it leads.
void Ronda::CartaComputadora(int mano, int slot) {
    const int carta = e.carta(slot);
    const auto h = static_cast<std::size_t>(mano);
    const bool abre = e.JerarquiaJugador[h] == SinJugar;
    Control& naipe = n.Carta(carta);
    naipe.Move(LeftMesaCompu[h], TopMesaCompu);
    naipe.Visible(true);
    n.CartaFondo(slot).Visible(false);
    e.JerarquiaCompu[h] = JerarquiaTruco(carta);
    e.PosicionCompu[h] = slot;
    op.contar(suceso::CartaJugada{Lado::Computadora, mano, carta, slot, abre});
}

// The computer moves until the turn is the player's: each card it puts down decides its
// hand, which may give it the lead of the next. A round its move ended has dealt the next.
void Ronda::TurnoComputadora() {
    bool decidida = false;
    Jugada jugada;
    while ((jugada = contrincante.Jugar()) == Jugada::Carta) {
        decidida = true;
        if (!decidirMano()) break;
    }
    if (decidida || jugada == Jugada::Mazo) avisarTurno();
}

bool Ronda::decidirMano() {
    switch (ManoActual) {
        case 1: return resolverMano1();
        case 2: return resolverMano2();
        default: resolverMano3(); return false;
    }
}

bool Ronda::resolverMano1() {
    const ResultadoMano r = resultado(e, 1);
    if (r == ResultadoMano::SinDecidir) {
        if (e.PosicionJugador[1] == 0) abrirTurnoJugador(1);
        return false;
    }
    op.EscribirResultadoMano(1, r);
    ManoActual = 2;
    const bool abreComputadora =
        r == ResultadoMano::Computadora || (r == ResultadoMano::Iguales && e.QuienMano != Lado::Jugador);
    if (!abreComputadora) abrirTurnoJugador(2);
    return abreComputadora;
}

bool Ronda::resolverMano2() {
    const ResultadoMano primera = e.ResultadoManos[1];
    const ResultadoMano r = resultado(e, 2);
    switch (r) {
        case ResultadoMano::SinDecidir:
            if (e.PosicionJugador[2] == 0) abrirTurnoJugador(2);
            break;
        case ResultadoMano::Computadora:
            op.EscribirResultadoMano(2, r);
            if (primera == ResultadoMano::Computadora) {
                cerrarRonda(true, "Esta vez ni llegaste a la tercera mano. Te gané el truco!!");
            } else if (primera == ResultadoMano::Iguales) {
                cerrarRonda(true, "Que jugada!! Te gané el truco!!");
            } else {
                ManoActual = 3;
                return true;
            }
            break;
        case ResultadoMano::Iguales:
            op.EscribirResultadoMano(2, r);
            if (primera == ResultadoMano::Computadora) {
                cerrarRonda(true, "No necesité tres manos. Te gané el truco!!");
            } else if (primera == ResultadoMano::Iguales) {
                ManoActual = 3;
                if (e.QuienMano != Lado::Jugador) return true;
                abrirTurnoJugador(3);
            } else {
                cerrarRonda(false, "Tuviste suerte. Me ganaste esta ronda, pero ya veremos la próxima.");
            }
            break;
        case ResultadoMano::Jugador:
            op.EscribirResultadoMano(2, r);
            if (primera == ResultadoMano::Jugador) {
                cerrarRonda(false, "Con mejores cartas cualquiera. Ya veremos la próxima.");
            } else if (primera == ResultadoMano::Iguales) {
                cerrarRonda(false, "Esta bien. Me ganaste esta ronda, pero ya veremos la próxima.");
            } else {
                ManoActual = 3;
                abrirTurnoJugador(3);
            }
            break;
    }
    return false;
}

void Ronda::resolverMano3() {
    const ResultadoMano primera = e.ResultadoManos[1];
    const ResultadoMano r = resultado(e, 3);
    switch (r) {
        case ResultadoMano::SinDecidir:
            if (e.PosicionJugador[3] == 0) abrirTurnoJugador(3);
            break;
        case ResultadoMano::Computadora:
            op.EscribirResultadoMano(3, r);
            cerrarRonda(true, "Te gané el truco!!");
            break;
        case ResultadoMano::Iguales:
            op.EscribirResultadoMano(3, r);
            if (primera == ResultadoMano::Computadora) {
                cerrarRonda(true, "Te gané el truco por primera!!");
            } else if (primera == ResultadoMano::Iguales) {
                if (e.QuienMano == Lado::Computadora)
                    cerrarRonda(true, "Las tres manos fueron empate!! Te gané el truco por mano!!");
                else
                    cerrarRonda(
                        false, "Las tres manos fueron empate!! Con suerte cualquiera. Me ganaste esta ronda por mano.");
            } else {
                cerrarRonda(false, "Con suerte cualquiera. Me ganaste esta vez.");
            }
            break;
        case ResultadoMano::Jugador:
            op.EscribirResultadoMano(3, r);
            cerrarRonda(false, "Me ganaste esta rueda, pero ya veremos la próxima.");
            break;
    }
}

}  // namespace naipalia
