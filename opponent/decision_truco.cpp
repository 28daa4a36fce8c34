// Each rule reads its thresholds from its own table. A draw is made only where its test is
// reached, in the order the rule states its tests.
#include "opponent/decision_truco.h"

#include <algorithm>
#include <initializer_list>

namespace naipalia {

namespace {

constexpr int Cuatro = 13;  // the class of the fours, against which nothing is called

// A draw below `sorteo` accepts with a card of class `conSorteo` or better; a card of
// class `sinSorteo` or better accepts whatever the draw, which is made all the same.
struct ConSorteo {
    double sorteo;
    int conSorteo;
    int sinSorteo;
};

// One card of class `una` or better and another of class `otra` or better.
struct Par {
    int una;
    int otra;
};

// Hand 2 once the deduction left the call: having taken hand 1 (or with hand 2 still to
// play after a tie); having played hand 2 after a tie; having lost hand 1: a pair, or, on
// a draw below `sorteoPerdida` (none when 0), another pair.
struct SegundaMano {
    ConSorteo ganada;
    ConSorteo iguales;
    Par perdida;
    double sorteoPerdida;
    Par perdidaConSorteo;
};

// Hand 3 once the deduction left the call: its last card still in hand, or played.
struct TerceraMano {
    ConSorteo sinJugar;
    ConSorteo jugada;
};

// The player calls truco.
struct ReglaTruco {
    Par subeCon;       // hand 1: with such a pair it raises to retruco at once,
    int margenSubida;  // while its score is below the target minus this
    double sorteo;     // hand 1: on a draw below this, the pair `conSorteo` accepts;
    Par conSorteo;     // the pair `sinSorteo` accepts whatever the draw
    Par sinSorteo;
    SegundaMano segunda;
    double sorteoSubida;  // hand 2, accepting after taking hand 1: a draw below this raises
    TerceraMano tercera;
};
constexpr ReglaTruco AlTruco{
    .subeCon = {4, 4},
    .margenSubida = 2,
    .sorteo = 0.4,
    .conSorteo = {9, 9},
    .sinSorteo = {5, 9},
    .segunda = {.ganada = {0.4, 9, 6},
                .iguales = {0.3, 11, 6},
                .perdida = {5, 8},
                .sorteoPerdida = 0,
                .perdidaConSorteo = {0, 0}},
    .sorteoSubida = 0.2,
    .tercera = {.sinJugar = {0.5, 9, 7}, .jugada = {0.4, 10, 7}},
};

// The player calls retruco.
struct ReglaRetruco {
    int companero;           // hand 1, after the player's card: one of its cards as good,
    double sorteoCompanero;  // and another of class `companero` or better, or, on a draw
    int companeroConSorteo;  // below `sorteoCompanero`, of class `companeroConSorteo`
    Par sinJugar;            // hand 1, before the player's card: this pair, or, on a draw
    double sorteoSinJugar;   // below `sorteoSinJugar`, the pair `sinJugarConSorteo`
    Par sinJugarConSorteo;
    int margenSubida;  // it raises to vale 4 only while its score is below the target minus this
    int faroleaDesde;  // beaten by the player's card of this class or weaker, it raises all the same
    SegundaMano segunda;
    TerceraMano tercera;
};
constexpr ReglaRetruco AlRetruco{
    .companero = 5,
    .sorteoCompanero = 0.5,
    .companeroConSorteo = 6,
    .sinJugar = {5, 4},
    .sorteoSinJugar = 0.4,
    .sinJugarConSorteo = {5, 9},
    .margenSubida = 3,
    .faroleaDesde = 9,
    .segunda = {.ganada = {0.4, 7, 5},
                .iguales = {0.3, 10, 5},
                .perdida = {4, 5},
                .sorteoPerdida = 0.3,
                .perdidaConSorteo = {5, 6}},
    .tercera = {.sinJugar = {0.6, 5, 4}, .jugada = {0.5, 8, 5}},
};

// The player calls vale 4; nothing is above it.
struct ReglaVale4 {
    int companero;  // hand 1, after the player's card: one as good and another this good
    Par sinJugar;   // hand 1, before the player's card
    SegundaMano segunda;
    TerceraMano tercera;
};
constexpr ReglaVale4 AlVale4{
    .companero = 4,
    .sinJugar = {2, 4},
    .segunda = {.ganada = {0.5, 6, 3},
                .iguales = {0.3, 9, 3},
                .perdida = {3, 4},
                .sorteoPerdida = 0,
                .perdidaConSorteo = {0, 0}},
    .tercera = {.sinJugar = {0.5, 5, 3}, .jugada = {0.5, 7, 4}},
};

// The deduction: in hand 2 a partner for the shown card is believed on a draw below
// `creePar`; answering in hand 2, a deduced card of class `unaBasta` or better must be
// beaten by one of its two cards, a weaker one by both.
struct ReglaDeduccion {
    double creePar;
    int unaBasta;
};
constexpr ReglaDeduccion PorDeduccion{.creePar = 0.5, .unaBasta = 8};

RespuestaTruco segun(bool acepta) { return acepta ? RespuestaTruco::Quiero : RespuestaTruco::NoQuiero; }

int clase(const Estado& e, int slot) { return JerarquiaTruco(e.carta(slot)); }

// A tanto below 20 is a single card's value: which class that card has.
int clasePorTantoSolo(int tanto) {
    switch (tanto) {
        case 0: return 8;
        case 2: return 5;
        case 3: return 4;
        case 4: return 13;
        case 5: return 12;
        case 6: return 11;
        default: return SinDeducir;
    }
}

Deduccion segundaManoDeducida(const Estado& e, int tanto, Azar& azar) {
    const int a = e.carta(e.PosicionJugador[1]);
    const int va = ValorEnvido(a);
    if (tanto < 20) return {tanto != va ? clasePorTantoSolo(tanto) : SinDeducir, false};
    const int c = tanto - 20 - va;
    if (c == va || c < 0 || c > 7) return {};
    if (azar.siguiente() < PorDeduccion.creePar) return {ClaseCartaPorValor(c, PaloCarta(a)), false};
    return {};
}

Deduccion terceraManoDeducida(const Estado& e, int tanto) {
    const int a = e.carta(e.PosicionJugador[1]), b = e.carta(e.PosicionJugador[2]);
    const int va = ValorEnvido(a), vb = ValorEnvido(b);
    if (tanto < 20) return {tanto != va && tanto != vb ? clasePorTantoSolo(tanto) : SinDeducir, false};
    if (PaloCarta(a) == PaloCarta(b) || va + vb + 20 == tanto) return {};
    const int ca = tanto - 20 - va, cb = tanto - 20 - vb;
    if (ca != va && ca >= 0 && ca <= 7) {
        const bool ambasPosibles = cb != vb && cb >= 1 && cb <= 6;
        return {ambasPosibles ? SinDeducir : ClaseCartaPorValor(ca, PaloCarta(a)), false};
    }
    if (cb != vb && cb >= 0 && cb <= 7) return {ClaseCartaPorValor(cb, PaloCarta(b)), false};
    return {SinDeducir, true};
}

// One answer to one call: the table read, the draws, the deduction if it was tried.
class Respondedor {
public:
    Respondedor(const VistaTruco& vista, Azar& azar) : v(vista), e(vista.estado), azar_(azar) {}

