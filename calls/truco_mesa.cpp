// The player's truco from the table: his truco, retruco and vale 4 (the computer answers
// in opponent/contestar_truco.cpp); his going to the deck; his answers in the two truco
// dialogs.
#include "calls/canto_trucos.h"
#include "calls/cantos.h"
#include "calls/truco_tanto_primero.h"
#include "game/tanto.h"
#include "game/textos.h"
#include "opponent/computadora.h"
#include "round/ronda.h"
#include "shell/naipalia.h"
#include "shell/operacion.h"

namespace naipalia {

void Cantos::vincularTruco() {
    enlazar(n.BotonTruco, [this] { BotonTruco_Click(); });
    enlazar(n.BotonRetruco, [this] { BotonRetruco_Click(); });
    enlazar(n.BotonVale4, [this] { BotonVale4_Click(); });
    n.BotonMazo.Click = [this] { BotonMazo_Click(); };
    // Both dialogs wait for an answer: their close buttons do nothing.
    const auto sinCerrar = [](int& cancelar, bool porElUsuario) { cancelar = porElUsuario ? 1 : 0; };
    auto& ct = cantoTrucos;
    ct.Load = [this] { CantoTrucos_Load(); };
    ct.QueryUnload = sinCerrar;
    enlazar(ct.BotonQuiero, [this] { CantoTrucos_BotonQuiero_Click(); });
    enlazar(ct.BotonNoQuiero, [this] { CantoTrucos_BotonNoQuiero_Click(); });
    enlazar(ct.BotonReCanto, [this] { CantoTrucos_BotonReCanto_Click(); });
    auto& tp = trucoTantoPrimero;
    tp.Load = [this] { TrucoTantoPrimero_Load(); };
    tp.QueryUnload = sinCerrar;
    enlazar(tp.BotonSi, [this] { TrucoTantoPrimero_BotonSi_Click(); });
    enlazar(tp.BotonNo, [this] { TrucoTantoPrimero_BotonNo_Click(); });
    enlazar(tp.BotonPrimeroTanto, [this] { TrucoTantoPrimero_BotonPrimeroTanto_Click(); });
    enlazar(tp.BotonRetruco, [this] { TrucoTantoPrimero_BotonRetruco_Click(); });
}

void Cantos::BotonTruco_Click() { computadora.LlamadaDeTruco(NivelTruco::Truco); }
void Cantos::BotonRetruco_Click() { computadora.LlamadaDeTruco(NivelTruco::ReTruco); }
void Cantos::BotonVale4_Click() { computadora.LlamadaDeTruco(NivelTruco::Vale4); }

// One key gives the round away: the player is asked first unless he turned that off.
// Folding before the computer played and with no envido or flor sung costs the envido too.
void Cantos::BotonMazo_Click() {
    if (n.opcion(Opcion::PreguntarMazo) && !op.preguntar(textos::PreguntaMazo, Respuesta::No)) return;
    op.anotador.alMazo();
    ronda.refrescarSiPasoElTiempo();
    computadora.SubTrucoNoQueridoJugador();
    if (e.FinJuego) return;
    if (e.QuienEnvido == Lado::Nadie && e.QuienFlor == Lado::Nadie && e.JerarquiaCompu[1] == SinJugar)
        op.SumarPuntos(Lado::Computadora, ValorTruco(e.EstadoTruco) + 1, Motivo::Mazo);
    else
        op.SumarPuntos(Lado::Computadora, ValorTruco(e.EstadoTruco), Motivo::Mazo);
    e.rechazarTrucoDelJugador();
    ronda.SiguienteRonda();
}

void Cantos::CantoTrucos_Load() {
    op.MostrarCara(cantoTrucos.Imagen);
    op.LimpiarTrucoRechazado();
}

void Cantos::CantoTrucos_BotonQuiero_Click() {
    switch (e.EstadoTruco) {
        case NivelTruco::Nada: ronda.QuieroTrucoJugador(); break;
        case NivelTruco::Truco: ronda.QuieroRetrucoJugador(); break;
        default: ronda.TrucoQuerido(Lado::Jugador, NivelTruco::Vale4); break;
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
    ronda.QuieroTrucoJugador();
    op.CerrarCantosMesa();
    trucoTantoPrimero.Unload();
}

void Cantos::TrucoTantoPrimero_BotonNo_Click() {
    trucoTantoPrimero.Hide();
    e.rechazarTrucoDelJugador();
    trucoTantoPrimero.Unload();
}

void Cantos::TrucoTantoPrimero_BotonPrimeroTanto_Click() {
    ronda.PonerTantoPrimero(true);
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
