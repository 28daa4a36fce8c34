// The engine's calls and answers: each way on is valued by the chance of taking the game
// from the score it leads to. The other side is taken to answer an envido as the classic
// computer would with each tanto it may hold.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "game/tanto.h"
#include "opponent/decision_envido.h"
#include "opponent/experto.h"
#include "platform/puertos.h"

namespace naipalia {

namespace {

// How many points a round brings its winner, as games go; every round an even one.
constexpr double PuntosDeUnaRonda[] = {0, 0.35, 0.35, 0.2, 0.1};
// How often the other side takes up an envido raised.
constexpr double AceptaSubida = 0.5;
// Draws of the classic rules for each tanto the other side may hold.
constexpr int DrawsPorTanto = 8;

// The chance of the game when `mios` and `suyos` points are added to `m`.
double tras(Marcador m, int mios, int suyos) {
    m.mios += mios;
    m.suyos += suyos;
    return ChancePartida(m);
}

// An accepted envido chain, won with chance `p`.
double envidoQuerido(double p, Marcador m, Cadena c) {
    return p * tras(m, PuntosEnvidoQuerido(c, m.juego, m.suyos), 0) +
           (1 - p) * tras(m, 0, PuntosEnvidoQuerido(c, m.juego, m.mios));
}

// The classic computer's view of its envido with tanto `t`, the other side's score.
VistaEnvido vistaClasica(int t, Marcador m, int rondas) {
    return {.tantoCompu = t,
            .puntosJugador = m.mios,
            .puntosComputadora = m.suyos,
            .puntosJuego = m.juego,
            .rondasJugadas = rondas,
            .envidosCantados = 1};
}

// The classic computer's answer to the envido `c` called from the table, the score rule
// carried out: Quiero, NoQuiero or a raise.
RespuestaEnvido respuestaClasica(Cadena c, const VistaEnvido& v, Azar& azar) {
    const RespuestaEnvido r = ResponderEnvidoDeMesa(c, v, azar).respuesta;
    if (r != RespuestaEnvido::PorPuntos) return r;
    switch (ResponderPorPuntos(c, v)) {
        case PorPuntos::NoQuiero: return RespuestaEnvido::NoQuiero;
        case PorPuntos::SubeFaltaEsUnPunto: return RespuestaEnvido::SubeFalta;
        default: return RespuestaEnvido::Quiero;
    }
}

// The envido `c` called by this side, against a hand of tanto `suyo`, answered so.
double abierto(Cadena c, int mio, int suyo, bool soyMano, Marcador m, int rondas, Azar& azar) {
    const double gano = mio > suyo || (mio == suyo && soyMano) ? 1 : 0;
    // Raised, this side knows no more than before: it takes the better of the two.
    const auto subido = [&](Cadena r) {
        return std::max(tras(m, 0, PuntosEnvidoNoQuerido(r)), envidoQuerido(gano, m, r));
    };
    switch (respuestaClasica(c, vistaClasica(suyo, m, rondas), azar)) {
        case RespuestaEnvido::NoQuiero: return tras(m, PuntosEnvidoNoQuerido(c), 0);
        case RespuestaEnvido::SubeReal: return subido(Cadena::EnvidoRealEnvido);
        case RespuestaEnvido::SubeFalta: return subido(ConFaltaEnvido(c));
        default: return envidoQuerido(gano, m, NivelQuerido(c));
    }
}

// This side's first call of a chain the other side raised, and the raise; Nada when the
// chain is not one call raised once.
std::pair<Cadena, RespuestaEnvido> subidaDe(Cadena c) {
    switch (c) {
        case Cadena::EnvidoRealEnvido: return {Cadena::Envido, RespuestaEnvido::SubeReal};
        case Cadena::EnvidoFaltaEnvido: return {Cadena::Envido, RespuestaEnvido::SubeFalta};
        case Cadena::RealEnvidoFaltaEnvido: return {Cadena::RealEnvido, RespuestaEnvido::SubeFalta};
        default: return {Cadena::Nada, RespuestaEnvido::Quiero};
    }
}

}  // namespace

Tantos TantosTrasSuEnvido(const Tantos& tantos, Cadena cadena, bool abrio, bool suyoEsMano, int rondas, Marcador m) {
    const auto [primera, subida] = subidaDe(cadena);
    const bool sola = cadena == Cadena::Envido || cadena == Cadena::RealEnvido || cadena == Cadena::FaltaEnvido;
    if (abrio ? !sola : primera == Cadena::Nada) return tantos;
    const AperturaEnvido apertura = cadena == Cadena::Envido       ? AperturaEnvido::Envido
                                    : cadena == Cadena::RealEnvido ? AperturaEnvido::RealEnvido
                                                                   : AperturaEnvido::FaltaEnvido;
    Tantos pesados{};
    double total = 0;
    for (std::size_t t = 0; t < tantos.size(); ++t) {
        if (tantos[t] == 0) continue;
        AzarFijo azar(1);
        int veces = 0;
        const VistaEnvido v = vistaClasica(static_cast<int>(t), m, rondas);
        for (int d = 0; d < DrawsPorTanto; ++d)
            veces += abrio ? AbrirEnvido({v, false, suyoEsMano}, azar) == apertura
                           : ResponderEnvidoDeMesa(primera, v, azar).respuesta == subida;
        pesados[t] = tantos[t] * veces;
        total += pesados[t];
    }
    return total > 0 ? pesados : tantos;  // a call the rules never make: a bluff
}

double AzarFijo::siguiente() {
    ++sorteos;
    std::uint64_t z = (estado += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return static_cast<double>((z ^ (z >> 31)) >> 11) * 0x1p-53;
}

Marcador MarcadorDe(const Estado& e, Lado lado) { return {e.puntos(lado), e.puntos(Contrario(lado)), e.PuntosJuego}; }

namespace {

// chance[a * n + b]: the chance from a points to b in a game to n, filled from the end.
std::vector<double> tablaPartida(int n) {
    std::vector<double> chance(static_cast<std::size_t>(n * n));
    const auto en = [&](int a, int b) {
        return a >= n ? 1.0 : b >= n ? 0.0 : chance[static_cast<std::size_t>(a * n + b)];
    };
    for (int a = n - 1; a >= 0; --a)
        for (int b = n - 1; b >= 0; --b) {
            double w = 0;
            for (int k = 1; k < 5; ++k) w += PuntosDeUnaRonda[k] * (en(a + k, b) + en(a, b + k)) / 2;
            chance[static_cast<std::size_t>(a * n + b)] = w;
        }
    return chance;
}

}  // namespace

double ChancePartida(Marcador m) {
    const int n = std::max(m.juego, 1);
    if (m.mios >= n) return 1;
    if (m.suyos >= n) return 0;
    // The two games the menu offers are worked out once.
    static const std::vector<double> a15 = tablaPartida(15), a30 = tablaPartida(30);
    const std::vector<double> otra = n == 15 || n == 30 ? std::vector<double>{} : tablaPartida(n);
    const std::vector<double>& tabla = n == 15 ? a15 : n == 30 ? a30 : otra;
    return tabla[static_cast<std::size_t>(std::max(m.mios, 0) * n + std::max(m.suyos, 0))];
}

Contesta ContestarEnvidoExperto(double tanto, Marcador m, Cadena cadena, Cadena subida) {
    const double no = tras(m, 0, PuntosEnvidoNoQuerido(cadena));
    const double quiero = envidoQuerido(tanto, m, NivelQuerido(cadena));
    if (subida != Cadena::Nada) {
        const double sube = AceptaSubida * envidoQuerido(tanto, m, NivelQuerido(subida)) +
                            (1 - AceptaSubida) * tras(m, PuntosEnvidoNoQuerido(subida), 0);
        if (sube > quiero && sube > no) return Contesta::Sube;
    }
    return quiero >= no ? Contesta::Quiero : Contesta::NoQuiero;
}

double ChanceDeQuererEnvido(const Tantos& tantos, Cadena cadena, int rondas, Marcador m) {
    AzarFijo azar(1);
    double total = 0, quiere = 0;
    for (std::size_t t = 0; t < tantos.size(); ++t) {
        if (tantos[t] == 0) continue;
        for (int d = 0; d < DrawsPorTanto; ++d) {
            const RespuestaEnvido r = respuestaClasica(cadena, vistaClasica(static_cast<int>(t), m, rondas), azar);
            quiere += r == RespuestaEnvido::NoQuiero ? 0 : tantos[t];
            total += tantos[t];
        }
    }
    return total > 0 ? quiere / total : 0;
}

Cadena AbrirEnvidoExperto(const Tantos& tantos, int mio, bool soyMano, int rondas, Marcador m) {
    const double ahora = ChancePartida(m);
    Cadena mejor = Cadena::Nada;
    double valorMejor = ahora + MargenCanto;
    for (Cadena c : {Cadena::Envido, Cadena::RealEnvido, Cadena::FaltaEnvido}) {
        AzarFijo azar(1);
        double total = 0, peso = 0;
        for (std::size_t t = 0; t < tantos.size(); ++t) {
            if (tantos[t] == 0) continue;
            for (int d = 0; d < DrawsPorTanto; ++d)
                total += tantos[t] * abierto(c, mio, static_cast<int>(t), soyMano, m, rondas, azar);
            peso += tantos[t] * DrawsPorTanto;
        }
        if (peso > 0 && total / peso > valorMejor) {
            mejor = c;
            valorMejor = total / peso;
        }
    }
    return mejor;
}

}  // namespace naipalia