    DecisionTruco responder(NivelTruco llamada) {
        const RespuestaTruco r = llamada == NivelTruco::Truco     ? alTruco()
                                 : llamada == NivelTruco::ReTruco ? alRetruco()
                                                                  : alVale4();
        return {r, deduccion_};
    }

private:
    RespuestaTruco alTruco();
    RespuestaTruco alRetruco();
    RespuestaTruco alVale4();
    RespuestaTruco segundaMano(const SegundaMano& u);
    RespuestaTruco terceraMano(const TerceraMano& u);

    double sorteo() { return azar_.siguiente(); }
    bool acepta(const ConSorteo& u, int mejor) {
        return (sorteo() < u.sorteo && mejor <= u.conSorteo) || mejor <= u.sinSorteo;
    }
    // Some ordered pair of distinct slots among these matches the pair.
    bool par(std::initializer_list<int> slots, Par p) const {
        for (int x : slots)
            for (int y : slots)
                if (x != y && clase(e, x) <= p.una && clase(e, y) <= p.otra) return true;
        return false;
    }
    bool todas(Par p) const { return par({4, 5, 6}, p); }
    // A and B: the two slots it did not play in hand 1; the last: played in neither 1 nor 2.
    int a() const { return e.PosicionCompu[1] == 4 ? 5 : 4; }
    int b() const { return e.PosicionCompu[1] == 6 ? 5 : 6; }
    int ultima() const { return 15 - e.PosicionCompu[1] - e.PosicionCompu[2]; }
    int mejorDeDos() const { return std::min(clase(e, a()), clase(e, b())); }
    bool primera(ResultadoMano r) const { return e.ResultadoManos[1] == r; }
    // It took hand 1, or has hand 2 still to play after a tie.
    bool llevaLaSegunda() const {
        return primera(ResultadoMano::Computadora) ||
               (primera(ResultadoMano::Iguales) && e.JerarquiaCompu[2] == SinJugar);
    }
    // Its last card against the player's hand-3 card: better, or as good after taking hand 1.
    bool ganaLaTercera(int suya) const {
        const int mia = clase(e, ultima());
        return mia < suya || (mia == suya && primera(ResultadoMano::Computadora));
    }
    bool puedeSubir(int margen) const { return e.PuntosComputadora < e.PuntosJuego - margen; }
    // The deduction, tried first in hands 2 and 3: its answer, when it gives one.
    std::optional<RespuestaTruco> deduce(int slotA, int slotB) {
        deduccion_ = DeducirCarta(v, azar_);
        return ResponderConDeduccion(v, deduccion_->clase, slotA, slotB);
    }

