// The computer's side of the table: it carries out its turn in each hand (which card,
// when to call, when to go to the deck), the deduction of the player's last card from his
// declared tanto, its calls, its answer to the player's truco, and how its cards go down.
// Calls: opponent/decision_jugada.h (its turn's rules), decision_envido.h (its envido),
// decision_truco.h (its truco rules), round/ronda.h, shell/operacion.h, the truco dialogs.
// Called by: round/ (its turn and its truco answers, through shell/juego.h's
// `Contrincante`), calls/ (its answers and calls), shell/juego.h (building it).
#pragma once

#include <initializer_list>
#include <string>

#include "game/archivos.h"
#include "game/cartas.h"
#include "game/estado.h"
#include "opponent/decision_jugada.h"
#include "opponent/decision_truco.h"
#include "round/ronda.h"

namespace naipalia {

using archivos::Voz;
class Control;
class Operacion;
class Naipalia;
class CantoTrucos;
class TrucoTantoPrimero;

class Computadora {
public:
    Computadora(Operacion& operacion, Ronda& ronda, CantoTrucos& cantoTrucos, TrucoTantoPrimero& trucoTantoPrimero);
    Computadora(const Computadora&) = delete;
    Computadora& operator=(const Computadora&) = delete;

    // Its move in the current hand, carried out; the round decides the hand its card closes.
    Jugada Jugar();
    void DeducirCartaJugador();
    // Keeps a deduction made on the way to a decision; an impossible tanto is told.
    void TomarDeduccion(const Deduccion& deduccion);
    void IrseAlMazoComputadora();
    void DecidirEnvidoComputadora(bool trucoPrimero);
    // Its envido calls and raises, each with the prefix shown before the call.
    void CantarEnvidoComputadora(const std::string& prefijo);
    void CantarRealEnvidoComputadora(Cadena cadena, const std::string& prefijo);
    void SubCantoFaltaEnvido(Cadena cadena, const std::string& prefijo);
    // Its flor, and its answers to the player's flor.
    void CantarFlorComputadora();
    void FlorAchicoComputadora();
    void FlorJuegoComputadora();
    void ContraFlorComputadora();

    // Its truco calls, within its score limits, and its answers to the player's calls,
    // as decided in opponent/decision_truco.h. Those returning bool: true when the round
    // ended (a refusal dealt the next one, or the game is over).
    bool CantarTrucoComputadora();
    bool CantarRetrucoComputadora();
    bool CantarVale4Computadora();
    void QuieroTrucoComputadora(NivelTruco nivel);
    bool QuieroRetrucoYVale4Computadora();
    void QuieroLoCantadoComputadora();
    bool NoQuieroLoCantadoComputadora();
    // Refuses, or accepts after all when refusing would hand the player the game.
    bool NoQuieroTrucoComputadora();
    // The player's call of this level, answered; true when the answer ended the round or
    // the game (its own call raised by the player ends here).
    bool LlamadaDeTruco(NivelTruco llamada);
    void AvisoCantoACuatro();
    void SubTrucoNoQueridoJugador();
    // Its truco while the envido can still be called; true when its turn ends.
    bool CantarTrucoTantoPrimero();

    // Its card of slot 4..6 into hand 1, 2 or 3 (the last one goes down silently).
    void JugarCartaPrimeraMano(int slot);
    void JugarCartaSegundaMano(int slot);

    // The table's variables this subsystem keeps.
    int JerarquiaDeducidaJugador = SinDeducir;

private:
    Jugada jugarMano1();
    Jugada responderMano1();
    Jugada abrirMano1();
    // Under "Computadora experta" its card in this hand is the engine's slot.
    bool experta();
    int cartaExperta(int mano);
    Jugada jugarMano2();
    Jugada jugarMano3();
    bool llamar(NivelTruco nivel);
    bool cantarTruco(NivelTruco nivel);
    void cantarEnvido(Voz voz, Cadena cadena, const std::string& texto, std::initializer_list<Control*> respuestas);
    bool contestarLlamada(NivelTruco llamada);
    bool cumplir(NivelTruco llamada, RespuestaTruco respuesta);
    bool aceptaYSubeRetruco();

    Operacion& op;
    Estado& e;
    Naipalia& n;
    Ronda& ronda;
    CantoTrucos& cantoTrucos;
    TrucoTantoPrimero& trucoTantoPrimero;
};

}  // namespace naipalia
