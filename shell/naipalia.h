// The main window: the game table.
#pragma once

#include <array>
#include <string>

#include "platform/ventana.h"

namespace naipalia {

class Juego;
struct Estado;

class Naipalia : public Ventana {
public:
    explicit Naipalia(Juego& juego);

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
    Control MenuRecuerdo{*this, "MenuRecuerdo", TipoControl::Menu};
    ArregloControles MenuRecuerdoOpcion{*this, "MenuRecuerdoOpcion", TipoControl::Menu, 1, 2};
    Control MenuFlor{*this, "MenuFlor", TipoControl::Menu};
    ArregloControles MenuFlorOpcion{*this, "MenuFlorOpcion", TipoControl::Menu, 1, 2};
    Control MenuComienzo{*this, "MenuComienzo", TipoControl::Menu};
    Control MenuMJugador{*this, "MenuMJugador", TipoControl::Menu};
    Control MenuMCompu{*this, "MenuMCompu", TipoControl::Menu};
    Control MenuMAleatorio{*this, "MenuMAleatorio", TipoControl::Menu};
    Control MenuPuntaje{*this, "MenuPuntaje", TipoControl::Menu};
    ArregloControles MenuCantidadPuntos{*this, "MenuCantidadPuntos", TipoControl::Menu, 1, 2};
    Control MenuMultimedia{*this, "MenuMultimedia", TipoControl::Menu};
    Control MenuCarta{*this, "MenuCarta", TipoControl::Menu};
    ArregloControles MenuCartaOpcion{*this, "MenuCartaOpcion", TipoControl::Menu, 1, 2};
    Control MenuVoz{*this, "MenuVoz", TipoControl::Menu};
    ArregloControles MenuMultimediaVozOpcion{*this, "MenuMultimediaVozOpcion", TipoControl::Menu, 1, 2};
    Control MenuAcerca{*this, "MenuAcerca", TipoControl::Menu};
    Control MenuSalir{*this, "MenuSalir", TipoControl::Menu};
    Control MenuAyuda{*this, "MenuAyuda", TipoControl::Menu};

    // --- Private variables of the window ---
    int ManoActual = 1;
    bool MazoPendiente = false;
    int JerarquiaDeducidaJugador = 14;
    double TiempoUltimaAccion = 0;
    bool ArrastrandoCarta = false;
    int LeftInicialCarta = 0;
    int AgarreX = 0, AgarreY = 0;
    int CartaArrastrada = 0;
    double RetornoX = 0, RetornoY = 0;
    std::array<int, 7> PasoFondo{};  // backs 4..6
    std::array<int, 4> PasoBaile{};  // dancing cards 1..3
    int ContadorPropagandaMesa = 0;

    // --- Start-up and menus ---
    void Form_Load() override;
    void MenuNuevo_Click();
    void MenuFin_Click();
    void MenuCantidadPuntos_Click(int indice);
    void MenuFlorOpcion_Click(int indice);
    void MenuMultimediaVozOpcion_Click(int indice);
    void MenuCartaOpcion_Click(int indice);
    void MenuMJugador_Click();
    void MenuMCompu_Click();
    void MenuMAleatorio_Click();
    void TiempoComienzo_Timer();
    void TiempoBaile_Timer();
    void RefrescarPropaganda();
    void mostrarNombreJugador();

    // --- Game and round lifecycle ---
    void SubRepartirCartas();
    void SubComenzarRonda();
    void SiguienteRonda();
    void SubFinJuego();
    void CerrarPartida();
    void TextoJugador_Change();
    void TextoComputadora_Change();
    void CalcularTantos();
    void SubValorTantoMesa(bool CartasMostradas);

    // --- The three hands ---
    void ResolverMano();
    void SumarTrucoJugador();
    void SumarTrucoComputadora();

    // --- The player's card actions ---
    void BotonCarta_Click(int indice);
    void Carta_MouseDown(int indice, int boton, int shift, double x, double y);
    void Carta_MouseMove(int indice, int boton, int shift, double x, double y);
    void Carta_MouseUp(int indice, int boton, int shift, double x, double y);
    void TiempoCarta_Timer();
    void PonerCartaEnMesa(int carta, double left);
    void JugarCartaMesa(int mano);
    void DevolverCarta();
    void DeshabilitarBotonesJugada();

    // --- The computer's turn ---
    void JugadaComputadora();
    void DeducirCartaJugador();
    void IrseAlMazoComputadora();
    void DecidirEnvidoComputadora(bool trucoPrimero);
    void CantarFlorComputadora();
    void CantarTrucoComputadora();
    void CantarRetrucoComputadora();
    void CantarVale4Computadora();
    // The computer's truco while the envido is still open; true when its turn ends.
    bool CantarTrucoTantoPrimero();

    // Scores live in their text boxes.
    int puntosJugador() const;
    int puntosComputadora() const;
    void sumarJugador(int puntos);
    void sumarComputadora(int puntos);

private:
    void disenarMesa();
    void finDeJuegoSiCorresponde(const Control& caja);
    void refrescarSiPasoElTiempo();
    void darLaMano(bool alJugador);
    void abrirTurnoJugador(int mano);
    void avisarTurno();
    void cerrarRonda(bool ganaComputadora, const std::string& mensaje);
    void resolverMano1();
    void resolverMano2();
    void resolverMano3();
    void registrarCartaJugador(int mano, int carta, int slot);
    void terminarRetorno();
    int slotDeCarta(int carta) const;
    void jugarMano1();
    void responderMano1();
    void abrirMano1();
    void jugarMano2();
    void jugarMano3();
    bool escalarTruco();
    bool cantoTerminoTurno() const;

    Juego& juego;
    Estado& e;
};

}  // namespace naipalia
