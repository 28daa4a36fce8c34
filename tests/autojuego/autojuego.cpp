#include "tests/autojuego/autojuego.h"

#include <exception>

#include "game/estado.h"
#include "tests/autojuego/fallo.h"

namespace naipalia::autojuego {

namespace {

// Spreads neighbouring numbers apart (a 32-bit finaliser).
std::uint32_t mezclar(std::uint32_t x) {
    x ^= x >> 16;
    x *= 0x7feb352dU;
    x ^= x >> 15;
    x *= 0x846ca68bU;
    x ^= x >> 16;
    return x;
}

// One FNV-1a step.
std::uint64_t acumular(std::uint64_t huella, long valor) {
    return (huella ^ static_cast<std::uint64_t>(valor)) * 0x100000001b3ULL;
}

// What the table shows the player at one turn.
std::uint64_t acumularTurno(std::uint64_t huella, const Juego& juego) {
    const Estado& e = juego.estado;
    huella = acumular(huella, e.RondasJugadas * 4 + juego.ronda.ManoActual);
    for (int c : e.CartasRepartidas) huella = acumular(huella, c);
    for (int h = 1; h <= 3; ++h) huella = acumular(huella, e.PosicionJugador[h] * 8 + e.PosicionCompu[h]);
    huella = acumular(huella, e.PuntosJugador);
    return acumular(huella, e.PuntosComputadora);
}

std::string describir(const Semillas& s, const std::string& motivo, const Plataforma& plataforma) {
    const std::string mano = s.manoPreviaComputadora ? "computadora" : "jugador";
    std::string texto = "broken rule: " + motivo + "\n  game seed " + std::to_string(s.juego) + ", player seed " +
                        std::to_string(s.jugador) + ", previous mano " + mano +
                        "\n  replay: naipalia-bench-autojuego --repetir " + std::to_string(s.juego) + " " +
                        std::to_string(s.jugador) + " " + mano;
    for (const Mensaje& m : plataforma.mensajes) texto += "\n  message: " + m.texto;
    return texto;
}

}  // namespace

Autojuego::Autojuego(bool conInvariantes)
    : conInvariantes_(conInvariantes),
      juego_(plataforma_.falsos.puertos),
      invariantes_(juego_, conInvariantes),
      jugador_(juego_, plataforma_, invariantes_) {
    plataforma_.jugador = &jugador_;
    juego_.arrancar();
}

Semillas Autojuego::semillas(std::uint32_t base, long partida) {
    const std::uint32_t juego = mezclar(base) + static_cast<std::uint32_t>(partida);
    return {juego, mezclar(juego ^ 0x9e3779b9U), false};
}

std::uint64_t Autojuego::jugarPartida(const Semillas& s) {
    plataforma_.nuevaPartida(s.juego, s.jugador);
    const Estado& e = juego_.estado;
    jugador_.elegirOpciones();
    invariantes_.comenzarPartida();
    jugador_.comenzarPartida();
    invariantes_.revisar();
    std::uint64_t huella = 0xcbf29ce484222325ULL;
    while (!e.FinJuego) {
        invariantes_.revisarTurno();
        if (conInvariantes_) huella = acumularTurno(huella, juego_);
        jugador_.jugarTurno();
        invariantes_.revisar();
    }
    invariantes_.terminarPartida(plataforma_);
    return huella;
}

// False, with the failure described, when the game broke a rule.
bool Autojuego::intentar(const Semillas& s, Resultado& r) {
    r.ultima = s;
    const long antes = jugador_.acciones();
    try {
        r.huella = jugarPartida(s);
    } catch (const Fallo& f) {
        r.fallo = describir(s, f.motivo, plataforma_);
    } catch (const std::exception& ex) {
        r.fallo = describir(s, std::string("exception: ") + ex.what(), plataforma_);
    }
    r.acciones += jugador_.acciones() - antes;
    if (!r.fallo.empty()) {
        gastado_ = true;
        return false;
    }
    ++r.partidas;
    return true;
}

Resultado Autojuego::jugar(std::uint32_t base, long cantidad) {
    Resultado r;
    if (gastado_) {
        r.fallo = "this harness already broke off a game";
        return r;
    }
    for (long i = 0; i < cantidad; ++i) {
        Semillas s = semillas(base, i);
        s.manoPreviaComputadora = juego_.estado.QuienMano == Lado::Computadora;
        if (!intentar(s, r)) break;
    }
    return r;
}

Resultado Autojuego::repetir(const Semillas& s, std::ostream& traza) {
    Resultado r;
    if (gastado_) {
        r.fallo = "this harness already broke off a game";
        return r;
    }
    // The only state a game hands to the next one.
    juego_.estado.QuienMano = s.manoPreviaComputadora ? Lado::Computadora : Lado::Jugador;
    plataforma_.traza = &traza;
    intentar(s, r);
    plataforma_.traza = nullptr;
    return r;
}

}  // namespace naipalia::autojuego
