#include "shell/operacion.h"

#include <filesystem>

#include "calls/flores.h"
#include "calls/tanto.h"
#include "game/mesa.h"
#include "game/nombres.h"
#include "game/textos.h"
#include "platform/nivel.h"
#include "settlement/fin_ronda.h"
#include "shell/naipalia.h"

namespace naipalia {

namespace {

const std::string Close = "Close", Open = "Open", Play = "Play";

}  // namespace

Operacion::Operacion(Estado& e, const Puertos& p, Naipalia& n, FinRonda& f, Tanto& t, Flores& fl)
    : estado(e),
      puertos(p),
      naipalia(n),
      finRonda(f),
      tanto(t),
      flores(fl),
      RutaMano(ruta(archivos::Mano)),
      RutaCaraMenu(ruta(archivos::CaraMenu)) {
    for (std::size_t v = 0; v < rutasVoces_.size(); ++v)
        rutasVoces_[v] = ruta(archivos::ArchivoVoz(static_cast<Voz>(v)));
}

std::string Operacion::ruta(std::string_view relativa) const {
    constexpr char separador = std::filesystem::path::preferred_separator;
    std::string r = puertos.carpeta;
    r += separador;
    for (char c : relativa) r += c == '/' ? separador : c;
    return r;
}

void Operacion::mensaje(const std::string& texto, Icono icono) {
    if (icono != Icono::Critico) anotador.mensaje(texto);
    mensajeAparte(texto, icono);
}

void Operacion::mensajeAparte(const std::string& texto, Icono icono) { puertos.mensajes->mostrar(texto, icono); }

bool Operacion::preguntar(const std::string& texto, Respuesta porDefecto) {
    return puertos.mensajes->mostrar(texto, Icono::Pregunta, Botones::SiNo, porDefecto) == Respuesta::Si;
}

void Operacion::mostrarModal(Ventana& ventana) {
    ventana.cargar();
    ventana.forma().Visible(true);
    const Nivel abierto(dialogos_);
    puertos.ventanas->mostrarModal(ventana);
}

void Operacion::MostrarTanto() {
    if (!tanto.mostrada()) mostrarModal(tanto);
}

void Operacion::MostrarFlores() {
    if (!flores.mostrada()) mostrarModal(flores);
}

void Operacion::MostrarCara(Control& imagen) {
    if (puertos.imagenes->cargable(RutaCaraMenu)) imagen.Picture(RutaCaraMenu);
}

// Close, Open, Play on one player; any failure gives the one file message.
void Operacion::reproducir(const std::string& reproductor, const std::string& archivo) {
    auto& sonidos = *puertos.sonidos;
    bool ok = sonidos.comando(reproductor, Close, archivo);
    ok = sonidos.comando(reproductor, Open, archivo) && ok;
    ok = ok && sonidos.comando(reproductor, Play, archivo);
    if (!ok) mensaje(ErrorArchivo, Icono::Critico);
}

void Operacion::ReproducirVoz(Voz voz) {
    anotador.voz(voz);
    auto& n = naipalia;
    if (!n.opcion(Opcion::Voz)) return;
    n.MultimediaSonido.FileName(rutasVoces_[static_cast<std::size_t>(voz)]);
    reproducir(n.MultimediaSonido.nombre(), n.MultimediaSonido.FileName());
}

void Operacion::SonidoCarta() {
    auto& n = naipalia;
    if (!n.opcion(Opcion::SonidoCarta)) return;
    reproducir(n.MultimediaCarta.nombre(), n.MultimediaCarta.FileName());
}

void Operacion::AvisoTurnoJugador() {
    naipalia.TextoEstado.Text(
        "Tienes que cantar o jugar una carta, haciendo click sobre ella, o con los botones habilitados");
}

void Operacion::AvisoVentanaCentral() {
    naipalia.TextoEstado.Text(
        "El juego se trasladó a la ventana central, presiona los botones activos de dicha ventana");
}

void Operacion::CerrarCantosMesa() {
    DeshabilitarCantosMesa();
    AvisoTurnoJugador();
}

void Operacion::SubOcultarCartas() {
    for (int s = 1; s <= 6; ++s) {
        Control& carta = naipalia.Carta(estado.carta(s));
        carta.Visible(false);
        carta.MousePointer(0);
    }
    for (int s = 4; s <= 6; ++s) naipalia.CartaFondo(s).Visible(false);
}

void Operacion::DeshabilitarCantosMesa() {
    auto& n = naipalia;
    for (Control* b : {&n.BotonEnvido, &n.BotonRealEnvido, &n.BotonFaltaEnvido, &n.BotonFlor}) b->Enabled(false);
}

void Operacion::DeshabilitarBotonesTanto() {
    auto& t = tanto;
    for (Control* b :
         {&t.BotonQuiero, &t.BotonNoQuiero, &t.BotonEnvido, &t.BotonRealEnvido, &t.BotonFaltaEnvido, &t.BotonFlor})
        b->Enabled(false);
}

void Operacion::AvisoFinalPorPuntos() {
    tanto.Hide();
    flores.Hide();
    mostrarFinRondaCon("Con los puntos jugados se generaría el final. Presiona el botón deseado.", "&Finalizar juego");
    if (!estado.FinJuego) restaurarMesa();
}

// The end-of-round dialog opened for another reason than the round's end: its own
// message and table button, the button's usual caption back afterwards (an unloaded
// dialog has it already; touching it would load it again, and its load takes the
// status line). The status line asked before goes back once the game goes on; a game
// given up asks for a new one; the end of the game keeps what it wrote.
void Operacion::mostrarFinRondaCon(const std::string& mensaje, const std::string& boton) {
    const std::string estadoAntes = naipalia.TextoEstado.Text();
    finRonda.EtiquetaMensaje.Caption(mensaje);
    finRonda.BotonMesa.Caption(boton);
    mostrarModal(finRonda);
    if (finRonda.cargada()) finRonda.BotonMesa.Caption("&Próxima ronda");
    if (estado.FinJuego) return;
    naipalia.TextoEstado.Text(naipalia.MenuFin.Enabled() ? estadoAntes : std::string(textos::PresionaF5));
}

// The settlement hid the round's cards and laid the computer's out to prove its tanto:
// each goes back where the round left it.
void Operacion::restaurarMesa() {
    auto& n = naipalia;
    const Estado& e = estado;
    for (int s = 1; s <= 3; ++s) {
        Control& carta = n.Carta(e.carta(s));
        carta.Visible(true);
        const bool jugada = s == e.PosicionJugador[1] || s == e.PosicionJugador[2] || s == e.PosicionJugador[3];
        if (!jugada) carta.MousePointer(PunteroPropio);
    }
    for (int s = 4; s <= 6; ++s) {
        int mano = 0;
        for (int h = 1; h <= 3; ++h)
            if (e.PosicionCompu[static_cast<std::size_t>(h)] == s) mano = h;
        Control& carta = n.Carta(e.carta(s));
        if (mano != 0) carta.Move(LeftMesaCompu[static_cast<std::size_t>(mano)], TopMesaCompu);
        carta.Visible(mano != 0);
        n.CartaFondo(s).Visible(mano == 0);
    }
}

void Operacion::MensajeFinRonda(std::string_view mensaje) {
    anotador.finDeRonda(mensaje);
    mensajeFinRonda_.assign(mensaje).append(SufijoFinRonda);
    finRonda.EtiquetaMensaje.Caption(mensajeFinRonda_);
}

void Operacion::DeshabilitarBotones() {
    auto& n = naipalia;
    for (Control* c : n.botones())
        if (c != &n.BotonJugador && c != &n.BotonAcercaDe) c->Enabled(false);
}

void Operacion::contar(const Suceso& suceso) {
    anotador.oir(suceso);
    for (const auto& oyente : oyentes) oyente(suceso);
}

void Operacion::EscribirResultadoMano(int mano, ResultadoMano resultado) {
    estado.ResultadoManos[static_cast<std::size_t>(mano)] = resultado;
    contar(suceso::ResultadoDeMano{mano, resultado});
    naipalia.TextoMano(mano).Text(TextoResultado(estado, resultado));
}

// No hand was decided: nothing is told (the deal is).
void Operacion::BorrarResultadosManos() {
    for (std::size_t h = 1; h <= 3; ++h) estado.ResultadoManos[h] = ResultadoMano::SinDecidir;
    for (int h = 1; h <= 3; ++h) naipalia.TextoMano(h).Text(TextoResultado(estado, ResultadoMano::SinDecidir));
}

void Operacion::EscribirQuienMano(Lado lado) {
    static const std::string vacio;
    naipalia.TextoQuienMano.Text(TextoLado(estado, lado, vacio));
}

void Operacion::RefrescarPropaganda() {
    auto& animaciones = *puertos.animaciones;
    ContadorPropagandaMesa = (ContadorPropagandaMesa + 1) % 256;
    naipalia.EtiquetaFecha.Caption("Día : " + puertos.reloj->fechaCorta());
    const std::string numerada = ruta(archivos::Propaganda(ContadorPropagandaMesa));
    bool error = false;
    for (const char* widget : {"TMaxAniPropaganda", "TMaxAniCentral"}) {
        if (animaciones.archivo(widget, numerada))
            animaciones.iniciar(widget);
        else
            error = true;
    }
    if (error) {
        ContadorPropagandaMesa = 0;
        const std::string publique = ruta(archivos::Publique);
        for (const char* widget : {"TMaxAniPropaganda", "TMaxAniCentral"})
            if (animaciones.archivo(widget, publique)) animaciones.iniciar(widget);
    }
}

}  // namespace naipalia
