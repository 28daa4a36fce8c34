// Tanto and flor of a hand, and the points of every envido chain.
#pragma once

#include <cstdint>
#include <string_view>

namespace naipalia {

struct TantoMano {
    int tanto;   // 0-7 or 20-33
    int cartas;  // 1 = first+second, 2 = first+third, 3 = second+third, 4-6 = that card alone
};

TantoMano CalcularTanto(int a, int b, int c);
int ValorFlor(int a, int b, int c);  // 20-38, or 39 without flor
bool MismoPalo(int a, int b, int c);

// The envido chains the game forms, as the calls are made; Nada before any call.
enum class Cadena : std::uint8_t {
    Nada,
    Envido,
    RealEnvido,
    FaltaEnvido,
    EnvidoEnvido,
    EnvidoRealEnvido,
    EnvidoFaltaEnvido,
    RealEnvidoFaltaEnvido,
    EnvidoRealEnvidoFaltaEnvido,
    EnvidoEnvidoFaltaEnvido,  // the computer's raise of a doubled envido to falta
};

// The chain as the game writes it ("Envido Real Envido"); empty for Nada.
std::string_view FraseCadena(Cadena cadena);
// Points of a chain to the last caller when refused; 0 for no chain.
int PuntosEnvidoNoQuerido(Cadena cadena);
// Points of an accepted chain to the winner; falta is what the loser lacks to reach the target.
int PuntosEnvidoQuerido(Cadena cadena, int puntosJuego, int puntosPerdedor);
// The level an accepted chain leaves in EnvidoQuerido.
Cadena NivelQuerido(Cadena cadena);
// Chains that end in the falta envido.
bool EsCadenaFalta(Cadena cadena);
// The chain with " Falta Envido" called on top; a falta chain stays as it is.
Cadena ConFaltaEnvido(Cadena cadena);

// Whether the points of a settled envido bring their side to the target: accepted, the
// winner's and the loser's scores; refused, the last caller's (the other is not read).
bool EnvidoAlcanzaElFinal(Cadena cadena, bool querido, int puntosLado, int puntosOtro, int puntosJuego);

}  // namespace naipalia
