// The taunts' draw and the computer's deck before its first card, left pending by a flor
// it could not play.
#include <gtest/gtest.h>

#include "puertos_prueba.h"

using namespace naipalia;

TEST(Truco, ElMazoDeLaComputadoraAntesDeSuCartaPagaDos) {
    prueba::Plataforma p;
    Juego& j = p.jugar({36, 37, 33, 14, 15, 16});
    p.modales.clear();
    j.computadora.MazoPendiente = true;
    j.computadora.JugadaComputadora();
    EXPECT_EQ(j.estado.PuntosJugador, 2);
    EXPECT_EQ(p.modales.at(0), "FinRonda");
}

TEST(Truco, LasBurlasPorQuintos) {
    const std::pair<double, const char*> casos[] = {{0.19, "Te achicaste!!"},
                                                    {0.2, "No te gustó?\?!"},
                                                    {0.4, "Te sentis bien???"},
                                                    {0.79, "Te asustaste!!"},
                                                    {0.8, "Es mucho para ti?\?!"}};
    for (const auto& [r, linea] : casos) {
        prueba::Plataforma p;
        Juego& j = p.jugar({36, 37, 33, 14, 15, 16});
        p.sorteos = {r};
        j.computadora.SubTrucoNoQueridoJugador();
        EXPECT_EQ(j.finRonda.EtiquetaMensaje.Caption(), linea + SufijoFinRonda);
    }
}
