// The table's start-up: pictures, texts, the screen check and the options.
#include <string>

#include "game/archivos.h"
#include "opponent/computadora.h"
#include "players/jugadores.h"
#include "round/ronda.h"
#include "shell/naipalia.h"
#include "shell/operacion.h"
#include "shell/principal.h"
#include "game/textos.h"

namespace naipalia {

void Principal::Form_Load() {
    const Puertos& puertos = op.puertos;
    n.MultimediaCarta.FileName(op.ruta(archivos::Mover));

    // Pictures: one message for all that failed, and the table still opens.
    bool fallo = false;
    auto imagen = [&](Control& c, const std::string& archivo) {
        const std::string ruta = op.ruta(archivo);
        if (puertos.imagenes->cargable(ruta))
            c.Picture(ruta);
        else
            fallo = true;
    };
    if (puertos.imagenes->cargable(op.RutaCaraMenu))
        n.Imagen2.Picture(op.RutaCaraMenu);
    else
        fallo = true;
    n.EtiquetaAcercade.Caption(textos::Credito);
    n.EtiquetaAcercade2.Caption(std::string(textos::Credito) + "...y las sugerencias de los usuarios");
    n.EtiquetaAcercade3.Caption(textos::Distribucion);
    n.EtiquetaDerechos.Caption(textos::Derechos);
    n.EtiquetaNaipalia.Caption(textos::NombreVersion);
    n.EtiquetaAnio.Caption(textos::AniosAutor);
    for (int i = 0; i <= 1; ++i) {
        n.EtiquetaEmail(i).Caption(textos::Correo);
        n.EtiquetaURL(i).Caption(textos::Web);
    }
    if (puertos.imagenes->cargable(op.RutaMano)) {
        n.EtiquetaEmail(0).MouseIcon(op.RutaMano);
        n.EtiquetaEmail(0).MousePointer(PunteroPropio);
    } else {
        fallo = true;
    }
    for (int s = 4; s <= 6; ++s) imagen(n.CartaFondo(s), archivos::Fondo);
    for (int c = 0; c < 40; ++c) imagen(n.Carta(c), archivos::Carta(c));
    if (fallo) op.mensaje(ErrorArchivo, Icono::Critico);

    n.TextoEstado.Text(textos::PresionaF5);

    const int ancho = puertos.pantalla->anchoPixeles();
    const int alto = puertos.pantalla->altoPixeles();
    if (ancho < 800 || alto < 600)
        op.mensaje(
            "ATENCION: La resolución de pantalla es menor a 800x600.\r\n\r\n"
            "El programa está diseñado para una resolución, al menos, de 800x600. Por favor, "
            "para un funcionamiento óptimo cambie la resolución al valor citado.",
            Icono::Critico);

    // The database, then the registry and the stored options; without it, neither,
    // and no recuerdos.
    jugadores.AbrirBaseDatos();
    e.PuntosJuego = n.MenuCantidadPuntos(2).Checked() ? 30 : 15;
    e.NombreJugador = NombreRelleno(textos::JugadorSinRegistro);
    op.contar(suceso::JugadorElegido{});
    mostrarNombreJugador();
    if (!e.SinRecuerdos) jugadores.MostrarRegistro();
    if (e.SinRecuerdos) {
        n.MenuRecuerdo.Enabled(false);
        n.MenuPartidas.Enabled(false);
    } else {
        jugadores.AplicarOpcionesGuardadas();
    }

    op.RefrescarPropaganda();
    ronda.TiempoUltimaAccion = puertos.reloj->segundosDelDia();
}

void Principal::mostrarNombreJugador() {
    n.MenuMJugador.Caption("&Mano " + e.NombreJugador);
    for (int h = 1; h <= 3; ++h) n.EtiquetaMesaJugador(h).Caption(e.NombreJugador);
    n.EtiquetaJugador.Caption(NombreRecortado(e.NombreJugador));
    n.forma().Caption("Naipalia 2005 jugando con " + NombreRecortado(e.NombreJugador));
}

}  // namespace naipalia
