// The computer's turn: which card it plays in each hand, when it calls, and when it
// would rather go to the deck.
#include <algorithm>

#include "game/operacion.h"
#include "game/tanto.h"
#include "shell/juego.h"
#include "shell/naipalia.h"

namespace naipalia {

namespace {

int clase(const Estado& e, int slot) { return JerarquiaTruco(e.carta(slot)); }

// The stronger or weaker of two slots; equal classes go to the slot given for ties.
int masFuerte(const Estado& e, int a, int b, int empate) {
    return clase(e, a) < clase(e, b) ? a : clase(e, b) < clase(e, a) ? b : empate;
}
int masDebil(const Estado& e, int a, int b, int empate) {
    return clase(e, a) > clase(e, b) ? a : clase(e, b) > clase(e, a) ? b : empate;
}

}  // namespace

void Naipalia::JugadaComputadora() {
    switch (ManoActual) {
    case 1: jugarMano1(); break;
    case 2: jugarMano2(); break;
    default: jugarMano3(); break;
    }
}

// After every truco call the computer makes: a refusal or the end of the game ends its turn.
bool Naipalia::cantoTerminoTurno() const { return e.TrucoRechazado || e.FinJuego; }

// One step up the truco chain, when the computer holds the right to it.
bool Naipalia::escalarTruco() {
    if (e.QuienTruco.empty() && e.EstadoTruco == Nada) CantarTrucoComputadora();
    else if (e.QuienTruco == Computadora && e.EstadoTruco == "Truco") CantarRetrucoComputadora();
    else if (e.EstadoTruco == "Re-Truco" && e.QuienTruco == Computadora) CantarVale4Computadora();
    else return false;
    return cantoTerminoTurno();
}

void Naipalia::jugarMano1() {
    if (e.PosicionCompu[1] != 0) {
        ResolverMano();
        return;
    }
    if (MazoPendiente) {
        IrseAlMazoComputadora();
        avisarTurno();
        return;
    }

    const bool jugadorJugo = e.JerarquiaJugador[1] != SinJugar;
    if (MismoPalo(e.carta(4), e.carta(5), e.carta(6)) && MenuFlorOpcion(1).Checked() && e.EstadoFlor == Nada &&
        e.EnvidoQuerido == Nada && e.QuienEnvido == Nada) {
        if (!jugadorJugo) {
            CantarFlorComputadora();
        } else {
            Operacion::ReproducirVoz(juego, "Flor");
            juego.mensaje("Flor!!", Icono::Exclamacion);
            e.QuienFlor = Computadora;
            e.EstadoFlor = "Flor";
            if (puntosComputadora() + 3 >= e.PuntosJuego) Operacion::AvisoFinalPorPuntos(juego);
            if (e.FinJuego) return;
            Operacion::CerrarCantosMesa(juego);
        }
    } else if (e.EstadoFlor == Nada && e.EnvidoQuerido == Nada && e.QuienEnvido == Nada && e.EstadoTruco == Nada) {
        DecidirEnvidoComputadora(false);
    }
    if (e.FinJuego) return;

    const int c4 = clase(e, 4), c5 = clase(e, 5), c6 = clase(e, 6);
    const int fuertes = (c4 <= 3) + (c5 <= 3) + (c6 <= 3);
    const bool cantar = e.TantoPrimero ||
                        (e.QuienTruco.empty() && e.EstadoTruco == Nada &&
                         ((c4 >= 10 && c5 >= 10 && c6 >= 10 && juego.azar() < 0.5) || fuertes >= 2));
    if (cantar) {
        if (e.QuienEnvido == Nada && !jugadorJugo && e.EstadoFlor == Nada) {
            if (CantarTrucoTantoPrimero()) return;
        } else {
            e.TantoPrimero = false;
            e.TrucoCantadoEnJugada = true;
            CantarTrucoComputadora();
            e.TrucoCantadoEnJugada = false;
            if (e.TrucoRechazadoEnJugada || e.FinJuego) return;
        }
    }

    if (jugadorJugo) responderMano1();
    else abrirMano1();
}

void Naipalia::responderMano1() {
    const int p = e.JerarquiaJugador[1];
    int ganadoras[3], empates[3];
    int g = 0, t = 0;
    for (int s = 4; s <= 6; ++s) {
        if (clase(e, s) < p) ganadoras[g++] = s;
        if (clase(e, s) == p) empates[t++] = s;
    }
    int slot = 0;
    if (g == 1) {
        if (t > 0) slot = empates[0];
        else if (clase(e, ganadoras[0]) > 2 && juego.azar() < 0.2) slot = ganadoras[0];
    } else if (g == 2) {
        slot = (t == 1 && juego.azar() < 0.2) ? empates[0] : masDebil(e, ganadoras[0], ganadoras[1], ganadoras[0]);
    } else if (g == 3) {
        if (e.EstadoTruco == Nada && e.QuienTruco.empty() &&
            std::min({clase(e, 4), clase(e, 5), clase(e, 6)}) <= 4) {
            CantarTrucoComputadora();
            if (cantoTerminoTurno()) return;
        }
    }
    if (slot == 0) slot = Operacion::SlotMasDebil(e);
    Operacion::JugarCartaPrimeraMano(juego, slot);
    ResolverMano();
}

void Naipalia::abrirMano1() {
    const int c[3] = {clase(e, 4), clase(e, 5), clase(e, 6)};
    const bool unaBuena = std::any_of(c, c + 3, [](int x) { return x >= 2 && x <= 4; });
    const auto bajas = std::count_if(c, c + 3, [](int x) { return x < 10; });
    const auto fuertes = std::count_if(c, c + 3, [](int x) { return x <= 3; });
    if (unaBuena && bajas <= 1) {
        for (int s = 4; s <= 6; ++s) {
            if (clase(e, s) <= 4) {
                Operacion::JugarCartaPrimeraMano(juego, s);
                break;
            }
        }
    } else if (fuertes >= 2) {
        Operacion::JugarCartaMasBaja(juego);
    } else {
        int medio = 4;
        for (int i = 0; i < 3; ++i) {
            const int a = c[(i + 1) % 3], b = c[(i + 2) % 3];
            if (c[i] >= std::min(a, b) && c[i] <= std::max(a, b)) {
                medio = 4 + i;
                break;
            }
        }
        const bool jugarMedio = clase(e, medio) <= 5 || juego.azar() < 0.2;
        Operacion::JugarCartaPrimeraMano(juego, jugarMedio ? medio : Operacion::SlotMasDebil(e));
    }
    ResolverMano();
}

void Naipalia::jugarMano2() {
    if (e.PosicionCompu[2] != 0) {
        ResolverMano();
        return;
    }
    int slots[3];
    Operacion::SlotsSinJugar(e, slots);
    const int a = slots[0], b = slots[1];
    const std::string& primera = TextoMano(1).Text();
    int slot = 0;

    if (e.JerarquiaJugador[2] != SinJugar) {
        const int p = e.JerarquiaJugador[2];
        const bool ganaA = clase(e, a) < p, ganaB = clase(e, b) < p;
        if (primera != Iguales) {
            slot = ganaA != ganaB ? (ganaA ? a : b) : masDebil(e, a, b, b);
        } else {
            if (p != 13 && (ganaA || ganaB)) {
                if (escalarTruco()) return;
            } else if (p != 13) {
                if (e.QuienTruco.empty() && e.EstadoTruco == Nada && p >= 9 && juego.azar() < 0.8) {
                    CantarTrucoComputadora();
                    if (cantoTerminoTurno()) return;
                }
                if (e.QuienTruco == Computadora && e.EstadoTruco == "Truco" && p >= 8 && juego.azar() < 0.8) {
                    CantarRetrucoComputadora();
                    if (cantoTerminoTurno()) return;
                }
            }
            if (clase(e, a) > p && clase(e, b) > p && juego.azar() < 0.5) {
                IrseAlMazoComputadora();
                avisarTurno();
                return;
            }
            slot = masFuerte(e, a, b, b);
        }
    } else if (primera == Computadora) {
        const bool ambasMedias = clase(e, a) >= 5 && clase(e, a) <= 9 && clase(e, b) >= 5 && clase(e, b) <= 9;
        if (e.QuienTruco.empty() && e.EstadoTruco == Nada && !ambasMedias) {
            CantarTrucoComputadora();
            if (cantoTerminoTurno()) return;
        }
        const int fuerte = masFuerte(e, a, b, a);
        slot = (e.EstadoTruco == "Truco" && clase(e, fuerte) > 3) ? fuerte : masDebil(e, a, b, a);
    } else {
        if (e.QuienTruco.empty() && e.EstadoTruco == Nada && (clase(e, a) <= 5 || clase(e, b) <= 5)) {
            CantarTrucoComputadora();
            if (cantoTerminoTurno()) return;
        }
        slot = masFuerte(e, a, b, a);
    }
    Operacion::JugarCartaSegundaMano(juego, slot);
    ResolverMano();
}

void Naipalia::jugarMano3() {
    if (e.PosicionCompu[3] != 0) {
        ResolverMano();
        return;
    }
    int slots[3];
    Operacion::SlotsSinJugar(e, slots);
    const int s = slots[0];
    const int cs = clase(e, s);
    const bool ganoPrimeraCompu = TextoMano(1).Text() == Computadora;
    const bool ganoPrimeraJugador = TextoMano(1).Text() == e.NombreJugador;
    const int p = e.JerarquiaJugador[3];

    if (p == SinJugar) {
        DeducirCartaJugador();
        const int d = JerarquiaDeducidaJugador;
        if (d == SinDeducir) {
            if (e.QuienTruco.empty() && e.EstadoTruco == Nada && cs <= 5) {
                CantarTrucoComputadora();
                if (cantoTerminoTurno()) return;
            } else if (e.QuienTruco == Computadora && e.EstadoTruco == "Truco" && cs <= 4) {
                CantarRetrucoComputadora();
                if (cantoTerminoTurno()) return;
            }
        } else if (cs < d || (cs == d && ganoPrimeraCompu)) {
            if (escalarTruco()) return;
        } else if (e.EstadoTruco == Nada && e.QuienTruco.empty() && d >= 9) {
            CantarTrucoComputadora();
            if (cantoTerminoTurno()) return;
        } else if (e.QuienTruco == Computadora && e.EstadoTruco == "Truco" && d >= 8 && juego.azar() < 0.5) {
            CantarRetrucoComputadora();
            if (cantoTerminoTurno()) return;
        }
    } else {
        JerarquiaDeducidaJugador = SinDeducir;
        if (p != 13) {
            if (cs < p || (cs == p && ganoPrimeraCompu)) {
                if (escalarTruco()) return;
            } else if (e.QuienTruco.empty() && e.EstadoTruco == Nada && (p >= 8 || (p >= 6 && juego.azar() < 0.5))) {
                CantarTrucoComputadora();
                if (cantoTerminoTurno()) return;
            } else if (e.QuienTruco == Computadora && e.EstadoTruco == "Truco" &&
                       (p >= 7 || (p >= 6 && juego.azar() < 0.7))) {
                CantarRetrucoComputadora();
                if (cantoTerminoTurno()) return;
            } else if (e.EstadoTruco == "Re-Truco" && e.QuienTruco == Computadora &&
                       (p >= 6 || (p >= 5 && juego.azar() < 0.4))) {
                CantarVale4Computadora();
                if (cantoTerminoTurno()) return;
            }
        }
    }

    const int d = JerarquiaDeducidaJugador;
    const bool alMazo = (d != SinDeducir && (d < cs || (d == cs && ganoPrimeraJugador))) ||
                        (ganoPrimeraJugador && p == cs && juego.azar() < 0.75) || (p != SinJugar && p < cs);
    if (alMazo) {
        IrseAlMazoComputadora();
        avisarTurno();
        return;
    }
    Operacion::JugarCartaComputadora(juego, 3, s);
    ResolverMano();
}

}  // namespace naipalia
