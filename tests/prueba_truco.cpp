// The truco through the whole game: the vale 4 dialog, the taunts' draw, and what the
// deck costs; with the draws fixed. Its decisions: prueba_decision_truco.cpp.
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

TEST_F(Truco, ElDialogoDelVale4NoTieneSubida) {
    repartir();
    // Looked at while it is up.
    p.falsos.alMostrarModal = [&](Ventana& v) {
        EXPECT_EQ(j->cantoTrucos.EtiquetaMensaje.Caption(), "Vale 4!!");
        EXPECT_EQ(j->cantoTrucos.forma().Width(), CantoTrucos::AnchoVale4);
        EXPECT_FALSE(j->cantoTrucos.BotonReCanto.Visible());
        v.Hide();
    };
    j->computadora.CantarVale4Computadora();
}

TEST_F(Truco, LasBurlasPorQuintos) {
    const std::pair<double, const char*> casos[] = {{0.19, "Te achicaste!!"},
                                                    {0.2,
                                                     "No te gustó?"
                                                     "?!"},
                                                    {0.4, "Te sentis bien???"},
                                                    {0.79, "Te asustaste!!"},
                                                    {0.8,
                                                     "Es mucho para ti?"
                                                     "?!"}};
    for (const auto& [r, linea] : casos) {
        repartir();
        p.sorteos = {r};
        j->computadora.SubTrucoNoQueridoJugador();
        EXPECT_EQ(j->finRonda.EtiquetaMensaje.Caption(), linea + SufijoFinRonda);
    }
}

TEST_F(Truco, ElMazoCuestaUnoMasAntesDeTodo) {
    repartir();
    p.sorteos = {0.5};
    j->cantos.BotonMazo_Click();
    EXPECT_EQ(e->PuntosComputadora, 2);
    // After the computer played its card the deck costs the truco alone.
    repartir();
    e->PosicionCompu[1] = 4;
    e->JerarquiaCompu[1] = JerarquiaTruco(14);
    e->EstadoTruco = NivelTruco::ReTruco;
    e->QuienTruco = Lado::Jugador;
    p.sorteos = {0.5};
    j->cantos.BotonMazo_Click();
    EXPECT_EQ(e->PuntosComputadora, 3);
}

TEST_F(Truco, ElMazoDeLaComputadoraAntesDeSuCartaPagaDos) {
    repartir();
    j->computadora.MazoPendiente = true;  // left by a flor it could not play
    j->computadora.JugadaComputadora();
    EXPECT_EQ(e->PuntosJugador, 2);
    EXPECT_EQ(p.modales.at(0), "FinRonda");
}
