// The truco through the whole game: the taunts' draw and the computer's early deck, with
// the draws fixed. Its decisions: prueba_decision_truco.cpp; the deck's other costs and
// the vale 4 dialog: the scripts mazo_jugador and truco_retruco_y_vale4.
#include <gtest/gtest.h>

#include "puertos_prueba.h"

using namespace naipalia;

namespace {

// The player, mano, holds 4s and a 5; the computer three figures; nothing scored.
struct Truco : ::testing::Test {
    prueba::Plataforma p;
    Juego* j = nullptr;
    Estado* e = nullptr;

    void repartir() {
        j = &p.jugar({36, 37, 33, 14, 15, 16});
        e = &j->estado;
        p.olvidar();
    }
};

}  // namespace

TEST_F(Truco, LasBurlasPorQuintos) {
    // "?\?!": no trigraph.
    const std::pair<double, const char*> casos[] = {{0.19, "Te achicaste!!"},
                                                    {0.2, "No te gustó?\?!"},
                                                    {0.4, "Te sentis bien???"},
                                                    {0.79, "Te asustaste!!"},
                                                    {0.8, "Es mucho para ti?\?!"}};
    for (const auto& [r, linea] : casos) {
        repartir();
        p.sorteos = {r};
        j->computadora.SubTrucoNoQueridoJugador();
        EXPECT_EQ(j->finRonda.EtiquetaMensaje.Caption(), linea + SufijoFinRonda);
    }
}

TEST_F(Truco, ElMazoDeLaComputadoraAntesDeSuCartaPagaDos) {
    repartir();
    j->computadora.MazoPendiente = true;  // left by a flor it could not play
    j->computadora.JugadaComputadora();
    EXPECT_EQ(e->PuntosJugador, 2);
    EXPECT_EQ(p.modales.at(0), "FinRonda");
}
