// The computer's card put down, deciding each hand, handing on the lead, and closing
// the round the hands decided.
#include <string_view>

#include "game/manos.h"
#include "game/mesa.h"
#include "round/ronda.h"
#include "settlement/fin_ronda.h"
#include "shell/naipalia.h"
#include "shell/operacion.h"

namespace naipalia {

namespace {

// The computer's words as the hands close the round, by how they went.
std::string_view palabrasDeCierre(const std::array<ResultadoMano, 4>& r, Lado mano) {
    using enum ResultadoMano;
    if (r[3] == SinDecidir) {
        if (r[2] == Computadora)
            return r[1] == Computadora ? "Esta vez ni llegaste a la tercera mano. Te gané el truco!!"
                                       : "Que jugada!! Te gané el truco!!";
        if (r[2] == Jugador)
            return r[1] == Jugador ? "Con mejores cartas cualquiera. Ya veremos la próxima."
                                   : "Esta bien. Me ganaste esta ronda, pero ya veremos la próxima.";
        return r[1] == Computadora ? "No necesité tres manos. Te gané el truco!!"
                                   : "Tuviste suerte. Me ganaste esta ronda, pero ya veremos la próxima.";
    }
    if (r[3] == Computadora) return "Te gané el truco!!";
    if (r[3] == Jugador) return "Me ganaste esta rueda, pero ya veremos la próxima.";
    if (r[1] == Computadora) return "Te gané el truco por primera!!";
    if (r[1] == Jugador) return "Con suerte cualquiera. Me ganaste esta vez.";
    return mano == Lado::Computadora
               ? "Las tres manos fueron empate!! Te gané el truco por mano!!"
               : "Las tres manos fueron empate!! Con suerte cualquiera. Me ganaste esta ronda por mano.";
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

// The hand's result, then the round closed when its hands decide it, else the next hand
// led by the side the rule gives it to.
bool Ronda::decidirMano() {
    const auto h = static_cast<std::size_t>(ManoActual);
    if (e.PosicionJugador[h] == 0 || e.PosicionCompu[h] == 0) {
        if (e.PosicionJugador[h] == 0) abrirTurnoJugador(ManoActual);
        return false;
    }
    const ResultadoMano r = GanadorDeMano(e.JerarquiaJugador[h], e.JerarquiaCompu[h]);
    op.EscribirResultadoMano(ManoActual, r);
    if (const Lado ganador = GanadorDeRonda(e.ResultadoManos, e.QuienMano); ganador != Lado::Nadie) {
        cerrarRonda(ganador == Lado::Computadora, palabrasDeCierre(e.ResultadoManos, e.QuienMano));
        return false;
    }
    ++ManoActual;
    if (AbreLaMano(r, e.QuienMano) == Lado::Computadora) return true;
    abrirTurnoJugador(ManoActual);
    return false;
}

}  // namespace naipalia
