// The database at start-up and its error messages, the stored options, and the player
// registry.
#include <string>
#include <utility>

#include "game/archivos.h"
#include "players/estadistica.h"
#include "players/jugador.h"
#include "players/jugadores.h"
#include "players/mis_partidas.h"
#include "round/ronda.h"
#include "shell/naipalia.h"
#include "shell/operacion.h"

namespace naipalia {

namespace {

const std::string SinRecuerdosTexto = "No es posible entrar a mis \"recuerdos\".   Error : ";
constexpr int Enter = 13;

// Tabs, line breaks, NUL and the like cannot be seen in the list nor typed again to
// pick the name. UTF-8 puts every other character's bytes at 0x20 and above.
bool tieneControles(const std::string& nombre) {
    for (const char c : nombre) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7f) return true;
    }
    return false;
}

}  // namespace

Jugadores::Jugadores(Operacion& operacion, Jugador& j, Estadistica& es, MisPartidas& mp, Ronda& r)
    : op(operacion),
      e(operacion.estado),
      n(operacion.naipalia),
      jugador(j),
      estadistica(es),
      misPartidas(mp),
      ronda(r) {
    n.BotonJugador.Click = [this] { BotonJugador_Click(); };
    jugador.Load = [this] { Jugador_Load(); };
    jugador.ListaJugadores.Click = [this] { ListaJugadores_Click(); };
    jugador.ListaJugadores.DblClick = [this] { BotonJugar_Click(); };
    jugador.ListaJugadores.KeyPress = [this](int& tecla) { ListaJugadores_KeyPress(tecla); };
    jugador.TextoSeleccionJugador.Change = [this] { TextoSeleccionJugador_Change(); };
    jugador.BotonRegistrar.Click = [this] { BotonRegistrar_Click(); };
    jugador.BotonEliminar.Click = [this] { BotonEliminar_Click(); };
    jugador.BotonJugar.Click = [this] { BotonJugar_Click(); };
    jugador.BotonSalir.Click = [this] { BotonSalir_Click(); };
    jugador.TiempoPropaganda.Timer = [this] { TiempoPropaganda_Timer(); };
    jugador.TiempoBase.Timer = [this] { TiempoBase_Timer(); };
    estadistica.Load = [this] { Estadistica_Load(); };
    estadistica.BotonAceptar.Click = [this] { estadistica.Unload(); };
    n.MenuPartidas.Click = [this] { MenuPartidas_Click(); };
    misPartidas.BotonAceptar.Click = [this] { misPartidas.Unload(); };
}

BaseDatos& Jugadores::base() {
    terminarApertura();
    return *op.puertos.baseDatos;
}

// --- Start-up ---

// A file still deriving its key is left to open while the registry shows: its list fills
// in once the file is ready, and whatever needs the file sooner waits for it.
void Jugadores::AbrirBaseDatos() {
    e.SinRecuerdos = false;
    abriendo_ = !op.puertos.baseDatos->listo();
    if (!abriendo_) abrirAhora();
}

void Jugadores::terminarApertura() {
    if (!std::exchange(abriendo_, false)) return;
    abrirAhora();
    // Without the file the registry has nothing to offer: the game goes on without it.
    if (e.SinRecuerdos) jugador.Unload();
}

void Jugadores::abrirAhora() {
    std::string error;
    if (base().abrir(op.ruta(archivos::BaseDatos), archivos::ClaveBase, error)) {
        e.SinRecuerdos = false;
        ErrorApertura.clear();
        // Opened by setting a part of the file aside: the player hears what became of it.
        if (!error.empty()) op.mensajeAparte(error, Icono::Critico);
        return;
    }
    e.SinRecuerdos = true;
    ErrorApertura = "La opción \"Recuerdos\" estará desactivada. " + SinRecuerdosTexto + error;
    if (!error.empty()) op.mensajeAparte(ErrorApertura, Icono::Critico);
}

void Jugadores::MostrarRegistro() {
    op.mostrarModal(jugador);
    // Closed by its title bar it may still be loaded: the next showing starts afresh.
    jugador.Unload();
    terminarApertura();
}

void Jugadores::AplicarOpcionesGuardadas() {
    OpcionesGuardadas o;
    if (!AbrirConfiguracion(o)) return;
    if (o[Opcion::Puntos30]) e.PuntosJuego = 30;
    for (const DatosOpcion& d : Opciones)
        if (d.columna && o[d.opcion]) n.marcarOpcion(d.opcion, true);
}

