// The computer's flor answers, one table per rule: a row on each side of every threshold
// of its flor, its cards and the score, with the draws each answer takes.
#include <gtest/gtest.h>

#include <vector>

#include "sorteos.h"
#include "opponent/decision_flor.h"

using namespace naipalia;

namespace {

using R = RespuestaFlor;

constexpr std::array<int, 3> Bajas{10, 11, 13};
constexpr std::array<int, 3> UnaAlta{10, 9, 13};

struct Fila {
    int flor;
    std::array<int, 3> clases;
    int puntosJugador;  // to 15
    std::vector<double> sorteos;
    R respuesta;
};

void revisar(R (*decidir)(const VistaFlor&, Azar&), const std::vector<Fila>& filas) {
    revisarFilas(filas, [&](const Fila& f, Azar& azar) {
        const VistaFlor v{.florCompu = f.flor, .clases = f.clases, .puntosJugador = f.puntosJugador, .puntosJuego = 15};
        EXPECT_EQ(decidir(v, azar), f.respuesta);
    });
}

}  // namespace

// clang-format off
TEST(DecisionFlor, LasRespuestas) {
    revisar(ResponderFlor, {
        {22, Bajas, 10, {}, R::Mazo}, {22, Bajas, 11, {}, R::Achico}, {22, UnaAlta, 0, {}, R::Achico},
        {23, Bajas, 0, {0.29}, R::Juego}, {24, Bajas, 0, {0.3}, R::Achico}, {25, UnaAlta, 0, {0.79}, R::Juego},
        {29, UnaAlta, 0, {0.8}, R::Achico}, {30, UnaAlta, 0, {0.69}, R::Juego}, {35, UnaAlta, 0, {0.7}, R::Contra},
        {36, UnaAlta, 0, {}, R::Contra}});
    // Con flor juego, then the contra flor.
    revisar(ResponderFlorJuego, {
        {24, UnaAlta, 0, {0.09}, R::ContraResto}, {24, UnaAlta, 0, {0.1}, R::NoQuiero},
        {25, UnaAlta, 0, {0.49}, R::Quiero}, {32, UnaAlta, 0, {0.5}, R::NoQuiero}, {33, UnaAlta, 0, {0.49}, R::Quiero},
        {35, UnaAlta, 0, {0.5}, R::ContraResto}, {36, UnaAlta, 0, {}, R::ContraResto}});
    revisar(ResponderContraFlor, {
        {29, UnaAlta, 0, {}, R::NoQuiero}, {30, UnaAlta, 0, {0.34}, R::Quiero}, {35, UnaAlta, 0, {0.35}, R::NoQuiero},
        {36, UnaAlta, 0, {}, R::Quiero}});
}
// clang-format on
