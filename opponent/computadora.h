// The computer's side of the table: its turn in each hand (which card, when to call,
// when to go to the deck), the deduction of the player's last card from his declared
// tanto, its calls, and how its cards go down on the table.
#pragma once

#include <string>

#include "game/cartas.h"
#include "game/estado.h"

namespace naipalia {

class Operacion;
class Naipalia;
class Ronda;
class Cantos;

class Computadora {
public:
    Computadora(Operacion& operacion, Ronda& ronda, Cantos& cantos);
    Computadora(const Computadora&) = delete;
    Computadora& operator=(const Computadora&) = delete;

    void JugadaComputadora();
    void DeducirCartaJugador();
    void IrseAlMazoComputadora();
    void DecidirEnvidoComputadora(bool trucoPrimero);
    // Its envido calls and raises, each with the prefix shown before the call.
    void CantarEnvidoComputadora(const std::string& prefijo);
    void CantarRealEnvidoComputadora(Cadena cadena, const std::string& prefijo);
    void SubCantoFaltaEnvido(Cadena cadena, const std::string& prefijo);
    // It accepts the player's envido, and the tantos are declared.
    void QuieroEnvidoComputadora(Cadena cadena);
    // It accepts on the player's history, by its code ("E", "RE", "FE").
    void QuieroTipoEnvidoComputadora(const std::string& tipo);
    void CantarFlorComputadora();
    void CantarTrucoComputadora();
    void CantarRetrucoComputadora();
    void CantarVale4Computadora();
    // The computer's truco while the envido is still open; true when its turn ends.
    bool CantarTrucoTantoPrimero();

    // Its card of slot 4..6 into hand 1, 2 or 3 (the last one goes down silently).
    void JugarCartaComputadora(int mano, int slot);
    void JugarCartaPrimeraMano(int slot);
    void JugarCartaSegundaMano(int slot);
    void JugarCartaMasBaja();

    // The table's variables this subsystem keeps.
    int JerarquiaDeducidaJugador = SinDeducir;
    bool MazoPendiente = false;

private:
    void jugarMano1();
    void responderMano1();
    void abrirMano1();
    void jugarMano2();
    void jugarMano3();
    bool escalarTruco();
    bool cantoTerminoTurno() const;

    Operacion& op;
    Estado& e;
    Naipalia& n;
    Ronda& ronda;
    Cantos& cantos;
};

// Its unplayed slots 4..6, in slot order; how many there are.
int SlotsSinJugar(const Estado& estado, int (&slots)[3]);
// The unplayed card of the highest class, the lowest slot among equals; 0 when none is left.
int SlotMasDebil(const Estado& estado);

}  // namespace naipalia
