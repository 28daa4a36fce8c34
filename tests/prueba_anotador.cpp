#include <gtest/gtest.h>

#include <functional>

#include "game/anotador.h"

using namespace naipalia;

namespace {

struct Caso {
    const char* nombre;
    std::function<void(Estado&, Anotador&)> pasos;
    const char* jugador;
    const char* computadora;
    const char* enJuego;
    const char* linea;  // the last round line; "" for none
};

void repartir(Estado& e, Anotador& a) {
    ++e.RondasJugadas;
    e.EstadoTruco = NivelTruco::Nada, e.EstadoFlor = NivelFlor::Nada, e.CadenaEnvido = Cadena::Nada;
    a.mano(1);
}

void sumar(Estado& e, Anotador& a, Lado lado, int puntos, bool liquidando) {
    a.credito(lado, puntos, liquidando);
    (lado == Lado::Jugador ? e.PuntosJugador : e.PuntosComputadora) += puntos;
    a.puntos();
}

const Caso casos[] = {
    {"cuadros de cinco, malas y buenas",
     [](Estado& e, Anotador& a) { e.PuntosJuego = 30, e.PuntosJugador = 17, e.PuntosComputadora = 12, a.puntos(); },
     "malas 5 5 5, buenas 2", "malas 5 5 2, buenas 0", "Sin truco: 1 punto", ""},
    {"penalidad, flor y mazo",
     [](Estado& e, Anotador& a) {
         repartir(e, a);
         e.EstadoFlor = NivelFlor::Flor;
         sumar(e, a, Lado::Jugador, 3, true);
         a.mensaje("Te equivocaste. Perdiste los puntos en cuestión, que son ganados por la PC y cinco puntos mas.");
         sumar(e, a, Lado::Computadora, 8, true);
         a.alMazo();
         sumar(e, a, Lado::Computadora, 1, false);
         repartir(e, a);
     },
     "3", "5 4", "Sin truco: 1 punto", "Ronda 1: Ana +3 flor; la computadora +8 penalidad, +1 mazo"},
    {"envido y la computadora al mazo",
     [](Estado& e, Anotador& a) {
         repartir(e, a);
         sumar(e, a, Lado::Computadora, 2, true);
         a.finDeRonda("Me voy al mazo.");
         sumar(e, a, Lado::Jugador, 2, false);
         repartir(e, a);
     },
     "2", "2", "Sin truco: 1 punto", "Ronda 1: Ana +2 mazo; la computadora +2 envido"},
    {"lo que se juega",
     [](Estado& e, Anotador&) {
         e.EstadoTruco = NivelTruco::ReTruco, e.QuienTruco = Lado::Jugador;
         e.CadenaEnvido = e.EnvidoQuerido = Cadena::EnvidoFaltaEnvido, e.GanadorEnvido = Lado::Computadora;
         e.PuntosJugador = 4, e.EstadoFlor = NivelFlor::FlorJuego, e.QuienFlor = Lado::Computadora;
     },
     "4", "0",
     "Re-Truco: 3 puntos, el quiero es de Ana; Envido Falta Envido querido: 11 puntos, para la computadora; Con "
     "flor juego, de la computadora: 6 puntos",
     ""},
    {"la penalidad es de quien la cobra",
     [](Estado& e, Anotador& a) {
         repartir(e, a);
         e.CadenaEnvido = e.EnvidoQuerido = Cadena::RealEnvido, e.GanadorEnvido = Lado::Jugador;
         a.mensaje("Te equivocaste. Perdiste los puntos en cuestión, que son ganados por la PC y cinco puntos mas.");
         sumar(e, a, Lado::Computadora, 8, true);
     },
     "0", "5 3", "Sin truco: 1 punto; Real Envido querido: 3 puntos, para la computadora", ""},
    {"el final se queda",
     [](Estado& e, Anotador& a) {
         repartir(e, a);
         sumar(e, a, Lado::Jugador, 14, false);
         sumar(e, a, Lado::Jugador, 1, false);
         e.FinJuego = true;
         e.PuntosJugador = 0, a.puntos();
     },
     "5 5 5", "0", "", "Ronda 1: Ana +14 truco, +1 truco"},
};

}  // namespace

TEST(Anotador, TanteadorLoQueSeJuegaYLineasDeRonda) {
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        Estado e;
        e.NombreJugador = NombreRelleno("Ana");
        Anotador a(e);
        c.pasos(e, a);
        EXPECT_EQ(a.palotes(Lado::Jugador), c.jugador);
        EXPECT_EQ(a.palotes(Lado::Computadora), c.computadora);
        EXPECT_EQ(a.enJuego(), c.enJuego);
        EXPECT_EQ(a.lineas().empty() ? "" : a.lineas().back(), c.linea);
    }
}
