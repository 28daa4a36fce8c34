// The round's truco: a call accepted by either side, which raises the stake and gives
// the right to raise it, the envido put first to answer it, and its points when the round
// closes.
#include <iterator>

#include "round/ronda.h"
#include "shell/naipalia.h"
#include "shell/operacion.h"

namespace naipalia {

void Ronda::SumarTrucoJugador() { op.SumarPuntos(Lado::Jugador, ValorTruco(e.EstadoTruco), Motivo::Truco); }
void Ronda::SumarTrucoComputadora() { op.SumarPuntos(Lado::Computadora, ValorTruco(e.EstadoTruco), Motivo::Truco); }

// The side that accepts holds the quiero: only it may raise. The player's button of this
// level goes off and the next one on; the computer's quiero leaves him no truco button.
void Ronda::TrucoQuerido(Lado quien, NivelTruco nivel) {
    e.EstadoTruco = nivel;
    e.QuienTruco = quien;
    op.contar(suceso::TrucoQuerido{quien, nivel});
    Control* const botones[] = {&n.BotonTruco, &n.BotonRetruco, &n.BotonVale4};
    if (quien == Lado::Computadora) {
        for (Control* b : botones) b->Enabled(false);
        return;
    }
    const auto i = static_cast<std::size_t>(nivel) - 1;
    botones[i]->Enabled(false);
    if (i + 1 < std::size(botones)) botones[i + 1]->Enabled(true);
}

void Ronda::PonerTantoPrimero(bool si) { e.TantoPrimero = si; }

void Ronda::QuieroTrucoJugador() {
    TrucoQuerido(Lado::Jugador, NivelTruco::Truco);
    e.TrucoRecantado = false;
}

void Ronda::QuieroRetrucoJugador() {
    TrucoQuerido(Lado::Jugador, NivelTruco::ReTruco);
    e.TrucoRecantado = false;
}

}  // namespace naipalia
