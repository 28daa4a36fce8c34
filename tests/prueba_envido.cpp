// The computer's envido: how it answers the player's calls from the
// table and his raises in the dialog, and the score rule, with the draws fixed.
#include <gtest/gtest.h>

#include "puertos_prueba.h"

using namespace naipalia;

namespace {

// A round dealt with the player as mano; the computer's tanto and the game's counters
// set by hand.
struct Envido : ::testing::Test {
    prueba::Plataforma p;
    Juego& j = p.jugar({30, 31, 33, 14, 15, 16});
    Estado& e = j.estado;

    void SetUp() override { p.olvidar(); }
    void situacion(int tantoCompu, int jugador = 0, int compu = 0, int rondas = 1, int envidos = 0) {
        e.TantoCompu = tantoCompu;
        e.PuntosJugador = jugador;
        e.PuntosComputadora = compu;
        e.RondasJugadas = rondas;
        e.EnvidosCantadosJugador = envidos;
        e.CadenaEnvido = e.EnvidoQuerido = Cadena::Nada;
        e.QuienEnvido = e.GanadorEnvido = Lado::Nadie;
    }
};

}  // namespace

TEST_F(Envido, ElEnvidoDeLaMesaSegunLaReglaC) {
    situacion(27);
    p.sorteos = {0.24};
    j.cantos.BotonEnvido_Click();
    EXPECT_EQ(e.CadenaEnvido, Cadena::EnvidoRealEnvido);  // raised, the dialog shown
    EXPECT_EQ(p.modales.at(0), "Tanto");
    EXPECT_EQ(j.tanto.EtiquetaTanto.Caption(), "");  // the dialog closed back to its design

    SetUp();
    situacion(27);
    p.sorteos = {0.25};
    j.cantos.BotonEnvido_Click();
    EXPECT_TRUE(p.dijo("Quiero!!"));
    EXPECT_EQ(e.EnvidoQuerido, Cadena::Envido);
    EXPECT_EQ(e.QuienEnvido, Lado::Jugador);
}

TEST_F(Envido, QuienCantaSeguidoEsApuradoYSeLeAcepta) {
    situacion(15, 0, 0, 10, 9);  // the tenth call in ten rounds: 90 %
    j.cantos.BotonEnvido_Click();
    EXPECT_TRUE(p.dijo("Ehh!! ¿Estás apurando...?"));
    EXPECT_EQ(e.EnvidoQuerido, Cadena::Envido);
}

TEST_F(Envido, LaReglaDeLosPuntos) {
    // Refusing would give the player the game: accepted.
    situacion(3, 14);
    j.cantos.BotonEnvido_Click();
    EXPECT_TRUE(p.dijo("Si no acepto ganás: Quiero."));
    EXPECT_EQ(e.EnvidoQuerido, Cadena::Envido);

    // The computer needs one point: it raises to falta.
    SetUp();
    situacion(10, 3, 14);
    p.sorteos = {0.5};
    j.cantos.BotonEnvido_Click();
    EXPECT_EQ(e.CadenaEnvido, Cadena::EnvidoFaltaEnvido);
    EXPECT_EQ(e.QuienEnvido, Lado::Computadora);

    // Otherwise refused: the chain's point goes to the player at the end of the round.
    SetUp();
    situacion(3, 3, 3);
    j.cantos.BotonEnvido_Click();
    EXPECT_TRUE(p.dijo("No quiero."));
    EXPECT_EQ(e.QuienEnvido, Lado::Jugador);
    EXPECT_EQ(e.EnvidoQuerido, Cadena::Nada);
    EXPECT_FALSE(j.naipalia.BotonEnvido.Enabled());
}

TEST_F(Envido, UnaFaltaQueDaElPuntoQueFaltaSeAcepta) {
    situacion(25, 3, 14);
    j.cantos.BotonFaltaEnvido_Click();
    EXPECT_TRUE(p.dijo("De todas maneras es un punto: Quiero!!"));
    EXPECT_EQ(e.EnvidoQuerido, Cadena::FaltaEnvido);
}

TEST_F(Envido, LaFaltaApuradaDelDialogoSeAceptaDeInmediato) {
    situacion(0);
    e.CadenaEnvido = Cadena::Envido;
    e.VecesVentanaTanto = 5;
    e.VecesFaltaEnvidoJugador = 1;  // the second in five dialogs: 40 %
    j.cantos.Tanto_BotonFaltaEnvido_Click();
    EXPECT_TRUE(p.dijo("¿Estás apurando?..Quiero!!"));
    EXPECT_EQ(e.CadenaEnvido, Cadena::EnvidoFaltaEnvido);
    EXPECT_EQ(e.EnvidoQuerido, Cadena::FaltaEnvido);
}

TEST_F(Envido, LaComparacionDeLosTantos) {
    e.CadenaEnvido = e.EnvidoQuerido = Cadena::Envido;
    e.TantoCompu = 27;
    p.respuestas = {Respuesta::Si};
    j.cantos.BotonNumeroTanto_Click(27);  // the player is mano: his tie wins
    EXPECT_TRUE(p.dijo("Son buenas."));
    EXPECT_EQ(e.GanadorEnvido, Lado::Jugador);
    EXPECT_EQ(e.TantoCantadoJugador, 27);

    e.QuienMano = Lado::Computadora;
    p.respuestas = {Respuesta::Si};
    j.cantos.BotonNumeroTanto_Click(27);
    EXPECT_TRUE(p.dijo("Por mano!! 27 son mejores!!"));
    EXPECT_EQ(e.GanadorEnvido, Lado::Computadora);

    p.respuestas = {Respuesta::No};  // not sure after all: nothing happens
    j.cantos.BotonNumeroTanto_Click(1);
    EXPECT_EQ(p.mensajes.back().texto, "¿Tienes 1 punto?");
    EXPECT_EQ(e.TantoCantadoJugador, 27);
}

TEST_F(Envido, ElFinalPorPuntosSeAnunciaAlGanarLaFalta) {
    situacion(20, 9, 9);
    e.CadenaEnvido = e.EnvidoQuerido = Cadena::FaltaEnvido;
    p.respuestas = {Respuesta::Si};
    j.cantos.BotonNumeroTanto_Click(21);
    ASSERT_FALSE(p.modales.empty());
    EXPECT_EQ(p.modales.front(), "FinRonda");
}
