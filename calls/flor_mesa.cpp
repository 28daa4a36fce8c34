// The flor: the player's call from the table, which the round checks, with the computer's
// answer by its own flor, and the Flores dialog where the duels are answered and the
// flors declared.
#include <string>

#include "calls/cantos.h"
#include "calls/flores.h"
#include "calls/tanto.h"
#include "game/tanto.h"
#include "opponent/computadora.h"
#include "opponent/decision_flor.h"
#include "round/ronda.h"
#include "shell/naipalia.h"
#include "shell/operacion.h"

namespace naipalia {

void Cantos::vincularFlor() {
    enlazar(n.BotonFlor, [this] { BotonFlor_Click(); });
    flores.Load = [this] { Flores_Load(); };
    flores.QueryUnload = [this](int& cancelar, bool porElUsuario) {
        cancelar = porElUsuario && negociandoFlor() ? 1 : 0;
    };
    enlazar(flores.BotonAceptar, [this] { Flores_BotonAceptar_Click(); });
    enlazar(flores.BotonAchico, [this] { Flores_BotonAchico_Click(); });
    enlazar(flores.BotonJuego, [this] { Flores_BotonJuego_Click(); });
    enlazar(flores.BotonContra, [this] { Flores_BotonContra_Click(); });
    for (int i = 20; i <= 38; ++i) enlazar(flores.BotonNumeroTanto(i), [this, i] { Flores_BotonNumeroTanto_Click(i); });
}

// Mid-duel the close button is ignored, as in the envido's dialog.
bool Cantos::negociandoFlor() const {
    const auto& f = flores;
    return f.BotonAceptar.Enabled() || f.BotonAchico.Enabled() || f.BotonJuego.Enabled() || f.BotonContra.Enabled() ||
           f.forma().Height() == Flores::AltoTeclado;
}

void Cantos::BotonFlor_Click() { ronda.CantarFlorJugador(); }

void Cantos::ContestarFlor() {
    ronda.refrescarSiPasoElTiempo();
    if (!MismoPalo(e.carta(4), e.carta(5), e.carta(6))) {
        op.mensaje("Si tú lo dices.\r\nCon suerte, cualquiera.", Icono::Informacion);
        ronda.CantarFlor(Lado::Jugador, NivelFlor::Flor);
    } else {
        switch (ResponderFlor(vistaFlor(ValorFlor(e.carta(4), e.carta(5), e.carta(6))), *op.puertos.azar)) {
            case RespuestaFlor::Mazo:
                ronda.MazoEnSuTurno();
                op.mensaje("Con suerte, cualquiera.", Icono::Informacion);
                ronda.TomarFlor(Lado::Jugador, NivelFlor::Flor);
                break;
            case RespuestaFlor::Juego: computadora.FlorJuegoComputadora(); break;
            case RespuestaFlor::Contra: computadora.ContraFlorComputadora(); break;
            default: computadora.FlorAchicoComputadora(); break;
        }
    }
    if (e.FinJuego) return;
    op.CerrarCantosMesa();
    if (e.TantoPrimero) ronda.TurnoComputadora();
}

void Cantos::Flores_Load() {
    ronda.ValuarFlores();
    op.MostrarCara(flores.Imagen);
}

void Cantos::Flores_BotonAceptar_Click() {
    // The computer's plain flor accepted: nothing to declare.
    if (e.EstadoFlor == NivelFlor::Flor && e.QuienFlor == Lado::Computadora) {
        ronda.TomarFlor(Lado::Computadora, NivelFlor::Flor);
        flores.Unload();
        return;
    }
    declararFlor();
}

// A duel accepted: the computer, mano, states its flor first; else the player declares.
void Cantos::declararFlor() {
    if (e.QuienMano != Lado::Computadora) return PedirFlorJugador();
    ronda.DeclararFlor(Lado::Computadora, e.FlorCompu);
    if (op.preguntar("Tengo " + std::to_string(e.FlorCompu) + " puntos. ¿Son buenas?"))
        FlorGanaComputadora();
    else
        PedirFlorJugador();
}

// Declining gives the points to the side that called last: after the player's own flor
// met the computer's duel, that is the computer now.
void Cantos::Flores_BotonAchico_Click() {
    flores.EtiquetaFlor.Caption("");
    ronda.TomarFlor(Lado::Computadora, NivelFlor::FlorAchico);
    flores.Unload();
}

void Cantos::Flores_BotonJuego_Click() {
    flores.EtiquetaFlor.Caption("");
    responderDuelo(ResponderFlorJuego(vistaFlor(e.FlorCompu), *op.puertos.azar), NivelFlor::FlorJuego);
}

void Cantos::Flores_BotonContra_Click() {
    flores.EtiquetaFlor.Caption("");
    responderDuelo(ResponderContraFlor(vistaFlor(e.FlorCompu), *op.puertos.azar), NivelFlor::FlorContra);
}

void Cantos::responderDuelo(RespuestaFlor respuesta, NivelFlor nivel) {
    switch (respuesta) {
        case RespuestaFlor::Quiero:
            ronda.CantarFlor(e.QuienFlor, nivel);
            QuieroFlorComputadora();
            break;
        case RespuestaFlor::ContraResto: ContraFlorAlRestoComputadora(); break;
        default: NoQuieroFlorComputadora(); break;
    }
}

VistaFlor Cantos::vistaFlor(int florCompu) const {
    const auto clase = [this](int slot) { return JerarquiaTruco(e.carta(slot)); };
    return {.florCompu = florCompu,
            .clases = {clase(4), clase(5), clase(6)},
            .puntosJugador = e.PuntosJugador,
            .puntosJuego = e.PuntosJuego};
}

void Cantos::NoQuieroFlorComputadora() {
    op.ReproducirVoz(Voz::NoQuiero);
    op.mensaje("No quiero.", Icono::Informacion);
    ronda.TomarFlor(Lado::Jugador, NivelFlor::FlorAchico);
    flores.Unload();
}

void Cantos::QuieroFlorComputadora() {
    op.ReproducirVoz(Voz::Quiero);
    op.mensaje("Quiero!!", Icono::Exclamacion);
    declararFlor();
}

void Cantos::ContraFlorAlRestoComputadora() {
    op.ReproducirVoz(Voz::FlorContra);
    flores.BotonContra.Enabled(false);
    flores.BotonJuego.Enabled(false);
    flores.EtiquetaFlor.Caption("Contra flor al resto!!");
    ronda.CantarFlor(Lado::Jugador, NivelFlor::FlorContra);
}

void Cantos::PedirFlorJugador() {
    for (Control* b : {&flores.BotonAceptar, &flores.BotonJuego, &flores.BotonAchico, &flores.BotonContra})
        b->Enabled(false);
    flores.forma().Height(Flores::AltoTeclado);
    flores.EtiquetaNumero.Visible(true);
    for (int i = 20; i <= 38; ++i) flores.BotonNumeroTanto(i).Visible(true);
    op.MostrarFlores();
}

void Cantos::Flores_BotonNumeroTanto_Click(int indice) {
    if (!op.preguntar("¿Tenes " + std::to_string(indice) + " puntos?")) return;
    ronda.DeclararFlor(Lado::Jugador, indice);
    const int c = e.FlorCompu;
    if (e.QuienMano == Lado::Computadora && indice == c)
        FlorGanaComputadora();
    else if (indice >= c)
        FlorGanaJugador();
    else
        FlorGanaComputadora();
    flores.Unload();
}

void Cantos::FlorGanaComputadora() {
    florGana(Lado::Computadora, std::to_string(e.FlorCompu) + " son mejores!!", Icono::Exclamacion);
}

void Cantos::FlorGanaJugador() { florGana(Lado::Jugador, "Son buenas.", Icono::Informacion); }

// A duel's winner whose flor reaches the target settles the round at once.
void Cantos::florGana(Lado ganador, const std::string& texto, Icono icono) {
    op.mensaje(texto, icono);
    ronda.FlorGanada(ganador);
    const bool duelo = e.EstadoFlor == NivelFlor::FlorJuego || e.EstadoFlor == NivelFlor::FlorContra;
    if (duelo && FlorAlcanzaElFinal(e.EstadoFlor, e.puntos(ganador), e.puntos(Contrario(ganador)), e.PuntosJuego))
        op.AvisoFinalPorPuntos();
    flores.Unload();
}

}  // namespace naipalia
