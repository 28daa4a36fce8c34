// The computer's envido: how it answers the player's calls from the
// table and his raises in the dialog, and the score rule, with the draws fixed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

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

// Each answer carried out at the table: its words, the chain it leaves and what stands
// accepted (the thresholds are the decision tables').
TEST_F(Envido, CadaRespuestaDeLaMesaSeCumple) {
    struct Caso {
        bool falta;
        int tanto, jugador, compu, rondas, envidos;
        std::vector<double> sorteos;
        std::string dicho;
        Cadena cadena, querido;
    } casos[] = {
        {false, 27, 0, 0, 1, 0, {0.24}, "", Cadena::EnvidoRealEnvido, Cadena::Nada},
        {false, 27, 0, 0, 1, 0, {0.25}, "Quiero!!", Cadena::Envido, Cadena::Envido},
        {false, 15, 0, 0, 10, 9, {}, "Ehh!! ¿Estás apurando...?", Cadena::Envido, Cadena::Envido},
        // The score rule: refusing would give the player the game; the computer needs one
        // point; otherwise refused.
        {false, 3, 14, 0, 1, 0, {}, "Si no acepto ganás: Quiero.", Cadena::Envido, Cadena::Envido},
        {false, 10, 3, 14, 1, 0, {0.5}, "", Cadena::EnvidoFaltaEnvido, Cadena::Nada},
        {false, 3, 3, 3, 1, 0, {}, "No quiero.", Cadena::Envido, Cadena::Nada},
        {true, 25, 3, 14, 1, 0, {}, "De todas maneras es un punto: Quiero!!", Cadena::FaltaEnvido, Cadena::FaltaEnvido},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(testing::Message() << "tanto " << c.tanto << ", " << c.jugador << "-" << c.compu);
        SetUp();
        situacion(c.tanto, c.jugador, c.compu, c.rondas, c.envidos);
        p.sorteos.assign(c.sorteos.begin(), c.sorteos.end());
        if (c.falta)
            j.cantos.BotonFaltaEnvido_Click();
        else
            j.cantos.BotonEnvido_Click();
        EXPECT_TRUE(c.dicho.empty() || p.dijo(c.dicho)) << c.dicho;
        EXPECT_EQ(e.CadenaEnvido, c.cadena);
        EXPECT_EQ(e.EnvidoQuerido, c.querido);
        EXPECT_FALSE(j.naipalia.BotonEnvido.Enabled());
        if (c.dicho.empty()) {  // raised: the player answered in the dialog, closed back to its design
            EXPECT_EQ(p.modales.at(0), "Tanto");
            EXPECT_EQ(j.tanto.EtiquetaTanto.Caption(), "");
        }
    }
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
