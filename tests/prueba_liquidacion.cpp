#include <gtest/gtest.h>

#include "game/numero.h"
#include "puertos_prueba.h"
#include "settlement/fin_ronda.h"
#include "shell/naipalia.h"

using namespace naipalia;

namespace {

const std::string P = " Perdiste los puntos en cuestión, que son ganados por la PC y cinco puntos mas.";

struct Liquidacion : ::testing::Test {
    prueba::Plataforma p;
    Juego& j = p.jugar({30, 26, 15, 14, 16, 17});  // 6 and 7 of copa, 12 espada: tanto 33
    Estado& e = j.estado;

    void puntos(int jugador, int compu) {
        j.naipalia.TextoJugador.Text(std::to_string(jugador));
        j.naipalia.TextoComputadora.Text(std::to_string(compu));
        p.mensajes.clear();
    }
    // The player won an accepted envido declaring `tanto`, with `jugadas` cards on the table.
    void tantoGanado(const std::string& cadena, int tanto, int jugadas) {
        e.CadenaEnvido = cadena;
        e.EnvidoQuerido = cadena;
        e.QuienEnvido = e.NombreJugador;
        e.GanadorEnvido = e.NombreJugador;
        e.TantoCantadoJugador = tanto;
        for (int h = 1; h <= jugadas; ++h) {
            e.PosicionJugador[static_cast<std::size_t>(h)] = h;
            e.JerarquiaJugador[static_cast<std::size_t>(h)] = JerarquiaTruco(e.carta(h));
        }
    }
    int jugador() const { return Valor(j.naipalia.TextoJugador.Text()); }
    int compu() const { return Valor(j.naipalia.TextoComputadora.Text()); }
};

}  // namespace

TEST_F(Liquidacion, DosCartasDelMismoPaloCertificanElTanto) {
    puntos(0, 0);
    tantoGanado("Envido", 33, 2);
    j.finRonda.BotonMesa_Click();
    ASSERT_EQ(p.mensajes.size(), 1u);
    EXPECT_EQ(p.mensajes[0].texto, "Tu tanto es correcto.");
    EXPECT_EQ(jugador(), 2);
}

TEST_F(Liquidacion, SinCartasEnMesaElTantoSePagaConCincoMas) {
    puntos(0, 0);
    tantoGanado("Envido", 33, 0);
    j.finRonda.BotonMesa_Click();
    ASSERT_EQ(p.mensajes.size(), 1u);
    EXPECT_EQ(p.mensajes[0].texto, "No tienes cartas en mesa, no puedes certificar el tanto." + P);
    EXPECT_EQ(p.mensajes[0].icono, Icono::Exclamacion);
    EXPECT_EQ(compu(), 7);
    EXPECT_TRUE(e.TantoAcreditado);
}

TEST_F(Liquidacion, UnaCartaSolaValeSuPropioValor) {
    puntos(0, 0);
    tantoGanado("Real Envido", 6, 1);
    j.finRonda.BotonMesa_Click();
    EXPECT_EQ(p.mensajes.at(0).texto, "Tu tanto es correcto.");
    EXPECT_EQ(jugador(), 3);
}

TEST_F(Liquidacion, MostrarLasCartasAtrapaLaMentiraEnSingular) {
    puntos(0, 0);
    e.TantoRealJugador = 1;
    tantoGanado("Envido Envido", 0, 1);
    j.finRonda.BotonMostrarCarta_Click();
    ASSERT_EQ(p.mensajes.size(), 1u);
    EXPECT_EQ(p.mensajes[0].texto, "Te equivocaste o mentiste, tienes 1 punto, en vez de 0 punto!!" + P);
    EXPECT_EQ(compu(), 9);
}

TEST_F(Liquidacion, LaFaltaComoCastigoLlegaAlLimite) {
    puntos(9, 4);
    tantoGanado("Falta Envido", 20, 0);
    j.finRonda.BotonMesa_Click();
    EXPECT_EQ(compu(), 15);
    EXPECT_TRUE(e.FinJuego);
}

TEST_F(Liquidacion, SoloUnCastigoPorRonda) {
    puntos(0, 0);
    tantoGanado("Envido", 33, 0);
    e.EstadoFlor = "Flor";
    e.QuienFlor = e.NombreJugador;
    j.finRonda.BotonMesa_Click();
    ASSERT_EQ(p.mensajes.size(), 1u);
    EXPECT_EQ(p.mensajes[0].texto, "No tienes cartas en mesa, no puedes certificar la flor." + P);
    EXPECT_EQ(compu(), 8);
}

TEST_F(Liquidacion, ElEnvidoNoQueridoVaAlUltimoQueCanto) {
    puntos(0, 0);
    e.CadenaEnvido = "Envido Real Envido Falta Envido";
    e.QuienEnvido = e.NombreJugador;
    j.finRonda.BotonMesa_Click();
    EXPECT_EQ(jugador(), 5);
    e.CadenaEnvido = "Envido Envido";
    e.QuienEnvido = Computadora;
    j.finRonda.BotonMesa_Click();
    EXPECT_EQ(compu(), 2);
}

TEST_F(Liquidacion, LaFlorDeLaComputadoraSeMuestraYSeCobra) {
    puntos(0, 0);
    e.EstadoFlor = "Flor";
    e.QuienFlor = Computadora;
    j.finRonda.BotonMesa_Click();
    EXPECT_EQ(p.mensajes.at(0).texto, "Tengo flor, estas son mis cartas.");
    EXPECT_EQ(compu(), 3);
}
