// The table's start-up and the refresh of its date and advertisement.
#include <string>

#include "game/archivos.h"
#include "game/operacion.h"
#include "shell/juego.h"
#include "shell/naipalia.h"
#include "shell/textos.h"

namespace naipalia {

void Naipalia::Form_Load() {
    auto& puertos = juego.puertos;
    MultimediaCarta.FileName(juego.ruta(archivos::Mover));

    // Pictures: one message for all that failed, and the table still opens.
    bool fallo = false;
    auto imagen = [&](Control& c, const std::string& archivo) {
        const std::string ruta = juego.ruta(archivo);
        if (puertos.imagenes.cargable(ruta)) c.Picture(ruta);
        else fallo = true;
    };
    imagen(Imagen2, archivos::CaraMenu);
    EtiquetaAcercade.Caption(textos::Credito);
    EtiquetaAcercade2.Caption(std::string(textos::Credito) + "...y las sugerencias de los usuarios");
    EtiquetaAcercade3.Caption(textos::Distribucion);
    EtiquetaDerechos.Caption(textos::Derechos);
    EtiquetaNaipalia.Caption(textos::NombreVersion);
    EtiquetaAnio.Caption(textos::AniosAutor);
    for (int i = 0; i <= 1; ++i) {
        EtiquetaEmail(i).Caption(textos::Correo);
        EtiquetaURL(i).Caption(textos::Web);
    }
    if (puertos.imagenes.cargable(juego.ruta(archivos::Mano))) {
        EtiquetaEmail(0).MouseIcon(juego.ruta(archivos::Mano));
        EtiquetaEmail(0).MousePointer(PunteroPropio);
    } else {
        fallo = true;
    }
    for (int s = 4; s <= 6; ++s) imagen(CartaFondo(s), archivos::Fondo);
    for (int c = 0; c < 40; ++c) imagen(Carta(c), archivos::Carta(c));
    if (fallo) juego.mensaje(ErrorArchivo, Icono::Critico);

    TextoEstado.Text(textos::PresionaF5);

    const int ancho = puertos.pantalla.anchoPixeles();
    const int alto = puertos.pantalla.altoPixeles();
    if (ancho < 800 || alto < 600)
        juego.mensaje("ATENCION: La resolución de pantalla es menor a 800x600.\r\n\r\n"
                      "El programa está diseñado para una resolución, al menos, de 800x600. Por favor, "
                      "para un funcionamiento óptimo cambie la resolución al valor citado.",
                      Icono::Critico);

    // Without a database there is no registry and no recuerdos.
    e.SinRecuerdos = true;
    e.PuntosJuego = MenuCantidadPuntos(2).Checked() ? 30 : 15;
    MenuRecuerdo.Enabled(false);
    e.NombreJugador = NombreRelleno(textos::JugadorSinRegistro);
    mostrarNombreJugador();

    RefrescarPropaganda();
    TiempoUltimaAccion = puertos.reloj.segundosDelDia();
    MazoPendiente = false;
}

void Naipalia::mostrarNombreJugador() {
    MenuMJugador.Caption("&Mano " + e.NombreJugador);
    for (int h = 1; h <= 3; ++h) EtiquetaMesaJugador(h).Caption(e.NombreJugador);
    EtiquetaJugador.Caption(NombreRecortado(e.NombreJugador));
    forma().Caption("Naipalia 2005 jugando con " + NombreRecortado(e.NombreJugador));
}

void Naipalia::RefrescarPropaganda() {
    auto& animaciones = juego.puertos.animaciones;
    ContadorPropagandaMesa = (ContadorPropagandaMesa + 1) % 256;
    EtiquetaFecha.Caption("Día : " + juego.puertos.reloj.fechaCorta());
    const std::string numerada = juego.ruta(archivos::Propaganda(ContadorPropagandaMesa));
    bool error = false;
    for (const char* widget : {"TMaxAniPropaganda", "TMaxAniCentral"}) {
        if (animaciones.archivo(widget, numerada)) animaciones.iniciar(widget);
        else error = true;
    }
    if (error) {
        ContadorPropagandaMesa = 0;
        const std::string publique = juego.ruta(archivos::Publique);
        for (const char* widget : {"TMaxAniPropaganda", "TMaxAniCentral"})
            if (animaciones.archivo(widget, publique)) animaciones.iniciar(widget);
    }
}

}  // namespace naipalia
