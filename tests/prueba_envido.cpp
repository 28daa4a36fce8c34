// The computer's envido: when it opens one, how it answers the player's calls from the
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
    // What the computer opened, with the player leading or after his first card.
    Cadena abre(std::deque<double> sorteos, bool despuesDeSuCarta = false) {
        p.sorteos = std::move(sorteos);
        if (despuesDeSuCarta) e.JerarquiaJugador[1] = JerarquiaTruco(e.carta(1));
        j.computadora.DecidirEnvidoComputadora(false);
        EXPECT_TRUE(p.sorteos.empty()) << "draws left over";
        return e.QuienEnvido == Lado::Computadora ? e.CadenaEnvido : Cadena::Nada;
    }
};

}  // namespace

TEST_F(Envido, LaComputadoraAbreSegunSuTanto) {
    situacion(4);
    EXPECT_EQ(abre({}), Cadena::Nada);
    situacion(12);  // first rounds: never, whatever the coin
    EXPECT_EQ(abre({0.1}), Cadena::Nada);
    situacion(12, 0, 0, 5, 3);  // a player who calls in 60 % of five rounds
    EXPECT_EQ(abre({0.29}), Cadena::Envido);
    situacion(12, 13, 0, 5, 3);  // but not against one two points from winning
    EXPECT_EQ(abre({0.29}), Cadena::Nada);
    situacion(22);
    EXPECT_EQ(abre({0.49}), Cadena::Envido);
    situacion(22);
    EXPECT_EQ(abre({0.5}), Cadena::Nada);
    situacion(26);
    EXPECT_EQ(abre({0.69}), Cadena::Envido);
    situacion(29);
    EXPECT_EQ(abre({}), Cadena::RealEnvido);
}

TEST_F(Envido, DespuesDeSuCartaLaComputadoraArriesga) {
    situacion(10);
    EXPECT_EQ(abre({0.59, 0.49}, true), Cadena::FaltaEnvido);
    situacion(10);
    EXPECT_EQ(abre({0.59, 0.5}, true), Cadena::RealEnvido);
    situacion(24);
    EXPECT_EQ(abre({0.6}, true), Cadena::Nada);
    situacion(26);
    EXPECT_EQ(abre({}, true), Cadena::Envido);
}

TEST_F(Envido, ConTreintaYTresEligeLaFaltaSoloSiAlJugadorLeFaltanMasDeTres) {
    situacion(33, 11);
    EXPECT_EQ(abre({0.69}), Cadena::FaltaEnvido);
    situacion(33, 12);
    EXPECT_EQ(abre({0.1}), Cadena::RealEnvido);
    situacion(33);
    EXPECT_EQ(abre({0.7}), Cadena::Envido);
}

TEST_F(Envido, SiendoManoLaComputadoraCallaAVecesSusVeintiocho) {
    e.QuienMano = Lado::Computadora;
    situacion(28);
    EXPECT_EQ(abre({0.19}), Cadena::Nada);
    situacion(28);
    EXPECT_EQ(abre({0.2}), Cadena::Envido);
    e.QuienMano = Lado::Jugador;  // not mano: no coin
    situacion(28);
    EXPECT_EQ(abre({}), Cadena::Envido);
}

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
