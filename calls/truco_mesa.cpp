// The player's truco from the table: his truco, retruco and vale 4 with the computer's
// answer to each, hand by hand; his going to the deck; his answers in the two truco
// dialogs.
#include <functional>

#include "calls/canto_trucos.h"
#include "calls/cantos.h"
#include "calls/truco_tanto_primero.h"
#include "game/tanto.h"
#include "opponent/computadora.h"
#include "round/ronda.h"
#include "shell/naipalia.h"
#include "shell/operacion.h"

namespace naipalia {

namespace {

constexpr int Cuatro = 13;  // the class of the fours, against which nothing is called

}  // namespace

void Cantos::vincularTruco() {
    n.BotonTruco.Click = [this] { BotonTruco_Click(); };
    n.BotonRetruco.Click = [this] { BotonRetruco_Click(); };
    n.BotonVale4.Click = [this] { BotonVale4_Click(); };
    n.BotonMazo.Click = [this] { BotonMazo_Click(); };
    // Both dialogs wait for an answer: their close buttons do nothing.
    const auto sinCerrar = [](int& cancelar, bool porElUsuario) { cancelar = porElUsuario ? 1 : 0; };
    auto& ct = cantoTrucos;
    ct.Load = [this] { CantoTrucos_Load(); };
    ct.QueryUnload = sinCerrar;
    ct.BotonQuiero.Click = [this] { CantoTrucos_BotonQuiero_Click(); };
    ct.BotonNoQuiero.Click = [this] { CantoTrucos_BotonNoQuiero_Click(); };
    ct.BotonReCanto.Click = [this] { CantoTrucos_BotonReCanto_Click(); };
    auto& tp = trucoTantoPrimero;
    tp.Load = [this] { TrucoTantoPrimero_Load(); };
    tp.QueryUnload = sinCerrar;
    tp.BotonSi.Click = [this] { TrucoTantoPrimero_BotonSi_Click(); };
    tp.BotonNo.Click = [this] { TrucoTantoPrimero_BotonNo_Click(); };
    tp.BotonPrimeroTanto.Click = [this] { TrucoTantoPrimero_BotonPrimeroTanto_Click(); };
    tp.BotonRetruco.Click = [this] { TrucoTantoPrimero_BotonRetruco_Click(); };
}

int Cantos::clase(int slot) const { return JerarquiaTruco(e.carta(slot)); }

bool Cantos::par(std::initializer_list<int> slots, int x, int y) const {
    for (int a : slots)
        for (int b : slots)
            if (a != b && clase(a) <= x && clase(b) <= y) return true;
    return false;
}

// Hand 2, once the deduction did not answer: the same three cases for every call, each
// with its own thresholds. The computer's four, led after a tied hand 1, is no answer.
Cantos::Decision Cantos::decidirManoDos(int a, int b, const UmbralesManoDos& u,
                                         const std::function<bool()>& conElJugadorPrimero) {
    const ResultadoMano primera = e.ResultadoManos[1];
    const bool iguales = primera == ResultadoMano::Iguales;
    const auto alguna = [&](int c) { return clase(a) <= c || clase(b) <= c; };
    const auto segun = [](bool si) { return si ? Decision::Acepta : Decision::Rechaza; };
    if (primera == ResultadoMano::Computadora || (iguales && e.JerarquiaCompu[2] == SinJugar)) {
        const bool sorteo = op.azar() < u.sorteoGano;
        return segun((sorteo && alguna(u.conSorteoGano)) || alguna(u.seguroGano));
    }
    if (iguales) {
        if (e.JerarquiaCompu[2] == Cuatro) return Decision::Cuatro;
        const bool sorteo = op.azar() < u.sorteoIguales;
        return segun((sorteo && alguna(u.conSorteoIguales)) || alguna(u.seguroIguales));
    }
    return segun(conElJugadorPrimero());
}

// DeducirCartaJugador always runs just before the deduction's answer is tried.
bool Cantos::deduccionResponde(int slotA, int slotB) {
    computadora.DeducirCartaJugador();
    return computadora.ResponderConDeduccionComputadora(slotA, slotB);
}

void Cantos::rechazarLlamada() { computadora.NoQuieroTrucoComputadora(); }

void Cantos::responderLlamada(NivelTruco nivel, bool acepta) {
    if (acepta) computadora.QuieroTrucoComputadora(nivel);
    else rechazarLlamada();
}

void Cantos::contestar(Decision decision, NivelTruco nivel) {
    if (decision == Decision::Cuatro) computadora.AvisoCantoACuatro();
    else responderLlamada(nivel, decision == Decision::Acepta);
}

// The computer accepts the truco and at once calls retruco; the envido is over unless
// the call ended the round.
void Cantos::aceptaYSubeRetruco() {
    e.EstadoTruco = NivelTruco::Truco;
    e.QuienTruco = Lado::Computadora;
    n.BotonTruco.Enabled(false);
    const long reparto = ronda.Repartos;
    computadora.CantarRetrucoComputadora();
    if (!e.FinJuego && ronda.Repartos == reparto) op.CerrarCantosMesa();
}

void Cantos::BotonTruco_Click() { llamadaDeTruco(&Cantos::respuestaTruco); }
void Cantos::BotonRetruco_Click() { llamadaDeTruco(&Cantos::respuestaRetruco); }
void Cantos::BotonVale4_Click() { llamadaDeTruco(&Cantos::respuestaVale4); }

// The computer answers in the central window; the table prompt comes back unless the
// answer ended the round or the game.
void Cantos::llamadaDeTruco(void (Cantos::*respuesta)()) {
    ronda.refrescarSiPasoElTiempo();
    op.AvisoVentanaCentral();
    const long reparto = ronda.Repartos;
    (this->*respuesta)();
    if (!e.FinJuego && ronda.Repartos == reparto) op.AvisoTurnoJugador();
}

void Cantos::respuestaTruco() {
    if (e.EnvidoQuerido == Cadena::Nada && e.QuienEnvido == Lado::Nadie && e.EstadoFlor == NivelFlor::Nada &&
        e.JerarquiaCompu[1] == SinJugar)
        computadora.DecidirEnvidoComputadora(true);
    if (e.FinJuego) return;
    const int k = e.PuntosComputadora, t = e.PuntosJuego;
    const auto acepta = [this] {
        computadora.QuieroTrucoComputadora(NivelTruco::Truco);
        op.CerrarCantosMesa();
    };

    if (ronda.ManoActual == 1) {
        const int buenas = (clase(4) <= 4) + (clase(5) <= 4) + (clase(6) <= 4);
        if (buenas >= 2) {
            if (k < t - 2) aceptaYSubeRetruco();
            else acepta();
            return;
        }
        const int figuras = (clase(4) <= 9) + (clase(5) <= 9) + (clase(6) <= 9);
        if ((op.azar() < 0.4 && figuras >= 2) || par({4, 5, 6}, 5, 9)) acepta();
        else rechazarLlamada();
        return;
    }

    // A and B: the two slots the computer did not play in hand 1.
    const int p1 = e.PosicionCompu[1];
    const int a = p1 == 4 ? 5 : 4, b = p1 == 6 ? 5 : 6;
    const ResultadoMano primera = e.ResultadoManos[1];
    const bool ganoCompu = primera == ResultadoMano::Computadora, iguales = primera == ResultadoMano::Iguales;

    if (ronda.ManoActual == 2) {
        if (deduccionResponde(a, b)) return;
        const bool ganoLaPrimera = ganoCompu || (iguales && e.JerarquiaCompu[2] == SinJugar);
        switch (decidirManoDos(a, b, {0.4, 9, 6, 0.3, 11, 6}, [&] { return par({a, b}, 5, 8); })) {
        case Decision::Cuatro: computadora.AvisoCantoACuatro(); break;
        case Decision::Rechaza: rechazarLlamada(); break;
        case Decision::Acepta:
            // Having taken hand 1 or still to play hand 2, it may raise at once.
            if (ganoLaPrimera && op.azar() < 0.2 && k < t - 2) aceptaYSubeRetruco();
            else computadora.QuieroTrucoComputadora(NivelTruco::Truco);
            break;
        }
        return;
    }

    const int s = 15 - p1 - e.PosicionCompu[2];  // the last of slots 4, 5, 6
    if (e.JerarquiaCompu[3] == Cuatro) {
        computadora.AvisoCantoACuatro();
        return;
    }
    if (deduccionResponde(s, s)) return;
    const bool acepta3 = e.JerarquiaCompu[3] == SinJugar ? (op.azar() < 0.5 && clase(s) <= 9) || clase(s) <= 7
                                                          : (op.azar() < 0.4 && clase(s) <= 10) || clase(s) <= 7;
    if (acepta3) computadora.QuieroTrucoComputadora(NivelTruco::Truco);
    else rechazarLlamada();
}

void Cantos::respuestaRetruco() {
    const int k = e.PuntosComputadora, t = e.PuntosJuego;
    const auto acepta = [this](bool si) { responderLlamada(NivelTruco::ReTruco, si); };
    const ResultadoMano primera = e.ResultadoManos[1];
    const bool ganoCompu = primera == ResultadoMano::Computadora, iguales = primera == ResultadoMano::Iguales;

    if (ronda.ManoActual == 1) {
        const int j = e.JerarquiaJugador[1];
        if (j != SinJugar) {
            // Some card that holds the player's, and a partner for the rest.
            bool si = false, conSorteo = false;
            for (int z = 4; z <= 6; ++z)
                for (int y = 4; y <= 6; ++y)
                    if (y != z && clase(z) <= j) {
                        si = si || clase(y) <= 5;
                        conSorteo = conSorteo || clase(y) <= 6;
                    }
            acepta(si || (conSorteo && op.azar() < 0.5));
        } else {
            acepta(par({4, 5, 6}, 5, 4) || (par({4, 5, 6}, 5, 9) && op.azar() < 0.4));
        }
        return;
    }

    const int p1 = e.PosicionCompu[1];
    const int a = p1 == 4 ? 5 : 4, b = p1 == 6 ? 5 : 6;
    if (ronda.ManoActual == 2) {
        const int j2 = e.JerarquiaJugador[2];
        if (iguales && j2 != SinJugar) {
            if (clase(a) < j2 || clase(b) < j2) {
                if (k < t - 3 && j2 != Cuatro) computadora.QuieroRetrucoYVale4Computadora();
                else computadora.QuieroTrucoComputadora(NivelTruco::ReTruco);
            } else if (clase(a) == j2 || clase(b) == j2) {
                computadora.QuieroTrucoComputadora(NivelTruco::ReTruco);
            } else if (k < t - 3 && j2 >= 9) {
                computadora.QuieroRetrucoYVale4Computadora();
            } else {
                rechazarLlamada();
            }
            return;
        }
        if (deduccionResponde(a, b)) return;
        const auto elJugadorPrimero = [&] { return par({a, b}, 4, 5) || (op.azar() < 0.3 && par({a, b}, 5, 6)); };
        contestar(decidirManoDos(a, b, {0.4, 7, 5, 0.3, 10, 5}, elJugadorPrimero), NivelTruco::ReTruco);
        return;
    }

    const int s = 15 - p1 - e.PosicionCompu[2];
    if (e.JerarquiaCompu[3] == Cuatro) {
        computadora.AvisoCantoACuatro();
        return;
    }
    const int j3 = e.JerarquiaJugador[3];
    if (j3 != SinJugar) {
        if (clase(s) < j3 || (clase(s) == j3 && ganoCompu)) {
            if (k < t - 3) computadora.QuieroRetrucoYVale4Computadora();
            else computadora.QuieroTrucoComputadora(NivelTruco::ReTruco);
        } else if (k < t - 3 && j3 >= 9) {
            computadora.QuieroRetrucoYVale4Computadora();
        } else {
            rechazarLlamada();
        }
        return;
    }
    if (deduccionResponde(s, s)) return;
    acepta(e.JerarquiaCompu[3] != SinJugar ? (op.azar() < 0.5 && clase(s) <= 8) || clase(s) <= 5
                                           : (op.azar() < 0.6 && clase(s) <= 5) || clase(s) <= 4);
}

void Cantos::respuestaVale4() {
    const auto acepta = [this](bool si) { responderLlamada(NivelTruco::Vale4, si); };
    const ResultadoMano primera = e.ResultadoManos[1];
    const bool ganoCompu = primera == ResultadoMano::Computadora, iguales = primera == ResultadoMano::Iguales;

    if (ronda.ManoActual == 1) {
        const int j = e.JerarquiaJugador[1];
        if (j != SinJugar) {
            bool si = false;
            for (int z = 4; z <= 6; ++z)
                for (int y = 4; y <= 6; ++y) si = si || (y != z && clase(z) <= j && clase(y) <= 4);
            acepta(si);
        } else {
            acepta(par({4, 5, 6}, 2, 4));
        }
        return;
    }

    const int p1 = e.PosicionCompu[1];
    const int a = p1 == 4 ? 5 : 4, b = p1 == 6 ? 5 : 6;
    if (ronda.ManoActual == 2) {
        const int j2 = e.JerarquiaJugador[2];
        if (iguales && j2 != SinJugar) {
            acepta(clase(a) <= j2 || clase(b) <= j2);
            return;
        }
        if (deduccionResponde(a, b)) return;
        contestar(decidirManoDos(a, b, {0.5, 6, 3, 0.3, 9, 3}, [&] { return par({a, b}, 3, 4); }), NivelTruco::Vale4);
        return;
    }

    const int s = 15 - p1 - e.PosicionCompu[2];
    if (e.JerarquiaCompu[3] == Cuatro) {
        computadora.AvisoCantoACuatro();
        return;
    }
    const int j3 = e.JerarquiaJugador[3];
    if (j3 != SinJugar) {
        acepta(clase(s) < j3 || (clase(s) == j3 && ganoCompu));
        return;
    }
    if (deduccionResponde(s, s)) return;
    acepta(e.JerarquiaCompu[3] != SinJugar ? (op.azar() < 0.5 && clase(s) <= 7) || clase(s) <= 4
                                           : (op.azar() < 0.5 && clase(s) <= 5) || clase(s) <= 3);
}

// Folding before the computer played and with no envido or flor sung costs the envido too.
void Cantos::BotonMazo_Click() {
    ronda.refrescarSiPasoElTiempo();
    computadora.SubTrucoNoQueridoJugador();
    if (e.FinJuego) return;
    if (e.QuienEnvido == Lado::Nadie && e.QuienFlor == Lado::Nadie && e.JerarquiaCompu[1] == SinJugar)
        op.SumarPuntos(Lado::Computadora, ValorTruco(e.EstadoTruco) + 1);
    else ronda.SumarTrucoComputadora();
    e.rechazarTrucoDelJugador();
    ronda.SiguienteRonda();
}

void Cantos::QuieroTrucoJugador() {
    e.EstadoTruco = NivelTruco::Truco;
    e.QuienTruco = Lado::Jugador;
    n.BotonTruco.Enabled(false);
    n.BotonRetruco.Enabled(true);
    e.TrucoRecantado = false;
}

void Cantos::QuieroRetrucoJugador() {
    e.EstadoTruco = NivelTruco::ReTruco;
    e.QuienTruco = Lado::Jugador;
    n.BotonRetruco.Enabled(false);
    n.BotonVale4.Enabled(true);
    e.TrucoRecantado = false;
}

void Cantos::CantoTrucos_Load() {
    op.MostrarCara(cantoTrucos.Imagen);
    op.LimpiarTrucoRechazado();
}

void Cantos::CantoTrucos_BotonQuiero_Click() {
    switch (e.EstadoTruco) {
    case NivelTruco::Nada: QuieroTrucoJugador(); break;
    case NivelTruco::Truco: QuieroRetrucoJugador(); break;
    default:
        e.EstadoTruco = NivelTruco::Vale4;
        e.QuienTruco = Lado::Jugador;
        n.BotonVale4.Enabled(false);
        break;
    }
    cantoTrucos.Unload();
}

void Cantos::CantoTrucos_BotonNoQuiero_Click() {
    cantoTrucos.Hide();
    e.rechazarTrucoDelJugador();
    cantoTrucos.Unload();
}

void Cantos::CantoTrucos_BotonReCanto_Click() {
    cantoTrucos.Hide();
    e.TrucoRecantado = true;
    cantoTrucos.Unload();
}

void Cantos::TrucoTantoPrimero_Load() {
    op.MostrarCara(trucoTantoPrimero.Imagen);
    e.TrucoRechazadoEnJugada = false;
}

void Cantos::TrucoTantoPrimero_BotonSi_Click() {
    e.EstadoTruco = NivelTruco::Truco;
    e.QuienTruco = Lado::Jugador;
    n.BotonTruco.Enabled(false);
    n.BotonRetruco.Enabled(true);
    op.CerrarCantosMesa();
    trucoTantoPrimero.Unload();
}

void Cantos::TrucoTantoPrimero_BotonNo_Click() {
    trucoTantoPrimero.Hide();
    e.rechazarTrucoDelJugador();
    trucoTantoPrimero.Unload();
}

void Cantos::TrucoTantoPrimero_BotonPrimeroTanto_Click() {
    e.TantoPrimero = true;
    n.BotonEnvido.Enabled(true);
    n.BotonRealEnvido.Enabled(true);
    n.BotonFaltaEnvido.Enabled(true);
    if (n.opcion(Opcion::Flor)) n.BotonFlor.Enabled(true);
    trucoTantoPrimero.Unload();
}

void Cantos::TrucoTantoPrimero_BotonRetruco_Click() {
    e.TrucoRecantado = true;
    trucoTantoPrimero.Unload();
}

}  // namespace naipalia
