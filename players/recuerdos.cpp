// The tanto history: the row each declaration writes, the statistics dialog filled from
// the player's rows of one chain, and the computer's answer to his envido drawn from
// them.
#include <cmath>
#include <cstdio>
#include <string>

#include "calls/tanto.h"
#include "game/tanto.h"
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

namespace {

// Each comment holds up to its bound, inclusive; the player's name follows when asked.
struct Comentario {
    double hasta;
    const char* texto;
    bool conNombre = false;
};
constexpr double Siempre = 1e300;

constexpr Comentario PorJugados[] = {
    {50, "Principiante de Naipalia 2005"},
    {100, "Jugador de Naipalia 2005"},
    {200, "Jugador frecuente de Naipalia 2005"},
    {Siempre, "Fanático de Naipalia 2005"},
};
constexpr Comentario PorGanados[] = {
    {5, "Un simple chip piensa mas que ", true},
    {25, "Un pobre desempeño para ", true},
    {50, "Estás en la lucha......"},
    {75, "Sos un jugador destacado"},
    {Siempre, "Estás para campeonatos!!"},
};
constexpr Comentario PorMentiras[] = {
    {5, "Sos un ejemplo"},
    {25, "....Una mentirita de vez en cuando...."},
    {50, "Sos un mentiroso!!"},
    {75, "Una larga terapia te hará bien...."},
    {Siempre, "Estás para el neuropsiquiátrico...."},
};
constexpr Comentario PorPromedio[] = {
    {20, "Te lanzas a la pileta!!"},
    {25, "Sos un arriesgado"},
    {28, "Un jugador prudente"},
    {33, "Sin cartas no sabes jugar..."},
};

template <std::size_t N>
std::string comentario(const Comentario (&tabla)[N], double valor, const std::string& nombre) {
    for (const Comentario& c : tabla)
        if (valor <= c.hasta) return c.conNombre ? c.texto + nombre : c.texto;
    return {};
}

}  // namespace

ComentariosEstadistica Comentar(const Estadisticas& s, const std::string& nombre) {
    return {.jugado = comentario(PorJugados, static_cast<double>(s.filas), nombre),
            .ganado = comentario(PorGanados, s.porcentajeGanado(), nombre),
            .mentira = comentario(PorMentiras, s.porcentajeMentira(), nombre),
            .promedio = comentario(PorPromedio, s.promedio(), nombre)};
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
    if (e.SinRecuerdos || !n.opcion(Opcion::Recuerdos)) return;
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
        reportar(fallo);
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

void Jugadores::MostrarEstadistica() {
    LlenarEstadistica();
    n.forma().MousePointer(0);
    op.mostrarModal(estadistica);
    estadistica.Unload();
}

void Jugadores::LlenarEstadistica() {
    const Estadisticas s = Resumir(RegistrosBase);
    if (s.filas == 0) return;  // nothing to say of no rows
    auto& d = estadistica;
    const Cadena cadena = cadenaDeTipo(TipoRegistros);
    if (cadena != Cadena::Nada) d.TextoTanto.Text(FraseCadena(cadena));

    const ComentariosEstadistica comentarios = Comentar(s, e.NombreJugador);
    d.TextoJugado.Text(conBlanco(static_cast<double>(s.filas), 15));
    d.TextoComentarioJugado.Text(comentarios.jugado);
    d.TextoGanado.Text(conBlanco(s.porcentajeGanado(), 15) + " %");
    d.TextoComentarioGanado.Text(comentarios.ganado);
    d.TextoMentira.Text(conBlanco(s.porcentajeMentira(), 15) + " %");
    d.TextoComentarioMentira.Text(comentarios.mentira);
    d.TextoPromedio.Text(conBlanco(s.promedio(), 7));
    // Above the last band the comment keeps what it showed.
    if (!comentarios.promedio.empty()) d.TextoComentarioPromedio.Text(comentarios.promedio);
}

}  // namespace naipalia
