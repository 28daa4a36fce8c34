// A game from "Nuevo juego" to its end: deals, the mano, scores and the end check.
#include <algorithm>
#include <string>

#include "game/archivos.h"
#include "game/mesa.h"
#include "calls/flores.h"
#include "calls/tanto.h"
#include "game/tanto.h"
#include "round/ronda.h"
#include "round/sorteo.h"
#include "settlement/fin_juegos.h"
#include "shell/naipalia.h"
#include "shell/operacion.h"

namespace naipalia {

Ronda::Ronda(Operacion& operacion, Contrincante& c, FinJuegos& f)
    : op(operacion),
      e(operacion.estado),
      n(operacion.naipalia),
      contrincante(c),
      finJuegos(f),
      botonesTruco{nullptr, &n.BotonTruco, &n.BotonRetruco, &n.BotonVale4} {
    n.TiempoComienzo.Timer = [this] { TiempoComienzo_Timer(); };
    n.TiempoBaile.Timer = [this] { TiempoBaile_Timer(); };
    n.TiempoCarta.Timer = [this] { TiempoCarta_Timer(); };
    n.TextoJugador.Change = [this] { TextoJugador_Change(); };
    n.TextoComputadora.Change = [this] { TextoComputadora_Change(); };
    for (int s = 1; s <= 3; ++s) n.BotonCarta(s).Click = [this, s] { BotonCarta_Click(s); };
    for (int c = 0; c < CantidadCartas; ++c) {
        Control& carta = n.Carta(c);
        carta.MouseDown = [this, c](int b, int sh, double x, double y) { Carta_MouseDown(c, b, sh, x, y); };
        carta.MouseMove = [this, c](int b, int sh, double x, double y) { Carta_MouseMove(c, b, sh, x, y); };
        carta.MouseUp = [this, c](int b, int sh, double x, double y) { Carta_MouseUp(c, b, sh, x, y); };
    }
}

void Ronda::MenuNuevo_Click() {
    if (alComenzarPartida) alComenzarPartida();
    PasoFondo.fill(0);
    PasoBaile.fill(0);
    for (int s = 4; s <= 6; ++s) n.CartaFondo(s).Top(TopFondos);
    n.MenuFin.Enabled(true);
    for (int i = 1; i <= 2; ++i) {
        n.MenuFlorOpcion(i).Enabled(false);
        n.MenuCantidadPuntos(i).Enabled(false);
    }
    n.TiempoComienzo.Enabled(false);
    e.TantoPrimero = false;
    e.FinJuego = false;
    e.RondasJugadas = 0;
    e.EnvidosCantadosJugador = 0;
    EscribirPuntos(Lado::Computadora, 0);
    EscribirPuntos(Lado::Jugador, 0);
    e.VecesVentanaTanto = 0;
    e.VecesFaltaEnvidoJugador = 0;
    op.DeshabilitarBotones();
    SubRepartirCartas();

    const double r = op.azar();
    darLaMano(n.MenuMJugador.Checked() || (n.MenuMAleatorio.Checked() && r < 0.5));
}

// A new game never starts inside the last one's dialogs (the points that ended it may have
// been declared in one, whose event loop a desktop runs the timer in): it waits until
// they are all closed.
void Ronda::TiempoComienzo_Timer() {
    if (!op.enDialogo()) MenuNuevo_Click();
}

void Ronda::SubRepartirCartas() {
    terminarRetorno();
    op.SubOcultarCartas();
    e.RondasJugadas = (e.RondasJugadas + 1) % 256;
    e.JerarquiaJugador.fill(SinJugar);
    e.JerarquiaCompu.fill(SinJugar);
    e.TantoCantadoJugador = TantoNoCantado;
    e.TantoCantadoCompu = TantoNoCantado;
    e.PosicionJugador.fill(0);
    e.PosicionCompu.fill(0);
    e.EstadoTruco = NivelTruco::Nada;
    e.EnvidoQuerido = Cadena::Nada;
    e.EstadoFlor = NivelFlor::Nada;
    e.QuienEnvido = Lado::Nadie;
    e.QuienFlor = Lado::Nadie;
    e.QuienTruco = Lado::Nadie;
    e.GanadorEnvido = Lado::Nadie;
    e.GanadorFlor = Lado::Nadie;
    e.CadenaEnvido = Cadena::Nada;
    e.MazoPendiente = false;
    e.TantoAcreditado = false;
    e.TantoLiquidado = false;
    // Putting the envido first answers one truco: it never outlives its round.
    e.TantoPrimero = false;
    op.contar(suceso::Reparto{});
    op.BorrarResultadosManos();
    ManoActual = 1;
    e.FlorCantadaJugador = 0;
    e.FlorCantadaCompu = 0;
    e.FlorJugador = 0;
    e.FlorCompu = 0;
    for (int s = 4; s <= 6; ++s) n.CartaFondo(s).Visible(true);

    auto& azar = *op.puertos.azar;
    azar.sembrar(op.puertos.reloj->segundosDelDia());
    if (auto fijado = azar.repartoFijado()) {
        e.CartasRepartidas = *fijado;
    } else {
        for (std::size_t i = 0; i < 6; ++i) {
            int carta = 0;
            bool repetida = true;
            while (repetida) {
                carta = CartaDeSorteo(op.azar());
                repetida = std::find(e.CartasRepartidas.begin(), e.CartasRepartidas.begin() + i, carta) !=
                           e.CartasRepartidas.begin() + i;
            }
            e.CartasRepartidas[i] = carta;
        }
        if (e.QuienMano == Lado::Computadora) std::reverse(e.CartasRepartidas.begin(), e.CartasRepartidas.end());
    }

    for (int s = 1; s <= 3; ++s) {
        Control& carta = n.Carta(e.carta(s));
        carta.Move(LeftMano[static_cast<std::size_t>(s)], TopMano);
        carta.MousePointer(PunteroPropio);
        carta.Visible(true);
    }
    if (op.puertos.imagenes->cargable(op.RutaMano)) {
        for (int s = 1; s <= 3; ++s) n.Carta(e.carta(s)).MouseIcon(op.RutaMano);
    } else {
        op.mensaje(ErrorArchivo, Icono::Critico);
    }
    CalcularTantos();
}

void Ronda::SubComenzarRonda() { darLaMano(e.QuienMano != Lado::Jugador); }

// The mano opens the round: the player gets his buttons, or the computer leads.
void Ronda::darLaMano(bool alJugador) {
    e.QuienMano = alJugador ? Lado::Jugador : Lado::Computadora;
    op.EscribirQuienMano(e.QuienMano);
    if (alJugador) {
        op.AvisoTurnoJugador();
        for (int s = 1; s <= 3; ++s) n.BotonCarta(s).Enabled(true);
        abrirTanto();
        abrirTruco();
        n.BotonMazo.Enabled(true);
    } else {
        op.DeshabilitarBotones();
        TurnoComputadora();
    }
}

void Ronda::SiguienteRonda() {
    if (e.FinJuego) return;
    SubRepartirCartas();
    SubComenzarRonda();
}

void Ronda::EscribirPuntos(Lado lado, int puntos) {
    const bool jugador = lado == Lado::Jugador;
    if (jugador)
        e.PuntosJugador = puntos;
    else
        e.PuntosComputadora = puntos;
    op.anotador.puntos();
    (jugador ? n.TextoJugador : n.TextoComputadora).Text(std::to_string(puntos));
}

void Ronda::SumarPuntos(Lado lado, int puntos, Motivo motivo) {
    if (puntos == 0) return;
    op.contar(suceso::Puntos{lado, puntos, motivo});
    EscribirPuntos(lado, e.puntos(lado) + puntos);
}

void Ronda::TextoJugador_Change() { finDeJuegoSiCorresponde(e.PuntosJugador); }
void Ronda::TextoComputadora_Change() { finDeJuegoSiCorresponde(e.PuntosComputadora); }

void Ronda::finDeJuegoSiCorresponde(int puntos) {
    if (puntos < e.PuntosJuego) return;
    op.tanto.Hide();
    op.flores.Hide();
    op.mensaje(" Se ha llegado al final del juego.", Icono::Exclamacion);
    SubFinJuego();
}

void Ronda::SubFinJuego() {
    for (int c = 0; c < CantidadCartas; ++c) n.Carta(c).Visible(false);
    CerrarPartida();
    for (int s = 4; s <= 6; ++s) {
        n.CartaFondo(s).Top(TopMano);
        n.CartaFondo(s).Visible(true);
    }
    e.FinJuego = true;
    const bool ganaComputadora = e.PuntosComputadora >= e.PuntosJuego;
    op.ReproducirVoz(ganaComputadora ? Voz::GanarPartido : Voz::PerderPartido);
    const int primera = ganaComputadora ? 0 : 37;
    for (int i = 0; i < 3; ++i) {
        n.Carta(primera + i).Move(LeftMano[static_cast<std::size_t>(i + 1)], TopMano);
        n.Carta(primera + i).Visible(true);
    }
    op.tanto.Unload();
    op.flores.Unload();
    // Last: closing the envido's dialog asks the player to play on.
    op.AvisoVentanaCentral();
    n.TiempoBaile.Enabled(true);
    op.mostrarModal(finJuegos);
}

void Ronda::CerrarPartida() {
    for (int i = 1; i <= 2; ++i) {
        n.MenuFlorOpcion(i).Enabled(true);
        n.MenuCantidadPuntos(i).Enabled(true);
    }
    op.DeshabilitarBotones();
    op.EscribirQuienMano(Lado::Nadie);
    op.BorrarResultadosManos();
}

}  // namespace naipalia
