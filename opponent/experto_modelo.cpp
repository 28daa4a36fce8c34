// The engine's model of the classic computer's truco: its rules are asked what they would
// do with each hand the computer may hold, in a copy of the table where that hand takes the
// place of the cards the player cannot see. A call it made weighs each hand by how often the
// rules make it; a call of the player's is valued by how often they take it up.
#include <cstdint>

#include "game/manos.h"
#include "game/tanto.h"
#include "opponent/decision_jugada.h"
#include "opponent/decision_truco.h"
#include "opponent/experto.h"
#include "platform/puertos.h"

namespace naipalia {

namespace {

// Draws of the rules for each hand, when a rule draws at all.
constexpr int Sorteos = 4;

// The share of draws in which `regla` holds for the table `e`.
template <typename Regla>
double frecuencia(const Estado& e, Regla&& regla) {
    AzarFijo azar(7);
    int veces = regla(e, azar) ? 1 : 0;
    if (azar.sorteos == 0) return veces;
    for (int i = 1; i < Sorteos; ++i) veces += regla(e, azar) ? 1 : 0;
    return double(veces) / Sorteos;
}

// The player's table with the computer holding `mano`: its unplayed slots take the cards of
// `mano` not yet seen, and its tanto is that of `mano` (the truco's rules read neither its
// tanto nor its flor).
class Hipotesis {
public:
    explicit Hipotesis(const Estado& e) : e_(e) {
        for (int s = 4; s <= 6; ++s) e_.CartasRepartidas[static_cast<std::size_t>(s - 1)] = SinCarta;
    }
    const Estado& con(const Estado& real, const std::array<int, 3>& mano) {
        int slot = 4;
        for (int c : mano) {
            bool puesta = false;
            for (std::size_t h = 1; h <= 3; ++h)
                puesta |= real.PosicionCompu[h] != 0 && real.carta(real.PosicionCompu[h]) == c;
            if (puesta) continue;
            while (jugado(real, slot)) ++slot;
            e_.CartasRepartidas[static_cast<std::size_t>(slot++ - 1)] = c;
        }
        for (int s = 4; s <= 6; ++s)
            if (jugado(real, s)) e_.CartasRepartidas[static_cast<std::size_t>(s - 1)] = real.carta(s);
        const TantoMano t = CalcularTanto(mano[0], mano[1], mano[2]);
        e_.TantoCompu = t.tanto;
        e_.CartasTantoCompu = t.cartas;
        return e_;
    }

private:
    static bool jugado(const Estado& e, int slot) {
        for (std::size_t h = 1; h <= 3; ++h)
            if (e.PosicionCompu[h] == slot) return true;
        return false;
    }
    Estado e_;
};

// Whether the rules of its turn in hand `mano` call `llamada`.
bool llamaria(const Estado& e, int mano, NivelTruco llamada, Azar& azar) {
    if (mano == 1) {
        if (CantaTrucoEnPrimera(e, azar)) return llamada == NivelTruco::Truco;
        return e.JerarquiaJugador[1] != SinJugar && ResponderPrimera(e, azar).truco && llamada == NivelTruco::Truco;
    }
    if (mano == 2) return LlamadaSegunda(e, azar) == llamada || ReTrucoSegunda(e, azar) == llamada;
    const int deducida = e.JerarquiaJugador[3] == SinJugar ? DeducirCarta({e, 3}, azar).clase : SinDeducir;
    return LlamadaTercera(e, deducida, azar) == llamada;
}

}  // namespace

namespace {

// The rules' call of `llamada` with the table `x`: on its turn, or raised over the player's
// call of `nuestra`.
double frecuenciaDeSuLlamada(const Estado& x, int mano, NivelTruco llamada, NivelTruco nuestra) {
    return frecuencia(x, [&](const Estado& y, Azar& azar) {
        if (nuestra != NivelTruco::Nada)
            return ResponderTruco({y, mano}, nuestra, azar).respuesta == RespuestaTruco::Sube;
        return llamaria(y, mano, llamada, azar);
    });
}

// How often the rules take up the player's call of `nivel`.
double frecuenciaDeAceptar(const Estado& x, int mano, NivelTruco nivel) {
    return frecuencia(x, [&](const Estado& y, Azar& azar) {
        const RespuestaTruco r = ResponderTruco({y, mano}, nivel, azar).respuesta;
        return r == RespuestaTruco::Quiero || r == RespuestaTruco::Sube || r == RespuestaTruco::QuieroLoCantado;
    });
}

}  // namespace

// What the player learns from the computer's call: each hand weighed by how often the
// rules make it with that hand. A call they never make with any hand is a bluff past
// them: nothing is learnt.
namespace {

// What `v` learns from a move of the computer's: each hand weighed by `frecuencia` of the
// table `antes` (the table as it was when it moved) holding that hand. A move its rules
// never make with any hand is a bluff past them: nothing is learnt.
template <typename Frecuencia>
Creencia aprender(const Estado& antes, const Estado& e, const Vista& v, Frecuencia&& frecuencia) {
    const Creencia sinCambio = v.creencia ? *v.creencia : Creencia{};
    Creencia creencia = sinCambio;
    Hipotesis hipotesis(antes);
    double total = 0;
    ParaCadaMano(v, [&](const std::array<int, 3>& suya, double peso, bool) {
        const double f = frecuencia(hipotesis.con(e, suya));
        creencia.multiplicar(suya, f);
        total += peso * f;
    });
    return total > 0 ? creencia : sinCambio;
}

// The table as it was when the computer chose its card of hand `h`: that card and what
// came after it taken back.
Estado antesDeSuCarta(const Estado& e, int h) {
    Estado x = e;
    const auto k = static_cast<std::size_t>(h);
    const Lado abre = h == 1 ? e.QuienMano : AbreLaMano(e.ResultadoManos[k - 1], e.QuienMano);
    for (std::size_t i = k; i <= 3; ++i) {
        x.JerarquiaCompu[i] = SinJugar;
        x.PosicionCompu[i] = 0;
        x.ResultadoManos[i] = ResultadoMano::SinDecidir;
        if (i > k || abre == Lado::Computadora) {
            x.JerarquiaJugador[i] = SinJugar;
            x.PosicionJugador[i] = 0;
        }
    }
    return x;
}

}  // namespace

Creencia TrasSuTruco(const Estado& e, const Vista& v, NivelTruco llamada, NivelTruco nuestra) {
    return aprender(e, e, v, [&](const Estado& x) { return frecuenciaDeSuLlamada(x, v.manoActual, llamada, nuestra); });
}

Creencia TrasSuCarta(const Estado& e, const Vista& v, int h) {
    const int puesta = e.PosicionCompu[static_cast<std::size_t>(h)];
    if (h > 2 || puesta == 0) return v.creencia ? *v.creencia : Creencia{};  // its last card is no choice
    const int clasePuesta = JerarquiaTruco(e.carta(puesta));
    const Estado antes = antesDeSuCarta(e, h);
    const bool abrio = antes.JerarquiaJugador[static_cast<std::size_t>(h)] == SinJugar;
    return aprender(antes, e, v, [&](const Estado& x) {
        return frecuencia(x, [&](const Estado& y, Azar& azar) {
            const int slot = h == 2 ? CartaSegunda(y) : abrio ? AbrirPrimera(y, azar) : ResponderPrimera(y, azar).slot;
            return JerarquiaTruco(y.carta(slot)) == clasePuesta;
        });
    });
}

Creencia DeSusCartas(const Estado& e, Vista v) {
    Creencia creencia = v.creencia ? *v.creencia : Creencia{};
    v.creencia = &creencia;
    for (int h = 1; h <= 2 && e.PosicionCompu[static_cast<std::size_t>(h)] != 0; ++h) creencia = TrasSuCarta(e, v, h);
    return creencia;
}

Creencia SiAceptaLaNuestra(const Estado& e, const Vista& v, NivelTruco nivel) {
    return aprender(e, e, v, [&](const Estado& x) { return frecuenciaDeAceptar(x, v.manoActual, nivel); });
}

Contesta ContestarTrucoContraClasico(const Estado& e, const Vista& v, NivelTruco llamada, bool puedeSubir) {
    const Marcador m = MarcadorDe(e, Lado::Jugador);
    const int valor = ValorTruco(llamada);
    const double no = ChancePartida({m.mios, m.suyos + valor - 1, m.juego});
    const double gana = ChancePartida({m.mios + valor, m.suyos, m.juego});
    const double pierde = ChancePartida({m.mios, m.suyos + valor, m.juego});
    const double ganaSubida = ChancePartida({m.mios + valor + 1, m.suyos, m.juego});
    const double pierdeSubida = ChancePartida({m.mios, m.suyos + valor + 1, m.juego});
    Hipotesis hipotesis(e);
    double total = 0, quiero = 0, sube = 0;
    ParaCadaMano(v, [&](const std::array<int, 3>& suya, double peso, bool gano) {
        total += peso;
        quiero += peso * (gano ? gana : pierde);
        if (!puedeSubir) return;
        const double acepta = frecuenciaDeAceptar(hipotesis.con(e, suya), v.manoActual, Siguiente(llamada));
        sube += peso * (acepta * (gano ? ganaSubida : pierdeSubida) + (1 - acepta) * gana);
    });
    if (total == 0) return Contesta::NoQuiero;
    if (puedeSubir && sube > quiero + total * MargenCanto && sube > no * total) return Contesta::Sube;
    return quiero >= no * total ? Contesta::Quiero : Contesta::NoQuiero;
}

double ChanceDeQuerer(const Estado& e, const Vista& v, NivelTruco nivel) {
    Hipotesis hipotesis(e);
    double total = 0, acepta = 0;
    ParaCadaMano(v, [&](const std::array<int, 3>& suya, double peso, bool) {
        acepta += peso * frecuenciaDeAceptar(hipotesis.con(e, suya), v.manoActual, nivel);
        total += peso;
    });
    return total > 0 ? acepta / total : 0;
}

bool CantarTrucoContraClasico(const Estado& e, const Vista& v, NivelTruco nivel) {
    const Marcador m = MarcadorDe(e, Lado::Jugador);
    const int valor = ValorTruco(nivel);
    const double gana = ChancePartida({m.mios + valor, m.suyos, m.juego});
    const double pierde = ChancePartida({m.mios, m.suyos + valor, m.juego});
    const double ganaAntes = ChancePartida({m.mios + valor - 1, m.suyos, m.juego});
    const double pierdeAntes = ChancePartida({m.mios, m.suyos + valor - 1, m.juego});
    Hipotesis hipotesis(e);
    double canta = 0, sigue = 0, total = 0;
    ParaCadaMano(v, [&](const std::array<int, 3>& suya, double peso, bool gano) {
        const double acepta = frecuenciaDeAceptar(hipotesis.con(e, suya), v.manoActual, nivel);
        canta += peso * (acepta * (gano ? gana : pierde) + (1 - acepta) * ganaAntes);
        sigue += peso * (gano ? ganaAntes : pierdeAntes);
        total += peso;
    });
    return total > 0 && canta > sigue + total * MargenCanto;
}

Movida MovidaDelJugador(const Estado& e, const Vista& v, bool tantoAbierto, bool florAbierta, NivelTruco trucoAbierto) {
    Movida m;
    if (florAbierta && MismoPalo(e.carta(1), e.carta(2), e.carta(3))) {
        m.tipo = Movida::Tipo::Flor;
        return m;
    }
    if (tantoAbierto) {
        m.envido = AbrirEnvidoExperto(TantosPosibles(v), CalcularTanto(e.carta(1), e.carta(2), e.carta(3)).tanto,
                                      e.QuienMano == Lado::Jugador, e.RondasJugadas, MarcadorDe(e, Lado::Jugador));
        if (m.envido != Cadena::Nada) {
            m.tipo = Movida::Tipo::Envido;
            return m;
        }
    }
    if (trucoAbierto != NivelTruco::Nada && CantarTrucoContraClasico(e, v, trucoAbierto)) {
        m.tipo = Movida::Tipo::Truco;
        m.truco = trucoAbierto;
        return m;
    }
    m.carta = MejorCarta(v);
    return m;
}

}  // namespace naipalia
