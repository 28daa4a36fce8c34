#include "game/tanto.h"

#include <array>
#include <string_view>

#include "game/cartas.h"

namespace naipalia {

namespace {

constexpr int Falta = -1;

struct Cadena {
    std::string_view frase;
    int noQuerido;
    int querido;
};

// "Envido Envido Falta Envido" is the computer's raise of a doubled envido to falta:
// refused it pays what the doubled envido was worth.
constexpr std::array<Cadena, 9> Cadenas{{
    {"Envido", 1, 2},
    {"Real Envido", 1, 3},
    {"Falta Envido", 1, Falta},
    {"Envido Envido", 2, 4},
    {"Envido Real Envido", 2, 5},
    {"Envido Falta Envido", 2, Falta},
    {"Real Envido Falta Envido", 3, Falta},
    {"Envido Real Envido Falta Envido", 5, Falta},
    {"Envido Envido Falta Envido", 4, Falta},
}};

const Cadena* buscar(const std::string& frase) {
    for (const Cadena& c : Cadenas)
        if (c.frase == frase) return &c;
    return nullptr;
}

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

int PuntosEnvidoNoQuerido(const std::string& cadena) {
    const Cadena* c = buscar(cadena);
    return c ? c->noQuerido : 0;
}

int PuntosEnvidoQuerido(const std::string& cadena, int puntosJuego, int puntosPerdedor) {
    const Cadena* c = buscar(cadena);
    if (!c) return 0;
    return c->querido == Falta ? puntosJuego - puntosPerdedor : c->querido;
}

}  // namespace naipalia
