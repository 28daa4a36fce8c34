// The round's truco: the player's acceptance of the computer's call, which raises the
// stake and hands him the right to raise it, and its points when the round closes.
#include "round/ronda.h"
#include "shell/naipalia.h"
#include "shell/operacion.h"

namespace naipalia {

void Ronda::SumarTrucoJugador() { op.SumarPuntos(Lado::Jugador, ValorTruco(e.EstadoTruco), Motivo::Truco); }
void Ronda::SumarTrucoComputadora() { op.SumarPuntos(Lado::Computadora, ValorTruco(e.EstadoTruco), Motivo::Truco); }

void Ronda::QuieroTrucoJugador() {
    e.EstadoTruco = NivelTruco::Truco;
    e.QuienTruco = Lado::Jugador;
    n.BotonTruco.Enabled(false);
    n.BotonRetruco.Enabled(true);
    e.TrucoRecantado = false;
}

void Ronda::QuieroRetrucoJugador() {
    e.EstadoTruco = NivelTruco::ReTruco;
    e.QuienTruco = Lado::Jugador;
    n.BotonRetruco.Enabled(false);
    n.BotonVale4.Enabled(true);
    e.TrucoRecantado = false;
}

}  // namespace naipalia
