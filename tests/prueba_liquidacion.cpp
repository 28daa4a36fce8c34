#include <gtest/gtest.h>

#include <algorithm>

#include "puertos_prueba.h"

using namespace naipalia;

namespace {

const std::string P = " Perdiste los puntos en cuestión, que son ganados por la PC y cinco puntos mas.";

struct Cierre : ::testing::Test {
    prueba::Plataforma p;
    Juego& j = p.jugar({30, 26, 15, 14, 16, 17});  // 6 and 7 of copa, 12 espada: tanto 33
    Estado& e = j.estado;

    void puntos(int jugador, int compu) {
        j.operacion.EscribirPuntos(Lado::Jugador, jugador);
        j.operacion.EscribirPuntos(Lado::Computadora, compu);
        p.mensajes.clear();
    }
    // The player won an accepted envido declaring `tanto`, with `jugadas` cards on the table.
    void tantoGanado(Cadena cadena, int tanto, int jugadas) {
        e.CadenaEnvido = cadena;
        e.EnvidoQuerido = NivelQuerido(cadena);
        e.QuienEnvido = Lado::Jugador;
        e.GanadorEnvido = Lado::Jugador;
        e.TantoCantadoJugador = tanto;
        for (int h = 1; h <= jugadas; ++h) {
            e.PosicionJugador[static_cast<std::size_t>(h)] = h;
            e.JerarquiaJugador[static_cast<std::size_t>(h)] = JerarquiaTruco(e.carta(h));
        }
    }
    int jugador() const { return e.PuntosJugador; }
    int compu() const { return e.PuntosComputadora; }
};

}  // namespace

TEST_F(Cierre, DosCartasDelMismoPaloCertificanElTanto) {
    puntos(0, 0);
    tantoGanado(Cadena::Envido, 33, 2);
    j.liquidacion.BotonMesa_Click();
    ASSERT_EQ(p.mensajes.size(), 1u);
    EXPECT_EQ(p.mensajes[0].texto, "Tu tanto es correcto.");
    EXPECT_EQ(jugador(), 2);
}

TEST_F(Cierre, SinCartasEnMesaElTantoSePagaConCincoMas) {
    puntos(0, 0);
    tantoGanado(Cadena::Envido, 33, 0);
    j.liquidacion.BotonMesa_Click();
    ASSERT_EQ(p.mensajes.size(), 1u);
    EXPECT_EQ(p.mensajes[0].texto, "No tienes cartas en mesa, no puedes certificar el tanto." + P);
    EXPECT_EQ(p.mensajes[0].icono, Icono::Exclamacion);
    EXPECT_EQ(compu(), 7);
    EXPECT_TRUE(e.TantoAcreditado);
}

TEST_F(Cierre, UnaCartaSolaValeSuPropioValor) {
    puntos(0, 0);
    tantoGanado(Cadena::RealEnvido, 6, 1);
    j.liquidacion.BotonMesa_Click();
    EXPECT_EQ(p.mensajes.at(0).texto, "Tu tanto es correcto.");
    EXPECT_EQ(jugador(), 3);
}

TEST_F(Cierre, MostrarLasCartasAtrapaLaMentiraEnSingular) {
    puntos(0, 0);
    e.TantoRealJugador = 1;
    tantoGanado(Cadena::EnvidoEnvido, 0, 1);
    j.liquidacion.BotonMostrarCarta_Click();
    ASSERT_EQ(p.mensajes.size(), 1u);
    EXPECT_EQ(p.mensajes[0].texto, "Te equivocaste o mentiste, tienes 1 punto, en vez de 0 punto!!" + P);
    EXPECT_EQ(compu(), 9);
}

TEST_F(Cierre, LaFaltaComoCastigoLlegaAlLimite) {
    puntos(9, 4);
    tantoGanado(Cadena::FaltaEnvido, 20, 0);
    j.liquidacion.BotonMesa_Click();
    EXPECT_EQ(compu(), 15);
    EXPECT_TRUE(e.FinJuego);
}

TEST_F(Cierre, SoloUnCastigoPorRonda) {
    puntos(0, 0);
    tantoGanado(Cadena::Envido, 33, 0);
    e.EstadoFlor = NivelFlor::Flor;
    e.QuienFlor = Lado::Jugador;
    j.liquidacion.BotonMesa_Click();
    ASSERT_EQ(p.mensajes.size(), 1u);
    EXPECT_EQ(p.mensajes[0].texto, "No tienes cartas en mesa, no puedes certificar la flor." + P);
    EXPECT_EQ(compu(), 8);
}

