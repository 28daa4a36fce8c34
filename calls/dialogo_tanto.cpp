// The Tanto dialog: the player's answers and raises, the computer's answer to a raise,
// and the declaration of the tantos with its comparison.
#include <string>

#include "calls/cantos.h"
#include "calls/tanto.h"
#include "game/tanto.h"
#include "opponent/computadora.h"
#include "players/jugadores.h"
#include "round/ronda.h"
#include "shell/naipalia.h"
#include "shell/operacion.h"

namespace naipalia {

namespace {

std::string conPuntos(int n, const char* singular, const char* plural) {
    return std::to_string(n) + (n == 0 || n == 1 ? singular : plural);
}

}  // namespace

Cantos::Cantos(Operacion& operacion, Computadora& c, Ronda& r, CantoTrucos& ct, TrucoTantoPrimero& ttp, Jugadores& j)
    : op(operacion),
      e(operacion.estado),
      n(operacion.naipalia),
      tanto(operacion.tanto),
      flores(operacion.flores),
      computadora(c),
      ronda(r),
      cantoTrucos(ct),
      trucoTantoPrimero(ttp),
      jugadores(j) {
    vincularTruco();
    vincularFlor();
    enlazar(n.BotonEnvido, [this] { BotonEnvido_Click(); });
    enlazar(n.BotonRealEnvido, [this] { BotonRealEnvido_Click(); });
    enlazar(n.BotonFaltaEnvido, [this] { BotonFaltaEnvido_Click(); });
    tanto.Load = [this] { Tanto_Load(); };
    tanto.QueryUnload = [this](int& cancelar, bool porElUsuario) { Tanto_QueryUnload(cancelar, porElUsuario); };
    enlazar(tanto.BotonQuiero, [this] { Tanto_BotonQuiero_Click(); });
    enlazar(tanto.BotonNoQuiero, [this] { Tanto_BotonNoQuiero_Click(); });
    enlazar(tanto.BotonEnvido, [this] { Tanto_BotonEnvido_Click(); });
    enlazar(tanto.BotonRealEnvido, [this] { Tanto_BotonRealEnvido_Click(); });
    enlazar(tanto.BotonFaltaEnvido, [this] { Tanto_BotonFaltaEnvido_Click(); });
    enlazar(tanto.BotonFlor, [this] { Tanto_BotonFlor_Click(); });
    for (int i : tanto.BotonNumeroTanto.indices())
        enlazar(tanto.BotonNumeroTanto(i), [this, i] { BotonNumeroTanto_Click(i); });
}

// The anotador hears each of the player's calls and answers, by its caption, before it
// is carried out.
void Cantos::enlazar(Control& boton, std::function<void()> manejador) {
    boton.Click = [this, &boton, manejador = std::move(manejador)] {
        op.anotador.jugador(boton.Caption());
        manejador();
    };
}

// The flor can still take the envido's place: a single call, before the player's card.
void Cantos::Tanto_Load() {
    op.AvisoVentanaCentral();
    tanto.forma().Top(Tanto::TopEnPantalla);
    e.VecesVentanaTanto = (e.VecesVentanaTanto + 1) % 256;
    op.MostrarCara(tanto.Image1);
    const Cadena c = e.CadenaEnvido;
    const bool llamadaSola = c == Cadena::Envido || c == Cadena::RealEnvido || c == Cadena::FaltaEnvido;
    tanto.BotonFlor.Enabled(n.opcion(Opcion::Flor) && e.QuienFlor == Lado::Nadie && llamadaSola &&
                            e.JerarquiaJugador[1] == SinJugar);
}

// The flor answers the computer's envido: the dialog's button is the check.
void Cantos::Tanto_BotonFlor_Click() {
    ContestarFlor();
    tanto.Unload();
}

// Mid-negotiation the close button is ignored: closing would leave an envido called
// or accepted with nobody to answer or declare it.
bool Cantos::negociando() const {
    const auto& t = tanto;
    return t.BotonQuiero.Enabled() || t.BotonNoQuiero.Enabled() || t.BotonEnvido.Enabled() ||
           t.BotonRealEnvido.Enabled() || t.BotonFaltaEnvido.Enabled() || t.forma().Height() == Tanto::AltoTeclado;
}

void Cantos::Tanto_QueryUnload(int& cancelar, bool porElUsuario) {
    if (porElUsuario && negociando()) {
        cancelar = 1;
        return;
    }
    op.DeshabilitarBotonesTanto();
    tanto.forma().Width(Tanto::Ancho);
    tanto.forma().Height(Tanto::AltoRespuestas);
    op.CerrarCantosMesa();
}

void Cantos::Tanto_BotonQuiero_Click() {
    ronda.EnvidoQuerido(NivelQuerido(e.CadenaEnvido));
    DeclararTanto();
}

void Cantos::Tanto_BotonNoQuiero_Click() {
    if (EnvidoAlcanzaElFinal(e.CadenaEnvido, false, e.PuntosComputadora, e.PuntosJugador, e.PuntosJuego))
        op.AvisoFinalPorPuntos();
    if (e.FinJuego) return;
    tanto.Unload();
}

void Cantos::Tanto_BotonEnvido_Click() { subidaDelDialogo(Cadena::EnvidoEnvido, Cadena::EnvidoEnvido); }

void Cantos::Tanto_BotonRealEnvido_Click() { subidaDelDialogo(Cadena::EnvidoRealEnvido, Cadena::RealEnvido); }

void Cantos::Tanto_BotonFaltaEnvido_Click() {
    e.VecesFaltaEnvidoJugador = (e.VecesFaltaEnvidoJugador + 1) % 256;
    ronda.CantarEnvido(Lado::Jugador, ConFaltaEnvido(e.CadenaEnvido));
    if (FaltaApurada(e.VecesFaltaEnvidoJugador, e.VecesVentanaTanto)) {
        op.ReproducirVoz(Voz::Quiero);
        op.mensaje("¿Estás apurando?..Quiero!!", Icono::Informacion);
        op.DeshabilitarBotonesTanto();
        ronda.EnvidoQuerido(Cadena::FaltaEnvido);
        tanto.EtiquetaTanto.Caption("");
        DeclararTanto();
        return;
    }
    subidaDelDialogo(e.CadenaEnvido, Cadena::FaltaEnvido);
}

// The player raises in the dialog: the computer accepts at `nivel` or leaves it to the score.
void Cantos::subidaDelDialogo(Cadena cadena, Cadena nivel) {
    ronda.CantarEnvido(Lado::Jugador, cadena);
    const Cadena subida = nivel == Cadena::FaltaEnvido ? Cadena::FaltaEnvido : cadena;
    const DecisionEnvido decision = ResponderSubidaDelDialogo(subida, VistaEnvidoDe(e), *op.puertos.azar);
    quejarse(decision.queja);
    if (decision.respuesta == RespuestaEnvido::Quiero)
        AceptarEnvidoJugador(nivel);
    else
        ResponderEnvidoPorPuntos();
}

void Cantos::AceptarEnvidoJugador(Cadena nivel) {
    op.ReproducirVoz(Voz::Quiero);
    op.mensaje("Quiero!!", Icono::Exclamacion);
    ronda.EnvidoQuerido(nivel);
    DeclararTanto();
}

void Cantos::DeclararTanto() {
    if (e.QuienMano != Lado::Computadora) {
        PedirTantoJugador();
        return;
    }
    ronda.DeclararEnvido(Lado::Computadora, e.TantoCompu);
    if (op.preguntar("Tengo " + conPuntos(e.TantoCompu, " punto", " puntos") + ". ¿Son buenas?")) {
        TantoGanaComputadora("");
        if (e.FinJuego) return;
        op.CerrarCantosMesa();
        tanto.Unload();
    } else {
        PedirTantoJugador();
    }
}

void Cantos::PedirTantoJugador() {
    tanto.EtiquetaTanto.Caption("");
    op.DeshabilitarBotonesTanto();
    tanto.forma().Height(Tanto::AltoTeclado);
    tanto.EtiquetaNumero.Visible(true);
    for (int i : tanto.BotonNumeroTanto.indices()) tanto.BotonNumeroTanto(i).Visible(true);
    op.MostrarTanto();
}

void Cantos::BotonNumeroTanto_Click(int indice) {
    if (!op.preguntar("¿Tienes " + conPuntos(indice, " punto?", " puntos?"))) return;
    ronda.DeclararEnvido(Lado::Jugador, indice);
    const int c = e.TantoCompu;
    if (indice > c || (indice == c && e.QuienMano != Lado::Computadora))
        TantoGanaJugador();
    else
        TantoGanaComputadora(indice == c ? "Por mano!! " : "");
    jugadores.GrabarTantoJugador();
    tanto.Unload();
}

void Cantos::TantoGanaComputadora(const std::string& prefijo) {
    op.mensaje(prefijo + std::to_string(e.TantoCompu) + " son mejores!!", Icono::Exclamacion);
    ronda.EnvidoGanado(Lado::Computadora);
    if (EnvidoAlcanzaElFinal(e.CadenaEnvido, true, e.PuntosComputadora, e.PuntosJugador, e.PuntosJuego))
        op.AvisoFinalPorPuntos();
}

void Cantos::TantoGanaJugador() {
    op.mensaje("Son buenas.", Icono::Informacion);
    ronda.EnvidoGanado(Lado::Jugador);
    if (EnvidoAlcanzaElFinal(e.CadenaEnvido, true, e.PuntosJugador, e.PuntosComputadora, e.PuntosJuego))
        op.AvisoFinalPorPuntos();
}

}  // namespace naipalia
