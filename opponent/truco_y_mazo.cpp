// The computer's side of the truco: its calls within its score limits, its acceptances
// and refusals of the player's calls with their spoken lines, the taunt for the player
// who refuses, and its going to the deck.
#include <string>

#include "calls/canto_trucos.h"
#include "calls/truco_tanto_primero.h"
#include "game/textos.h"
#include "opponent/computadora.h"
#include "round/ronda.h"
#include "settlement/fin_ronda.h"
#include "shell/naipalia.h"
#include "shell/operacion.h"

namespace naipalia {

namespace {

// One draw picks one of five lines, a fifth of [0, 1) each.
const char* porQuintos(double r, const char* const (&lineas)[5]) {
    const int i = r < 0.2 ? 0 : r < 0.4 ? 1 : r < 0.6 ? 2 : r < 0.8 ? 3 : 4;
    return lineas[i];
}

}  // namespace

bool Computadora::CantarTrucoComputadora() { return cantarTruco(NivelTruco::Truco); }
bool Computadora::CantarRetrucoComputadora() { return cantarTruco(NivelTruco::ReTruco); }
bool Computadora::CantarVale4Computadora() { return cantarTruco(NivelTruco::Vale4); }

bool Computadora::cantarTruco(NivelTruco nivel) {
    if (!PuedeCantarTruco(e, nivel)) {
        ronda.OlvidarTrucoRechazado(false);
        op.AvisoTurnoJugador();
        return false;
    }
    const bool vale4 = nivel == NivelTruco::Vale4;
    op.ReproducirVoz(nivel == NivelTruco::Truco ? Voz::Truco : vale4 ? Voz::Vale4 : Voz::ReTruco);
    auto& d = cantoTrucos;
    d.EtiquetaMensaje.Caption(nivel == NivelTruco::Truco ? "Truco!!" : vale4 ? "Vale 4!!" : "Re-Truco!!");
    d.forma().Width(vale4 ? CantoTrucos::AnchoVale4 : CantoTrucos::AnchoConReCanto);
    d.BotonReCanto.Caption(nivel == NivelTruco::Truco ? "&Re-Truco" : "&Vale 4");
    d.BotonReCanto.Visible(!vale4);  // the vale 4 has nothing above it
    op.mostrarModal(d);

    if (e.TrucoRecantado) {
        // The raise accepts the call first.
        ronda.TrucoQuerido(Lado::Jugador, nivel);
        return LlamadaDeTruco(Siguiente(nivel));
    }
    if (!e.TrucoRechazado && !(e.TrucoCantadoEnJugada && e.TrucoRechazadoEnJugada)) return false;
    SubTrucoNoQueridoJugador();
    if (!e.FinJuego) ronda.GanarRonda(Lado::Computadora);
    return true;
}

void Computadora::QuieroTrucoComputadora(NivelTruco nivel) {
    op.ReproducirVoz(Voz::Quiero);
    ronda.TrucoQuerido(Lado::Computadora, nivel);
    op.mensaje(nivel == NivelTruco::Truco ? "Truco Querido!!" : "Quiero!!", Icono::Exclamacion);
}

bool Computadora::QuieroRetrucoYVale4Computadora() {
    ronda.TrucoQuerido(Lado::Computadora, NivelTruco::ReTruco);
    return CantarVale4Computadora();
}

void Computadora::QuieroLoCantadoComputadora() {
    op.ReproducirVoz(Voz::Quiero);
    op.mensaje("Quiero lo cantado.", Icono::Exclamacion);
    ronda.TrucoQuerido(Lado::Computadora, Siguiente(e.EstadoTruco));
    op.AvisoTurnoJugador();
}

bool Computadora::NoQuieroLoCantadoComputadora() {
    op.ReproducirVoz(Voz::NoQuiero);
    op.MensajeFinRonda("No quiero lo cantado.");
    op.mostrarModal(op.finRonda);
    if (!e.FinJuego) ronda.GanarRonda(Lado::Jugador);
    return true;
}

bool Computadora::NoQuieroTrucoComputadora() {
    if (RechazoLeDaElJuego(e)) {
        op.ReproducirVoz(Voz::Quiero);
        ronda.TrucoQuerido(Lado::Computadora, Siguiente(e.EstadoTruco));
        op.mensaje(e.EstadoTruco == NivelTruco::Truco ? "Si no acepto ganarías: Truco Querido."
                                                      : "Si no acepto ganarías: Quiero.",
                   Icono::Informacion);
        op.DeshabilitarCantosMesa();
        return false;
    }
    op.ReproducirVoz(Voz::NoQuiero);
    op.mensaje(e.EstadoTruco == NivelTruco::Nada ? "Truco no querido." : "No quiero.", Icono::Informacion);
    // "??!" is split in two literals: the compiler would read it as a trigraph.
    static const char* const lineas[5] = {"Con mejores cartas cualquiera.", "La próxima veremos...",
                                          "Esta vez tuviste suerte.",
                                          "Me habrás apurado?"
                                          "?!",
                                          "Qué cartas tienes?"
                                          "?!"};
    op.MensajeFinRonda(porQuintos(op.azar(), lineas));
    op.mostrarModal(op.finRonda);
    ronda.TrucoNoQuerido(Lado::Computadora);
    if (!e.FinJuego) ronda.GanarRonda(Lado::Jugador);
    return true;
}

void Computadora::AvisoCantoACuatro() {
    op.ReproducirVoz(Voz::Ehh);
    op.mensaje("Ehh!! Le cantás a un cuatro, no se puede!!", Icono::Exclamacion);
}

void Computadora::SubTrucoNoQueridoJugador() {
    op.AvisoTurnoJugador();
    static const char* const burlas[5] = {"Te achicaste!!",
                                          "No te gustó?"
                                          "?!",
                                          "Te sentis bien???", "Te asustaste!!",
                                          "Es mucho para ti?"
                                          "?!"};
    op.MensajeFinRonda(porQuintos(op.azar(), burlas));
    op.mostrarModal(op.finRonda);
}

// The truco sung while the envido is still open lets the player settle the envido first.
// Its turn ends with the envido to settle, a refusal, the end of the game, or a raise that
// ended the round.
bool Computadora::CantarTrucoTantoPrimero() {
    if (!PuedeCantarTruco(e, NivelTruco::Truco)) {
        ronda.OlvidarTrucoRechazado(false);
        op.AvisoTurnoJugador();
        return false;
    }
    op.ReproducirVoz(Voz::Truco);
    ronda.TrucoEnJugada(true);
    op.mostrarModal(trucoTantoPrimero);
    if (!e.TrucoRecantado && !e.FinJuego && e.TrucoRechazadoEnJugada) {
        ronda.TrucoEnJugada(false);
        SubTrucoNoQueridoJugador();
        if (!e.FinJuego) ronda.GanarRonda(Lado::Computadora);
        return true;
    }
    bool termino = false;
    if (e.TrucoRecantado) {
        ronda.TrucoQuerido(Lado::Jugador, NivelTruco::Truco);
        termino = LlamadaDeTruco(NivelTruco::ReTruco);
        ronda.TrucoEnJugada(false);
    }
    return e.TantoPrimero || e.TrucoRechazadoEnJugada || e.FinJuego || termino;
}

void Computadora::IrseAlMazoComputadora() {
    op.ReproducirVoz(Voz::PerderMano);
    op.AvisoTurnoJugador();
    op.MensajeFinRonda(textos::IrseAlMazo);
    op.mostrarModal(op.finRonda);
    if (e.FinJuego) return;
    ronda.IrseAlMazo(Lado::Computadora);
}

}  // namespace naipalia
