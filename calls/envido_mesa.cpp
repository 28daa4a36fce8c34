// The player's envido from the table: the computer's flor comes first; otherwise each
// button's rules choose between accepting, raising and the score rule.
#include "calls/cantos.h"
#include "calls/tanto.h"
#include "game/tanto.h"
#include "opponent/computadora.h"
#include "players/jugadores.h"
#include "round/ronda.h"
#include "shell/naipalia.h"
#include "shell/operacion.h"

namespace naipalia {

namespace {

constexpr int PunteroReloj = 11;  // the hourglass while the computer answers

bool entre(int x, int desde, int hasta) { return x >= desde && x <= hasta; }

}  // namespace

// The player calls freely: at least four rounds, and calls in f of them (f in tenths,
// compared exactly).
bool Cantos::cantaSeguido(int decimos) const {
    const int rondas = e.RondasJugadas;
    return rondas >= 4 && e.EnvidosCantadosJugador * 10 >= decimos * rondas;
}

void Cantos::apurando() {
    op.ReproducirVoz(Voz::Ehh);
    op.mensaje("Ehh!! ¿Estás apurando...?", Icono::Pregunta);
}

void Cantos::facilmente() {
    op.ReproducirVoz(Voz::Ehh);
    op.mensaje("Ehh!! ¿Cantás facilmente el tanto...?", Icono::Pregunta);
}

void Cantos::BotonEnvido_Click() { cantoDeMesa(Cadena::Envido, &Cantos::reglaEnvido); }
void Cantos::BotonRealEnvido_Click() { cantoDeMesa(Cadena::RealEnvido, &Cantos::reglaRealEnvido); }
void Cantos::BotonFaltaEnvido_Click() { cantoDeMesa(Cadena::FaltaEnvido, &Cantos::reglaFaltaEnvido); }

void Cantos::cantoDeMesa(Cadena cadena, Respuesta (Cantos::*regla)()) {
    n.forma().MousePointer(PunteroReloj);
    ronda.refrescarSiPasoElTiempo();
    e.EnvidosCantadosJugador = (e.EnvidosCantadosJugador + 1) % 256;
    op.AvisoVentanaCentral();
    // The player's history of this call; a failing query only leaves the built-in rules.
    const long recuerdos = e.SinRecuerdos ? 0 : jugadores.ConsultarRecuerdos(TipoTanto(cadena));
    // A flor of the computer takes the envido's place.
    const bool florCompu = n.MenuFlorOpcion(1).Checked() && e.EstadoFlor == NivelFlor::Nada &&
                           e.EnvidoQuerido == Cadena::Nada && MismoPalo(e.carta(4), e.carta(5), e.carta(6)) &&
                           (cadena == Cadena::Envido ? e.QuienFlor : e.QuienEnvido) == Lado::Nadie;
    if (florCompu) {
        computadora.CantarFlorComputadora();
        op.CerrarCantosMesa();
    } else if (recuerdos >= 5 && n.MenuRecuerdoOpcion(1).Checked() && !e.ErrorBaseDatos) {
        jugadores.ResponderEnvidoComputadora();
    } else {
        const Cadena subidaFalta =
            cadena == Cadena::Envido ? Cadena::EnvidoFaltaEnvido : Cadena::RealEnvidoFaltaEnvido;
        responderCanto(cadena, (this->*regla)(), subidaFalta);
    }
    jugadores.CerrarRegistros();
    n.forma().MousePointer(0);
    if (e.TantoPrimero && !e.FinJuego) computadora.JugadaComputadora();
}

void Cantos::responderCanto(Cadena cadena, Respuesta respuesta, Cadena subidaFalta) {
    switch (respuesta) {
    case Respuesta::Aceptar: computadora.QuieroEnvidoComputadora(cadena); break;
    case Respuesta::SubirReal: computadora.CantarRealEnvidoComputadora(Cadena::EnvidoRealEnvido, ""); break;
    case Respuesta::SubirFalta: computadora.SubCantoFaltaEnvido(subidaFalta, ""); break;
    case Respuesta::PorPuntos:
        e.CadenaEnvido = cadena;
        ResponderEnvidoPorPuntos();
        break;
    }
}

Cantos::Respuesta Cantos::reglaEnvido() {
    const int c = e.TantoCompu, s = e.PuntosJugador, t = e.PuntosJuego;
    const auto realOFalta = [&] { return t - s > 5 ? Respuesta::SubirFalta : Respuesta::SubirReal; };
    if (cantaSeguido(9) && entre(c, 7, 21) && s < t - 2) {
        apurando();
        return Respuesta::Aceptar;
    }
    if (cantaSeguido(6) && s < t - 2) {
        facilmente();
        if (c <= 5) return Respuesta::PorPuntos;
        if (c <= 20) return op.azar() < 0.3 && s < t - 5 ? Respuesta::SubirReal : Respuesta::PorPuntos;
        if (c <= 27) return Respuesta::Aceptar;
        if (c <= 31) return Respuesta::SubirReal;
        return realOFalta();
    }
    if (c <= 5) return Respuesta::PorPuntos;
    if (c <= 22) return op.azar() < 0.2 && s < t - 5 ? Respuesta::SubirReal : Respuesta::PorPuntos;
    if (c <= 28) return op.azar() < 0.25 && s < t - 5 ? Respuesta::SubirReal : Respuesta::Aceptar;
    if (c <= 31) return Respuesta::SubirReal;
    return realOFalta();
}

Cantos::Respuesta Cantos::reglaRealEnvido() {
    const int c = e.TantoCompu, s = e.PuntosJugador, t = e.PuntosJuego;
    const auto faltaOAcepta = [&] { return t - s > 3 ? Respuesta::SubirFalta : Respuesta::Aceptar; };
    if (cantaSeguido(9) && entre(c, 7, 27) && s < t - 3) {
        apurando();
        return Respuesta::Aceptar;
    }
    if (cantaSeguido(6) && s < t - 3) {
        facilmente();
        if (c <= 19) return Respuesta::PorPuntos;
        if (c <= 22) return op.azar() < 0.7 && s < t - 3 ? Respuesta::Aceptar : Respuesta::PorPuntos;
        if (c <= 30) return Respuesta::Aceptar;
        return faltaOAcepta();
    }
    if (c <= 24) return Respuesta::PorPuntos;
    if (c <= 27) return op.azar() < 0.3 ? Respuesta::Aceptar : Respuesta::PorPuntos;
    if (c <= 30) return Respuesta::Aceptar;
    return faltaOAcepta();
}

Cantos::Respuesta Cantos::reglaFaltaEnvido() {
    const int c = e.TantoCompu;
    if (cantaSeguido(8) && c >= 20) {
        apurando();
        return Respuesta::Aceptar;
    }
    if (cantaSeguido(6)) {
        facilmente();
        if (c <= 19) return Respuesta::PorPuntos;
        if (c <= 26) return op.azar() < 0.7 ? Respuesta::Aceptar : Respuesta::PorPuntos;
        return Respuesta::Aceptar;
    }
    if (c <= 25) return Respuesta::PorPuntos;
    if (c <= 29) return op.azar() < 0.5 ? Respuesta::Aceptar : Respuesta::PorPuntos;
    return Respuesta::Aceptar;
}

void Cantos::ResponderEnvidoPorPuntos() {
    const Cadena cadena = e.CadenaEnvido;
    const int r = PuntosEnvidoNoQuerido(cadena);
    const int s = e.PuntosJugador, k = e.PuntosComputadora, t = e.PuntosJuego;
    e.QuienEnvido = Lado::Jugador;
    op.AvisoVentanaCentral();
    const bool falta = EsCadenaFalta(cadena);
    if (s >= t - r || (falta && t - k < 2)) {
        op.ReproducirVoz(Voz::Quiero);
        op.mensaje(s < t - r ? "De todas maneras es un punto: Quiero!!" : "Si no acepto ganás: Quiero.",
                   Icono::Informacion);
        e.EnvidoQuerido = NivelQuerido(cadena);
        DeclararTanto();
    } else if (!falta && t - k < 2) {
        computadora.SubCantoFaltaEnvido(ConFaltaEnvido(cadena), "De todas maneras es un punto: ");
    } else {
        op.ReproducirVoz(Voz::NoQuiero);
        op.mensaje("No quiero.", Icono::Informacion);
        if (EnvidoAlcanzaElFinal(cadena, false, s, k, t)) op.AvisoFinalPorPuntos();
        if (e.FinJuego) return;
        tanto.Unload();
        op.CerrarCantosMesa();
    }
}

}  // namespace naipalia
