// A game from "Nuevo juego" to its end: deals, the mano, scores and the end check.
#include <algorithm>
#include <string>

#include "game/archivos.h"
#include "game/mesa.h"
#include "game/numero.h"
#include "game/operacion.h"
#include "game/tanto.h"
#include "round/sorteo.h"
#include "settlement/fin_juegos.h"
#include "settlement/fin_ronda.h"
#include "shell/juego.h"
#include "shell/naipalia.h"

namespace naipalia {

int Naipalia::puntosJugador() const { return Valor(TextoJugador.Text()); }
int Naipalia::puntosComputadora() const { return Valor(TextoComputadora.Text()); }

void Naipalia::sumarJugador(int puntos) {
    if (puntos != 0) TextoJugador.Text(std::to_string(puntosJugador() + puntos));
}

void Naipalia::sumarComputadora(int puntos) {
    if (puntos != 0) TextoComputadora.Text(std::to_string(puntosComputadora() + puntos));
}

void Naipalia::MenuNuevo_Click() {
    PasoFondo.fill(0);
    PasoBaile.fill(0);
    for (int s = 4; s <= 6; ++s) CartaFondo(s).Top(TopFondos);
    MenuFin.Enabled(true);
    for (int i = 1; i <= 2; ++i) {
        MenuFlorOpcion(i).Enabled(false);
        MenuCantidadPuntos(i).Enabled(false);
    }
    TiempoComienzo.Enabled(false);
    e.TantoPrimero = false;
    e.FinJuego = false;
    e.RondasJugadas = 0;
    e.EnvidosCantadosJugador = 0;
    TextoComputadora.Text("0");
    TextoJugador.Text("0");
    e.VecesVentanaTanto = 0;
    e.VecesFaltaEnvidoJugador = 0;
    Operacion::DeshabilitarBotones(*this);
    SubRepartirCartas();

    const double r = juego.azar();
    darLaMano(MenuMJugador.Checked() || (MenuMAleatorio.Checked() && r < 0.5));
}

void Naipalia::TiempoComienzo_Timer() { MenuNuevo_Click(); }

void Naipalia::SubRepartirCartas() {
    terminarRetorno();
    juego.finRonda.SubOcultarCartas();
    e.RondasJugadas = (e.RondasJugadas + 1) % 256;
    e.JerarquiaJugador.fill(SinJugar);
    e.JerarquiaCompu.fill(SinJugar);
    e.TantoCantadoJugador = TantoNoCantado;
    e.PosicionJugador.fill(0);
    e.PosicionCompu.fill(0);
    e.EstadoTruco = Nada;
    e.EnvidoQuerido = Nada;
    e.EstadoFlor = Nada;
    e.QuienEnvido = Nada;
    e.QuienFlor = Nada;
    e.QuienTruco.clear();
    e.GanadorEnvido.clear();
    e.GanadorFlor.clear();
    e.CadenaEnvido.clear();
    MazoPendiente = false;
    e.TantoAcreditado = false;
    for (int h = 1; h <= 3; ++h) TextoMano(h).Text("");
    ManoActual = 1;
    e.FlorCantadaJugador = 0;
    e.FlorJugador = 0;
    e.FlorCompu = 0;
    for (int s = 4; s <= 6; ++s) CartaFondo(s).Visible(true);

    auto& azar = juego.puertos.azar;
    azar.sembrar(juego.puertos.reloj.segundosDelDia());
    if (auto fijado = azar.repartoFijado()) {
        e.CartasRepartidas = *fijado;
    } else {
        for (int i = 0; i < 6; ++i) {
            int carta = 0;
            bool repetida = true;
            while (repetida) {
                carta = CartaDeSorteo(juego.azar());
                repetida = false;
                for (int k = 0; k < i; ++k) repetida = repetida || e.CartasRepartidas[static_cast<std::size_t>(k)] == carta;
            }
            e.CartasRepartidas[static_cast<std::size_t>(i)] = carta;
        }
        if (e.QuienMano == Computadora) std::reverse(e.CartasRepartidas.begin(), e.CartasRepartidas.end());
    }

    for (int s = 1; s <= 3; ++s) {
        Control& carta = Carta(e.carta(s));
        carta.Move(LeftMano[static_cast<std::size_t>(s)], TopMano);
        carta.MousePointer(PunteroPropio);
        carta.Visible(true);
    }
    const std::string mano = juego.ruta(archivos::Mano);
    if (juego.puertos.imagenes.cargable(mano)) {
        for (int s = 1; s <= 3; ++s) Carta(e.carta(s)).MouseIcon(mano);
    } else {
        juego.mensaje(ErrorArchivo, Icono::Critico);
    }
    CalcularTantos();
}

void Naipalia::SubComenzarRonda() { darLaMano(e.QuienMano != e.NombreJugador); }

// The mano opens the round: the player gets his buttons, or the computer leads.
void Naipalia::darLaMano(bool alJugador) {
    e.QuienMano = alJugador ? e.NombreJugador : Computadora;
    TextoQuienMano.Text(e.QuienMano);
    if (alJugador) {
        Operacion::AvisoTurnoJugador(juego);
        for (int s = 1; s <= 3; ++s) BotonCarta(s).Enabled(true);
        BotonEnvido.Enabled(true);
        BotonRealEnvido.Enabled(true);
        BotonFaltaEnvido.Enabled(true);
        if (MenuFlorOpcion(1).Checked()) BotonFlor.Enabled(true);
        BotonTruco.Enabled(true);
        BotonRetruco.Enabled(false);
        BotonVale4.Enabled(false);
        BotonMazo.Enabled(true);
    } else {
        Operacion::DeshabilitarBotones(*this);
        JugadaComputadora();
    }
}

void Naipalia::SiguienteRonda() {
    if (e.FinJuego) return;
    SubRepartirCartas();
    SubComenzarRonda();
}

void Naipalia::TextoJugador_Change() { finDeJuegoSiCorresponde(TextoJugador); }
void Naipalia::TextoComputadora_Change() { finDeJuegoSiCorresponde(TextoComputadora); }

void Naipalia::finDeJuegoSiCorresponde(const Control& caja) {
    if (Valor(caja.Text()) < e.PuntosJuego) return;
    // The envido and flor dialogs are hidden here once they exist.
    juego.mensaje(" Se ha llegado al final del juego.", Icono::Exclamacion);
    SubFinJuego();
}

void Naipalia::SubFinJuego() {
    for (int c = 0; c < 40; ++c) Carta(c).Visible(false);
    Operacion::AvisoVentanaCentral(juego);
    CerrarPartida();
    for (int s = 4; s <= 6; ++s) {
        CartaFondo(s).Top(TopMano);
        CartaFondo(s).Visible(true);
    }
    e.FinJuego = true;
    const bool ganaComputadora = puntosComputadora() >= e.PuntosJuego;
    Operacion::ReproducirVoz(juego, ganaComputadora ? "Ganar partido" : "Perder partido");
    const int primera = ganaComputadora ? 0 : 37;
    for (int i = 0; i < 3; ++i) {
        Carta(primera + i).Move(LeftMano[static_cast<std::size_t>(i + 1)], TopMano);
        Carta(primera + i).Visible(true);
    }
    // The envido and flor dialogs are closed here once they exist.
    TiempoBaile.Enabled(true);
    juego.mostrarModal(juego.finJuegos);
}

void Naipalia::CerrarPartida() {
    for (int i = 1; i <= 2; ++i) {
        MenuFlorOpcion(i).Enabled(true);
        MenuCantidadPuntos(i).Enabled(true);
    }
    Operacion::DeshabilitarBotones(*this);
    TextoQuienMano.Text("");
    for (int h = 1; h <= 3; ++h) TextoMano(h).Text("");
}

}  // namespace naipalia
