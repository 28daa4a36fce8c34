#include "game/archivos.h"
#include "game/operacion.h"

#include "game/mesa.h"
#include "settlement/fin_ronda.h"
#include "shell/juego.h"
#include "shell/naipalia.h"

namespace naipalia::Operacion {

namespace {

// Close, Open, Play on one player; any failure gives the one file message.
void reproducir(Juego& juego, const Control& reproductor, const std::string& archivo) {
    auto& sonidos = juego.puertos.sonidos;
    bool ok = sonidos.comando(reproductor.nombre(), "Close", archivo);
    ok = sonidos.comando(reproductor.nombre(), "Open", archivo) && ok;
    ok = ok && sonidos.comando(reproductor.nombre(), "Play", archivo);
    if (!ok) juego.mensaje(ErrorArchivo, Icono::Critico);
}

}  // namespace

void ReproducirVoz(Juego& juego, const std::string& texto) {
    auto& n = juego.naipalia;
    if (!n.MenuMultimediaVozOpcion(1).Checked()) return;
    n.MultimediaSonido.FileName(juego.ruta(archivos::Voz(texto)));
    reproducir(juego, n.MultimediaSonido, n.MultimediaSonido.FileName());
}

void SonidoCarta(Juego& juego) {
    auto& n = juego.naipalia;
    if (!n.MenuCartaOpcion(1).Checked()) return;
    reproducir(juego, n.MultimediaCarta, n.MultimediaCarta.FileName());
}

void AvisoTurnoJugador(Juego& juego) {
    juego.naipalia.TextoEstado.Text(
        "Tienes que cantar o jugar una carta, haciendo click sobre ella, o con los botones habilitados");
}

void AvisoVentanaCentral(Juego& juego) {
    juego.naipalia.TextoEstado.Text(
        "El juego se trasladó a la ventana central, presiona los botones activos de dicha ventana");
}

void CerrarCantosMesa(Juego& juego) {
    auto& n = juego.naipalia;
    for (Control* b : {&n.BotonEnvido, &n.BotonRealEnvido, &n.BotonFaltaEnvido, &n.BotonFlor}) b->Enabled(false);
    AvisoTurnoJugador(juego);
}

void LimpiarTrucoRechazado(Juego& juego) {
    juego.estado.TrucoRechazadoEnJugada = false;
    juego.estado.TrucoRechazado = false;
    AvisoVentanaCentral(juego);
}

void AvisoFinalPorPuntos(Juego& juego) {
    auto& f = juego.finRonda;
    f.EtiquetaMensaje.Caption("Con los puntos jugados se generaría el final. Presiona el botón deseado.");
    f.BotonMesa.Caption("&Finalizar juego");
    juego.mostrarModal(f);
    f.BotonMesa.Caption("&Próxima ronda");
}

void DeshabilitarBotones(Ventana& ventana) {
    for (Control* c : ventana.botones())
        if (c->nombre() != "BotonJugador" && c->nombre() != "BotonAcercaDe") c->Enabled(false);
}

void JugarCartaComputadora(Juego& juego, int mano, int slot) {
    auto& n = juego.naipalia;
    auto& e = juego.estado;
    const int carta = e.carta(slot);
    n.Carta(carta).Move(LeftMesaCompu[static_cast<std::size_t>(mano)], TopMesaCompu);
    n.Carta(carta).Visible(true);
    n.CartaFondo(slot).Visible(false);
    e.JerarquiaCompu[static_cast<std::size_t>(mano)] = JerarquiaTruco(carta);
    e.PosicionCompu[static_cast<std::size_t>(mano)] = slot;
}

void JugarCartaPrimeraMano(Juego& juego, int slot) {
    SonidoCarta(juego);
    JugarCartaComputadora(juego, 1, slot);
}

void JugarCartaSegundaMano(Juego& juego, int slot) {
    SonidoCarta(juego);
    JugarCartaComputadora(juego, 2, slot);
}

int SlotsSinJugar(const Estado& e, int (&slots)[3]) {
    int n = 0;
    for (int s = 4; s <= 6; ++s)
        if (s != e.PosicionCompu[1] && s != e.PosicionCompu[2] && s != e.PosicionCompu[3]) slots[n++] = s;
    return n;
}

int SlotMasDebil(const Estado& e) {
    int slots[3];
    const int n = SlotsSinJugar(e, slots);
    int debil = slots[0];
    for (int i = 1; i < n; ++i)
        if (JerarquiaTruco(e.carta(slots[i])) > JerarquiaTruco(e.carta(debil))) debil = slots[i];
    return debil;
}

void JugarCartaMasBaja(Juego& juego) { JugarCartaPrimeraMano(juego, SlotMasDebil(juego.estado)); }

}  // namespace naipalia::Operacion