// Without a database the registry could only fail: the start-up's reason is given again.
void Jugadores::BotonJugador_Click() {
    ronda.refrescarSiPasoElTiempo();
    if (e.SinRecuerdos) {
        op.mensajeAparte(ErrorApertura, Icono::Critico);
        return;
    }
    MostrarRegistro();
}

// --- The database's procedures ---

bool Jugadores::AbrirConfiguracion(OpcionesGuardadas& opciones) {
    e.ErrorBaseDatos = false;
    FalloBase fallo;
    if (base().leerOpciones(opciones, fallo)) return true;
    e.ErrorBaseDatos = true;
    reportar(fallo);
    return false;
}

bool Jugadores::GuardarOpcion(Opcion opcion, bool valor) {
    if (e.SinRecuerdos) return false;
    FalloBase fallo;
    if (base().guardarOpcion(opcion, valor, fallo)) return true;
    reportar(fallo);
    return false;
}

void Jugadores::reportar(const FalloBase& fallo) {
    // The file still held, as the message moments ago said: nothing new to tell.
    if (fallo.sigueBloqueado) {
        n.forma().MousePointer(0);
        return;
    }
    switch (fallo.paso) {
        case PasoBase::Abrir: ErrorRecuerdos(fallo.descripcion); break;
        case PasoBase::Interpretar: ErrorInterpretarDatos(fallo.descripcion); break;
        case PasoBase::Recordar: ErrorRecordarDatos(fallo.descripcion); break;
    }
}

void Jugadores::ErrorRecuerdos(const std::string& descripcion) {
    n.forma().MousePointer(0);
    op.mensajeAparte(SinRecuerdosTexto + descripcion, Icono::Critico);
}

void Jugadores::ErrorInterpretarDatos(const std::string& descripcion) {
    op.mensajeAparte("No puedo interpretar tus datos.   Error : " + descripcion, Icono::Critico);
}

void Jugadores::ErrorRecordarDatos(const std::string& descripcion) {
    op.mensajeAparte("No puedo recordar tus datos.   Error : " + descripcion, Icono::Critico);
}

// --- The registry ---

void Jugadores::Jugador_Load() {
    auto& imagenes = *op.puertos.imagenes;
    if (imagenes.cargable(op.RutaCaraMenu)) jugador.Image2.Picture(op.RutaCaraMenu);
    // The three best cards of the deck as decoration.
    Control* cartas[] = {&jugador.Image1, &jugador.Image3, &jugador.Image4};
    for (int i = 0; i < 3; ++i) {
        const std::string ruta = op.ruta(archivos::Carta(i));
        if (imagenes.cargable(ruta)) cartas[i]->Picture(ruta);
    }
    TiempoPropaganda_Timer();
    if (abriendo_)
        jugador.TiempoBase.Enabled(true);
    else
        llenarLista();
}

void Jugadores::TiempoBase_Timer() {
    if (!op.puertos.baseDatos->listo()) return;
    jugador.TiempoBase.Enabled(false);
    terminarApertura();
    if (jugador.cargada()) llenarLista();
}

void Jugadores::llenarLista() {
    std::vector<std::string> nombres;
    FalloBase fallo;
    if (base().leerJugadores(nombres, fallo))
        jugador.ListaJugadores.List(std::move(nombres));
    else
        reportar(fallo);
}

void Jugadores::ListaJugadores_Click() {
    const auto& lista = jugador.ListaJugadores;
    const int i = lista.ListIndex();
    if (i < 0 || i >= static_cast<int>(lista.List().size())) return;
    jugador.TextoSeleccionJugador.Text(lista.List()[static_cast<std::size_t>(i)]);
    jugador.BotonEliminar.Enabled(true);
}

void Jugadores::ListaJugadores_KeyPress(int& tecla) {
    if (tecla == Enter) BotonJugar_Click();
}

void Jugadores::TextoSeleccionJugador_Change() {
    const std::string& seleccion = jugador.TextoSeleccionJugador.Text();
    NombreElegido = seleccion;
    e.NombreJugador = NombreRelleno(seleccion);
    op.contar(suceso::JugadorElegido{});
    n.MenuMJugador.Caption("&Mano " + e.NombreJugador);
    for (int h = 1; h <= 3; ++h) n.EtiquetaMesaJugador(h).Caption(e.NombreJugador);
    n.EtiquetaJugador.Caption(NombreRecortado(e.NombreJugador));
    n.forma().Caption("Naipalia 2005 jugando con " + seleccion);
}

