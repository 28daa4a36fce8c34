// The player's calls and the negotiation dialogs: the table's envido buttons with the
// computer's answer to each, the score rule that answers when nothing else does, and
// the Tanto dialog, where the player answers the computer's envido, raises it, and
// declares his tanto on the keypad.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>

#include "game/estado.h"
#include "opponent/decision_envido.h"

namespace naipalia {

class Operacion;
class Naipalia;
class Tanto;
class Flores;
class Computadora;
class Ronda;
class CantoTrucos;
class TrucoTantoPrimero;
class Jugadores;

class Cantos {
public:
    // Binds the table's call buttons and the events of the envido, flor and truco dialogs.
    Cantos(Operacion& operacion, Computadora& computadora, Ronda& ronda, CantoTrucos& cantoTrucos,
           TrucoTantoPrimero& trucoTantoPrimero, Jugadores& jugadores);
    Cantos(const Cantos&) = delete;
    Cantos& operator=(const Cantos&) = delete;

    // --- The table's envido buttons ---
    void BotonEnvido_Click();
    void BotonRealEnvido_Click();
    void BotonFaltaEnvido_Click();
    // The score rule, on the chain the player called last.
    void ResponderEnvidoPorPuntos();

    // --- The flor: the table's button and the Flores dialog ---
    void BotonFlor_Click();
    void Flores_Load();
    void Flores_BotonAceptar_Click();
    void Flores_BotonAchico_Click();
    void Flores_BotonJuego_Click();
    void Flores_BotonContra_Click();
    void Flores_BotonNumeroTanto_Click(int indice);
    void PedirFlorJugador();
    void NoQuieroFlorComputadora();
    void QuieroFlorComputadora();
    void ContraFlorAlRestoComputadora();
    void FlorGanaComputadora();
    void FlorGanaJugador();
    // Shown modally, unless it is open already.
    void MostrarFlores();

    // --- The table's truco buttons and the deck ---
    void BotonTruco_Click();
    void BotonRetruco_Click();
    void BotonVale4_Click();
    void BotonMazo_Click();
    // The player accepts the computer's truco or retruco.
    void QuieroTrucoJugador();
    void QuieroRetrucoJugador();

    // --- The truco dialogs ---
    void CantoTrucos_Load();
    void CantoTrucos_BotonQuiero_Click();
    void CantoTrucos_BotonNoQuiero_Click();
    void CantoTrucos_BotonReCanto_Click();
    void TrucoTantoPrimero_Load();
    void TrucoTantoPrimero_BotonSi_Click();
    void TrucoTantoPrimero_BotonNo_Click();
    void TrucoTantoPrimero_BotonPrimeroTanto_Click();
    void TrucoTantoPrimero_BotonRetruco_Click();

    // --- The Tanto dialog ---
    void Tanto_Load();
    void Tanto_QueryUnload(int& cancelar, bool porElUsuario);
    void Tanto_BotonQuiero_Click();
    void Tanto_BotonNoQuiero_Click();
    void Tanto_BotonEnvido_Click();
    void Tanto_BotonRealEnvido_Click();
    void Tanto_BotonFaltaEnvido_Click();
    void Tanto_BotonFlor_Click();
    void BotonNumeroTanto_Click(int indice);

    void DeclararTanto();
    void PedirTantoJugador();
    void TantoGanaComputadora(const std::string& prefijo);
    void TantoGanaJugador();
    void AceptarEnvidoJugador(Cadena nivel);
    // Shown modally, or, when already open, it keeps what it was told and stays.
    void MostrarTanto();

private:
    void cantoDeMesa(Cadena cadena);
    void responderCanto(Cadena cadena, RespuestaEnvido respuesta);
    void subidaDelDialogo(Cadena cadena, Cadena nivel);
    VistaEnvido vistaEnvido() const;
    void quejarse(Queja queja);
    bool negociando() const;
    void vincularTruco();
    void vincularFlor();
    void declararFlor();
    bool negociandoFlor() const;
    // The computer's answers to the player's truco calls, hand by hand.
    void llamadaDeTruco(void (Cantos::*respuesta)());
    enum class Decision { Acepta, Rechaza, Cuatro };
    struct UmbralesManoDos {
        double sorteoGano;  // it took hand 1, or has hand 2 to play after a tie
        int conSorteoGano, seguroGano;
        double sorteoIguales;  // it played hand 2 after a tie
        int conSorteoIguales, seguroIguales;
    };
    Decision decidirManoDos(int a, int b, const UmbralesManoDos& u, const std::function<bool()>& conElJugadorPrimero);
    void responderLlamada(NivelTruco nivel, bool acepta);
    void contestar(Decision decision, NivelTruco nivel);
    void respuestaTruco();
    void respuestaRetruco();
    void respuestaVale4();
    void aceptaYSubeRetruco();
    bool deduccionResponde(int slotA, int slotB);
    void rechazarLlamada();
    int clase(int slot) const;
    // Some ordered pair of distinct slots among these: one of class at most x, the other at most y.
    bool par(std::initializer_list<int> slots, int x, int y) const;

    Operacion& op;
    Estado& e;
    Naipalia& n;
    Tanto& tanto;
    Flores& flores;
    Computadora& computadora;
    Ronda& ronda;
    CantoTrucos& cantoTrucos;
    TrucoTantoPrimero& trucoTantoPrimero;
    Jugadores& jugadores;
};

}  // namespace naipalia
