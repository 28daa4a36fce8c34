// The player: random moves among what the table and the dialogs let him do, each move
// followed by the invariants.
#pragma once

#include <vector>

namespace naipalia {
class Control;
class Juego;
class Ventana;
}  // namespace naipalia

namespace naipalia::autojuego {

class AzarJugador;
class Invariantes;
class Plataforma;

// The buttons of a dialog a player may press now, in the dialog's order: the choices
// the random player picks from, shared with the desktop memory benchmark.
void BotonesUsables(const Ventana& dialogo, std::vector<Control*>& botones);

class JugadorAzar {
public:
    JugadorAzar(Juego& juego, Plataforma& plataforma, Invariantes& invariantes);

    // Between games: who is mano, 15 or 30 points, flor or not.
    void elegirOpciones();
    // Through the end-of-game dialog's timer when it was answered yes, else the menu.
    void comenzarPartida();
    // One move while the table waits for him.
    void jugarTurno();
    // Clicks buttons until the dialog closes.
    void jugarDialogo(Ventana& dialogo);

    long acciones() const { return acciones_; }

private:
    struct Momento {
        int mano;
        int ronda;
    };
    struct Punto {
        double left, top;
    };

    int elegir(int cuantos);
    void contar();
    Momento momento() const;
    int slotDe(int carta) const;
    void pulsarMenu(Control& menu);

    void pulsarCarta(int slot);
    void clicCarta(int carta);
    void arrastrarCarta(int carta, bool dentro);
    void tocarMesa(int carta);
    void cantarEnvido(Control& boton);
    void cantarTruco(Control& boton);
    void irseAlMazo();
    void arrastrar(int carta, Punto destino);
    void traerACasa(int carta, int slot);
    void exigirJugada(Momento antes, int slot, const char* como) const;
    void exigirNada(Momento antes, const char* como) const;
    Punto puntoDentro(int mano);
    Punto puntoFuera(int mano);
    void trazarMesa() const;

    Juego& juego_;
    Plataforma& plataforma_;
    Invariantes& invariantes_;
    AzarJugador& azar_;
    std::vector<Control*> botones_;  // a dialog's usable buttons, kept to reuse its storage
    long acciones_ = 0;
    long accionesPartida_ = 0;
};

}  // namespace naipalia::autojuego
