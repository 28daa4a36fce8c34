// The round flow: a game from "Nuevo juego" to its end (deals, the mano, the scores'
// end check, the closing dance), the three hands and the round's truco, and the
// player's card actions on the table (buttons, clicks, drags and the glide home).
// Calls: opponent/computadora.h (its turn after each of the player's cards),
// settlement/liquidacion.h (the end-of-round and end-of-game dialogs), shell/operacion.h.
// Called by: the table's card events and timers, opponent/ and calls/ (a hand or round
// closed by a call or the deck), settlement/ (the next round), shell/ (the menus, building it).
#pragma once

#include <array>
#include <functional>
#include <string_view>

#include "game/estado.h"

namespace naipalia {

class Operacion;
class Naipalia;
class Computadora;
class Liquidacion;

class Ronda {
public:
    // Binds the table's card, score-box and game timers to this subsystem.
    Ronda(Operacion& operacion, Computadora& computadora, Liquidacion& liquidacion);
    Ronda(const Ronda&) = delete;
    Ronda& operator=(const Ronda&) = delete;

    // --- Game and round lifecycle ---
    void MenuNuevo_Click();
    // Told as a new game begins, before anything of the last one is reset.
    std::function<void()> alComenzarPartida;
    void TiempoComienzo_Timer();
    void SubRepartirCartas();
    void SubComenzarRonda();
    void SiguienteRonda();
    void SubFinJuego();
    void CerrarPartida();
    void TextoJugador_Change();
    void TextoComputadora_Change();
    void CalcularTantos();
    void SubValorTantoMesa(bool CartasMostradas);
    void TiempoBaile_Timer();

    // --- The three hands ---
    void ResolverMano();
    void SumarTrucoJugador();
    void SumarTrucoComputadora();
    // The turn prompt, unless the game is over and the status line keeps its end.
    void avisarTurno();

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
    // Past 30 seconds since the last action, the advertisement and the date are refreshed.
    void refrescarSiPasoElTiempo();

    // The table's variables this subsystem keeps.
    int ManoActual = 1;
    double TiempoUltimaAccion = 0;
    bool ArrastrandoCarta = false;
    int LeftInicialCarta = 0;
    int AgarreX = 0, AgarreY = 0;
    int CartaArrastrada = 0;
    double RetornoX = 0, RetornoY = 0;
    std::array<int, 7> PasoFondo{};  // backs 4..6
    std::array<int, 4> PasoBaile{};  // dancing cards 1..3

private:
    void darLaMano(bool alJugador);
    void finDeJuegoSiCorresponde(int puntos);
    void abrirTurnoJugador(int mano);
    void cerrarRonda(bool ganaComputadora, std::string_view mensaje);
    void resolverMano1();
    void resolverMano2();
    void resolverMano3();
    void registrarCartaJugador(int mano, int carta, int slot);
    void jugarCartaYPasarTurno(int mano, int carta, int slot);
    void terminarRetorno();
    int slotDeCarta(int carta) const;

    Operacion& op;
    Estado& e;
    Naipalia& n;
    Computadora& computadora;
    Liquidacion& liquidacion;
};

}  // namespace naipalia
