#include "game/tanto.h"

#include <array>
#include <string_view>

#include "game/cartas.h"

namespace naipalia {

namespace {

constexpr int Falta = -1;

struct Fila {
    std::string_view frase;
    int noQuerido;
    int querido;
    Cadena nivel;
};

// By Cadena, in its order. "Envido Envido Falta Envido", refused, pays what the
// doubled envido was worth.
constexpr std::array<Fila, 10> Tabla{{
    {"", 0, 0, Cadena::Nada},
    {"Envido", 1, 2, Cadena::Envido},
    {"Real Envido", 1, 3, Cadena::RealEnvido},
    {"Falta Envido", 1, Falta, Cadena::FaltaEnvido},
    {"Envido Envido", 2, 4, Cadena::EnvidoEnvido},
    {"Envido Real Envido", 2, 5, Cadena::RealEnvido},
    {"Envido Falta Envido", 2, Falta, Cadena::FaltaEnvido},
    {"Real Envido Falta Envido", 3, Falta, Cadena::FaltaEnvido},
    {"Envido Real Envido Falta Envido", 5, Falta, Cadena::FaltaEnvido},
    {"Envido Envido Falta Envido", 4, Falta, Cadena::FaltaEnvido},
}};

const Fila& fila(Cadena cadena) { return Tabla[static_cast<std::size_t>(cadena)]; }

}  // namespace

TantoMano CalcularTanto(int a, int b, int c) {
    const int cartas[3] = {a, b, c};
    const int pares[3][2] = {{0, 1}, {0, 2}, {1, 2}};
    TantoMano mejor{0, 0};
    for (int p = 0; p < 3; ++p) {
        const int x = cartas[pares[p][0]], y = cartas[pares[p][1]];
        if (PaloCarta(x) != PaloCarta(y)) continue;
        const int valor = 20 + ValorEnvido(x) + ValorEnvido(y);
        if (mejor.cartas == 0 || valor > mejor.tanto) mejor = {valor, p + 1};
    }
    if (mejor.cartas != 0) return mejor;
    for (int i = 0; i < 3; ++i)
        if (mejor.cartas == 0 || ValorEnvido(cartas[i]) > mejor.tanto) mejor = {ValorEnvido(cartas[i]), i + 4};
    return mejor;
}

bool MismoPalo(int a, int b, int c) { return PaloCarta(a) == PaloCarta(b) && PaloCarta(b) == PaloCarta(c); }

int ValorFlor(int a, int b, int c) {
    return MismoPalo(a, b, c) ? 20 + ValorEnvido(a) + ValorEnvido(b) + ValorEnvido(c) : 39;
}

std::string_view FraseCadena(Cadena cadena) { return fila(cadena).frase; }

int PuntosEnvidoNoQuerido(Cadena cadena) { return fila(cadena).noQuerido; }

int PuntosEnvidoQuerido(Cadena cadena, int puntosJuego, int puntosPerdedor) {
    const Fila& f = fila(cadena);
    return f.querido == Falta ? puntosJuego - puntosPerdedor : f.querido;
}

Cadena NivelQuerido(Cadena cadena) { return fila(cadena).nivel; }

bool EsCadenaFalta(Cadena cadena) { return fila(cadena).querido == Falta; }

Cadena ConFaltaEnvido(Cadena cadena) {
    switch (cadena) {
        case Cadena::Envido: return Cadena::EnvidoFaltaEnvido;
        case Cadena::RealEnvido: return Cadena::RealEnvidoFaltaEnvido;
        case Cadena::EnvidoEnvido: return Cadena::EnvidoEnvidoFaltaEnvido;
        case Cadena::EnvidoRealEnvido: return Cadena::EnvidoRealEnvidoFaltaEnvido;
        case Cadena::Nada: return Cadena::FaltaEnvido;
        default: return cadena;
    }
}

// An accepted falta brings the winner exactly to the target when he is not behind.
bool EnvidoAlcanzaElFinal(Cadena cadena, bool querido, int puntosLado, int puntosOtro, int puntosJuego) {
    if (!querido) return puntosLado + PuntosEnvidoNoQuerido(cadena) >= puntosJuego;
    if (EsCadenaFalta(cadena)) return puntosLado >= puntosOtro;
    return puntosLado + PuntosEnvidoQuerido(cadena, puntosJuego, puntosOtro) >= puntosJuego;
}

}  // namespace naipalia
