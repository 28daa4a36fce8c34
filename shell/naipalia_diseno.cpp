// The table's design: captions, geometry, fonts and the menus' tree.
#include "game/mesa.h"
#include "shell/naipalia.h"

namespace naipalia {

namespace {

void menu(Control& c, const std::string& caption, const std::string& padre, bool checked = false) {
    c.diseno().Caption = caption;
    c.diseno().Checked = checked;
    c.padre = padre;
}

// A Sí/No pair under its entry: exactly one of the two carries the check.
void siNo(ArregloControles& opcion, const std::string& padre, bool si) {
    menu(opcion(1), "&Sí", padre, si);
    menu(opcion(2), "&No", padre, !si);
}

void temporizador(Control& c, int intervalo) {
    c.diseno().Interval = intervalo;
    c.diseno().Enabled = false;
    c.diseno().Visible = false;
}

}  // namespace

Naipalia::Naipalia() : Ventana("Naipalia") {
    disenarMesa();
    terminarDiseno();
}

void Naipalia::disenarMesa() {
    forma().disenar(0, 0, 11280, 7560, "Naipalia 2005");

    // The table and its places.
    DisenoMesa.disenar(120, 120, 7720, 3080);
    EtiquetaMesa.disenar(300, 0, 1700, 260, " Mesa de juego ");
    EtiquetaMesa.diseno().Negrita = true;
    for (int h = 1; h <= 3; ++h) {
        EtiquetaMesaCompu(h).disenar(LeftMesaCompu[h], 250, 1500, 240, "Computadora");
        EtiquetaMesaJugador(h).disenar(LeftMesaJugador[h], 2440, 1600, 240, "");
    }

    // Scores, the mano and the result of each hand.
    DisenoJuego.disenar(7980, 120, 3180, 3080, "Juego");
    EtiquetaPuntos.disenar(10020, 380, 1000, 260, "Puntos");
    EtiquetaPuntos.diseno().Negrita = true;
    EtiquetaPuntos.diseno().Alinear = Alineacion::Centro;
    EtiquetasPC.disenar(8120, 720, 1850, 300, "Computadora");
    TextoComputadora.disenar(10020, 680, 1000, 380);
    EtiquetaJugador.disenar(8120, 1170, 1850, 300, "");
    TextoJugador.disenar(10020, 1130, 1000, 380);
    for (Control* caja : {&TextoComputadora, &TextoJugador}) {
        caja->diseno().TamanoLetra = 12;
        caja->diseno().Negrita = true;
        caja->diseno().Alinear = Alineacion::Centro;
    }
    EtiquetaPregunta.disenar(8120, 1640, 1500, 300, "¿Quíen es mano?");
    TextoQuienMano.disenar(9660, 1600, 1360, 340);
    for (int h = 1; h <= 3; ++h) {
        const double top = 2060 + (h - 1) * 360.0;
        EtiquetaMano(h).disenar(8120, top + 40, 1000, 300, std::to_string(h) + "ª Mano :");
        TextoMano(h).disenar(9160, top, 1860, 340);
    }

    // The cards: faces hidden until dealt, backs of the computer's slots.
    TMaxAniCentral.disenar(240, 3260, 2820, 860);
    for (int s = 4; s <= 6; ++s) {
        CartaFondo(s).disenar(LeftFondo[s], TopFondos, AnchoCarta, AltoCarta);
        CartaFondo(s).diseno().Visible = false;
    }
    for (int c = 0; c < 40; ++c) {
        Carta(c).disenar(LeftMano[1], TopMano, AnchoCarta, AltoCarta);
        Carta(c).diseno().Visible = false;
    }

    // Buttons: the player's cards under them, the calls beside the table.
    for (int s = 1; s <= 3; ++s)
        BotonCarta(s).disenar(LeftMano[s], 4920, AnchoCarta, 400, "Carta &" + std::to_string(s));
    struct Llamada {
        Control* boton;
        const char* caption;
    };
    const Llamada llamadas[] = {
        {&BotonEnvido, "&Envido"},
        {&BotonRealEnvido, "Re&al Envido"},
        {&BotonFaltaEnvido, "&Falta Envido"},
        {&BotonFlor, "&Flor"},
        {&BotonTruco, "&Truco"},
        {&BotonRetruco, "&Re-Truco"},
        {&BotonVale4, "&Vale 4"},
        {&BotonMazo, "&Mazo"},
    };
    for (int i = 0; i < 8; ++i)
        llamadas[i].boton->disenar(i < 4 ? 7980 : 9600, 3390 + (i % 4) * 470.0, 1560, 420, llamadas[i].caption);
    for (Control* c : controles())
        if (c->tipo() == TipoControl::Boton) c->diseno().Enabled = false;
    BotonJugador.disenar(7980, 5360, 3180, 420, "&Nuevo Jugador");
    BotonJugador.diseno().Enabled = true;

    // Status line and date.
    EtiquetaEstado.disenar(240, 5720, 2400, 260, "Estado del Juego");
    EtiquetaEstado.diseno().Negrita = true;
    TextoEstado.disenar(240, 5990, 7600, 640);
    EtiquetaFecha.disenar(240, 6720, 3000, 260, "");

    // The about area, closed in its corner.
    DisenoAcercade.disenar(8370, 6225, 2730, 1210, "Acerca de Naipalia..");
    EtiquetaAcercade.disenar(8470, 6430, 2560, 420, "");
    EtiquetaEmail(0).disenar(8470, 6870, 2560, 260, "");
    EtiquetaURL(0).disenar(8470, 7130, 2560, 260, "");
    for (Control* c :
         {&EtiquetaAcercade2, &EtiquetaAcercade3, &EtiquetaDerechos, &EtiquetaNaipalia, &EtiquetaAnio,
          &EtiquetaEmail(1), &EtiquetaURL(1), &Imagen1, &Imagen2, &Imagen3, &TMaxAniPropaganda, &BotonAcercaDe})
        c->diseno().Visible = false;
    // What the open area shows, placed in its final place: (100, 98), 11000 x 7390.
    Imagen2.disenar(500, 500, 480, 480);
    EtiquetaNaipalia.disenar(1200, 560, 9600, 420, "");
    EtiquetaNaipalia.diseno().TamanoLetra = 12;
    EtiquetaNaipalia.diseno().Negrita = true;
    EtiquetaAnio.disenar(1200, 1060, 9600, 300, "");
    EtiquetaAcercade2.disenar(1200, 1440, 9600, 300, "");
    EtiquetaAcercade3.disenar(700, 2100, 10100, 300, "");
    EtiquetaDerechos.disenar(700, 2480, 10100, 300, "");
    TMaxAniPropaganda.disenar(4190, 3200, 2820, 860);
    EtiquetaEmail(1).disenar(700, 4500, 5000, 300, "");
    EtiquetaURL(1).disenar(700, 4880, 5000, 300, "");
    BotonAcercaDe.disenar(9500, 6700, 1300, 420, "&Aceptar");
    BotonAcercaDe.diseno().Enabled = true;

    MultimediaCarta.diseno().Visible = false;
    MultimediaSonido.diseno().Visible = false;
    temporizador(TiempoCarta, 10);
    temporizador(TiempoComienzo, 1);
    temporizador(TiempoBaile, 50);
    temporizador(TiempoPropaganda, 10000);

    // Menus.
    menu(MenuJuego, "&Juego", "");
    menu(MenuNuevo, "&Nuevo juego", "MenuJuego");
    MenuNuevo.atajo = "F5";
    menu(MenuFin, "&Finalizar juego", "MenuJuego");
    MenuFin.diseno().Enabled = false;
    menu(MenuSugerencia, "Su&gerencia", "MenuJuego");
    MenuSugerencia.atajo = "H";
    menu(MenuRecuerdo, "\"&Recuerdos\"", "MenuJuego");
    siNo(MenuRecuerdoOpcion, "MenuRecuerdo", false);
    menu(MenuPartidas, "Mis par&tidas", "MenuJuego");
    menu(MenuFlor, "&Flor", "MenuJuego");
    siNo(MenuFlorOpcion, "MenuFlor", false);
    menu(MenuComienzo, "&Comienzo", "MenuJuego");
    menu(MenuMJugador, "&Mano ", "MenuComienzo");
    menu(MenuMCompu, "Mano &Computadora", "MenuComienzo");
    menu(MenuMAleatorio, "Mano &Aleatorio", "MenuComienzo", true);
    menu(MenuPuntaje, "&Puntaje", "MenuJuego");
    menu(MenuCantidadPuntos(1), "&15 puntos", "MenuPuntaje", true);
    menu(MenuCantidadPuntos(2), "&30 puntos", "MenuPuntaje");
    menu(MenuExperto, "Computadora &experta", "MenuJuego");
    siNo(MenuExpertoOpcion, "MenuExperto", false);
    menu(MenuMazo, "Preguntar antes de irse al ma&zo", "MenuJuego");
    siNo(MenuMazoOpcion, "MenuMazo", true);
    menu(MenuMultimedia, "&Multimedia", "MenuJuego");
    menu(MenuCarta, "Movimiento &Carta", "MenuMultimedia");
    siNo(MenuCartaOpcion, "MenuCarta", true);
    menu(MenuVoz, "&Voz", "MenuMultimedia");
    siNo(MenuMultimediaVozOpcion, "MenuVoz", false);
    menu(MenuAcerca, "&Acerca de Naipalia..", "MenuJuego");
    menu(MenuSalir, "&Salir", "MenuJuego");
    menu(MenuAyuda, "&Ayuda", "");
}

void Naipalia::marcarOpcion(Opcion o, bool si) {
    ArregloControles& menu = menuDe(o);
    menu(itemSi(o)).Checked(si);
    menu(3 - itemSi(o)).Checked(!si);
}

}  // namespace naipalia