    const VistaTruco& v;
    const Estado& e;
    Azar& azar_;
    std::optional<Deduccion> deduccion_;
};

RespuestaTruco Respondedor::segundaMano(const SegundaMano& u) {
    if (llevaLaSegunda()) return segun(acepta(u.ganada, mejorDeDos()));
    if (primera(ResultadoMano::Iguales)) {
        if (e.JerarquiaCompu[2] == Cuatro) return RespuestaTruco::Cuatro;
        return segun(acepta(u.iguales, mejorDeDos()));
    }
    const auto ab = {a(), b()};
    return segun(par(ab, u.perdida) ||
                 (u.sorteoPerdida > 0 && sorteo() < u.sorteoPerdida && par(ab, u.perdidaConSorteo)));
}

RespuestaTruco Respondedor::terceraMano(const TerceraMano& u) {
    return segun(acepta(e.JerarquiaCompu[3] == SinJugar ? u.sinJugar : u.jugada, clase(e, ultima())));
}

RespuestaTruco Respondedor::alTruco() {
    const ReglaTruco& u = AlTruco;
    if (v.mano == 1) {
        if (todas(u.subeCon)) return puedeSubir(u.margenSubida) ? RespuestaTruco::Sube : RespuestaTruco::Quiero;
        return segun((sorteo() < u.sorteo && todas(u.conSorteo)) || todas(u.sinSorteo));
    }
    if (v.mano == 2) {
        if (auto r = deduce(a(), b())) return *r;
        const RespuestaTruco r = segundaMano(u.segunda);
        const bool sube =
            r == RespuestaTruco::Quiero && llevaLaSegunda() && sorteo() < u.sorteoSubida && puedeSubir(u.margenSubida);
        return sube ? RespuestaTruco::Sube : r;
    }
    if (e.JerarquiaCompu[3] == Cuatro) return RespuestaTruco::Cuatro;
    if (auto r = deduce(ultima(), ultima())) return *r;
    return terceraMano(u.tercera);
}

RespuestaTruco Respondedor::alRetruco() {
    const ReglaRetruco& u = AlRetruco;
    if (v.mano == 1) {
        const int j = e.JerarquiaJugador[1];
        if (j != SinJugar)
            return segun(todas({j, u.companero}) || (todas({j, u.companeroConSorteo}) && sorteo() < u.sorteoCompanero));
        return segun(todas(u.sinJugar) || (todas(u.sinJugarConSorteo) && sorteo() < u.sorteoSinJugar));
    }
    if (v.mano == 2) {
        const int j2 = e.JerarquiaJugador[2];
        if (primera(ResultadoMano::Iguales) && j2 != SinJugar) {
            const int mia = mejorDeDos();
            if (mia < j2)
                return puedeSubir(u.margenSubida) && j2 != Cuatro ? RespuestaTruco::Sube : RespuestaTruco::Quiero;
            if (mia == j2) return RespuestaTruco::Quiero;
            return puedeSubir(u.margenSubida) && j2 >= u.faroleaDesde ? RespuestaTruco::Sube : RespuestaTruco::NoQuiero;
        }
        if (auto r = deduce(a(), b())) return *r;
        return segundaMano(u.segunda);
    }
    if (e.JerarquiaCompu[3] == Cuatro) return RespuestaTruco::Cuatro;
    const int j3 = e.JerarquiaJugador[3];
    if (j3 != SinJugar) {
        if (ganaLaTercera(j3)) return puedeSubir(u.margenSubida) ? RespuestaTruco::Sube : RespuestaTruco::Quiero;
        return puedeSubir(u.margenSubida) && j3 >= u.faroleaDesde ? RespuestaTruco::Sube : RespuestaTruco::NoQuiero;
    }
    if (auto r = deduce(ultima(), ultima())) return *r;
    return terceraMano(u.tercera);
}

RespuestaTruco Respondedor::alVale4() {
    const ReglaVale4& u = AlVale4;
    if (v.mano == 1) {
        const int j = e.JerarquiaJugador[1];
        return segun(j != SinJugar ? todas({j, u.companero}) : todas(u.sinJugar));
    }
    if (v.mano == 2) {
        const int j2 = e.JerarquiaJugador[2];
        if (primera(ResultadoMano::Iguales) && j2 != SinJugar) return segun(mejorDeDos() <= j2);
        if (auto r = deduce(a(), b())) return *r;
        return segundaMano(u.segunda);
    }
    if (e.JerarquiaCompu[3] == Cuatro) return RespuestaTruco::Cuatro;
    const int j3 = e.JerarquiaJugador[3];
    if (j3 != SinJugar) return segun(ganaLaTercera(j3));
    if (auto r = deduce(ultima(), ultima())) return *r;
    return terceraMano(u.tercera);
}

// What the player would certainly collect at the round's end were the call refused: the
// truco accepted so far, a flor he claimed and holds, an envido he won telling the truth.
int puntosSegurosDelJugador(const Estado& e) {
    int puntos = ValorTruco(e.EstadoTruco);
    if (e.TantoLiquidado) return puntos;  // settled already, and in the score
    const bool suFlor = MismoPalo(e.carta(1), e.carta(2), e.carta(3));
    const bool florGanada = e.GanadorFlor == Lado::Jugador && suFlor && e.FlorJugador == e.FlorCantadaJugador;
    switch (e.EstadoFlor) {
        case NivelFlor::Flor:
            if (e.QuienFlor == Lado::Jugador && suFlor) puntos += 3;
            break;
        case NivelFlor::FlorAchico:
            if (e.QuienFlor == Lado::Jugador && suFlor) puntos += 4;
            break;
        case NivelFlor::FlorJuego:
            if (florGanada) puntos += 6;
            break;
        case NivelFlor::FlorContra:
            if (florGanada) puntos += e.PuntosJuego - e.PuntosComputadora;
            break;
        default: break;
    }
    if (e.EnvidoQuerido != Cadena::Nada && e.GanadorEnvido == Lado::Jugador &&
        e.TantoCantadoJugador == e.TantoRealJugador)
        puntos += PuntosEnvidoQuerido(e.CadenaEnvido, e.PuntosJuego, e.PuntosComputadora);
    return puntos;
}

}  // namespace

Deduccion DeducirCarta(const VistaTruco& vista, Azar& azar) {
    const Estado& e = vista.estado;
    if (e.TantoCantadoJugador == TantoNoCantado) return {};
    if (vista.mano == 2) return segundaManoDeducida(e, e.TantoCantadoJugador, azar);
    if (vista.mano == 3) return terceraManoDeducida(e, e.TantoCantadoJugador);
    return {};
}

std::optional<RespuestaTruco> ResponderConDeduccion(const VistaTruco& vista, int deducida, int slotA, int slotB) {
    if (deducida == SinDeducir) return std::nullopt;
    const Estado& e = vista.estado;
    const int a = clase(e, slotA);
    const bool ganoPrimera = e.ResultadoManos[1] == ResultadoMano::Computadora;
    if (vista.mano == 2) {
        if (!ganoPrimera) return std::nullopt;
        const int b = clase(e, slotB);
        const bool acepta =
            deducida <= PorDeduccion.unaBasta ? (a < deducida || b < deducida) : (a < deducida && b < deducida);
        if (acepta) return RespuestaTruco::QuieroLoCantado;
        return std::nullopt;
    }
    if (vista.mano != 3) return std::nullopt;
    if (a < deducida || (a == deducida && ganoPrimera)) return RespuestaTruco::QuieroLoCantado;
    return RespuestaTruco::NoQuieroLoCantado;
}

DecisionTruco ResponderTruco(const VistaTruco& vista, NivelTruco llamada, Azar& azar) {
    return Respondedor(vista, azar).responder(llamada);
}

bool RechazoLeDaElJuego(const Estado& e) { return e.PuntosJugador + puntosSegurosDelJugador(e) >= e.PuntosJuego; }

// Its call is refused for the points of the level below, which is the level's number.
bool PuedeCantarTruco(const Estado& e, NivelTruco nivel) {
    return e.PuntosComputadora < e.PuntosJuego - static_cast<int>(nivel);
}

}  // namespace naipalia
