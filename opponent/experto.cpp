#include "opponent/experto.h"

#include <algorithm>
#include <vector>

#include "game/cartas.h"
#include "game/manos.h"
#include "game/tanto.h"

namespace naipalia {

namespace {

// The rest of the round's card play in one deal, by the cards' classes; SinJugar marks a
// card put down.
struct Resto {
    std::array<int, 3> mias, suyas;
    std::array<ResultadoMano, 4> manos{};
    int mano = 1;
    int miaEnMesa = SinJugar, suyaEnMesa = SinJugar;
    Lado lado = Lado::Nadie, quienEsMano = Lado::Nadie;
};

bool gana(Resto j, bool miTurno);

// One card put down; true when the side takes the round, both playing their best after.
bool poner(Resto j, bool mia, std::size_t i) {
    auto& cartas = mia ? j.mias : j.suyas;
    (mia ? j.miaEnMesa : j.suyaEnMesa) = cartas[i];
    cartas[i] = SinJugar;
    if (j.miaEnMesa == SinJugar || j.suyaEnMesa == SinJugar) return gana(j, !mia);
    const bool soyJugador = j.lado == Lado::Jugador;
    const ResultadoMano r =
        soyJugador ? GanadorDeMano(j.miaEnMesa, j.suyaEnMesa) : GanadorDeMano(j.suyaEnMesa, j.miaEnMesa);
    j.manos[static_cast<std::size_t>(j.mano)] = r;
    if (const Lado ganador = GanadorDeRonda(j.manos, j.quienEsMano); ganador != Lado::Nadie) return ganador == j.lado;
    ++j.mano;
    j.miaEnMesa = j.suyaEnMesa = SinJugar;
    return gana(j, AbreLaMano(r, j.quienEsMano) == j.lado);
}

bool gana(Resto j, bool miTurno) {
    const auto& cartas = miTurno ? j.mias : j.suyas;
    for (std::size_t i = 0; i < 3; ++i) {
        if (cartas[i] == SinJugar) continue;
        // Its own turn needs one card that wins; the other's, every card to lose.
        if (poner(j, miTurno, i) == miTurno) return miTurno;
    }
    return !miTurno;
}

// The other side's hand filled from place `desde` with hidden cards from `i` on, in every
// way.
void completar(std::array<int, 3>& mano, std::size_t desde, std::size_t i, const std::vector<int>& ocultas,
               std::vector<std::array<int, 3>>& todas) {
    if (desde == mano.size()) {
        todas.push_back(mano);
        return;
    }
    for (std::size_t j = i; j < ocultas.size(); ++j) {
        mano[desde] = ocultas[j];
        completar(mano, desde + 1, j + 1, ocultas, todas);
    }
}

// Every hand of the other side that agrees with what the side saw: its cards put down,
// the rest from those the side cannot see, and the tanto and the flor it stated (dropped
// when no hand agrees, for what it stated may be a lie).
std::vector<std::array<int, 3>> manosPosibles(const Vista& v) {
    std::array<bool, CantidadCartas> vista{};
    std::array<int, 3> mano{};
    std::size_t puestas = 0;
    for (int c : v.propias)
        if (c != SinCarta) vista[static_cast<std::size_t>(c)] = true;
    for (std::size_t h = 1; h <= 3; ++h)
        if (const int c = v.puestasOtro[h]; c != SinCarta) {
            vista[static_cast<std::size_t>(c)] = true;
            mano[puestas++] = c;
        }
    std::vector<int> ocultas;
    for (int c = 0; c < CantidadCartas; ++c)
        if (!vista[static_cast<std::size_t>(c)]) ocultas.push_back(c);
    std::vector<std::array<int, 3>> todas;
    completar(mano, puestas, 0, ocultas, todas);
    if (v.tantoOtro == SinCarta && v.florOtro == SinCarta) return todas;
    std::vector<std::array<int, 3>> acordes;
    for (const auto& m : todas) {
        const bool tanto = v.tantoOtro == SinCarta || CalcularTanto(m[0], m[1], m[2]).tanto == v.tantoOtro;
        const bool flor = v.florOtro == SinCarta || ValorFlor(m[0], m[1], m[2]) == v.florOtro;
        if (tanto && flor) acordes.push_back(m);
    }
    return acordes.empty() ? todas : acordes;
}

}  // namespace

Vista VistaDe(const Estado& e, Lado lado, int manoActual) {
    const bool jugador = lado == Lado::Jugador;
    const auto& mias = jugador ? e.PosicionJugador : e.PosicionCompu;
    const auto& suyas = jugador ? e.PosicionCompu : e.PosicionJugador;
    Vista v;
    v.lado = lado;
    v.mano = e.QuienMano;
    v.manoActual = manoActual;
    const int primera = jugador ? 1 : 4;
    for (int s = 0; s < 3; ++s) v.propias[static_cast<std::size_t>(s)] = e.carta(primera + s);
    for (std::size_t h = 1; h <= 3; ++h) {
        if (mias[h] != 0) v.puestas[h] = e.carta(mias[h]);
        if (suyas[h] != 0) v.puestasOtro[h] = e.carta(suyas[h]);
    }
    if (!jugador && e.TantoCantadoJugador != TantoNoCantado) v.tantoOtro = e.TantoCantadoJugador;
    if (jugador && e.TantoCantadoCompu != TantoNoCantado) v.tantoOtro = e.TantoCantadoCompu;
    if (const int flor = jugador ? e.FlorCantadaCompu : e.FlorCantadaJugador; flor != 0) v.florOtro = flor;
    return v;
}

namespace {

// The round as the side knows it, the other side's cards still to be filled.
Resto restoDe(const Vista& v) {
    Resto base;
    base.lado = v.lado;
    base.quienEsMano = v.mano;
    base.mano = v.manoActual;
    for (std::size_t s = 0; s < 3; ++s) {
        const int c = v.propias[s];
        const bool puesta = std::find(v.puestas.begin() + 1, v.puestas.end(), c) != v.puestas.end();
        base.mias[s] = puesta ? SinJugar : JerarquiaTruco(c);
    }
    const bool soyJugador = v.lado == Lado::Jugador;
    for (std::size_t h = 1; h < static_cast<std::size_t>(v.manoActual); ++h) {
        const int mia = JerarquiaTruco(v.puestas[h]), suya = JerarquiaTruco(v.puestasOtro[h]);
        base.manos[h] = soyJugador ? GanadorDeMano(mia, suya) : GanadorDeMano(suya, mia);
    }
    const auto actual = static_cast<std::size_t>(v.manoActual);
    if (v.puestasOtro[actual] != SinCarta) base.suyaEnMesa = JerarquiaTruco(v.puestasOtro[actual]);
    if (v.puestas[actual] != SinCarta) base.miaEnMesa = JerarquiaTruco(v.puestas[actual]);
    return base;
}

// `base` with the other side's unplayed cards of `mano`: those not yet seen on the table.
Resto conSuMano(Resto j, const Vista& v, const std::array<int, 3>& mano) {
    for (std::size_t s = 0; s < 3; ++s) {
        const bool puesta = std::find(v.puestasOtro.begin() + 1, v.puestasOtro.end(), mano[s]) != v.puestasOtro.end();
        j.suyas[s] = puesta ? SinJugar : JerarquiaTruco(mano[s]);
    }
    return j;
}

// Whether the side is to put a card down next.
bool leToca(const Resto& j) {
    if (j.miaEnMesa != SinJugar) return false;
    if (j.suyaEnMesa != SinJugar) return true;
    const ResultadoMano antes = j.mano > 1 ? j.manos[static_cast<std::size_t>(j.mano - 1)] : ResultadoMano::SinDecidir;
    return AbreLaMano(antes, j.quienEsMano) == j.lado;
}

}  // namespace

std::uint64_t Creencia::clave(const std::array<int, 3>& mano) {
    return (std::uint64_t{1} << mano[0]) | (std::uint64_t{1} << mano[1]) | (std::uint64_t{1} << mano[2]);
}

double Creencia::peso(const std::array<int, 3>& mano) const {
    const auto i = pesos_.find(clave(mano));
    return i == pesos_.end() ? 1 : i->second;
}

void Creencia::multiplicar(const std::array<int, 3>& mano, double factor) {
    const double antes = peso(mano);
    pesos_[clave(mano)] = antes * factor;
}

namespace {

double pesoDe(const Vista& v, const std::array<int, 3>& mano) { return v.creencia ? v.creencia->peso(mano) : 1; }

}  // namespace

Consejo MejorCarta(const Vista& v) {
    const Resto base = restoDe(v);
    Consejo consejo;
    std::array<int, 3> ganados{};
    std::array<double, 3> pesados{};
    for (const auto& mano : manosPosibles(v)) {
        const Resto j = conSuMano(base, v, mano);
        const double peso = pesoDe(v, mano);
        ++consejo.repartos;
        for (std::size_t i = 0; i < 3; ++i)
            if (j.mias[i] != SinJugar && poner(j, true, i)) {
                ++ganados[i];
                pesados[i] += peso;
            }
    }
    // The most deals; among equals the weakest card, which keeps the strong ones.
    double mejorPeso = 0;
    for (std::size_t i = 0; i < 3; ++i) {
        if (base.mias[i] == SinJugar) continue;
        const bool mejor = consejo.carta == SinCarta || pesados[i] > mejorPeso ||
                           (pesados[i] == mejorPeso && base.mias[i] > JerarquiaTruco(consejo.carta));
        if (mejor) {
            consejo.carta = v.propias[i];
            consejo.ganados = ganados[i];
            mejorPeso = pesados[i];
        }
    }
    return consejo;
}

void ParaCadaMano(const Vista& v, const PorMano& f) {
    const Resto base = restoDe(v);
    const bool miTurno = leToca(base);
    std::size_t carta = 0;
    if (miTurno) {
        const int mejor = MejorCarta(v).carta;
        while (carta < 3 && (v.propias[carta] != mejor || base.mias[carta] == SinJugar)) ++carta;
        if (carta == 3) return;
    }
    for (const auto& mano : manosPosibles(v)) {
        const double peso = pesoDe(v, mano);
        if (peso == 0) continue;
        const Resto j = conSuMano(base, v, mano);
        f(mano, peso, miTurno ? poner(j, true, carta) : gana(j, false));
    }
}

double ChanceRonda(const Vista& v) {
    double total = 0, ganado = 0;
    ParaCadaMano(v, [&](const std::array<int, 3>&, double peso, bool gano) {
        total += peso;
        ganado += gano ? peso : 0;
    });
    return total == 0 ? 0 : ganado / total;
}

Tantos TantosPosibles(const Vista& v) {
    Tantos tantos{};
    for (const auto& m : manosPosibles(v)) tantos[static_cast<std::size_t>(CalcularTanto(m[0], m[1], m[2]).tanto)] += 1;
    return tantos;
}

double ChanceTanto(const Tantos& tantos, int mio, bool soyMano) {
    double todos = 0, ganados = 0;
    for (std::size_t t = 0; t < tantos.size(); ++t) {
        todos += tantos[t];
        if (int(t) < mio || (int(t) == mio && soyMano)) ganados += tantos[t];
    }
    return todos == 0 ? 0 : ganados / todos;
}

std::string NombreCarta(int carta) {
    const DatosCarta& d = TablaCartas.at(static_cast<std::size_t>(carta));
    const char* palo = d.palo == 'E' ? "espada" : d.palo == 'B' ? "basto" : d.palo == 'O' ? "oro" : "copa";
    return std::to_string(d.cara) + " de " + palo;
}

}  // namespace naipalia
