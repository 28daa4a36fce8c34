// The shared game state: one record, read and written by every subsystem.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "game/cartas.h"
#include "game/tanto.h"

namespace naipalia {

constexpr int LargoNombre = 30;
constexpr int TantoNoCantado = 34;
constexpr int SinFlor = 39;

// Who made a call, accepted it, won it or is mano.
enum class Lado : std::uint8_t { Nadie, Jugador, Computadora };

inline Lado Contrario(Lado lado) {
    return lado == Lado::Jugador ? Lado::Computadora : lado == Lado::Computadora ? Lado::Jugador : Lado::Nadie;
}

// The truco level accepted so far; its number is the round's worth minus one.
enum class NivelTruco : std::uint8_t { Nada, Truco, ReTruco, Vale4 };

inline int ValorTruco(NivelTruco nivel) { return static_cast<int>(nivel) + 1; }
// The next level of the truco, as an acceptance raises it.
inline NivelTruco Siguiente(NivelTruco nivel) {
    return nivel == NivelTruco::Vale4 ? nivel : static_cast<NivelTruco>(static_cast<int>(nivel) + 1);
}

enum class NivelFlor : std::uint8_t { Nada, Flor, FlorAchico, FlorJuego, FlorContra };

// What a settled flor pays the side that takes it; the contra flor, what the loser lacks.
inline int PuntosFlor(NivelFlor nivel, int puntosJuego, int puntosPerdedor) {
    switch (nivel) {
        case NivelFlor::Flor: return 3;
        case NivelFlor::FlorAchico: return 4;
        case NivelFlor::FlorJuego: return 6;
        default: return puntosJuego - puntosPerdedor;
    }
}

// Whether a flor settled at this level brings the side that takes it to the target.
inline bool FlorAlcanzaElFinal(NivelFlor nivel, int puntosLado, int puntosOtro, int puntosJuego) {
    return puntosLado + PuntosFlor(nivel, puntosJuego, puntosOtro) >= puntosJuego;
}

// Who took a hand; SinDecidir until both sides played it.
enum class ResultadoMano : std::uint8_t { SinDecidir, Computadora, Iguales, Jugador };

// Names are kept blank-padded to 30 characters, as the game shows and stores them.
std::string NombreRelleno(const std::string& nombre);
std::string NombreRecortado(const std::string& nombre);

struct Estado {
    // Slot s (1..6) of the round is element s - 1; 1-3 the player's, 4-6 the computer's.
    std::array<int, 6> CartasRepartidas{};
    int carta(int slot) const { return CartasRepartidas[static_cast<std::size_t>(slot - 1)]; }

    // Per hand 1..3 (element 0 unused): class and slot played; 40 and 0 while not played.
    std::array<int, 4> JerarquiaJugador{SinJugar, SinJugar, SinJugar, SinJugar};
    std::array<int, 4> PosicionJugador{};
    std::array<int, 4> JerarquiaCompu{SinJugar, SinJugar, SinJugar, SinJugar};
    std::array<int, 4> PosicionCompu{};
    // Who took each hand 1..3, as its result box shows it.
    std::array<ResultadoMano, 4> ResultadoManos{};

    // Scores: every write also goes through its text box on the table.
    int PuntosJugador = 0;
    int PuntosComputadora = 0;

    NivelTruco EstadoTruco = NivelTruco::Nada;
    Lado QuienTruco = Lado::Nadie;
    Cadena CadenaEnvido = Cadena::Nada;
    Cadena EnvidoQuerido = Cadena::Nada;
    Lado QuienEnvido = Lado::Nadie;
    Lado GanadorEnvido = Lado::Nadie;
    int TantoRealJugador = 0;
    int TantoCompu = 0;
    int CartasTantoCompu = 0;
    int TantoCantadoJugador = TantoNoCantado;
    int TantoCantadoCompu = TantoNoCantado;

    NivelFlor EstadoFlor = NivelFlor::Nada;
    Lado QuienFlor = Lado::Nadie;
    Lado GanadorFlor = Lado::Nadie;
    int FlorJugador = 0;
    int FlorCompu = 0;
    int FlorCantadaJugador = 0;
    int FlorCantadaCompu = 0;

    bool TrucoRechazado = false;
    bool TrucoCantadoEnJugada = false;
    bool TrucoRechazadoEnJugada = false;
    bool TrucoRecantado = false;
    bool TantoPrimero = false;
    // The computer goes to the deck on its next turn (its flor answered by one it could not beat).
    bool MazoPendiente = false;
    bool TantoAcreditado = false;
    // The round's envido and flor were settled early (the final-points notice): the
    // round's own end settles nothing more of them.
    bool TantoLiquidado = false;

    int PuntosJuego = 15;
    std::string NombreJugador = NombreRelleno("");
    Lado QuienMano = Lado::Nadie;
    int RondasJugadas = 0;
    int EnvidosCantadosJugador = 0;
    int VecesVentanaTanto = 0;
    int VecesFaltaEnvidoJugador = 0;
    bool FinJuego = false;
    bool SinRecuerdos = false;
    bool ErrorBaseDatos = false;

    int puntos(Lado lado) const { return lado == Lado::Jugador ? PuntosJugador : PuntosComputadora; }
};

}  // namespace naipalia
