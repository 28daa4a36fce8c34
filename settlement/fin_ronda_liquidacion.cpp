// Settling envido and flor at the end of the round: the computer proves its own,
// the player's declaration is checked against the cards he showed, lies are punished.
#include <string>

#include "game/mesa.h"
#include "game/operacion.h"
#include "game/tanto.h"
#include "settlement/fin_ronda.h"
#include "shell/juego.h"
#include "shell/naipalia.h"

namespace naipalia {

namespace {

const std::string Penalidad =
    " Perdiste los puntos en cuestión, que son ganados por la PC y cinco puntos mas.";
const std::string FlorNoDelMismoPalo =
    "Te equivocaste o mentiste, dijiste tener flor, y tus cartas no son del mismo palo.";
const std::string TantoCorrecto = "Tu tanto es correcto.";
const std::string FlorCorrecta = "Tu flor es correcta.";
const std::string NoCertificasTanto = "Sabiendo tus cartas en mesa, no certificas el tanto.";

std::string puntos(int n, const char* singular, const char* plural) {
    return std::to_string(n) + (n == 0 || n == 1 ? singular : plural);
}

}  // namespace

bool FinRonda::reclamoFlorJugador() const {
    if (e.EstadoFlor == Nada) return false;
    return (e.esJugador(e.GanadorFlor) && (e.EstadoFlor == "FlorContra" || e.EstadoFlor == "FlorJuego")) ||
           (e.esJugador(e.QuienFlor) && e.EstadoFlor == "Flor") || e.EstadoFlor == "FlorAchico";
}

void FinRonda::advertir(const std::string& texto) {
    if (!e.TantoAcreditado) juego.mensaje(texto + Penalidad, Icono::Exclamacion);
}

void FinRonda::mentira() {
    Operacion::ReproducirVoz(juego, "Mentira");
    Operacion::AvisoVentanaCentral(juego);
}

// The player shows all three cards.
void FinRonda::mostrarTodasLasCartas() {
    MostrarCartasComputadora();
    const bool unPalo = MismoPalo(e.carta(1), e.carta(2), e.carta(3));
    const bool floresGanadas = e.EstadoFlor == "FlorContra" || e.EstadoFlor == "FlorJuego";
    if (e.EstadoFlor != Nada) {
        if (e.esJugador(e.GanadorFlor) && floresGanadas) {
            if (e.FlorJugador == SinFlor) {
                FlorFalsaJugador();
            } else if (e.FlorJugador != e.FlorCantadaJugador) {
                mentira();
                advertir("Te equivocaste o mentiste, tienes " + std::to_string(e.FlorJugador) +
                         " puntos en la flor, en vez de " + std::to_string(e.FlorCantadaJugador) + " puntos!!");
                PenalidadFlor();
            } else {
                juego.mensaje(FlorCorrecta, Icono::Informacion);
                SumarFlorJugador();
            }
        } else if ((e.esJugador(e.QuienFlor) && e.EstadoFlor == "Flor") || e.EstadoFlor == "FlorAchico") {
            if (unPalo) {
                juego.mensaje(FlorCorrecta, Icono::Informacion);
                SumarFlorJugador();
            } else {
                FlorFalsaJugador();
            }
        } else if (floresGanadas) {
            if (unPalo) {
                juego.mensaje(FlorCorrecta, Icono::Informacion);
            } else {
                mentira();
                advertir(FlorNoDelMismoPalo);
            }
        }
    } else if (e.esJugador(e.GanadorEnvido) && e.EnvidoQuerido != Nada) {
        if (e.TantoCantadoJugador == e.TantoRealJugador) {
            juego.mensaje(TantoCorrecto, Icono::Informacion);
            SumarTantoJugador();
        } else {
            mentira();
            advertir("Te equivocaste o mentiste, tienes " + puntos(e.TantoRealJugador, " punto", " puntos") +
                     ", en vez de " + puntos(e.TantoCantadoJugador, " punto!!", " puntos!!"));
            PenalidadTanto();
        }
    } else if (e.JerarquiaJugador[3] == SinJugar) {
        juego.naipalia.SubValorTantoMesa(true);
    }
    SumarTantoNoQueridoJugador();
    SumarTantoNoQueridoComputadora();
}

// Only the cards on the table prove what the player declared.
void FinRonda::certificarCartasEnMesa() {
    const bool tantoGanado = e.esJugador(e.GanadorEnvido) && e.EnvidoQuerido != Nada;
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
                juego.mensaje(TantoCorrecto, Icono::Informacion);
                SumarTantoJugador();
            } else {
                if (!e.TantoAcreditado) juego.mensaje(NoCertificasTanto + Penalidad, Icono::Informacion);
                PenalidadTanto();
            }
        } else {
            CertificarTantoUnaCarta(a);
        }
    }
}

void FinRonda::MostrarCartasComputadora() {
    auto& n = juego.naipalia;
    const bool floresGanadas = e.EstadoFlor == "FlorContra" || e.EstadoFlor == "FlorJuego";
    if (floresGanadas && e.GanadorFlor == Computadora) {
        SubOcultarCartas();
        // The tanto dialog arrives with the envido; it is closed here once it exists.
        DescubrirCartasComputadora();
        Operacion::AvisoVentanaCentral(juego);
        juego.mensaje("Estas son mis cartas, tengo " + std::to_string(e.FlorCompu) + " puntos para la flor.",
                      Icono::Informacion);
        OcultarCartasComputadora();
        SumarFlorComputadora();
    } else if (e.EstadoFlor == "FlorAchico" || (e.EstadoFlor == "Flor" && e.QuienFlor == Computadora)) {
        SubOcultarCartas();
        AnunciarFlorComputadora();
        SumarFlorComputadora();
    } else if (floresGanadas) {
        SubOcultarCartas();
        AnunciarFlorComputadora();
    } else if (e.GanadorEnvido == Computadora && e.EnvidoQuerido != Nada) {
        SubOcultarCartas();
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
        Operacion::AvisoVentanaCentral(juego);
        juego.mensaje("Estas son mis cartas, tengo " + puntos(e.TantoCompu, " punto.", " puntos."),
                      Icono::Informacion);
        OcultarCartasComputadora();
        SumarTantoComputadora();
    }
}

