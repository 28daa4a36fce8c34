// What the computer says and takes as a round or the game ends: the taunts' draw, its deck
// before its first card (left pending by a flor it could not play), the game's last remark.
#include <gtest/gtest.h>

#include "puertos_prueba.h"

using namespace naipalia;

// Its deck left pending closes the round for two; a refused call's taunt. The end of the
// game's remark and face by the winner and the margin, on both sides of 5 and 8; only the
// middle margins toss the coin.
TEST(Cierre, ElMazoPendienteLasBurlasYElRemateDelJuego) {
    prueba::Plataforma p;
    Juego& j = p.jugar({30, 26, 15, 14, 16, 17});
    Estado& e = j.estado;
    p.modales.clear();
    j.computadora.MazoPendiente = true;
    j.computadora.JugadaComputadora();
    EXPECT_EQ(std::tie(e.PuntosJugador, p.modales.at(0)), std::make_tuple(2, "FinRonda"));
    // A refused call's taunt, by fifths of the draw.
    const std::pair<double, const char*> burlas[] = {{0.19, "Te achicaste!!"},
                                                     {0.2, "No te gustó?\?!"},
                                                     {0.4, "Te sentis bien???"},
                                                     {0.79, "Te asustaste!!"},
                                                     {0.8, "Es mucho para ti?\?!"}};
    for (const auto& [r, linea] : burlas) {
        p.sorteos = {r};
        j.computadora.SubTrucoNoQueridoJugador();
        EXPECT_EQ(j.finRonda.EtiquetaMensaje.Caption(), linea + SufijoFinRonda);
    }
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
