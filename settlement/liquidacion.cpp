// Settling envido and flor at the end of the round: the computer proves its own,
// the player's declaration is checked against the cards he showed, lies are punished.
#include <algorithm>
#include <string>

#include "calls/tanto.h"
#include "game/mesa.h"
#include "game/tanto.h"
#include "game/textos.h"
#include "round/ronda.h"
#include "settlement/liquidacion.h"
#include "shell/naipalia.h"
#include "shell/operacion.h"

namespace naipalia {

namespace {

const std::string Penalidad = textos::Penalidad;
const std::string FlorNoDelMismoPalo =
    "Te equivocaste o mentiste, dijiste tener flor, y tus cartas no son del mismo palo.";
const std::string TantoCorrecto = "Tu tanto es correcto.";
const std::string FlorCorrecta = "Tu flor es correcta.";
const std::string NoCertificasTanto = "Sabiendo tus cartas en mesa, no certificas el tanto.";

std::string puntos(int n, const char* singular, const char* plural) {
    return std::to_string(n) + (n == 0 || n == 1 ? singular : plural);
}

}  // namespace

bool Liquidacion::reclamoFlorJugador() const {
    if (e.EstadoFlor == NivelFlor::Nada) return false;
    return (e.GanadorFlor == Lado::Jugador &&
            (e.EstadoFlor == NivelFlor::FlorContra || e.EstadoFlor == NivelFlor::FlorJuego)) ||
           (e.QuienFlor == Lado::Jugador && e.EstadoFlor == NivelFlor::Flor) || e.EstadoFlor == NivelFlor::FlorAchico;
}

void Liquidacion::advertir(const std::string& texto) {
    if (!e.TantoAcreditado) op.mensaje(texto + Penalidad, Icono::Exclamacion);
}

void Liquidacion::mentira() {
    op.ReproducirVoz(Voz::Mentira);
    op.AvisoVentanaCentral();
}

// The player shows all three cards.
void Liquidacion::mostrarTodasLasCartas() {
    MostrarCartasComputadora();
    if (e.FinJuego) return;
    const bool unPalo = MismoPalo(e.carta(1), e.carta(2), e.carta(3));
    const bool floresGanadas = e.EstadoFlor == NivelFlor::FlorContra || e.EstadoFlor == NivelFlor::FlorJuego;
    if (e.EstadoFlor != NivelFlor::Nada) {
        if (e.GanadorFlor == Lado::Jugador && floresGanadas) {
            if (e.FlorJugador == SinFlor) {
                FlorFalsaJugador();
            } else if (e.FlorJugador != e.FlorCantadaJugador) {
                mentira();
                advertir("Te equivocaste o mentiste, tienes " + std::to_string(e.FlorJugador) +
                         " puntos en la flor, en vez de " + std::to_string(e.FlorCantadaJugador) + " puntos!!");
                PenalidadFlor();
            } else {
                op.mensaje(FlorCorrecta, Icono::Informacion);
                SumarFlorJugador();
            }
        } else if ((e.QuienFlor == Lado::Jugador && e.EstadoFlor == NivelFlor::Flor) ||
                   e.EstadoFlor == NivelFlor::FlorAchico) {
            if (unPalo) {
                op.mensaje(FlorCorrecta, Icono::Informacion);
                SumarFlorJugador();
            } else {
                FlorFalsaJugador();
            }
        } else if (floresGanadas) {
            if (unPalo) {
                op.mensaje(FlorCorrecta, Icono::Informacion);
            } else {
                mentira();
                advertir(FlorNoDelMismoPalo);
            }
        }
    } else if (e.GanadorEnvido == Lado::Jugador && e.EnvidoQuerido != Cadena::Nada) {
        if (e.TantoCantadoJugador == e.TantoRealJugador) {
            op.mensaje(TantoCorrecto, Icono::Informacion);
            SumarTantoJugador();
        } else {
            mentira();
            advertir("Te equivocaste o mentiste, tienes " + puntos(e.TantoRealJugador, " punto", " puntos") +
                     ", en vez de " + puntos(e.TantoCantadoJugador, " punto!!", " puntos!!"));
            PenalidadTanto();
        }
    } else if (e.JerarquiaJugador[3] == SinJugar) {
        ronda.SubValorTantoMesa(true);
    }
    if (!e.FinJuego) SumarTantoNoQueridoJugador();
    if (!e.FinJuego) SumarTantoNoQueridoComputadora();
}

// What leaving without showing the cards would punish as unproven, in a line for the
// dialog; empty when the cards on the table prove it or nothing is at stake.
const char* Liquidacion::sinCertificar() const {
    static constexpr const char* Flor = "Mostrá tus cartas para certificar tu flor.";
    static constexpr const char* Tanto = "Mostrá tus cartas para certificar tu tanto.";
    if (e.TantoLiquidado || e.TantoAcreditado || e.JerarquiaJugador[3] != SinJugar) return "";
    if (reclamoFlorJugador()) return Flor;
    if (e.GanadorEnvido != Lado::Jugador || e.EnvidoQuerido == Cadena::Nada) return "";
    if (e.JerarquiaJugador[1] == SinJugar) return Tanto;
    const int a = ValorEnvido(e.carta(e.PosicionJugador[1]));
    int mostrado = a;
    if (e.JerarquiaJugador[2] != SinJugar) {
        const int b = ValorEnvido(e.carta(e.PosicionJugador[2]));
        const bool unPalo = PaloCarta(e.carta(e.PosicionJugador[1])) == PaloCarta(e.carta(e.PosicionJugador[2]));
        mostrado = unPalo ? a + 20 + b : std::max(a, b);
    }
    return mostrado == e.TantoCantadoJugador ? "" : Tanto;
}

// Only the cards on the table prove what the player declared.
void Liquidacion::certificarCartasEnMesa() {
    const bool tantoGanado = e.GanadorEnvido == Lado::Jugador && e.EnvidoQuerido != Cadena::Nada;
    if (e.JerarquiaJugador[1] == SinJugar) {
        if (reclamoFlorJugador()) {
            AvisoSinCartasEnMesa(" la flor.");
            PenalidadFlor();
        } else if (tantoGanado) {
            AvisoSinCartasEnMesa(" el tanto.");
            PenalidadTanto();
        }
    } else if (e.JerarquiaJugador[2] == SinJugar) {
        CertificarFlorIncompleta(" una carta ");
        if (tantoGanado) CertificarTantoUnaCarta(e.carta(e.PosicionJugador[1]));
    } else {
        CertificarFlorIncompleta(" dos cartas ");
        if (!tantoGanado) return;
        const int a = e.carta(e.PosicionJugador[1]);
        const int b = e.carta(e.PosicionJugador[2]);
        if (PaloCarta(a) == PaloCarta(b) || ValorEnvido(a) <= ValorEnvido(b)) {
            const int mostrado = PaloCarta(a) == PaloCarta(b) ? ValorEnvido(a) + 20 + ValorEnvido(b) : ValorEnvido(b);
            if (mostrado == e.TantoCantadoJugador) {
                op.mensaje(TantoCorrecto, Icono::Informacion);
                SumarTantoJugador();
            } else {
                if (!e.TantoAcreditado) op.mensaje(NoCertificasTanto + Penalidad, Icono::Informacion);
                PenalidadTanto();
            }
        } else {
            CertificarTantoUnaCarta(a);
        }
    }
}

void Liquidacion::MostrarCartasComputadora() {
    const bool floresGanadas = e.EstadoFlor == NivelFlor::FlorContra || e.EstadoFlor == NivelFlor::FlorJuego;
    if (floresGanadas && e.GanadorFlor == Lado::Computadora) {
        op.SubOcultarCartas();
        // An envido dialog still up goes out of the way; one not loaded stays so.
        if (op.tanto.cargada()) {
            op.tanto.forma().Top(4700);
            op.tanto.Unload();
        }
        DescubrirCartasComputadora();
        op.AvisoVentanaCentral();
        op.mensaje("Estas son mis cartas, tengo " + std::to_string(e.FlorCompu) + " puntos para la flor.",
                   Icono::Informacion);
        OcultarCartasComputadora();
        SumarFlorComputadora();
    } else if (e.EstadoFlor == NivelFlor::FlorAchico ||
               (e.EstadoFlor == NivelFlor::Flor && e.QuienFlor == Lado::Computadora)) {
        op.SubOcultarCartas();
        AnunciarFlorComputadora();
        SumarFlorComputadora();
    } else if (floresGanadas) {
        op.SubOcultarCartas();
        AnunciarFlorComputadora();
    } else if (e.GanadorEnvido == Lado::Computadora && e.EnvidoQuerido != Cadena::Nada) {
        op.SubOcultarCartas();
        UbicarCartasComputadora();
        switch (e.CartasTantoCompu) {
            case 1: MostrarDosCartasComputadora(4, 5); break;
            case 2: MostrarDosCartasComputadora(4, 6); break;
            case 3: MostrarDosCartasComputadora(5, 6); break;
            default: {
                const int slot = e.CartasTantoCompu;
                n.Carta(e.carta(slot)).Visible(true);
                n.CartaFondo(slot).Visible(false);
            }
        }
        op.AvisoVentanaCentral();
        op.mensaje("Estas son mis cartas, tengo " + puntos(e.TantoCompu, " punto.", " puntos."), Icono::Informacion);
        OcultarCartasComputadora();
        SumarTantoComputadora();
    }
}

void Liquidacion::UbicarCartasComputadora() {
    for (int s = 4; s <= 6; ++s)
        n.Carta(e.carta(s)).Move(LeftMesaCompu[static_cast<std::size_t>(s - 3)], TopMesaJugador);
}

void Liquidacion::DescubrirCartasComputadora() {
    UbicarCartasComputadora();
    for (int s = 4; s <= 6; ++s) n.Carta(e.carta(s)).Visible(true);
}

void Liquidacion::OcultarCartasComputadora() {
    for (int s = 4; s <= 6; ++s) n.Carta(e.carta(s)).Visible(false);
}

void Liquidacion::MostrarDosCartasComputadora(int a, int b) {
    for (int s : {a, b}) {
        n.Carta(e.carta(s)).Visible(true);
        n.CartaFondo(s).Visible(false);
    }
}

void Liquidacion::AnunciarFlorComputadora() {
    DescubrirCartasComputadora();
    op.AvisoVentanaCentral();
    op.mensaje("Tengo flor, estas son mis cartas.", Icono::Informacion);
    OcultarCartasComputadora();
}

void Liquidacion::CertificarTantoUnaCarta(int carta) {
    if (e.TantoCantadoJugador == ValorEnvido(carta)) {
        op.mensaje(TantoCorrecto, Icono::Informacion);
        SumarTantoJugador();
        return;
    }
    if (!e.TantoAcreditado) op.mensaje(NoCertificasTanto + Penalidad, Icono::Informacion);
    PenalidadTanto();
}

void Liquidacion::AvisoSinCartasEnMesa(const std::string& final) {
    advertir("No tienes cartas en mesa, no puedes certificar" + final);
}

void Liquidacion::CertificarFlorIncompleta(const std::string& cantidad) {
    if (!reclamoFlorJugador()) return;
    advertir("Con" + cantidad + "en mesa, no certificas que tienes flor.");
    PenalidadFlor();
}

void Liquidacion::FlorFalsaJugador() {
    mentira();
    advertir(FlorNoDelMismoPalo);
    PenalidadFlor();
}

void Liquidacion::SumarTantoJugador() {
    ronda.SumarPuntos(Lado::Jugador, PuntosEnvidoQuerido(e.CadenaEnvido, e.PuntosJuego, e.PuntosComputadora),
                      Motivo::Envido);
}

void Liquidacion::SumarTantoComputadora() {
    ronda.SumarPuntos(Lado::Computadora, PuntosEnvidoQuerido(e.CadenaEnvido, e.PuntosJuego, e.PuntosJugador),
                      Motivo::Envido);
}

void Liquidacion::PenalidadTanto() {
    if (e.TantoAcreditado) return;
    const int ganados = PuntosEnvidoQuerido(e.CadenaEnvido, e.PuntosJuego, e.PuntosJugador);
    if (ganados > 0) ronda.SumarPuntos(Lado::Computadora, ganados + 5, Motivo::Penalidad);
    e.TantoAcreditado = true;
}

// Flor points to a side, by how far the flor went; a bare "achico" pays only its caller.
// Backing down with a flor pays its caller alone.
int Liquidacion::puntosFlor(Lado lado) const {
    if (e.EstadoFlor == NivelFlor::FlorAchico && e.QuienFlor != lado) return 0;
    return PuntosFlor(e.EstadoFlor, e.PuntosJuego, e.puntos(Contrario(lado)));
}

void Liquidacion::SumarFlorJugador() { ronda.SumarPuntos(Lado::Jugador, puntosFlor(Lado::Jugador), Motivo::Flor); }

void Liquidacion::SumarFlorComputadora() {
    ronda.SumarPuntos(Lado::Computadora, puntosFlor(Lado::Computadora), Motivo::Flor);
}

void Liquidacion::PenalidadFlor() {
    if (e.TantoAcreditado) return;
    if (e.EstadoFlor == NivelFlor::FlorAchico && e.QuienFlor != Lado::Jugador) {
        op.mensaje(
            "Has dicho \"Con flor me achico\", en este caso te has perjudicado. Por lo tanto, la "
            "computadora gana los puntos de la flor, pero no tiene cinco puntos más.",
            Icono::Informacion);
    } else {
        // The flor's whole worth, the achico's too, and five more.
        ronda.SumarPuntos(Lado::Computadora, PuntosFlor(e.EstadoFlor, e.PuntosJuego, e.PuntosJugador) + 5,
                          Motivo::Penalidad);
    }
    e.TantoAcreditado = true;
}

void Liquidacion::SumarTantoNoQueridoJugador() {
    if (e.EnvidoQuerido == Cadena::Nada && e.QuienEnvido == Lado::Jugador && e.EstadoFlor == NivelFlor::Nada)
        ronda.SumarPuntos(Lado::Jugador, PuntosEnvidoNoQuerido(e.CadenaEnvido), Motivo::Envido);
}

void Liquidacion::SumarTantoNoQueridoComputadora() {
    if (e.EnvidoQuerido == Cadena::Nada && e.QuienEnvido == Lado::Computadora && e.EstadoFlor == NivelFlor::Nada)
        ronda.SumarPuntos(Lado::Computadora, PuntosEnvidoNoQuerido(e.CadenaEnvido), Motivo::Envido);
}

}  // namespace naipalia
