// The player's truco from the table: his truco, retruco and vale 4 with the computer's
// answer to each, hand by hand; his going to the deck; his answers in the two truco
// dialogs.
#include "calls/canto_trucos.h"
#include "calls/cantos.h"
#include "calls/truco_tanto_primero.h"
#include "game/tanto.h"
#include "game/textos.h"
#include "opponent/computadora.h"
#include "opponent/decision_truco.h"
#include "round/ronda.h"
#include "shell/naipalia.h"
#include "shell/operacion.h"

namespace naipalia {

void Cantos::vincularTruco() {
    n.BotonTruco.Click = [this] { BotonTruco_Click(); };
    n.BotonRetruco.Click = [this] { BotonRetruco_Click(); };
    n.BotonVale4.Click = [this] { BotonVale4_Click(); };
    n.BotonMazo.Click = [this] { BotonMazo_Click(); };
    // Both dialogs wait for an answer: their close buttons do nothing.
    const auto sinCerrar = [](int& cancelar, bool porElUsuario) { cancelar = porElUsuario ? 1 : 0; };
    auto& ct = cantoTrucos;
    ct.Load = [this] { CantoTrucos_Load(); };
    ct.QueryUnload = sinCerrar;
    ct.BotonQuiero.Click = [this] { CantoTrucos_BotonQuiero_Click(); };
    ct.BotonNoQuiero.Click = [this] { CantoTrucos_BotonNoQuiero_Click(); };
    ct.BotonReCanto.Click = [this] { CantoTrucos_BotonReCanto_Click(); };
    auto& tp = trucoTantoPrimero;
    tp.Load = [this] { TrucoTantoPrimero_Load(); };
    tp.QueryUnload = sinCerrar;
    tp.BotonSi.Click = [this] { TrucoTantoPrimero_BotonSi_Click(); };
    tp.BotonNo.Click = [this] { TrucoTantoPrimero_BotonNo_Click(); };
    tp.BotonPrimeroTanto.Click = [this] { TrucoTantoPrimero_BotonPrimeroTanto_Click(); };
    tp.BotonRetruco.Click = [this] { TrucoTantoPrimero_BotonRetruco_Click(); };
}

int Cantos::clase(int slot) const { return JerarquiaTruco(e.carta(slot)); }

void Cantos::BotonTruco_Click() { LlamadaDeTruco(NivelTruco::Truco); }
void Cantos::BotonRetruco_Click() { LlamadaDeTruco(NivelTruco::ReTruco); }
void Cantos::BotonVale4_Click() { LlamadaDeTruco(NivelTruco::Vale4); }

// The computer answers in the central window; the table prompt comes back unless the
// answer ended the round or the game.
bool Cantos::LlamadaDeTruco(NivelTruco llamada) {
    ronda.refrescarSiPasoElTiempo();
    op.AvisoVentanaCentral();
    const bool termino = contestarLlamada(llamada);
    if (!e.FinJuego && !termino) op.AvisoTurnoJugador();
    return termino || e.FinJuego;
}

// Before the truco the computer may open the envido; then it decides, and the decision is
// carried out. True when the answer ended the round.
bool Cantos::contestarLlamada(NivelTruco llamada) {
    if (llamada == NivelTruco::Truco) {
        if (e.EnvidoQuerido == Cadena::Nada && e.QuienEnvido == Lado::Nadie && e.EstadoFlor == NivelFlor::Nada &&
            e.JerarquiaCompu[1] == SinJugar)
            computadora.DecidirEnvidoComputadora(true);
        if (e.FinJuego) return true;
    }
    const DecisionTruco decision = ResponderTruco({e, ronda.ManoActual}, llamada, *op.puertos.azar);
    if (decision.deduccion) computadora.TomarDeduccion(*decision.deduccion);
    return cumplir(llamada, decision.respuesta);
}

bool Cantos::cumplir(NivelTruco llamada, RespuestaTruco respuesta) {
    switch (respuesta) {
        case RespuestaTruco::Quiero:
            computadora.QuieroTrucoComputadora(llamada);
            // A truco accepted in hand 1 closes the envido.
            if (llamada == NivelTruco::Truco && ronda.ManoActual == 1) op.CerrarCantosMesa();
            return false;
        case RespuestaTruco::NoQuiero: return computadora.NoQuieroTrucoComputadora();
        case RespuestaTruco::Sube:
            return llamada == NivelTruco::Truco ? aceptaYSubeRetruco() : computadora.QuieroRetrucoYVale4Computadora();
        case RespuestaTruco::Cuatro: computadora.AvisoCantoACuatro(); return false;
        case RespuestaTruco::QuieroLoCantado: computadora.QuieroLoCantadoComputadora(); return false;
        case RespuestaTruco::NoQuieroLoCantado: return computadora.NoQuieroLoCantadoComputadora();
    }
    return false;
}

// The computer accepts the truco and at once calls retruco; the envido is over unless
// the call ended the round.
bool Cantos::aceptaYSubeRetruco() {
    e.EstadoTruco = NivelTruco::Truco;
    e.QuienTruco = Lado::Computadora;
    n.BotonTruco.Enabled(false);
    const bool termino = computadora.CantarRetrucoComputadora();
    if (!e.FinJuego && !termino) op.CerrarCantosMesa();
    return termino;
}

// One key gives the round away: the player is asked first unless he turned that off.
// Folding before the computer played and with no envido or flor sung costs the envido too.
void Cantos::BotonMazo_Click() {
    if (n.opcion(Opcion::PreguntarMazo) && !op.preguntar(textos::PreguntaMazo, Respuesta::No)) return;
    op.anotador.alMazo();
    ronda.refrescarSiPasoElTiempo();
    computadora.SubTrucoNoQueridoJugador();
    if (e.FinJuego) return;
    if (e.QuienEnvido == Lado::Nadie && e.QuienFlor == Lado::Nadie && e.JerarquiaCompu[1] == SinJugar)
        op.SumarPuntos(Lado::Computadora, ValorTruco(e.EstadoTruco) + 1, Motivo::Mazo);
    else
        op.SumarPuntos(Lado::Computadora, ValorTruco(e.EstadoTruco), Motivo::Mazo);
    e.rechazarTrucoDelJugador();
    ronda.SiguienteRonda();
}

void Cantos::QuieroTrucoJugador() {
    e.EstadoTruco = NivelTruco::Truco;
    e.QuienTruco = Lado::Jugador;
    n.BotonTruco.Enabled(false);
    n.BotonRetruco.Enabled(true);
    e.TrucoRecantado = false;
}

void Cantos::QuieroRetrucoJugador() {
    e.EstadoTruco = NivelTruco::ReTruco;
    e.QuienTruco = Lado::Jugador;
    n.BotonRetruco.Enabled(false);
    n.BotonVale4.Enabled(true);
    e.TrucoRecantado = false;
}

void Cantos::CantoTrucos_Load() {
    op.MostrarCara(cantoTrucos.Imagen);
    op.LimpiarTrucoRechazado();
}

void Cantos::CantoTrucos_BotonQuiero_Click() {
    switch (e.EstadoTruco) {
        case NivelTruco::Nada: QuieroTrucoJugador(); break;
        case NivelTruco::Truco: QuieroRetrucoJugador(); break;
        default:
            e.EstadoTruco = NivelTruco::Vale4;
            e.QuienTruco = Lado::Jugador;
            n.BotonVale4.Enabled(false);
            break;
    }
    cantoTrucos.Unload();
}

void Cantos::CantoTrucos_BotonNoQuiero_Click() {
    cantoTrucos.Hide();
    e.rechazarTrucoDelJugador();
    cantoTrucos.Unload();
}

void Cantos::CantoTrucos_BotonReCanto_Click() {
    cantoTrucos.Hide();
    e.TrucoRecantado = true;
    cantoTrucos.Unload();
}

void Cantos::TrucoTantoPrimero_Load() {
    op.MostrarCara(trucoTantoPrimero.Imagen);
    e.TrucoRechazadoEnJugada = false;
}

void Cantos::TrucoTantoPrimero_BotonSi_Click() {
    e.EstadoTruco = NivelTruco::Truco;
    e.QuienTruco = Lado::Jugador;
    n.BotonTruco.Enabled(false);
    n.BotonRetruco.Enabled(true);
    op.CerrarCantosMesa();
    trucoTantoPrimero.Unload();
}

void Cantos::TrucoTantoPrimero_BotonNo_Click() {
    trucoTantoPrimero.Hide();
    e.rechazarTrucoDelJugador();
    trucoTantoPrimero.Unload();
}

void Cantos::TrucoTantoPrimero_BotonPrimeroTanto_Click() {
    e.TantoPrimero = true;
    n.BotonEnvido.Enabled(true);
    n.BotonRealEnvido.Enabled(true);
    n.BotonFaltaEnvido.Enabled(true);
    if (n.opcion(Opcion::Flor)) n.BotonFlor.Enabled(true);
    trucoTantoPrimero.Unload();
}

void Cantos::TrucoTantoPrimero_BotonRetruco_Click() {
    e.TrucoRecantado = true;
    trucoTantoPrimero.Unload();
}

}  // namespace naipalia
