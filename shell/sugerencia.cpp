// The hint: what the engine would play for the player, and why, while his cards wait for
// him. It only reads the table: asking plays nothing.
#include "opponent/experto.h"
#include "round/ronda.h"
#include "shell/naipalia.h"
#include "shell/operacion.h"
#include "shell/principal.h"

namespace naipalia {

std::string Principal::Sugerencia() const {
    bool suTurno = false;
    for (int s = 1; s <= 3; ++s) suTurno = suTurno || n.BotonCarta(s).Enabled();
    const std::string nada = "Ahora no hay jugada que sugerir.";
    if (!suTurno || e.FinJuego) return nada;
    const Consejo c = MejorCarta(VistaDe(e, Lado::Jugador, ronda.ManoActual));
    if (c.carta == SinCarta || c.repartos == 0) return nada;
    const int deDiez = (c.ganados * 10 + c.repartos / 2) / c.repartos;
    return "Jugá el " + NombreCarta(c.carta) + ": gana la ronda en " + std::to_string(deDiez) +
           " de cada 10 repartos posibles.";
}

void Principal::MenuSugerencia_Click() {
    const std::string texto = Sugerencia();
    n.TextoEstado.Text(texto);
    op.anotador.mensaje(texto);
}

}  // namespace naipalia
