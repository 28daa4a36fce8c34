// Tanto and flor of a hand, and the points of every envido chain.
#pragma once

#include <string>

namespace naipalia {

struct TantoMano {
    int tanto;   // 0-7 or 20-33
    int cartas;  // 1 = first+second, 2 = first+third, 3 = second+third, 4-6 = that card alone
};

TantoMano CalcularTanto(int a, int b, int c);
int ValorFlor(int a, int b, int c);  // 20-38, or 39 without flor
bool MismoPalo(int a, int b, int c);

// Points of a chain to the last caller when refused; 0 for no chain.
int PuntosEnvidoNoQuerido(const std::string& cadena);
// Points of an accepted chain to the winner; falta is what the loser lacks to reach the target.
int PuntosEnvidoQuerido(const std::string& cadena, int puntosJuego, int puntosPerdedor);

}  // namespace naipalia
