// The player's finished games: the one that has just ended stored, and his results
// figured from all of them for the dialog that shows them.
#include <algorithm>
#include <cmath>
#include <string>

#include "players/jugadores.h"
#include "players/mis_partidas.h"
#include "shell/naipalia.h"
#include "shell/operacion.h"

namespace naipalia {

namespace {

std::string horaDelDia(double segundos) {
    const long s = std::clamp(static_cast<long>(std::floor(segundos)), 0L, 86399L);
    const auto dos = [](long v) { return (v < 10 ? "0" : "") + std::to_string(v); };
    return dos(s / 3600) + ":" + dos(s / 60 % 60) + ":" + dos(s % 60);
}

int margen(const FilaPartida& p) { return p.PuntosJugador - p.PuntosComputadora; }

// Won as the end of a game judges it: the computer's score is looked at first.
bool ganoJugador(const FilaPartida& p) { return p.PuntosComputadora < p.PuntosJuego; }

std::string textoRacha(int racha) {
    if (racha == 0) return "Ninguna";
    const int n = std::abs(racha);
    const std::string cual = racha > 0 ? " ganada" : " perdida";
    return std::to_string(n) + (n > 1 ? cual + "s seguidas" : cual);
}

std::string textoMejor(const FilaPartida& p) {
    return "Por " + std::to_string(margen(p)) + ": " + std::to_string(p.PuntosJugador) + " a " +
           std::to_string(p.PuntosComputadora) + ", el " + p.Fecha;
}

}  // namespace

ResultadosPartidas ResumirPartidas(const std::vector<FilaPartida>& partidas) {
    ResultadosPartidas r;
    for (std::size_t i = 0; i < partidas.size(); ++i) {
        const FilaPartida& p = partidas[i];
        const bool gano = ganoJugador(p);
        ++(gano ? r.ganadas : r.perdidas);
        // A run goes on while the result repeats; another result starts one of its own.
        r.racha = gano ? std::max(r.racha, 0) + 1 : std::min(r.racha, 0) - 1;
        // A record is beaten, not equalled.
        if (gano && (r.mejor < 0 || margen(p) > r.margenes[static_cast<std::size_t>(r.mejor)]))
            r.mejor = static_cast<int>(i);
        r.margenes.push_back(margen(p));
    }
    return r;
}

// Only with a database; a player who chose no name from the registry has no games kept.
void Jugadores::GrabarPartida() {
    if (e.SinRecuerdos) return;
    Reloj& reloj = *op.puertos.reloj;
    const FilaPartida partida{
        0, reloj.fechaCorta(), horaDelDia(reloj.segundosDelDia()), e.PuntosJuego, e.PuntosJugador, e.PuntosComputadora};
    FalloBase fallo;
    if (!base().agregarPartida(NombreElegido, partida, fallo)) reportar(fallo);
}

void Jugadores::MenuPartidas_Click() {
    std::vector<FilaPartida> partidas;
    FalloBase fallo;
    if (!base().leerPartidas(NombreElegido, partidas, fallo)) {
        reportar(fallo);
        return;
    }
    LlenarMisPartidas(partidas);
    op.mostrarModal(misPartidas);
}

void Jugadores::LlenarMisPartidas(const std::vector<FilaPartida>& partidas) {
    const ResultadosPartidas r = ResumirPartidas(partidas);
    misPartidas.EtiquetaJugador.Caption("Partidas terminadas de " + NombreRecortado(e.NombreJugador));
    misPartidas.TextoGanadas.Text(std::to_string(r.ganadas));
    misPartidas.TextoPerdidas.Text(std::to_string(r.perdidas));
    misPartidas.TextoRacha.Text(textoRacha(r.racha));
    misPartidas.TextoMejor.Text(r.mejor < 0 ? "Ninguna todavía"
                                            : textoMejor(partidas[static_cast<std::size_t>(r.mejor)]));
    std::vector<std::string> margenes;
    for (const int m : r.margenes) margenes.push_back(std::to_string(m));
    misPartidas.GraficoPartidas.List(std::move(margenes));
}

}  // namespace naipalia