void Jugadores::BotonRegistrar_Click() {
    const std::string nombre = jugador.TextoNuevoJugador.Text();
    if (nombre.empty()) {
        op.mensajeAparte(
            "Falta que ingreses tu nombre de usuario en la caja Nuevo Jugador, si no está en la lista de "
            "jugadores. Recordá que tu nombre solo debe ser usado por ti.",
            Icono::Critico);
        return;
    }
    if (tieneControles(nombre)) {
        op.mensajeAparte(
            "Tu nombre no puede llevar tabulaciones, saltos de línea ni otros caracteres invisibles. "
            "Escribilo de nuevo en la caja Nuevo Jugador, sin ellos.",
            Icono::Critico);
        return;
    }
    FalloBase fallo;
    if (!base().agregarJugador(nombre, fallo)) {
        op.mensajeAparte("No puedo recordar tu nombre.   Error : " + fallo.descripcion, Icono::Critico);
        return;
    }
    auto lista = jugador.ListaJugadores.List();
    lista.push_back(nombre);
    const int nuevo = static_cast<int>(lista.size()) - 1;
    jugador.ListaJugadores.List(std::move(lista));
    // The new name chosen as a click would choose it, and the field emptied: a second
    // Enter registers nothing.
    jugador.ListaJugadores.ListIndex(nuevo);
    ListaJugadores_Click();
    jugador.TextoNuevoJugador.Text("");
    op.mensajeAparte(
        "Tu nombre de jugador ha sido \"recordado\" con éxito. Se recomienda que tu nombre solo sea usado "
        "por ti.",
        Icono::Informacion);
}

void Jugadores::BotonEliminar_Click() {
    auto& lista = jugador.ListaJugadores;
    const int i = lista.ListIndex();
    if (i < 0 || i >= static_cast<int>(lista.List().size())) return;
    const std::string nombre = lista.List()[static_cast<std::size_t>(i)];
    if (!op.preguntar("¿Deseas elimnar al jugador " + nombre + "?", Respuesta::No)) return;
    FalloBase fallo;
    if (!base().eliminarJugador(nombre, fallo)) {
        op.mensajeAparte("El Jugador " + nombre + " no puede ser eliminado. Error : " + fallo.descripcion,
                         Icono::Critico);
        return;
    }
    op.mensajeAparte("El Jugador " + nombre + " ha sido eliminado.", Icono::Informacion);
    auto nombres = lista.List();
    nombres.erase(nombres.begin() + i);
    lista.ListIndex(-1);
    lista.List(std::move(nombres));
    jugador.BotonEliminar.Enabled(false);
    jugador.TextoNuevoJugador.Text("");
    jugador.TextoSeleccionJugador.Text("");
}

void Jugadores::BotonJugar_Click() {
    if (jugador.TextoSeleccionJugador.Text().empty()) {
        op.mensajeAparte("Debes seleccionarte de la lista.", Icono::Critico);
        return;
    }
    jugador.Unload();
}

void Jugadores::BotonSalir_Click() {
    if (!op.preguntar("Gracias por usar Naipalia 2005.\r\n¿Deseas salir del programa?", Respuesta::Si)) return;
    base().cerrar();
    op.puertos.ventanas->terminar();
}

// Imagen1, Imagen2, ... in turn, then "Publique.gif" once, and round again. A closed
// registry's timer has nothing to show.
void Jugadores::TiempoPropaganda_Timer() {
    if (!jugador.cargada()) return;
    auto& animaciones = *op.puertos.animaciones;
    ContadorPropaganda = (ContadorPropaganda + 1) % 256;
    if (animaciones.archivo(Jugador::Propaganda, op.ruta(archivos::Propaganda(ContadorPropaganda)))) {
        animaciones.iniciar(Jugador::Propaganda);
        return;
    }
    ContadorPropaganda = 0;
    if (animaciones.archivo(Jugador::Propaganda, op.ruta(archivos::Publique))) animaciones.iniciar(Jugador::Propaganda);
}

}  // namespace naipalia
