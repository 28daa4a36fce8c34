#include "opponent/decision_envido.h"

#include <algorithm>
#include <optional>
#include <span>

namespace naipalia {

namespace {

using R = RespuestaEnvido;

// A band of the computer's tanto, up to `hasta`. With a draw (`azar` > 0) the answer is
// `si` when the draw falls below it and the player needs more than `faltanMasDe` points
// (the draw is taken first, whatever the score); without one, `si` when he needs more
// than `faltanMasDe` (0: always). Otherwise `no`.
struct Banda {
    int hasta;
    R si;
    R no;
    double azar = 0;
    int faltanMasDe = 0;
};

// The player calls freely: at least four rounds, calls in `decimos` tenths of them.
struct Seguido {
    int decimos;
    int faltanMasDe;  // and he needs more than this many points (0: whatever the score)
    int desde = 0;    // the computer's tanto in this range
    int hasta = 33;
};

// One call's answers: rule A (apurando, accept), rule B (facilmente, its bands), rule C.
struct ReglaLlamada {
    std::optional<Seguido> apurando;
    Seguido facilmente;
    std::span<const Banda> bandasFacilmente;
    std::span<const Banda> bandas;
};

constexpr Banda EnvidoFacilmente[] = {
    {.hasta = 5, .si = R::PorPuntos, .no = R::PorPuntos},
    {.hasta = 20, .si = R::SubeReal, .no = R::PorPuntos, .azar = 0.3, .faltanMasDe = 5},
    {.hasta = 27, .si = R::Quiero, .no = R::Quiero},
    {.hasta = 31, .si = R::SubeReal, .no = R::SubeReal},
    {.hasta = 33, .si = R::SubeFalta, .no = R::SubeReal, .faltanMasDe = 5},
};
constexpr Banda Envido[] = {
    {.hasta = 5, .si = R::PorPuntos, .no = R::PorPuntos},
    {.hasta = 22, .si = R::SubeReal, .no = R::PorPuntos, .azar = 0.2, .faltanMasDe = 5},
    {.hasta = 28, .si = R::SubeReal, .no = R::Quiero, .azar = 0.25, .faltanMasDe = 5},
    {.hasta = 31, .si = R::SubeReal, .no = R::SubeReal},
    {.hasta = 33, .si = R::SubeFalta, .no = R::SubeReal, .faltanMasDe = 5},
};
constexpr Banda RealEnvidoFacilmente[] = {
    {.hasta = 19, .si = R::PorPuntos, .no = R::PorPuntos},
    {.hasta = 22, .si = R::Quiero, .no = R::PorPuntos, .azar = 0.7, .faltanMasDe = 3},
    {.hasta = 30, .si = R::Quiero, .no = R::Quiero},
    {.hasta = 33, .si = R::SubeFalta, .no = R::Quiero, .faltanMasDe = 3},
};
constexpr Banda RealEnvido[] = {
    {.hasta = 24, .si = R::PorPuntos, .no = R::PorPuntos},
    {.hasta = 27, .si = R::Quiero, .no = R::PorPuntos, .azar = 0.3},
    {.hasta = 30, .si = R::Quiero, .no = R::Quiero},
    {.hasta = 33, .si = R::SubeFalta, .no = R::Quiero, .faltanMasDe = 3},
};
constexpr Banda FaltaEnvidoFacilmente[] = {
    {.hasta = 19, .si = R::PorPuntos, .no = R::PorPuntos},
    {.hasta = 26, .si = R::Quiero, .no = R::PorPuntos, .azar = 0.7},
    {.hasta = 33, .si = R::Quiero, .no = R::Quiero},
};
constexpr Banda FaltaEnvido[] = {
    {.hasta = 25, .si = R::PorPuntos, .no = R::PorPuntos},
    {.hasta = 29, .si = R::Quiero, .no = R::PorPuntos, .azar = 0.5},
    {.hasta = 33, .si = R::Quiero, .no = R::Quiero},
};

constexpr ReglaLlamada ReglaEnvido{
    .apurando = Seguido{.decimos = 9, .faltanMasDe = 2, .desde = 7, .hasta = 21},
    .facilmente = {.decimos = 6, .faltanMasDe = 2},
    .bandasFacilmente = EnvidoFacilmente,
    .bandas = Envido,
};
constexpr ReglaLlamada ReglaRealEnvido{
    .apurando = Seguido{.decimos = 9, .faltanMasDe = 3, .desde = 7, .hasta = 27},
    .facilmente = {.decimos = 6, .faltanMasDe = 3},
    .bandasFacilmente = RealEnvidoFacilmente,
    .bandas = RealEnvido,
};
constexpr ReglaLlamada ReglaFaltaEnvido{
    .apurando = Seguido{.decimos = 8, .faltanMasDe = 0, .desde = 20},
    .facilmente = {.decimos = 6, .faltanMasDe = 0},
    .bandasFacilmente = FaltaEnvidoFacilmente,
    .bandas = FaltaEnvido,
};

// The player's raises in the Tanto dialog: accepted or left to the score rule.
constexpr Banda EnvidoEnvidoFacilmente[] = {
    {.hasta = 24, .si = R::Quiero, .no = R::PorPuntos, .azar = 0.5, .faltanMasDe = 4},
    {.hasta = 33, .si = R::Quiero, .no = R::Quiero},
};
constexpr Banda EnvidoEnvido[] = {
    {.hasta = 26, .si = R::Quiero, .no = R::PorPuntos, .azar = 0.4, .faltanMasDe = 4},
    {.hasta = 33, .si = R::Quiero, .no = R::Quiero},
};
constexpr Banda EnvidoRealEnvidoFacilmente[] = {
    {.hasta = 25, .si = R::Quiero, .no = R::PorPuntos, .azar = 0.6, .faltanMasDe = 5},
    {.hasta = 33, .si = R::Quiero, .no = R::Quiero},
};
constexpr Banda EnvidoRealEnvido[] = {
    {.hasta = 27, .si = R::Quiero, .no = R::PorPuntos, .azar = 0.3, .faltanMasDe = 5},
    {.hasta = 33, .si = R::Quiero, .no = R::Quiero},
};
constexpr Banda FaltaDelDialogoFacilmente[] = {
    {.hasta = 24, .si = R::PorPuntos, .no = R::PorPuntos},
    {.hasta = 33, .si = R::Quiero, .no = R::Quiero},
};
constexpr Banda FaltaDelDialogo[] = {
    {.hasta = 28, .si = R::PorPuntos, .no = R::PorPuntos},
    {.hasta = 33, .si = R::Quiero, .no = R::Quiero},
};

constexpr ReglaLlamada ReglaEnvidoEnvido{
    .apurando = Seguido{.decimos = 9, .faltanMasDe = 4, .desde = 7, .hasta = 26},
    .facilmente = {.decimos = 6, .faltanMasDe = 4},
    .bandasFacilmente = EnvidoEnvidoFacilmente,
    .bandas = EnvidoEnvido,
};
constexpr ReglaLlamada ReglaEnvidoRealEnvido{
    .apurando = Seguido{.decimos = 9, .faltanMasDe = 5, .desde = 7, .hasta = 27},
    .facilmente = {.decimos = 6, .faltanMasDe = 5},
    .bandasFacilmente = EnvidoRealEnvidoFacilmente,
    .bandas = EnvidoRealEnvido,
};
// The falta's own "apurando" counts the dialogs instead: see FaltaApurada.
constexpr ReglaLlamada ReglaFaltaDelDialogo{
    .apurando = std::nullopt,
    .facilmente = {.decimos = 6, .faltanMasDe = 0},
    .bandasFacilmente = FaltaDelDialogoFacilmente,
    .bandas = FaltaDelDialogo,
};

// A player who calls falta in more than this share of at least this many dialogs.
constexpr struct {
    int porciento = 35;
    int dialogos = 5;
} FaltaApuradaDelDialogo;

// The history's answer by the computer's chance, in single precision as written.
constexpr struct {
    float rechaza = 0.15f;  // below: refuse (an envido is raised on a lucky draw)
    double subeRealSinChance = 0.25;
    float duda = 0.35f;  // up to: accept on a draw
    double quiereEnDuda = 0.5;
    float quiere = 0.65f;     // up to: accept
    float subeReal = 0.85f;   // up to: an envido is raised to real envido
    int faltaTrasEnvido = 2;  // above: falta when the player needs more than these points
    int faltaTrasRealEnvido = 3;
} BandasRecuerdos;

constexpr int RondasParaSeguido = 4;
constexpr int DecimosFacilmenteRecuerdos = 6;
constexpr int FaltanParaQuejaRecuerdos = 2;

// Opening on its own turn, by bands of its tanto.
constexpr struct {
    int callaHasta = 4;  // never a call up to this tanto
    // Middling tanto, after the player's card: called half-blind on a draw below `aCiegas`,
    // falta on a second draw below `faltaACiegas`, else real envido.
    int medioHasta = 25;
    double aCiegas = 0.6;
    double faltaACiegas = 0.5;
    // Middling tanto, leading: up to `flojoHasta` envido on a draw below `flojo` against a
    // player who calls freely (`decimosFlojo` tenths) and needs more than `faltanFlojo`;
    // above, envido on a draw below `medio`.
    int flojoHasta = 19;
    double flojo = 0.3;
    int decimosFlojo = 6;
    int faltanFlojo = 2;
    double medio = 0.5;
    // Up to `dudaHasta`: envido after his card, or leading on a draw below `duda`.
    int dudaHasta = 26;
    double duda = 0.7;
    // Up to `envidoHasta`: envido, but as mano it keeps quiet on a draw below `callaSiendoMano`.
    int envidoHasta = 28;
    double callaSiendoMano = 0.2;
    int realHasta = 30;  // up to: real envido
    // Above: on a draw below `fuerte`, falta when the player needs more than
    // `faltanParaFalta` (else real envido); otherwise envido, to be raised.
    double fuerte = 0.7;
    int faltanParaFalta = 3;
} Apertura;

int faltanAlJugador(const VistaEnvido& v) { return v.puntosJuego - v.puntosJugador; }

bool cantaSeguido(const VistaEnvido& v, int decimos) {
    return v.rondasJugadas >= RondasParaSeguido && v.envidosCantados * 10 >= decimos * v.rondasJugadas;
}

bool aplica(const Seguido& s, const VistaEnvido& v) {
    return cantaSeguido(v, s.decimos) && v.tantoCompu >= s.desde && v.tantoCompu <= s.hasta &&
           (s.faltanMasDe == 0 || faltanAlJugador(v) > s.faltanMasDe);
}

R porBandas(std::span<const Banda> bandas, const VistaEnvido& v, Azar& azar) {
    auto b = std::find_if(bandas.begin(), bandas.end(), [&](const Banda& x) { return v.tantoCompu <= x.hasta; });
    if (b == bandas.end()) b = bandas.end() - 1;
    const bool suerte = b->azar == 0 || azar.siguiente() < b->azar;
    const bool lejos = b->faltanMasDe == 0 || faltanAlJugador(v) > b->faltanMasDe;
    return suerte && lejos ? b->si : b->no;
}

DecisionEnvido responder(const ReglaLlamada& regla, const VistaEnvido& v, Azar& azar) {
    if (regla.apurando && aplica(*regla.apurando, v)) return {Queja::Apurando, R::Quiero};
    if (aplica(regla.facilmente, v)) return {Queja::Facilmente, porBandas(regla.bandasFacilmente, v, azar)};
    return {Queja::Ninguna, porBandas(regla.bandas, v, azar)};
}

using A = AperturaEnvido;

A abrirConTantoMedio(const VistaApertura& v, Azar& azar) {
    const auto& a = Apertura;
    if (v.jugadorJugo) {
        if (azar.siguiente() >= a.aCiegas) return A::Ninguna;
        return azar.siguiente() < a.faltaACiegas ? A::FaltaEnvido : A::RealEnvido;
    }
    if (v.envido.tantoCompu > a.flojoHasta) return azar.siguiente() < a.medio ? A::Envido : A::Ninguna;
    const bool suerte = azar.siguiente() < a.flojo;  // drawn first, whatever the rest
    const bool provoca = cantaSeguido(v.envido, a.decimosFlojo) && faltanAlJugador(v.envido) > a.faltanFlojo;
    return suerte && provoca ? A::Envido : A::Ninguna;
}

A abrirConTantoFuerte(const VistaApertura& v, Azar& azar) {
    const auto& a = Apertura;
    if (azar.siguiente() >= a.fuerte) return A::Envido;
    return faltanAlJugador(v.envido) > a.faltanParaFalta ? A::FaltaEnvido : A::RealEnvido;
}

}  // namespace

AperturaEnvido AbrirEnvido(const VistaApertura& v, Azar& azar) {
    const auto& a = Apertura;
    const int t = v.envido.tantoCompu;
    if (t <= a.callaHasta) return A::Ninguna;
    if (t <= a.medioHasta) return abrirConTantoMedio(v, azar);
    if (t <= a.dudaHasta) return v.jugadorJugo || azar.siguiente() < a.duda ? A::Envido : A::Ninguna;
    if (t <= a.envidoHasta) return v.computadoraEsMano && azar.siguiente() < a.callaSiendoMano ? A::Ninguna : A::Envido;
    if (t <= a.realHasta) return A::RealEnvido;
    return abrirConTantoFuerte(v, azar);
}

VistaEnvido VistaEnvidoDe(const Estado& e) {
    return {.tantoCompu = e.TantoCompu,
            .puntosJugador = e.PuntosJugador,
            .puntosComputadora = e.PuntosComputadora,
            .puntosJuego = e.PuntosJuego,
            .rondasJugadas = e.RondasJugadas,
            .envidosCantados = e.EnvidosCantadosJugador};
}

DecisionEnvido ResponderEnvidoDeMesa(Cadena llamada, const VistaEnvido& v, Azar& azar) {
    if (llamada == Cadena::RealEnvido) return responder(ReglaRealEnvido, v, azar);
    if (llamada == Cadena::FaltaEnvido) return responder(ReglaFaltaEnvido, v, azar);
    return responder(ReglaEnvido, v, azar);
}

DecisionEnvido ResponderSubidaDelDialogo(Cadena subida, const VistaEnvido& v, Azar& azar) {
    if (subida == Cadena::EnvidoEnvido) return responder(ReglaEnvidoEnvido, v, azar);
    if (subida == Cadena::EnvidoRealEnvido) return responder(ReglaEnvidoRealEnvido, v, azar);
    return responder(ReglaFaltaDelDialogo, v, azar);
}

bool FaltaApurada(int vecesFalta, int vecesDialogo) {
    const auto& f = FaltaApuradaDelDialogo;
    return vecesFalta * 100 > f.porciento * vecesDialogo && vecesDialogo >= f.dialogos;
}

PorPuntos ResponderPorPuntos(Cadena cadena, const VistaEnvido& v) {
    const int s = v.puntosJugador, t = v.puntosJuego;
    const bool computadoraNecesitaUno = t - v.puntosComputadora < 2;
    const bool falta = EsCadenaFalta(cadena);
    if (s >= t - PuntosEnvidoNoQuerido(cadena)) return PorPuntos::QuieroSiNoGanas;
    if (falta && computadoraNecesitaUno) return PorPuntos::QuieroEsUnPunto;
    if (computadoraNecesitaUno) return PorPuntos::SubeFaltaEsUnPunto;
    return PorPuntos::NoQuiero;
}

RespuestaEnvido ResponderPorRecuerdos(Cadena llamada, float chance, const VistaEnvido& v, Azar& azar) {
    const auto& b = BandasRecuerdos;
    const bool envido = llamada == Cadena::Envido;
    if (chance < b.rechaza) return envido && azar.siguiente() < b.subeRealSinChance ? R::SubeReal : R::NoQuiero;
    if (chance <= b.duda) return azar.siguiente() < b.quiereEnDuda ? R::Quiero : R::NoQuiero;
    if (chance <= b.quiere) return R::Quiero;
    if (chance <= b.subeReal) return envido ? R::SubeReal : R::Quiero;
    if (envido && faltanAlJugador(v) > b.faltaTrasEnvido) return R::SubeFalta;
    if (llamada == Cadena::RealEnvido && faltanAlJugador(v) > b.faltaTrasRealEnvido) return R::SubeFalta;
    return R::Quiero;
}

bool QuejaPorRecuerdos(const VistaEnvido& v) {
    return cantaSeguido(v, DecimosFacilmenteRecuerdos) && faltanAlJugador(v) > FaltanParaQuejaRecuerdos;
}

PorPuntos RechazoPorRecuerdos(Cadena cadena, const VistaEnvido& v) {
    const bool computadoraNecesitaUno = v.puntosJuego - v.puntosComputadora < 2;
    if (faltanAlJugador(v) == 1) return PorPuntos::QuieroTeFaltaUnPunto;
    if (cadena == Cadena::FaltaEnvido && computadoraNecesitaUno) return PorPuntos::QuieroEsUnPunto;
    if (computadoraNecesitaUno) return PorPuntos::SubeFaltaEsUnPunto;
    return PorPuntos::NoQuiero;
}

}  // namespace naipalia
