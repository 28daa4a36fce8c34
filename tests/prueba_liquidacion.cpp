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
    void enMesa(int jugadas) {
        for (int h = 1; h <= jugadas; ++h) {
            e.PosicionJugador[static_cast<std::size_t>(h)] = h;
            e.JerarquiaJugador[static_cast<std::size_t>(h)] = JerarquiaTruco(e.carta(h));
        }
    }
};

}  // namespace

// What the end-of-round dialog warns of, pays and says: the tanto certified by the cards
// on the table, or punished with five more exactly when the dialog warned, the refused
// chain to its last caller, the flors.
TEST_F(Cierre, LoQueLaMesaCertificaSePagaYLoDemasSeCastiga) {
    const std::string SinCartas = "No tienes cartas en mesa, no puedes certificar ";
    const std::string T = "Mostrá tus cartas para certificar tu tanto.";
    const std::string F = "Mostrá tus cartas para certificar tu flor.";
    const std::string Sabiendo = "Sabiendo tus cartas en mesa, no certificas el tanto." + P;
    const std::string DosCartas = "Con dos cartas en mesa, no certificas que tienes flor." + P;
    using enum Cadena;
    constexpr Lado J = Lado::Jugador, C = Lado::Computadora, N = Lado::Nadie;
    struct Caso {
        Cadena cadena;
        Lado ganador;  // of the envido accepted; Nadie when refused
        Lado canto;    // the last caller, or the flor's singer
        int tanto, jugadas, real;
        bool flor, mostrar, acreditado;
        int antesJugador, antesCompu;
        std::string aviso, mensaje;
        int jugador, compu;
    } casos[] = {
        {Envido, J, J, 33, 2, 33, false, false, false, 0, 0, "", "Tu tanto es correcto.", 2, 0},
        {Envido, J, J, 33, 0, 33, false, false, false, 0, 0, T, SinCartas + "el tanto." + P, 0, 7},
        {EnvidoRealEnvido, J, J, 6, 1, 33, false, false, false, 0, 0, "", "Tu tanto es correcto.", 5, 0},
        {EnvidoEnvido, J, J, 0, 1, 1, false, true, false, 0, 0, T,
         "Te equivocaste o mentiste, tienes 1 punto, en vez de 0 punto!!" + P, 0, 9},
        {FaltaEnvido, J, J, 20, 0, 33, false, false, false, 9, 4, T, SinCartas + "el tanto." + P, 9, 15},
        // Only one penalty a round: the flor's.
        {Envido, J, J, 33, 0, 33, true, false, false, 0, 0, F, SinCartas + "la flor." + P, 0, 8},
        {EnvidoRealEnvidoFaltaEnvido, N, J, 0, 0, 33, false, false, false, 0, 0, "", "", 5, 0},
        {EnvidoEnvido, N, C, 0, 0, 33, false, false, false, 0, 0, "", "", 0, 2},
        {Nada, N, C, 0, 0, 33, true, false, false, 0, 0, "", "Tengo flor, estas son mis cartas.", 0, 3},
        {Envido, J, J, 33, 1, 33, false, false, false, 0, 0, T, Sabiendo, 0, 7},
        {Envido, J, J, 7, 2, 33, false, false, false, 0, 0, T, Sabiendo, 0, 7},
        {Envido, J, J, 33, 3, 33, false, false, false, 0, 0, "", "Tu tanto es correcto.", 2, 0},
        {Envido, C, J, 20, 0, 33, false, false, false, 0, 0, "", "Estas son mis cartas, tengo 0 punto.", 0, 2},
        {Envido, J, J, 33, 0, 33, false, false, true, 0, 0, "", "", 0, 0},
        {Nada, N, J, 0, 2, 33, true, false, false, 0, 0, F, DosCartas, 0, 8},
        {Envido, J, J, 33, 2, 33, true, false, false, 0, 0, F, DosCartas, 2, 8},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(testing::Message() << "tanto " << c.tanto << " con " << c.jugadas << " en mesa");
        p.jugar({30, 26, 15, 14, 16, 17});
        puntos(c.antesJugador, c.antesCompu);
        e.CadenaEnvido = c.cadena;
        e.QuienEnvido = c.flor ? Lado::Jugador : c.canto;
        if (c.ganador != N) {
            e.EnvidoQuerido = NivelQuerido(c.cadena);
            e.GanadorEnvido = c.ganador;
        }
        if (c.flor) e.EstadoFlor = NivelFlor::Flor, e.QuienFlor = c.canto;
        e.TantoCantadoJugador = c.tanto;
        e.TantoRealJugador = c.real;
        e.TantoAcreditado = c.acreditado;
        enMesa(c.jugadas);
        j.finRonda.cargar();
        EXPECT_EQ(j.finRonda.EtiquetaCertificar.Caption(), c.aviso);
        if (c.mostrar)
            j.liquidacion.BotonMostrarCarta_Click();
        else
            j.liquidacion.BotonMesa_Click();
        EXPECT_EQ(p.mensajes.empty() ? "" : p.mensajes[0], c.mensaje);
        // Punished exactly when warned.
        EXPECT_EQ(std::ranges::any_of(p.mensajes, [](const std::string& m) { return m.ends_with(P); }),
                  !c.aviso.empty());
        EXPECT_EQ(std::tie(e.PuntosJugador, e.PuntosComputadora, e.FinJuego),
                  std::make_tuple(c.jugador, c.compu, c.compu == 15));
    }
}

// The end of the game's remark and face by the winner and the margin, on both sides of
// 5 and 8; only the middle margins toss the coin.
TEST_F(Cierre, ElRemateDelJuegoSigueLaDiferencia) {
    struct Caso {
        int jugador, compu;
        double moneda;  // -1: no coin is tossed
        std::string mensaje;
        int cara;
    } casos[] = {
        {11, 15, -1, "JE!! TE GANE EL JUEGO!!", 3},
        {10, 15, 0.49, "La próxima vez te dejo ganar... TE GANE EL JUEGO!!", 1},
        {8, 15, 0.5, " TE GANE EL JUEGO!!", 2},
        {7, 15, -1, "DI CATEDRA!! TE GANE EL JUEGO!!", 0},
        {15, 11, -1, "No puedo perder así!! Me ganaste el juego.", 7},
        {15, 10, 0.49, "Ok!! Me ganaste el juego.", 5},
        {15, 8, 0.5, "Quiero llorar. Me ganaste el juego.", 6},
        {15, 7, -1, "Me aplastaste!! Me ganaste el juego.", 4},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(testing::Message() << c.jugador << "-" << c.compu);
        e.PuntosJugador = c.jugador;
        e.PuntosComputadora = c.compu;
        p.sorteos = {c.moneda < 0 ? 0.0 : c.moneda};
        j.finJuegos.Unload();
        j.finJuegos.cargar();
        EXPECT_EQ(j.finJuegos.EtiquetaMensaje.Caption(), c.mensaje);
        EXPECT_EQ(j.finJuegos.Imagen.Picture(), j.operacion.ruta(archivos::Caras[static_cast<std::size_t>(c.cara)]));
        EXPECT_EQ(p.sorteos.size(), c.moneda < 0 ? 1u : 0u);
    }
}
