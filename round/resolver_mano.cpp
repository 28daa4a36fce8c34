// Deciding each hand, handing on the lead, and closing the round's truco.
#include <string>

#include "game/operacion.h"
#include "settlement/fin_ronda.h"
#include "shell/juego.h"
#include "shell/naipalia.h"

namespace naipalia {

namespace {

enum class Resultado { Computadora, Empate, Jugador, Incompleta };

Resultado resultado(const Estado& e, std::size_t mano) {
    if (e.PosicionJugador[mano] == 0 || e.PosicionCompu[mano] == 0) return Resultado::Incompleta;
    const int j = e.JerarquiaJugador[mano], c = e.JerarquiaCompu[mano];
    return j > c ? Resultado::Computadora : j == c ? Resultado::Empate : Resultado::Jugador;
}

}  // namespace

void Naipalia::SumarTrucoJugador() { sumarJugador(ValorTruco(e.EstadoTruco)); }
void Naipalia::SumarTrucoComputadora() { sumarComputadora(ValorTruco(e.EstadoTruco)); }

void Naipalia::abrirTurnoJugador(int mano) {
    for (int s = 1; s <= 3; ++s)
        if (s != e.PosicionJugador[1] && s != e.PosicionJugador[2]) BotonCarta(s).Enabled(true);
    const bool compuAbrio = mano == 1 && e.PosicionCompu[1] != 0;
    if (compuAbrio && e.EnvidoQuerido == Nada && e.QuienEnvido == Nada && e.EstadoFlor == Nada &&
        e.QuienFlor == Nada && e.EstadoTruco == Nada) {
        BotonEnvido.Enabled(true);
        BotonRealEnvido.Enabled(true);
        BotonFaltaEnvido.Enabled(true);
        if (MenuFlorOpcion(1).Checked()) BotonFlor.Enabled(true);
    }
    if (e.EstadoTruco == Nada) BotonTruco.Enabled(true);
    else if (e.esJugador(e.QuienTruco) && e.EstadoTruco == "Truco") BotonRetruco.Enabled(true);
    else if (e.esJugador(e.QuienTruco) && e.EstadoTruco == "Re-Truco") BotonVale4.Enabled(true);
    if (compuAbrio) BotonMazo.Enabled(true);
}

void Naipalia::cerrarRonda(bool ganaComputadora, const std::string& mensaje) {
    Operacion::ReproducirVoz(juego, ganaComputadora ? "Ganar mano" : "Perder mano");
    Operacion::AvisoVentanaCentral(juego);
    juego.finRonda.EtiquetaMensaje.Caption(mensaje + SufijoFinRonda);
    juego.mostrarModal(juego.finRonda);
    if (e.FinJuego) return;
    if (ganaComputadora) SumarTrucoComputadora();
    else SumarTrucoJugador();
    SiguienteRonda();
}

// Once the game is over the status line keeps what the end of the game told the player.
void Naipalia::avisarTurno() {
    if (!e.FinJuego) Operacion::AvisoTurnoJugador(juego);
}

void Naipalia::ResolverMano() {
    switch (ManoActual) {
    case 1: resolverMano1(); break;
    case 2: resolverMano2(); break;
    default: resolverMano3(); break;
    }
    avisarTurno();
}

void Naipalia::resolverMano1() {
    switch (resultado(e, 1)) {
    case Resultado::Incompleta:
        if (e.PosicionJugador[1] == 0) abrirTurnoJugador(1);
        break;
    case Resultado::Computadora:
        TextoMano(1).Text(Computadora);
        ManoActual = 2;
        JugadaComputadora();
        break;
    case Resultado::Empate:
        TextoMano(1).Text(Iguales);
        ManoActual = 2;
        if (!e.esJugador(e.QuienMano)) JugadaComputadora();
        else abrirTurnoJugador(2);
        break;
    case Resultado::Jugador:
        TextoMano(1).Text(e.NombreJugador);
        ManoActual = 2;
        abrirTurnoJugador(2);
        break;
    }
}

void Naipalia::resolverMano2() {
    const std::string& primera = TextoMano(1).Text();
    switch (resultado(e, 2)) {
    case Resultado::Incompleta:
        if (e.PosicionJugador[2] == 0) abrirTurnoJugador(2);
        break;
    case Resultado::Computadora:
        TextoMano(2).Text(Computadora);
        if (primera == Computadora) {
            cerrarRonda(true, "Esta vez ni llegaste a la tercera mano. Te gané el truco!!");
        } else if (primera == Iguales) {
            cerrarRonda(true, "Que jugada!! Te gané el truco!!");
        } else {
            ManoActual = 3;
            JugadaComputadora();
        }
        break;
    case Resultado::Empate:
        TextoMano(2).Text(Iguales);
        if (primera == Computadora) {
            cerrarRonda(true, "No necesité tres manos. Te gané el truco!!");
        } else if (primera == Iguales) {
            ManoActual = 3;
            if (!e.esJugador(e.QuienMano)) JugadaComputadora();
            else abrirTurnoJugador(3);
        } else {
            cerrarRonda(false, "Tuviste suerte. Me ganaste esta ronda, pero ya veremos la próxima.");
        }
        break;
    case Resultado::Jugador:
        TextoMano(2).Text(e.NombreJugador);
        if (primera == e.NombreJugador) {
            cerrarRonda(false, "Con mejores cartas cualquiera. Ya veremos la próxima.");
        } else if (primera == Iguales) {
            cerrarRonda(false, "Esta bien. Me ganaste esta ronda, pero ya veremos la próxima.");
        } else {
            ManoActual = 3;
            abrirTurnoJugador(3);
        }
        break;
    }
}

void Naipalia::resolverMano3() {
    const std::string& primera = TextoMano(1).Text();
    switch (resultado(e, 3)) {
    case Resultado::Incompleta:
        if (e.PosicionJugador[3] == 0) abrirTurnoJugador(3);
        break;
    case Resultado::Computadora:
        TextoMano(3).Text(Computadora);
        cerrarRonda(true, "Te gané el truco!!");
        break;
    case Resultado::Empate:
        TextoMano(3).Text(Iguales);
        if (primera == Computadora) {
            cerrarRonda(true, "Te gané el truco por primera!!");
        } else if (primera == Iguales) {
            if (TextoQuienMano.Text() == Computadora)
                cerrarRonda(true, "Las tres manos fueron empate!! Te gané el truco por mano!!");
            else
                cerrarRonda(false, "Las tres manos fueron empate!! Con suerte cualquiera. Me ganaste esta ronda por mano.");
        } else {
            cerrarRonda(false, "Con suerte cualquiera. Me ganaste esta vez.");
        }
        break;
    case Resultado::Jugador:
        TextoMano(3).Text(e.NombreJugador);
        cerrarRonda(false, "Me ganaste esta rueda, pero ya veremos la próxima.");
        break;
    }
}

}  // namespace naipalia