TEST_F(Cierre, ElEnvidoNoQueridoVaAlUltimoQueCanto) {
    puntos(0, 0);
    e.CadenaEnvido = Cadena::EnvidoRealEnvidoFaltaEnvido;
    e.QuienEnvido = Lado::Jugador;
    j.liquidacion.BotonMesa_Click();
    EXPECT_EQ(jugador(), 5);
    e.TantoLiquidado = false;  // another round
    e.CadenaEnvido = Cadena::EnvidoEnvido;
    e.QuienEnvido = Lado::Computadora;
    j.liquidacion.BotonMesa_Click();
    EXPECT_EQ(compu(), 2);
}

TEST_F(Cierre, LaFlorDeLaComputadoraSeMuestraYSeCobra) {
    puntos(0, 0);
    e.EstadoFlor = NivelFlor::Flor;
    e.QuienFlor = Lado::Computadora;
    j.liquidacion.BotonMesa_Click();
    EXPECT_EQ(p.mensajes.at(0).texto, "Tengo flor, estas son mis cartas.");
    EXPECT_EQ(compu(), 3);
}

// The dialog's line asks to show the cards exactly when leaving without them would punish.
TEST_F(Cierre, ElDialogoAvisaLoQueLaMesaNoCertifica) {
    const std::string Tanto = "Mostrá tus cartas para certificar tu tanto.";
    const std::string Flor = "Mostrá tus cartas para certificar tu flor.";
    const std::string EnVentana =
        "El juego se trasladó a la ventana central, presiona los botones activos de dicha ventana";
    struct Caso {
        Cadena cadena;
        int tanto, jugadas;
        Lado ganador;
        bool florDelJugador, acreditado;
        std::string aviso;
    } casos[] = {
        {Cadena::Envido, 33, 2, Lado::Jugador, false, false, ""},
        {Cadena::Envido, 33, 0, Lado::Jugador, false, false, Tanto},
        {Cadena::Envido, 33, 1, Lado::Jugador, false, false, Tanto},
        {Cadena::RealEnvido, 6, 1, Lado::Jugador, false, false, ""},
        {Cadena::Envido, 7, 2, Lado::Jugador, false, false, Tanto},
        {Cadena::Envido, 33, 3, Lado::Jugador, false, false, ""},
        {Cadena::Envido, 20, 0, Lado::Computadora, false, false, ""},
        {Cadena::Envido, 33, 0, Lado::Jugador, false, true, ""},
        {Cadena::Nada, 0, 2, Lado::Nadie, true, false, Flor},
        {Cadena::Envido, 33, 2, Lado::Jugador, true, false, Flor},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(testing::Message() << c.tanto << " con " << c.jugadas << " en mesa, aviso " << c.aviso);
        p.jugar({30, 26, 15, 14, 16, 17});
        puntos(0, 0);
        e.CadenaEnvido = c.cadena;
        e.EnvidoQuerido = NivelQuerido(c.cadena);
        e.GanadorEnvido = c.ganador;
        e.TantoCantadoJugador = c.tanto;
        e.TantoAcreditado = c.acreditado;
        if (c.florDelJugador) e.EstadoFlor = NivelFlor::Flor, e.QuienFlor = Lado::Jugador;
        for (int h = 1; h <= c.jugadas; ++h) {
            e.PosicionJugador[static_cast<std::size_t>(h)] = h;
            e.JerarquiaJugador[static_cast<std::size_t>(h)] = JerarquiaTruco(e.carta(h));
        }
        j.finRonda.cargar();
        EXPECT_EQ(j.finRonda.EtiquetaCertificar.Caption(), c.aviso);
        EXPECT_EQ(j.naipalia.TextoEstado.Text(), EnVentana);  // the table asks for nothing meanwhile
        j.liquidacion.BotonMesa_Click();
        const bool castigo = std::any_of(p.mensajes.begin(), p.mensajes.end(), [](const auto& m) {
            return m.texto.size() >= P.size() && m.texto.compare(m.texto.size() - P.size(), P.size(), P) == 0;
        });
        EXPECT_EQ(castigo, !c.aviso.empty());
    }
}
