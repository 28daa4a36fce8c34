// The main window's model: the game table's controls and menus as designed. The
// subsystems bind their events.
#pragma once

#include "platform/opciones.h"
#include "platform/ventana.h"

namespace naipalia {

class Naipalia : public Ventana {
public:
    Naipalia();

    // --- Controls, in drawing order ---
    Control DisenoMesa{*this, "DisenoMesa", TipoControl::Marco};
    Control EtiquetaMesa{*this, "EtiquetaMesa", TipoControl::Etiqueta};
    ArregloControles EtiquetaMesaCompu{*this, "EtiquetaMesaCompu", TipoControl::Etiqueta, 1, 3};
    ArregloControles EtiquetaMesaJugador{*this, "EtiquetaMesaJugador", TipoControl::Etiqueta, 1, 3};
    Control DisenoJuego{*this, "DisenoJuego", TipoControl::Marco};
    Control EtiquetaPuntos{*this, "EtiquetaPuntos", TipoControl::Etiqueta};
    Control EtiquetasPC{*this, "EtiquetasPC", TipoControl::Etiqueta};
    Control TextoComputadora{*this, "TextoComputadora", TipoControl::Texto};
    Control EtiquetaJugador{*this, "EtiquetaJugador", TipoControl::Etiqueta};
    Control TextoJugador{*this, "TextoJugador", TipoControl::Texto};
    Control EtiquetaPregunta{*this, "EtiquetaPregunta", TipoControl::Etiqueta};
    Control TextoQuienMano{*this, "TextoQuienMano", TipoControl::Texto};
    ArregloControles EtiquetaMano{*this, "EtiquetaMano", TipoControl::Etiqueta, 1, 3};
    ArregloControles TextoMano{*this, "TextoMano", TipoControl::Texto, 1, 3};
    Control TMaxAniCentral{*this, "TMaxAniCentral", TipoControl::Animacion};
    ArregloControles CartaFondo{*this, "CartaFondo", TipoControl::Imagen, 4, 6};
    ArregloControles Carta{*this, "Carta", TipoControl::Imagen, 0, 39};
    ArregloControles BotonCarta{*this, "BotonCarta", TipoControl::Boton, 1, 3};
    Control BotonEnvido{*this, "BotonEnvido", TipoControl::Boton};
    Control BotonRealEnvido{*this, "BotonRealEnvido", TipoControl::Boton};
    Control BotonFaltaEnvido{*this, "BotonFaltaEnvido", TipoControl::Boton};
    Control BotonFlor{*this, "BotonFlor", TipoControl::Boton};
    Control BotonTruco{*this, "BotonTruco", TipoControl::Boton};
    Control BotonRetruco{*this, "BotonRetruco", TipoControl::Boton};
    Control BotonVale4{*this, "BotonVale4", TipoControl::Boton};
    Control BotonMazo{*this, "BotonMazo", TipoControl::Boton};
    Control BotonJugador{*this, "BotonJugador", TipoControl::Boton};
    Control EtiquetaEstado{*this, "EtiquetaEstado", TipoControl::Etiqueta};
    Control TextoEstado{*this, "TextoEstado", TipoControl::Texto};
    Control EtiquetaFecha{*this, "EtiquetaFecha", TipoControl::Etiqueta};
    Control DisenoAcercade{*this, "DisenoAcercade", TipoControl::Marco};
    Control EtiquetaAcercade{*this, "EtiquetaAcercade", TipoControl::Etiqueta};
    Control EtiquetaAcercade2{*this, "EtiquetaAcercade2", TipoControl::Etiqueta};
    Control EtiquetaAcercade3{*this, "EtiquetaAcercade3", TipoControl::Etiqueta};
    Control EtiquetaDerechos{*this, "EtiquetaDerechos", TipoControl::Etiqueta};
    Control EtiquetaNaipalia{*this, "EtiquetaNaipalia", TipoControl::Etiqueta};
    Control EtiquetaAnio{*this, "EtiquetaAnio", TipoControl::Etiqueta};
    ArregloControles EtiquetaEmail{*this, "EtiquetaEmail", TipoControl::Etiqueta, 0, 1};
    ArregloControles EtiquetaURL{*this, "EtiquetaURL", TipoControl::Etiqueta, 0, 1};
    Control Imagen1{*this, "Imagen1", TipoControl::Imagen};
    Control Imagen2{*this, "Imagen2", TipoControl::Imagen};
    Control Imagen3{*this, "Imagen3", TipoControl::Imagen};
    Control TMaxAniPropaganda{*this, "TMaxAniPropaganda", TipoControl::Animacion};
    Control BotonAcercaDe{*this, "BotonAcercaDe", TipoControl::Boton};
    Control MultimediaCarta{*this, "MultimediaCarta", TipoControl::Sonido};
    Control MultimediaSonido{*this, "MultimediaSonido", TipoControl::Sonido};
    Control TiempoCarta{*this, "TiempoCarta", TipoControl::Temporizador};
    Control TiempoComienzo{*this, "TiempoComienzo", TipoControl::Temporizador};
    Control TiempoBaile{*this, "TiempoBaile", TipoControl::Temporizador};
    Control TiempoPropaganda{*this, "TiempoPropaganda", TipoControl::Temporizador};

