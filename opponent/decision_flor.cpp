#include "opponent/decision_flor.h"

#include <algorithm>
#include <span>

#include "game/tanto.h"

namespace naipalia {

namespace {

using R = RespuestaFlor;

// A band of the computer's flor, up to `hasta`: `si` when a draw falls below `azar`
// (always when there is none), else `no`.
struct Banda {
    int hasta;
    R si;
    R no;
    double azar = 0;
};

// A poor flor of low cards against a player far from winning is not worth the round.
constexpr struct {
    int hasta = 22;
    int claseBaja = 10;  // every card of this class or weaker
    int faltanAlMenos = 5;
} FlorPobre;

constexpr Banda AnteSuFlor[] = {
    {.hasta = 22, .si = R::Achico, .no = R::Achico},
    {.hasta = 24, .si = R::Juego, .no = R::Achico, .azar = 0.3},
    {.hasta = 29, .si = R::Juego, .no = R::Achico, .azar = 0.8},
    {.hasta = 35, .si = R::Juego, .no = R::Contra, .azar = 0.7},
    {.hasta = 38, .si = R::Contra, .no = R::Contra},
};
constexpr Banda AnteSuFlorJuego[] = {
    {.hasta = 24, .si = R::ContraResto, .no = R::NoQuiero, .azar = 0.1},
    {.hasta = 32, .si = R::Quiero, .no = R::NoQuiero, .azar = 0.5},
    {.hasta = 35, .si = R::Quiero, .no = R::ContraResto, .azar = 0.5},
    {.hasta = 38, .si = R::ContraResto, .no = R::ContraResto},
};
constexpr Banda AnteSuContraFlor[] = {
    {.hasta = 29, .si = R::NoQuiero, .no = R::NoQuiero},
    {.hasta = 35, .si = R::Quiero, .no = R::NoQuiero, .azar = 0.35},
    {.hasta = 38, .si = R::Quiero, .no = R::Quiero},
};

R porBandas(std::span<const Banda> bandas, int flor, Azar& azar) {
    auto b = std::find_if(bandas.begin(), bandas.end(), [flor](const Banda& x) { return flor <= x.hasta; });
    if (b == bandas.end()) b = bandas.end() - 1;
    return b->azar == 0 || azar.siguiente() < b->azar ? b->si : b->no;
}

}  // namespace

RespuestaFlor ResponderFlor(const VistaFlor& v, Azar& azar) {
    const auto& p = FlorPobre;
    const bool bajas = std::all_of(v.clases.begin(), v.clases.end(), [&](int c) { return c >= p.claseBaja; });
    if (v.florCompu <= p.hasta && bajas && v.puntosJuego - v.puntosJugador >= p.faltanAlMenos) return R::Mazo;
    return porBandas(AnteSuFlor, v.florCompu, azar);
}

RespuestaFlor ResponderFlorJuego(const VistaFlor& v, Azar& azar) {
    return porBandas(AnteSuFlorJuego, v.florCompu, azar);
}

RespuestaFlor ResponderContraFlor(const VistaFlor& v, Azar& azar) {
    return porBandas(AnteSuContraFlor, v.florCompu, azar);
}

namespace {

// Three cards of one suit in a game with flor, and no flor sung nor envido accepted yet.
bool FlorPorCantar(const Estado& e, bool conFlor) {
    return conFlor && e.EstadoFlor == NivelFlor::Nada && e.EnvidoQuerido == Cadena::Nada &&
           MismoPalo(e.carta(4), e.carta(5), e.carta(6));
}

}  // namespace

bool FlorAnteEnvido(const Estado& e, Cadena cadena, bool conFlor) {
    return FlorPorCantar(e, conFlor) && (cadena == Cadena::Envido ? e.QuienFlor : e.QuienEnvido) == Lado::Nadie;
}

bool CantaFlor(const Estado& e, bool conFlor) { return FlorPorCantar(e, conFlor) && e.QuienEnvido == Lado::Nadie; }

}  // namespace naipalia
