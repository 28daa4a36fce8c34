// The player's calls and the negotiation dialogs: the table's envido, flor and truco
// buttons, which go to the round; the computer's answer to the envido and the flor the
// round lets through (from its rules, from his history, or by the score rule when nothing
// else does), as the round's `Contrincante` sees it; the deck, and the Tanto, Flores and
// truco dialogs, where the player answers the computer's calls, raises them, and
// declares his tanto.
// The top of the subsystems: none of the others includes it.
// Calls: opponent/decision_envido.h, decision_flor.h and decision_truco.h for the
// computer's answers, opponent/computadora.h to carry out its calls and answers;
// round/ronda.h, players/jugadores.h (the history), shell/operacion.h.
// Called by: the table's and dialogs' events, round/ (through shell/juego.h's
// `Contrincante`), shell/juego.h (building it).
#pragma once

#include <functional>
#include <string>

#include "game/estado.h"
#include "opponent/decision_envido.h"
#include "opponent/decision_flor.h"
#include "opponent/decision_truco.h"

namespace naipalia {

class Operacion;
class Control;
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
    // The computer's answer to the player's envido the round let through.
    void ContestarEnvido(Cadena cadena);
    // The score rule, on the chain the player called last.
    void ResponderEnvidoPorPuntos();
    // The answer drawn from his history of this call, when it holds rows.
    void ResponderEnvidoComputadora(Cadena llamada);
    void NoQuieroEnvidoComputadora(Cadena llamada);

    // --- The flor: the table's button and the Flores dialog ---
    void BotonFlor_Click();
    // The computer's answer to the player's flor, from the table or the Tanto dialog.
    void ContestarFlor();
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

    // --- The table's truco buttons and the deck ---
    void BotonTruco_Click();
    void BotonRetruco_Click();
    void BotonVale4_Click();
    void BotonMazo_Click();

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

private:
    void enlazar(Control& boton, std::function<void()> manejador);
    void responderCanto(Cadena cadena, RespuestaEnvido respuesta);
    void quieroEnvido(const std::string& texto, Icono icono, Cadena querido);
    void subidaDelDialogo(Cadena cadena, Cadena nivel);
    void quejarse(Queja queja);
    bool negociando() const;
    void vincularTruco();
    void vincularFlor();
    void declararFlor();
    bool negociandoFlor() const;
    VistaFlor vistaFlor(int florCompu) const;
    void responderDuelo(RespuestaFlor respuesta, NivelFlor nivel);
    void florGana(Lado ganador, const std::string& texto, Icono icono);

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
