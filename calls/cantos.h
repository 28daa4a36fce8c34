// The player's calls and the negotiation dialogs: the table's envido buttons with the
// computer's answer to each, the score rule that answers when nothing else does, and
// the Tanto dialog, where the player answers the computer's envido, raises it, and
// declares his tanto on the keypad.
#pragma once

#include <string>

#include "game/estado.h"

namespace naipalia {

class Operacion;
class Naipalia;
class Tanto;
class Computadora;
class Ronda;
class Jugadores;

class Cantos {
public:
    // Binds the table's envido buttons and the Tanto dialog's events.
    Cantos(Operacion& operacion, Computadora& computadora, Ronda& ronda, Jugadores& jugadores);
    Cantos(const Cantos&) = delete;
    Cantos& operator=(const Cantos&) = delete;

    // --- The table's envido buttons ---
    void BotonEnvido_Click();
    void BotonRealEnvido_Click();
    void BotonFaltaEnvido_Click();
    // The score rule, on the chain the player called last.
    void ResponderEnvidoPorPuntos();

    // --- The Tanto dialog ---
    void Tanto_Load();
    void Tanto_QueryUnload(int& cancelar, bool porElUsuario);
    void Tanto_BotonQuiero_Click();
    void Tanto_BotonNoQuiero_Click();
    void Tanto_BotonEnvido_Click();
    void Tanto_BotonRealEnvido_Click();
    void Tanto_BotonFaltaEnvido_Click();
    void BotonNumeroTanto_Click(int indice);

    void DeclararTanto();
    void PedirTantoJugador();
    void TantoGanaComputadora(const std::string& prefijo);
    void TantoGanaJugador();
    void AceptarEnvidoJugador(Cadena nivel);
    // Shown modally, or, when already open, it keeps what it was told and stays.
    void MostrarTanto();

private:
    enum class Respuesta { Aceptar, SubirReal, SubirFalta, PorPuntos };

    void cantoDeMesa(Cadena cadena, Respuesta (Cantos::*regla)());
    Respuesta reglaEnvido();
    Respuesta reglaRealEnvido();
    Respuesta reglaFaltaEnvido();
    void responderCanto(Cadena cadena, Respuesta respuesta, Cadena subidaFalta);
    bool cantaSeguido(int decimos) const;
    void apurando();
    void facilmente();
    bool negociando() const;

    Operacion& op;
    Estado& e;
    Naipalia& n;
    Tanto& tanto;
    Computadora& computadora;
    Ronda& ronda;
    Jugadores& jugadores;
};

}  // namespace naipalia
