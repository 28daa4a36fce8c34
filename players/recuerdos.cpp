// The tanto history: the row each declaration writes, the statistics dialog filled from
// the player's rows of one chain, and the computer's answer to his envido drawn from
// them.
#include <cmath>
#include <cstdio>
#include <string>

#include "calls/cantos.h"
#include "calls/tanto.h"
#include "game/tanto.h"
#include "opponent/computadora.h"
#include "players/estadistica.h"
#include "players/jugadores.h"
#include "shell/naipalia.h"
#include "shell/operacion.h"

namespace naipalia {

namespace {

// A number as the dialog shows it: a leading blank, then its shortest decimal form.
std::string conBlanco(double valor, int digitos) {
    char texto[40];
    std::snprintf(texto, sizeof texto, " %.*g", digitos, valor);
    return texto;
}

Cadena cadenaDeTipo(const std::string& tipo) {
    if (tipo == "FE") return Cadena::FaltaEnvido;
    if (tipo == "RE") return Cadena::RealEnvido;
    if (tipo == "E") return Cadena::Envido;
    return Cadena::Nada;
}

}  // namespace

std::string TipoTanto(Cadena nivel) {
    switch (nivel) {
    case Cadena::FaltaEnvido: return "FE";
    case Cadena::RealEnvido: return "RE";
    case Cadena::EnvidoEnvido: return "EE";
    case Cadena::Envido: return "E";
    default: return "";
    }
}

double Estadisticas::porcentajeGanado() const {
    return std::floor(static_cast<double>(ganadas) / static_cast<double>(filas) * 10000) / 100;
}

double Estadisticas::porcentajeMentira() const {
    return std::floor(static_cast<double>(mentidas) / static_cast<double>(filas) * 10000) / 100;
}

float Estadisticas::promedio() const {
    return static_cast<float>(std::floor(static_cast<double>(sumaNumero) / static_cast<double>(filas) * 100) / 100);
}

Estadisticas Resumir(const std::vector<CuentaTanto>& cuentas) {
    Estadisticas s;
    for (const CuentaTanto& c : cuentas) {
        s.filas += c.filas;
        s.ganadas += c.gano;
        s.mentidas += c.mintio;
        s.sumaNumero += c.filas * c.Numero;
    }
    return s;
}

float ChanceComputadora(const std::vector<CuentaTanto>& cuentas, int tantoCompu, bool compuEsMano) {
    long filas = 0, vencidas = 0;
    for (const CuentaTanto& c : cuentas) {
        filas += c.filas;
        if (c.Numero < tantoCompu || (c.Numero == tantoCompu && compuEsMano)) vencidas += c.filas;
    }
    if (filas == 0) return 0;
    return static_cast<float>(static_cast<double>(vencidas) / static_cast<double>(filas));
}

// --- The history ---

void Jugadores::GrabarTantoJugador() {
    if (e.SinRecuerdos || !n.MenuRecuerdoOpcion(1).Checked()) return;
    const int cantado = e.TantoCantadoJugador;
    FilaTanto fila;
    fila.Jugador = e.NombreJugador;
    fila.Tipo = TipoTanto(e.EnvidoQuerido);
    fila.Numero = e.TantoRealJugador;
    fila.MintioJugador = e.TantoRealJugador != cantado;
    // The declared number against the computer's real one; a tie goes to the mano.
    fila.GanoJugador = cantado > e.TantoCompu || (cantado == e.TantoCompu && e.QuienMano != Lado::Computadora);
    FalloBase fallo;
    if (!base().agregarTanto(fila, fallo)) reportar(fallo);
}

long Jugadores::ConsultarRecuerdos(const std::string& tipo) {
    e.ErrorBaseDatos = false;
    RegistrosBase.clear();
    TipoRegistros = tipo;
    FalloBase fallo;
    if (!base().contarTantos(e.NombreJugador, tipo, RegistrosBase, fallo)) {
        RegistrosBase.clear();
        ErrorRecuerdos(fallo.descripcion);
        e.ErrorBaseDatos = true;
        return 0;
    }
    return Resumir(RegistrosBase).filas;
}

void Jugadores::CerrarRegistros() {
    RegistrosBase.clear();
    TipoRegistros.clear();
}

// --- The statistics ---

void Jugadores::Estadistica_Load() {
    op.AvisoVentanaCentral();
    if (op.puertos.imagenes->cargable(op.RutaCaraMenu)) estadistica.Imagen.Picture(op.RutaCaraMenu);
}

void Jugadores::LlenarEstadistica() {
    const Estadisticas s = Resumir(RegistrosBase);
    if (s.filas == 0) return;  // nothing to say of no rows
    auto& d = estadistica;
    const Cadena cadena = cadenaDeTipo(TipoRegistros);
    if (cadena != Cadena::Nada) {
        d.TextoTanto.Text(FraseCadena(cadena));
        e.CadenaEnvido = cadena;
    }

    const long n = s.filas;
    d.TextoJugado.Text(conBlanco(static_cast<double>(n), 15));
    d.TextoComentarioJugado.Text(n <= 50    ? "Principiante de Naipalia 2005"
                                 : n <= 100 ? "Jugador de Naipalia 2005"
                                 : n <= 200 ? "Jugador frecuente de Naipalia 2005"
                                            : "Fanático de Naipalia 2005");

    const double p = s.porcentajeGanado();
    d.TextoGanado.Text(conBlanco(p, 15) + " %");
    d.TextoComentarioGanado.Text(p <= 5    ? "Un simple chip piensa mas que " + e.NombreJugador
                                 : p <= 25 ? "Un pobre desempeño para " + e.NombreJugador
                                 : p <= 50 ? std::string("Estás en la lucha......")
                                 : p <= 75 ? std::string("Sos un jugador destacado")
                                           : std::string("Estás para campeonatos!!"));

    const double q = s.porcentajeMentira();
    d.TextoMentira.Text(conBlanco(q, 15) + " %");
    d.TextoComentarioMentira.Text(q <= 5    ? "Sos un ejemplo"
                                  : q <= 25 ? "....Una mentirita de vez en cuando...."
                                  : q <= 50 ? "Sos un mentiroso!!"
                                  : q <= 75 ? "Una larga terapia te hará bien...."
                                            : "Estás para el neuropsiquiátrico....");

    const float a = s.promedio();
    d.TextoPromedio.Text(conBlanco(a, 7));
    if (a <= 20) d.TextoComentarioPromedio.Text("Te lanzas a la pileta!!");
    else if (a <= 25) d.TextoComentarioPromedio.Text("Sos un arriesgado");
    else if (a <= 28) d.TextoComentarioPromedio.Text("Un jugador prudente");
    else if (a <= 33) d.TextoComentarioPromedio.Text("Sin cartas no sabes jugar...");
}

// --- The computer's answer from the history ---

void Jugadores::ResponderEnvidoComputadora() {
    if (Resumir(RegistrosBase).filas == 0) return;
    LlenarEstadistica();
    const float p = ChanceComputadora(RegistrosBase, e.TantoCompu, e.QuienMano == Lado::Computadora);
    n.forma().MousePointer(0);
    op.mostrarModal(estadistica);
    estadistica.Unload();

    const int s = e.PuntosJugador, t = e.PuntosJuego;
    // Calls in 60 % of at least four rounds, compared exactly.
    if (e.RondasJugadas >= 4 && e.EnvidosCantadosJugador * 10 >= 6 * e.RondasJugadas && s < t - 2) {
        op.ReproducirVoz(Voz::Ehh);
        op.mensaje("Ehh!! ¿Cantás facilmente el tanto...?", Icono::Pregunta);
    }

    const std::string& tipo = TipoRegistros;
    const auto acepta = [&] { computadora.QuieroTipoEnvidoComputadora(tipo); };
    const auto subeReal = [&] { computadora.CantarRealEnvidoComputadora(Cadena::EnvidoRealEnvido, ""); };
    // The bands in single precision, as the constants are written.
    if (p < 0.15f) {
        if (tipo == "E" && op.azar() < 0.25) subeReal();
        else NoQuieroEnvidoComputadora();
    } else if (p <= 0.35f) {
        if (op.azar() < 0.5) acepta();
        else NoQuieroEnvidoComputadora();
    } else if (p <= 0.65f) {
        acepta();
    } else if (p <= 0.85f) {
        if (tipo == "E") subeReal();
        else acepta();
    } else if (tipo == "E" && t - s > 2) {
        computadora.SubCantoFaltaEnvido(Cadena::EnvidoFaltaEnvido, "");
    } else if (tipo == "RE" && t - s > 3) {
        computadora.SubCantoFaltaEnvido(Cadena::RealEnvidoFaltaEnvido, "");
    } else {
        acepta();
    }
}

void Jugadores::NoQuieroEnvidoComputadora() {
    e.QuienEnvido = Lado::Jugador;
    op.AvisoTurnoJugador();
    const int s = e.PuntosJugador, k = e.PuntosComputadora, t = e.PuntosJuego;
    const bool falta = e.CadenaEnvido == Cadena::FaltaEnvido;
    if (s == t - 1 || (t - k < 2 && falta)) {
        op.ReproducirVoz(Voz::Quiero);
        op.mensaje(s == t - 1 ? "Te falta un punto: Quiero." : "De todas maneras es un punto: Quiero!!",
                   Icono::Informacion);
        e.EnvidoQuerido = cadenaDeTipo(TipoRegistros);
        cantos.DeclararTanto();
    } else if (t - k < 2) {
        computadora.SubCantoFaltaEnvido(ConFaltaEnvido(e.CadenaEnvido), "De todas maneras es un punto: ");
    } else {
        op.ReproducirVoz(Voz::NoQuiero);
        op.mensaje("No quiero.", Icono::Informacion);
        op.CerrarCantosMesa();
        if (EnvidoAlcanzaElFinal(e.CadenaEnvido, false, s, k, t)) op.AvisoFinalPorPuntos();
    }
}

}  // namespace naipalia
