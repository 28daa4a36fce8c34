// The round's truco: a call accepted by either side, which raises the stake and gives
// the right to raise it, or refused; the envido put first to answer it; its points when
// the round closes; and the deck, which gives the round away.
#include "round/ronda.h"
#include "shell/naipalia.h"
#include "shell/operacion.h"

namespace naipalia {

// The round's points are the truco's worth accepted so far, whether the hands decided
// the round or the other side refused a call.
void Ronda::GanarRonda(Lado ganador) {
    SumarPuntos(ganador, ValorTruco(e.EstadoTruco), Motivo::Truco);
    SiguienteRonda();
}

void Ronda::abrirTruco() {
    const auto puede = static_cast<std::size_t>(TrucoDelJugador());
    for (std::size_t nivel = 1; nivel < botonesTruco.size(); ++nivel) botonesTruco[nivel]->Enabled(nivel == puede);
}

void Ronda::CantarTruco(NivelTruco nivel) {
    if (nivel == TrucoDelJugador()) contrincante.ContestarTruco(nivel);
}

// The player's truco buttons follow at once: his quiero gives him the next call, the
// computer's leaves him none. A raise that accepted the call is spent with it.
void Ronda::TrucoQuerido(Lado quien, NivelTruco nivel) {
    e.EstadoTruco = nivel;
    e.QuienTruco = quien;
    e.TrucoRecantado = false;
    op.contar(suceso::TrucoQuerido{quien, nivel});
    abrirTruco();
}

// A refusal during the computer's turn is kept apart from one on the table; the
// computer's own refusal marks both.
void Ronda::TrucoNoQuerido(Lado quien) {
    const bool enJugada = e.TrucoCantadoEnJugada;
    if (enJugada) e.TrucoRechazadoEnJugada = true;
    if (!enJugada || quien == Lado::Computadora) e.TrucoRechazado = true;
}

void Ronda::RecantarTruco() { e.TrucoRecantado = true; }

void Ronda::OlvidarTrucoRechazado(bool soloEnJugada) {
    e.TrucoRechazadoEnJugada = false;
    if (!soloEnJugada) e.TrucoRechazado = false;
}

void Ronda::TrucoEnJugada(bool si) { e.TrucoCantadoEnJugada = si; }

// The envido put first gives the player the table's envido calls (and the flor, in a game
// with flor).
void Ronda::PonerTantoPrimero(bool si) {
    e.TantoPrimero = si;
    if (si) abrirTanto();
}

// The deck gives the round away at the truco's worth, one point more when it comes
// early: before the computer's first card and before any envido or flor was called
// (the player's deck) or any envido or truco accepted (the computer's).
void Ronda::IrseAlMazo(Lado quien) {
    const bool jugador = quien == Lado::Jugador;
    const bool nadaCantado = jugador ? e.QuienEnvido == Lado::Nadie && e.QuienFlor == Lado::Nadie
                                     : e.EnvidoQuerido == Cadena::Nada && e.EstadoTruco == NivelTruco::Nada;
    const bool temprano = nadaCantado && e.JerarquiaCompu[1] == SinJugar;
    SumarPuntos(Contrario(quien), ValorTruco(e.EstadoTruco) + (temprano ? 1 : 0), Motivo::Mazo);
    if (jugador) TrucoNoQuerido(Lado::Jugador);
    SiguienteRonda();
}

void Ronda::MazoEnSuTurno() { e.MazoPendiente = true; }

}  // namespace naipalia
