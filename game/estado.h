// The shared game state: one record, read and written by every window.
#pragma once

#include <array>
#include <string>

#include "game/cartas.h"

namespace naipalia {

inline const std::string Computadora = "Computadora";
inline const std::string Nada = "Nada";
inline const std::string Iguales = "Iguales";
constexpr int LargoNombre = 30;
constexpr int TantoNoCantado = 34;
constexpr int SinFlor = 39;

// Points the round's truco is worth at the level accepted so far.
inline int ValorTruco(const std::string& estadoTruco) {
    return estadoTruco == "Nada" ? 1 : estadoTruco == "Truco" ? 2 : estadoTruco == "Re-Truco" ? 3 : 4;
}

// Names are kept blank-padded to 30 characters, as every "who" field compares them.
std::string NombreRelleno(const std::string& nombre);
std::string NombreRecortado(const std::string& nombre);

struct Estado {
    // Slot s (1..6) of the round is element s - 1; 1-3 the player's, 4-6 the computer's.
    std::array<int, 6> CartasRepartidas{};
    int carta(int slot) const { return CartasRepartidas.at(static_cast<std::size_t>(slot - 1)); }

    // Per hand 1..3 (element 0 unused): class and slot played; 40 and 0 while not played.
    std::array<int, 4> JerarquiaJugador{SinJugar, SinJugar, SinJugar, SinJugar};
    std::array<int, 4> PosicionJugador{};
    std::array<int, 4> JerarquiaCompu{SinJugar, SinJugar, SinJugar, SinJugar};
    std::array<int, 4> PosicionCompu{};

    std::string EstadoTruco = Nada;
    std::string QuienTruco;
    std::string CadenaEnvido;
    std::string EnvidoQuerido = Nada;
    std::string QuienEnvido = Nada;
    std::string GanadorEnvido;
    int TantoRealJugador = 0;
    int TantoCompu = 0;
    int CartasTantoCompu = 0;
    int TantoCantadoJugador = TantoNoCantado;

    std::string EstadoFlor = Nada;
    std::string QuienFlor = Nada;
    std::string GanadorFlor;
    int FlorJugador = 0;
    int FlorCompu = 0;
    int FlorCantadaJugador = 0;

    bool TrucoRechazado = false;
    bool TrucoCantadoEnJugada = false;
    bool TrucoRechazadoEnJugada = false;
    bool TrucoRecantado = false;
    bool TantoPrimero = false;
    bool TantoAcreditado = false;

    int PuntosJuego = 15;
    std::string NombreJugador = NombreRelleno("");
    std::string QuienMano;
    int RondasJugadas = 0;
    int EnvidosCantadosJugador = 0;
    int VecesVentanaTanto = 0;
    int VecesFaltaEnvidoJugador = 0;
    bool FinJuego = false;
    bool SinRecuerdos = false;
    bool ErrorBaseDatos = false;

    bool esJugador(const std::string& quien) const { return quien == NombreJugador; }
};

}  // namespace naipalia