    // --- Menus, in menu order ---
    Control MenuJuego{*this, "MenuJuego", TipoControl::Menu};
    Control MenuNuevo{*this, "MenuNuevo", TipoControl::Menu};
    Control MenuFin{*this, "MenuFin", TipoControl::Menu};
    Control MenuSugerencia{*this, "MenuSugerencia", TipoControl::Menu};
    Control MenuRecuerdo{*this, "MenuRecuerdo", TipoControl::Menu};
    ArregloControles MenuRecuerdoOpcion{*this, "MenuRecuerdoOpcion", TipoControl::Menu, 1, 2};
    Control MenuPartidas{*this, "MenuPartidas", TipoControl::Menu};
    Control MenuFlor{*this, "MenuFlor", TipoControl::Menu};
    ArregloControles MenuFlorOpcion{*this, "MenuFlorOpcion", TipoControl::Menu, 1, 2};
    Control MenuComienzo{*this, "MenuComienzo", TipoControl::Menu};
    Control MenuMJugador{*this, "MenuMJugador", TipoControl::Menu};
    Control MenuMCompu{*this, "MenuMCompu", TipoControl::Menu};
    Control MenuMAleatorio{*this, "MenuMAleatorio", TipoControl::Menu};
    Control MenuPuntaje{*this, "MenuPuntaje", TipoControl::Menu};
    ArregloControles MenuCantidadPuntos{*this, "MenuCantidadPuntos", TipoControl::Menu, 1, 2};
    Control MenuExperto{*this, "MenuExperto", TipoControl::Menu};
    ArregloControles MenuExpertoOpcion{*this, "MenuExpertoOpcion", TipoControl::Menu, 1, 2};
    Control MenuMazo{*this, "MenuMazo", TipoControl::Menu};
    ArregloControles MenuMazoOpcion{*this, "MenuMazoOpcion", TipoControl::Menu, 1, 2};
    Control MenuMultimedia{*this, "MenuMultimedia", TipoControl::Menu};
    Control MenuCarta{*this, "MenuCarta", TipoControl::Menu};
    ArregloControles MenuCartaOpcion{*this, "MenuCartaOpcion", TipoControl::Menu, 1, 2};
    Control MenuVoz{*this, "MenuVoz", TipoControl::Menu};
    ArregloControles MenuMultimediaVozOpcion{*this, "MenuMultimediaVozOpcion", TipoControl::Menu, 1, 2};
    Control MenuAcerca{*this, "MenuAcerca", TipoControl::Menu};
    Control MenuSalir{*this, "MenuSalir", TipoControl::Menu};
    Control MenuAyuda{*this, "MenuAyuda", TipoControl::Menu};

    // --- The options, kept on their menus: one item of each pair checked ---
    // The pair that shows an option, and the item checked when it is on. Inline: the
    // sounds ask for theirs at every card.
    ArregloControles& menuDe(Opcion o) {
        switch (o) {
            case Opcion::Puntos30: return MenuCantidadPuntos;
            case Opcion::Voz: return MenuMultimediaVozOpcion;
            case Opcion::Recuerdos: return MenuRecuerdoOpcion;
            case Opcion::Flor: return MenuFlorOpcion;
            case Opcion::SonidoCarta: return MenuCartaOpcion;
            case Opcion::PreguntarMazo: return MenuMazoOpcion;
            case Opcion::Experto: return MenuExpertoOpcion;
        }
        return MenuCartaOpcion;
    }
    static int itemSi(Opcion o) { return o == Opcion::Puntos30 ? 2 : 1; }
    bool opcion(Opcion o) { return menuDe(o)(itemSi(o)).Checked(); }
    void marcarOpcion(Opcion o, bool si);

private:
    void disenarMesa();
};

}  // namespace naipalia
