// The truco: the computer's score limits, its forced acceptance, its answers in hand 1,
// the taunts' draw, and what the deck costs; with the draws fixed.
#include <gtest/gtest.h>

#include <algorithm>

#include "puertos_prueba.h"

using namespace naipalia;

namespace {

// The player, mano, holds 4s and 5s; the computer's cards vary by test.
struct Truco : ::testing::Test {
    prueba::Plataforma p;
    Juego* j = nullptr;
    Estado* e = nullptr;

    void repartir(int c4, int c5, int c6, int jugador = 0, int compu = 0) {
        j = &p.jugar({36, 37, 33, c4, c5, c6});
        e = &j->estado;
        j->operacion.EscribirPuntos(Lado::Jugador, jugador);
        j->operacion.EscribirPuntos(Lado::Computadora, compu);
        p.olvidar();
    }
};

}  // namespace

TEST_F(Truco, LaComputadoraNoCantaLoQueUnRechazoLeDariaElJuego) {
    repartir(14, 15, 16, 0, 14);  // one point from winning: no call at all
    j->computadora.CantarTrucoComputadora();
    EXPECT_TRUE(p.modales.empty());
    repartir(14, 15, 16, 0, 13);  // two points: truco yes, retruco no
    j->computadora.CantarTrucoComputadora();
    ASSERT_EQ(p.modales.size(), 1u);
    EXPECT_EQ(p.modales[0], "CantoTrucos");
    j->computadora.CantarRetrucoComputadora();
    EXPECT_EQ(p.modales.size(), 1u);
    repartir(14, 15, 16, 0, 12);  // three points: no vale 4
    j->computadora.CantarVale4Computadora();
    EXPECT_TRUE(p.modales.empty());
}

TEST_F(Truco, ElDialogoDelVale4NoTieneSubida) {
    repartir(14, 15, 16);
    // Looked at while it is up.
    p.falsos.alMostrarModal = [&](Ventana& v) {
        EXPECT_EQ(j->cantoTrucos.EtiquetaMensaje.Caption(), "Vale 4!!");
        EXPECT_EQ(j->cantoTrucos.forma().Width(), CantoTrucos::AnchoVale4);
        EXPECT_FALSE(j->cantoTrucos.BotonReCanto.Visible());
        v.Hide();
    };
    j->computadora.CantarVale4Computadora();
}

TEST_F(Truco, SiRechazarLeDieraElJuegoAceptaIgual) {
    repartir(14, 15, 16, 14);
    j->computadora.NoQuieroTrucoComputadora();
    EXPECT_TRUE(p.dijo("Si no acepto ganarías: Truco Querido."));
    EXPECT_EQ(e->EstadoTruco, NivelTruco::Truco);
    EXPECT_EQ(e->QuienTruco, Lado::Computadora);
    EXPECT_FALSE(j->naipalia.BotonTruco.Enabled());
    EXPECT_FALSE(j->naipalia.BotonRetruco.Enabled());

    // An envido he won telling the truth counts too: 12 + 1 + 2 reaches 15.
    repartir(14, 15, 16, 12);
    e->CadenaEnvido = e->EnvidoQuerido = Cadena::Envido;
    e->GanadorEnvido = Lado::Jugador;
    e->TantoCantadoJugador = e->TantoRealJugador;
    j->computadora.NoQuieroTrucoComputadora();
    EXPECT_TRUE(p.dijo("Si no acepto ganarías: Truco Querido."));

    // A lie does not: refused, and the point goes to the player.
    repartir(14, 15, 16, 12);
    e->CadenaEnvido = e->EnvidoQuerido = Cadena::Envido;
    e->GanadorEnvido = Lado::Jugador;
    e->TantoCantadoJugador = e->TantoRealJugador + 1;
    p.sorteos = {0.5};
    j->computadora.NoQuieroTrucoComputadora();
    EXPECT_TRUE(p.dijo("Truco no querido."));
    EXPECT_EQ(p.modales.at(0), "FinRonda");
}

TEST_F(Truco, EnLaPrimeraManoDosCartasBuenasAceptanYSubenAlRetruco) {
    repartir(0, 3, 39);  // 1 de espada and 7 de oro, both of class 4 or less
    j->cantos.BotonTruco_Click();
    EXPECT_TRUE(p.modales.size() >= 1u);
    EXPECT_EQ(p.modales.back(), "CantoTrucos");
    EXPECT_EQ(e->EstadoTruco, NivelTruco::Truco);
    EXPECT_EQ(e->QuienTruco, Lado::Computadora);

    repartir(0, 3, 39, 0, 13);  // two points from winning: it only accepts
    j->cantos.BotonTruco_Click();  // its 31 may open an envido first
    EXPECT_TRUE(p.dijo("Truco Querido!!"));
    EXPECT_EQ(std::count(p.modales.begin(), p.modales.end(), "CantoTrucos"), 0);
}

TEST_F(Truco, EnLaPrimeraManoUnDosYUnDoceAceptanSiempre) {
    // Cards of three suits with a tanto of 4: no envido comes first, no draw for it.
    repartir(8, 15, 38);  // classes 5, 7 and 13
    p.sorteos = {0.99};
    j->cantos.BotonTruco_Click();
    EXPECT_TRUE(p.dijo("Truco Querido!!"));
    // Figures and low cards only: a draw below 0.4 with two of class 9 or less.
    repartir(14, 22, 38);
    p.sorteos = {0.39};
    j->cantos.BotonTruco_Click();
    EXPECT_TRUE(p.dijo("Truco Querido!!"));
    repartir(14, 22, 38);
    p.sorteos = {0.4, 0.5};  // the acceptance draw, then the refusal line's
    j->cantos.BotonTruco_Click();
    EXPECT_TRUE(p.dijo("Truco no querido."));
}

TEST_F(Truco, LasBurlasPorQuintos) {
    const std::pair<double, const char*> casos[] = {
        {0.19, "Te achicaste!!"}, {0.2, "No te gustó?" "?!"}, {0.4, "Te sentis bien???"},
        {0.79, "Te asustaste!!"}, {0.8, "Es mucho para ti?" "?!"}};
    for (const auto& [r, linea] : casos) {
        repartir(14, 15, 16);
        p.sorteos = {r};
        j->computadora.SubTrucoNoQueridoJugador();
        EXPECT_EQ(j->finRonda.EtiquetaMensaje.Caption(), linea + SufijoFinRonda);
    }
}

TEST_F(Truco, ElMazoCuestaUnoMasAntesDeTodo) {
    repartir(14, 15, 16);
    p.sorteos = {0.5};
    j->cantos.BotonMazo_Click();
    EXPECT_EQ(e->PuntosComputadora, 2);
    // After the computer played its card the deck costs the truco alone.
    repartir(14, 15, 16);
    e->PosicionCompu[1] = 4;
    e->JerarquiaCompu[1] = JerarquiaTruco(14);
    e->EstadoTruco = NivelTruco::ReTruco;
    e->QuienTruco = Lado::Jugador;
    p.sorteos = {0.5};
    j->cantos.BotonMazo_Click();
    EXPECT_EQ(e->PuntosComputadora, 3);
}

TEST_F(Truco, ElMazoDeLaComputadoraAntesDeSuCartaPagaDos) {
    repartir(14, 15, 16);
    j->computadora.MazoPendiente = true;  // left by a flor it could not play
    j->computadora.JugadaComputadora();
    EXPECT_EQ(e->PuntosJugador, 2);
    EXPECT_EQ(p.modales.at(0), "FinRonda");
}