void FinRonda::UbicarCartasComputadora() {
    for (int s = 4; s <= 6; ++s)
        juego.naipalia.Carta(e.carta(s)).Move(LeftMesaCompu[static_cast<std::size_t>(s - 3)], TopMesaJugador);
}

void FinRonda::DescubrirCartasComputadora() {
    UbicarCartasComputadora();
    for (int s = 4; s <= 6; ++s) juego.naipalia.Carta(e.carta(s)).Visible(true);
}

void FinRonda::OcultarCartasComputadora() {
    for (int s = 4; s <= 6; ++s) juego.naipalia.Carta(e.carta(s)).Visible(false);
}

void FinRonda::MostrarDosCartasComputadora(int a, int b) {
    auto& n = juego.naipalia;
    for (int s : {a, b}) {
        n.Carta(e.carta(s)).Visible(true);
        n.CartaFondo(s).Visible(false);
    }
}

void FinRonda::AnunciarFlorComputadora() {
    DescubrirCartasComputadora();
    Operacion::AvisoVentanaCentral(juego);
    juego.mensaje("Tengo flor, estas son mis cartas.", Icono::Informacion);
    OcultarCartasComputadora();
}

void FinRonda::CertificarTantoUnaCarta(int carta) {
    if (e.TantoCantadoJugador == ValorEnvido(carta)) {
        juego.mensaje(TantoCorrecto, Icono::Informacion);
        SumarTantoJugador();
        return;
    }
    if (!e.TantoAcreditado) juego.mensaje(NoCertificasTanto + Penalidad, Icono::Informacion);
    PenalidadTanto();
}

void FinRonda::AvisoSinCartasEnMesa(const std::string& final) {
    advertir("No tienes cartas en mesa, no puedes certificar" + final);
}

void FinRonda::CertificarFlorIncompleta(const std::string& cantidad) {
    if (!reclamoFlorJugador()) return;
    advertir("Con" + cantidad + "en mesa, no certificas que tienes flor.");
    PenalidadFlor();
}

void FinRonda::FlorFalsaJugador() {
    mentira();
    advertir(FlorNoDelMismoPalo);
    PenalidadFlor();
}

void FinRonda::SumarTantoJugador() {
    auto& n = juego.naipalia;
    n.sumarJugador(PuntosEnvidoQuerido(e.CadenaEnvido, e.PuntosJuego, n.puntosComputadora()));
}

void FinRonda::SumarTantoComputadora() {
    auto& n = juego.naipalia;
    n.sumarComputadora(PuntosEnvidoQuerido(e.CadenaEnvido, e.PuntosJuego, n.puntosJugador()));
}

void FinRonda::PenalidadTanto() {
    if (e.TantoAcreditado) return;
    auto& n = juego.naipalia;
    const int ganados = PuntosEnvidoQuerido(e.CadenaEnvido, e.PuntosJuego, n.puntosJugador());
    if (ganados > 0) n.sumarComputadora(ganados + 5);
    e.TantoAcreditado = true;
}

namespace {

// Flor points to a side, by how far the flor went; a bare "achico" pays only its caller.
int puntosFlor(const Estado& e, const std::string& lado, int puntosOtro) {
    if (e.EstadoFlor == "Flor") return 3;
    if (e.EstadoFlor == "FlorAchico") return e.QuienFlor == lado ? 4 : 0;
    if (e.EstadoFlor == "FlorJuego") return 6;
    return e.PuntosJuego - puntosOtro;
}

}  // namespace

void FinRonda::SumarFlorJugador() {
    auto& n = juego.naipalia;
    n.sumarJugador(puntosFlor(e, e.NombreJugador, n.puntosComputadora()));
}

void FinRonda::SumarFlorComputadora() {
    auto& n = juego.naipalia;
    n.sumarComputadora(puntosFlor(e, Computadora, n.puntosJugador()));
}

void FinRonda::PenalidadFlor() {
    if (e.TantoAcreditado) return;
    auto& n = juego.naipalia;
    if (e.EstadoFlor == "FlorAchico" && !e.esJugador(e.QuienFlor)) {
        juego.mensaje("Has dicho \"Con flor me achico\", en este caso te has perjudicado. Por lo tanto, la "
                      "computadora gana los puntos de la flor, pero no tiene cinco puntos más.",
                      Icono::Informacion);
    } else {
        const int ganados = e.EstadoFlor == "FlorAchico" ? 4 : puntosFlor(e, Computadora, n.puntosJugador());
        n.sumarComputadora(ganados + 5);
    }
    e.TantoAcreditado = true;
}

void FinRonda::SumarTantoNoQueridoJugador() {
    if (e.EnvidoQuerido == Nada && e.esJugador(e.QuienEnvido) && e.EstadoFlor == Nada)
        juego.naipalia.sumarJugador(PuntosEnvidoNoQuerido(e.CadenaEnvido));
}

void FinRonda::SumarTantoNoQueridoComputadora() {
    if (e.EnvidoQuerido == Nada && e.QuienEnvido == Computadora && e.EstadoFlor == Nada)
        juego.naipalia.sumarComputadora(PuntosEnvidoNoQuerido(e.CadenaEnvido));
}

}  // namespace naipalia
