// The player's truco from the table: his truco, retruco and vale 4 go to the round, which
// checks them and lets the computer answer (opponent/contestar_truco.cpp); his going to
// the deck; his answers in the two truco dialogs.
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

void Cantos::BotonTruco_Click() { ronda.CantarTruco(NivelTruco::Truco); }
void Cantos::BotonRetruco_Click() { ronda.CantarTruco(NivelTruco::ReTruco); }
void Cantos::BotonVale4_Click() { ronda.CantarTruco(NivelTruco::Vale4); }

// One key gives the round away: the player is asked first unless he turned that off.
void Cantos::BotonMazo_Click() {
    if (n.opcion(Opcion::PreguntarMazo) && !op.preguntar(textos::PreguntaMazo, Respuesta::No)) return;
    op.contar(suceso::AlMazo{Lado::Jugador});
    ronda.refrescarSiPasoElTiempo();
    computadora.SubTrucoNoQueridoJugador();
    if (e.FinJuego) return;
    ronda.IrseAlMazo(Lado::Jugador);
}

void Cantos::CantoTrucos_Load() {
    op.MostrarCara(cantoTrucos.Imagen);
    ronda.OlvidarTrucoRechazado(false);
    op.AvisoVentanaCentral();
}

void Cantos::CantoTrucos_BotonQuiero_Click() {
    ronda.TrucoQuerido(Lado::Jugador, Siguiente(e.EstadoTruco));
    cantoTrucos.Unload();
}

void Cantos::CantoTrucos_BotonNoQuiero_Click() {
    cantoTrucos.Hide();
    ronda.TrucoNoQuerido(Lado::Jugador);
    cantoTrucos.Unload();
}

void Cantos::CantoTrucos_BotonReCanto_Click() {
    cantoTrucos.Hide();
    ronda.RecantarTruco();
    cantoTrucos.Unload();
}

void Cantos::TrucoTantoPrimero_Load() {
    op.MostrarCara(trucoTantoPrimero.Imagen);
    ronda.OlvidarTrucoRechazado(true);
}

void Cantos::TrucoTantoPrimero_BotonSi_Click() {
    ronda.TrucoQuerido(Lado::Jugador, NivelTruco::Truco);
    op.CerrarCantosMesa();
    trucoTantoPrimero.Unload();
}

void Cantos::TrucoTantoPrimero_BotonNo_Click() {
    trucoTantoPrimero.Hide();
    ronda.TrucoNoQuerido(Lado::Jugador);
    trucoTantoPrimero.Unload();
}

void Cantos::TrucoTantoPrimero_BotonPrimeroTanto_Click() {
    ronda.PonerTantoPrimero(true);
    trucoTantoPrimero.Unload();
}

void Cantos::TrucoTantoPrimero_BotonRetruco_Click() {
    ronda.RecantarTruco();
    trucoTantoPrimero.Unload();
}

}  // namespace naipalia
