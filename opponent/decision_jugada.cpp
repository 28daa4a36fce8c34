// Each rule reads its thresholds from its own table; classes count down from the best
// card (1) to the fours (13).
#include "opponent/decision_jugada.h"

#include <algorithm>

#include "game/cartas.h"

namespace naipalia {

namespace {

// Hand 1's truco before its card: with `fuertes` cards of class `fuerte` or better, or, on
// a draw below `sorteo`, with three of class `baja` or worse.
constexpr struct {
    int fuerte = 3;
    int fuertes = 2;
    int baja = 10;
    double sorteo = 0.5;
} TrucoEnPrimera;

// Hand 1 after the player's card. One card beats his: a tie when it can, else that card
// when worse than class `guardaHasta` on a draw below `sorteoGanar`. Two beat it: a tie on
// a draw below `sorteoEmpate`, else the weaker winner. Three: a truco first with one of
// class `trucoCon` or better. Otherwise its weakest card.
constexpr struct {
    int guardaHasta = 2;
    double sorteoGanar = 0.2;
    double sorteoEmpate = 0.2;
    int trucoCon = 4;
} RespuestaPrimera;

// Hand 1 leading. A good card (class `buenaDesde` to `buenaHasta`) with at most `altas`
// cards better than class `baja` leads the first slot of class `buenaHasta` or better;
// `fuertes` cards of class `fuerte` or better lead the weakest; otherwise the middle
// card when of class `medioHasta` or better or on a draw below `sorteoMedio`, else the weakest.
constexpr struct {
    int buenaDesde = 2;
    int buenaHasta = 4;
    int baja = 10;
    int altas = 1;
    int fuerte = 3;
    int fuertes = 2;
    int medioHasta = 5;
    double sorteoMedio = 0.2;
} AperturaPrimera;

// Hand 2 after a tie in hand 1, his card down and not beaten by its own: truco against a
// card of class `truco` or worse, retruco against `retruco` or worse, each on a draw below
// `sorteo`; the deck when both its cards lose to his, on a draw below `sorteoMazo`.
constexpr struct {
    int truco = 9;
    int retruco = 8;
    double sorteo = 0.8;
    double sorteoMazo = 0.5;
} SegundaTrasEmpate;

// Hand 2 leading after taking hand 1: truco unless both its cards are middling (class
// `medioDesde` to `medioHasta`); with the truco on, the stronger card leads when of class
// worse than `guardaHasta`, else the weaker.
constexpr struct {
    int medioDesde = 5;
    int medioHasta = 9;
    int guardaHasta = 3;
} SegundaGanada;

// Hand 2 leading otherwise: truco with a card of class `truco` or better.
constexpr int TrucoSegundaPerdida = 5;

// Hand 3, the player's last card unknown: truco with its own card of class `truco` or
// better, retruco with one of class `retruco` or better.
constexpr struct {
    int truco = 5;
    int retruco = 4;
} TerceraACiegas;

// Hand 3 against his deduced card, which its own does not beat: truco when his is of class
// `truco` or worse; retruco when of class `retruco` or worse, on a draw below `sorteoRetruco`.
constexpr struct {
    int truco = 9;
    int retruco = 8;
    double sorteoRetruco = 0.5;
} TerceraContraDeducida;

// A bluff against his played card, which its own does not beat: his card of class `seguro`
// or worse, or of class `conSorteo` or worse on a draw below `sorteo`.
struct Farol {
    int seguro;
    int conSorteo;
    double sorteo;
};
constexpr struct {
    Farol truco{.seguro = 8, .conSorteo = 6, .sorteo = 0.5};
    Farol retruco{.seguro = 7, .conSorteo = 6, .sorteo = 0.7};
    Farol vale4{.seguro = 6, .conSorteo = 5, .sorteo = 0.4};
} TerceraContraJugada;

// Hand 3's deck: his played card ties its own after he took hand 1, on a draw below this.
constexpr double MazoAlEmpatarPerdida = 0.75;

constexpr int Cuatro = 13;  // the class of the fours, against which nothing is called

int clase(const Estado& e, int slot) { return JerarquiaTruco(e.carta(slot)); }

// The weaker or stronger of two slots; equal classes go to the slot given for ties.
int masDebil(const Estado& e, int a, int b, int empate) {
    return clase(e, a) > clase(e, b) ? a : clase(e, b) > clase(e, a) ? b : empate;
}
int masFuerte(const Estado& e, int a, int b, int empate) {
    return clase(e, a) < clase(e, b) ? a : clase(e, b) < clase(e, a) ? b : empate;
}

int contar(const Estado& e, auto cumple) {
    int n = 0;
    for (int s = 4; s <= 6; ++s) n += cumple(clase(e, s)) ? 1 : 0;
    return n;
}

// The slot whose class lies between the other two's, the first such; 4 when none.
int slotDelMedio(const Estado& e) {
    const int c[3] = {clase(e, 4), clase(e, 5), clase(e, 6)};
    for (int i = 0; i < 3; ++i) {
        const int a = c[(i + 1) % 3], b = c[(i + 2) % 3];
        if (c[i] >= std::min(a, b) && c[i] <= std::max(a, b)) return 4 + i;
    }
    return 4;
}

bool puedeTruco(const Estado& e) { return e.QuienTruco == Lado::Nadie && e.EstadoTruco == NivelTruco::Nada; }
bool puedeRetruco(const Estado& e) { return e.QuienTruco == Lado::Computadora && e.EstadoTruco == NivelTruco::Truco; }
bool puedeVale4(const Estado& e) { return e.QuienTruco == Lado::Computadora && e.EstadoTruco == NivelTruco::ReTruco; }

bool farol(const Farol& f, int suya, Azar& azar) {
    return suya >= f.seguro || (suya >= f.conSorteo && azar.siguiente() < f.sorteo);
}

// Hand 2: its two unplayed slots, and the player's card of hand 2.
struct Segunda {
    int a, b, p;
    bool jugo() const { return p != SinJugar; }
};
Segunda segunda(const Estado& e) {
    int slots[3];
    SlotsSinJugar(e, slots);
    return {slots[0], slots[1], e.JerarquiaJugador[2]};
}
bool empatada(const Estado& e) { return e.ResultadoManos[1] == ResultadoMano::Iguales; }
bool leGana(const Estado& e, const Segunda& s) { return clase(e, s.a) < s.p || clase(e, s.b) < s.p; }

// Its last card, unplayed.
int ultimaClase(const Estado& e) {
    int slots[3];
    SlotsSinJugar(e, slots);
    return clase(e, slots[0]);
}

// Hand 3 before the player's last card.
NivelTruco llamadaSinSuCarta(const Estado& e, int d, Azar& azar) {
    const int cs = ultimaClase(e);
    if (d == SinDeducir) {
        if (puedeTruco(e) && cs <= TerceraACiegas.truco) return NivelTruco::Truco;
        if (puedeRetruco(e) && cs <= TerceraACiegas.retruco) return NivelTruco::ReTruco;
        return NivelTruco::Nada;
    }
    if (cs < d || (cs == d && e.ResultadoManos[1] == ResultadoMano::Computadora)) return Escalon(e);
    const auto& c = TerceraContraDeducida;
    if (puedeTruco(e) && d >= c.truco) return NivelTruco::Truco;
    if (puedeRetruco(e) && d >= c.retruco && azar.siguiente() < c.sorteoRetruco) return NivelTruco::ReTruco;
    return NivelTruco::Nada;
}

NivelTruco llamadaSegundaAbriendo(const Estado& e, const Segunda& s) {
    if (!puedeTruco(e)) return NivelTruco::Nada;
    if (e.ResultadoManos[1] == ResultadoMano::Computadora) {
        const auto& g = SegundaGanada;
        const auto medio = [&](int slot) { return clase(e, slot) >= g.medioDesde && clase(e, slot) <= g.medioHasta; };
        return medio(s.a) && medio(s.b) ? NivelTruco::Nada : NivelTruco::Truco;
    }
    const bool buena = clase(e, s.a) <= TrucoSegundaPerdida || clase(e, s.b) <= TrucoSegundaPerdida;
    return buena ? NivelTruco::Truco : NivelTruco::Nada;
}

}  // namespace

NivelTruco LlamadaSegunda(const Estado& e, Azar& azar) {
    const Segunda s = segunda(e);
    if (!s.jugo()) return llamadaSegundaAbriendo(e, s);
    if (!empatada(e) || s.p == Cuatro) return NivelTruco::Nada;
    if (leGana(e, s)) return Escalon(e);
    const auto& t = SegundaTrasEmpate;
    return puedeTruco(e) && s.p >= t.truco && azar.siguiente() < t.sorteo ? NivelTruco::Truco : NivelTruco::Nada;
}

NivelTruco ReTrucoSegunda(const Estado& e, Azar& azar) {
    const Segunda s = segunda(e);
    if (!s.jugo() || !empatada(e) || s.p == Cuatro || leGana(e, s)) return NivelTruco::Nada;
    const auto& t = SegundaTrasEmpate;
    return puedeRetruco(e) && s.p >= t.retruco && azar.siguiente() < t.sorteo ? NivelTruco::ReTruco : NivelTruco::Nada;
}

bool AlMazoSegunda(const Estado& e, Azar& azar) {
    const Segunda s = segunda(e);
    return s.jugo() && empatada(e) && clase(e, s.a) > s.p && clase(e, s.b) > s.p &&
           azar.siguiente() < SegundaTrasEmpate.sorteoMazo;
}

int CartaSegunda(const Estado& e) {
    const Segunda s = segunda(e);
    if (s.jugo() && !empatada(e)) {
        const bool ganaA = clase(e, s.a) < s.p, ganaB = clase(e, s.b) < s.p;
        return ganaA != ganaB ? (ganaA ? s.a : s.b) : masDebil(e, s.a, s.b, s.b);
    }
    if (s.jugo()) return masFuerte(e, s.a, s.b, s.b);
    if (e.ResultadoManos[1] != ResultadoMano::Computadora) return masFuerte(e, s.a, s.b, s.a);
    const int fuerte = masFuerte(e, s.a, s.b, s.a);
    const bool guarda = e.EstadoTruco == NivelTruco::Truco && clase(e, fuerte) > SegundaGanada.guardaHasta;
    return guarda ? fuerte : masDebil(e, s.a, s.b, s.a);
}

NivelTruco Escalon(const Estado& e) {
    if (puedeTruco(e)) return NivelTruco::Truco;
    if (puedeRetruco(e)) return NivelTruco::ReTruco;
    if (puedeVale4(e)) return NivelTruco::Vale4;
    return NivelTruco::Nada;
}

NivelTruco LlamadaTercera(const Estado& e, int deducida, Azar& azar) {
    const int p = e.JerarquiaJugador[3];
    if (p == SinJugar) return llamadaSinSuCarta(e, deducida, azar);
    if (p == Cuatro) return NivelTruco::Nada;
    const int cs = ultimaClase(e);
    if (cs < p || (cs == p && e.ResultadoManos[1] == ResultadoMano::Computadora)) return Escalon(e);
    const auto& j = TerceraContraJugada;
    if (puedeTruco(e) && farol(j.truco, p, azar)) return NivelTruco::Truco;
    if (puedeRetruco(e) && farol(j.retruco, p, azar)) return NivelTruco::ReTruco;
    if (puedeVale4(e) && farol(j.vale4, p, azar)) return NivelTruco::Vale4;
    return NivelTruco::Nada;
}

bool AlMazoTercera(const Estado& e, int d, Azar& azar) {
    const int cs = ultimaClase(e);
    const int p = e.JerarquiaJugador[3];
    const bool perdioPrimera = e.ResultadoManos[1] == ResultadoMano::Jugador;
    const bool leGanaLaDeducida = d != SinDeducir && (d < cs || (d == cs && perdioPrimera));
    return leGanaLaDeducida || (perdioPrimera && p == cs && azar.siguiente() < MazoAlEmpatarPerdida) ||
           (p != SinJugar && p < cs);
}

bool CantaTrucoEnPrimera(const Estado& e, Azar& azar) {
    const auto& t = TrucoEnPrimera;
    if (e.TantoPrimero) return true;
    if (e.QuienTruco != Lado::Nadie || e.EstadoTruco != NivelTruco::Nada) return false;
    const bool tresBajas = contar(e, [&](int c) { return c >= t.baja; }) == 3;
    return (tresBajas && azar.siguiente() < t.sorteo) || contar(e, [&](int c) { return c <= t.fuerte; }) >= t.fuertes;
}

JugadaPrimera ResponderPrimera(const Estado& e, Azar& azar) {
    const auto& r = RespuestaPrimera;
    const int p = e.JerarquiaJugador[1];
    int ganadoras[3], empates[3];
    int g = 0, t = 0;
    for (int s = 4; s <= 6; ++s) {
        if (clase(e, s) < p) ganadoras[g++] = s;
        if (clase(e, s) == p) empates[t++] = s;
    }
    JugadaPrimera j;
    if (g == 1) {
        if (t > 0)
            j.slot = empates[0];
        else if (clase(e, ganadoras[0]) > r.guardaHasta && azar.siguiente() < r.sorteoGanar)
            j.slot = ganadoras[0];
    } else if (g == 2) {
        j.slot = (t == 1 && azar.siguiente() < r.sorteoEmpate) ? empates[0]
                                                               : masDebil(e, ganadoras[0], ganadoras[1], ganadoras[0]);
    } else if (g == 3) {
        j.truco = e.EstadoTruco == NivelTruco::Nada && e.QuienTruco == Lado::Nadie &&
                  contar(e, [&](int c) { return c <= r.trucoCon; }) > 0;
    }
    if (j.slot == 0) j.slot = SlotMasDebil(e);
    return j;
}

int AbrirPrimera(const Estado& e, Azar& azar) {
    const auto& a = AperturaPrimera;
    const bool unaBuena = contar(e, [&](int c) { return c >= a.buenaDesde && c <= a.buenaHasta; }) > 0;
    if (unaBuena && contar(e, [&](int c) { return c < a.baja; }) <= a.altas) {
        for (int s = 4; s <= 6; ++s)
            if (clase(e, s) <= a.buenaHasta) return s;
    }
    if (contar(e, [&](int c) { return c <= a.fuerte; }) >= a.fuertes) return SlotMasDebil(e);
    const int medio = slotDelMedio(e);
    return clase(e, medio) <= a.medioHasta || azar.siguiente() < a.sorteoMedio ? medio : SlotMasDebil(e);
}

int SlotsSinJugar(const Estado& e, int (&slots)[3]) {
    int n = 0;
    for (int s = 4; s <= 6; ++s)
        if (s != e.PosicionCompu[1] && s != e.PosicionCompu[2] && s != e.PosicionCompu[3]) slots[n++] = s;
    return n;
}

int SlotMasDebil(const Estado& e) {
    int slots[3] = {};
    const int n = SlotsSinJugar(e, slots);
    if (n == 0) return 0;
    int debil = slots[0];
    for (int i = 1; i < n; ++i)
        if (JerarquiaTruco(e.carta(slots[i])) > JerarquiaTruco(e.carta(debil))) debil = slots[i];
    return debil;
}

}  // namespace naipalia
