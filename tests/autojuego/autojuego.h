// Self-play: the program plays game after game against a random player while the judge
// checks the game's rules at every step; a broken rule is reported with the seeds that
// replay its game.
#pragma once

#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ventana.h"

namespace naipalia::autojuego {

// FNV-1a over what the games showed and said: the digest a series may print.
class Huella {
public:
    void mezclar(std::string_view texto) {
        for (unsigned char c : texto) byte(c);
        byte(0xff);  // where one text ends and the next begins
    }
    void mezclar(double valor) {
        unsigned char bytes[sizeof valor];
        std::memcpy(bytes, &valor, sizeof valor);
        for (unsigned char c : bytes) byte(c);
    }
    void mezclar(const Control& c) {
        const Propiedades& p = c.propiedades();
        mezclar(c.ventana().nombre());
        mezclar(c.nombre());
        for (double v : {double(c.indice()), p.Left, p.Top, p.Width, p.Height, double(p.Interval), double(p.ListIndex),
                         double(p.List.size()), double(p.Enabled + 2 * p.Visible + 4 * p.Checked)})
            mezclar(v);
        for (const std::string* t : {&p.Caption, &p.Text, &p.Picture}) mezclar(*t);
    }
    std::uint64_t valor() const { return h_; }

private:
    void byte(unsigned char c) { h_ = (h_ ^ c) * 0x100000001b3ULL; }
    std::uint64_t h_ = 0xcbf29ce484222325ULL;
};

// The buttons of a dialog a player may press now, in the dialog's order: the random
// player's choices, shared with the desktop memory benchmark.
void BotonesUsables(const Ventana& dialogo, std::vector<Control*>& botones);

// Everything a game depends on.
struct Semillas {
    std::uint32_t juego = 0;    // the game's random numbers
    std::uint32_t jugador = 0;  // the player's choices and answers
    // The last mano of the game before: it decides whether the first deal is reversed.
    bool manoPreviaComputadora = false;
};

struct Resultado {
    long partidas = 0;  // games played to their end
    long acciones = 0;  // the player's moves and dialog clicks
    std::string fallo;  // empty when every rule held
    // When asked for: a digest of everything the games showed and said (each change of a
    // control, message, dialog, sound and anotador entry). Two builds that agree on it
    // played the series alike: a change meant to keep the game compares it before and after.
    std::uint64_t huella = 0;
};

// `cantidad` games of the series `base` in a row, until the first broken rule; without
// the judge (`revisar` false) they cost what the program alone spends.
Resultado Jugar(std::uint32_t base, long cantidad, bool revisar = true, bool conHuella = false);
// The same, judged, against "Computadora experta".
Resultado JugarContraExperta(std::uint32_t base, long cantidad);
// The same, judged, with the engine in the player's seat.
Resultado JugarComoExperto(std::uint32_t base, long cantidad);

// Games to 30 against the classic computer, the mano alternating, with the engine in the
// player's seat (or the random player): the games the player took, and the time of each
// of the engine's decisions in seconds, at the table and in the dialogs.
struct Tiempos {
    std::vector<double> enLaMesa, enDialogos;
};
struct Duelo {
    Resultado resultado;
    long ganadas = 0;
    Tiempos tiempos;
};
Duelo Enfrentar(std::uint32_t base, long cantidad, bool experto, bool revisar);

// One game again, judged, from the seeds a failure printed.
Resultado Repetir(const Semillas& semillas);

// How a recorded game is left once its moves run out, unless it ends first.
enum class Salida { Final, NuevoJuego, Finalizar, Salir, Cerrar, FinDelPrograma };

// One program run recording its games as the desktop program does: game i is left as
// `salidas[i]` says after a few moves; a way out that ends the program ends the run.
// `alGuardar` is told every save of every game's recording.
using AlGuardar = std::function<void(int partida, const std::string& guion)>;
Resultado Grabar(std::uint32_t base, const std::vector<Salida>& salidas, const AlGuardar& alGuardar);

}  // namespace naipalia::autojuego
