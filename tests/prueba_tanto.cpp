#include <gtest/gtest.h>

#include "game/tanto.h"

using namespace naipalia;

// Every chain the game forms: its words, refused, accepted (falta as -1) and the level left.
TEST(Tanto, PuntosDeCadaCadena) {
    struct Fila {
        Cadena cadena;
        const char* frase;
        int noQuerido, querido;
        Cadena nivel;
    };
    const Fila tabla[] = {
        {Cadena::Envido, "Envido", 1, 2, Cadena::Envido},
        {Cadena::RealEnvido, "Real Envido", 1, 3, Cadena::RealEnvido},
        {Cadena::FaltaEnvido, "Falta Envido", 1, -1, Cadena::FaltaEnvido},
        {Cadena::EnvidoEnvido, "Envido Envido", 2, 4, Cadena::EnvidoEnvido},
        {Cadena::EnvidoRealEnvido, "Envido Real Envido", 2, 5, Cadena::RealEnvido},
        {Cadena::EnvidoFaltaEnvido, "Envido Falta Envido", 2, -1, Cadena::FaltaEnvido},
        {Cadena::RealEnvidoFaltaEnvido, "Real Envido Falta Envido", 3, -1, Cadena::FaltaEnvido},
        {Cadena::EnvidoRealEnvidoFaltaEnvido, "Envido Real Envido Falta Envido", 5, -1, Cadena::FaltaEnvido},
        {Cadena::EnvidoEnvidoFaltaEnvido, "Envido Envido Falta Envido", 4, -1, Cadena::FaltaEnvido},
    };
    for (const Fila& f : tabla) {
        SCOPED_TRACE(f.frase);
        EXPECT_EQ(FraseCadena(f.cadena), f.frase);
        EXPECT_EQ(PuntosEnvidoNoQuerido(f.cadena), f.noQuerido);
        EXPECT_EQ(NivelQuerido(f.cadena), f.nivel);
        EXPECT_EQ(EsCadenaFalta(f.cadena), f.querido < 0);
        // Falta: what the loser lacks to reach the target.
        EXPECT_EQ(PuntosEnvidoQuerido(f.cadena, 15, 12), f.querido < 0 ? 3 : f.querido);
        EXPECT_EQ(PuntosEnvidoQuerido(f.cadena, 30, 9), f.querido < 0 ? 21 : f.querido);
    }
    EXPECT_EQ(FraseCadena(Cadena::Nada), "");
    EXPECT_EQ(PuntosEnvidoNoQuerido(Cadena::Nada), 0);
    EXPECT_EQ(PuntosEnvidoQuerido(Cadena::Nada, 15, 0), 0);
}
