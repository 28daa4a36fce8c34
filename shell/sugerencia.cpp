// The hint: what the engine would do for the player, and why, while the table waits for
// him. It only reads the table: asking plays nothing.
#include "game/tanto.h"
#include "opponent/experto.h"
#include "round/ronda.h"
#include "shell/jugador_experto.h"
#include "shell/naipalia.h"
#include "shell/operacion.h"
#include "shell/principal.h"

namespace naipalia {

namespace {

// "8": a share as so many out of ten, rounded.
std::string deDiez(double parte) { return std::to_string(static_cast<int>(parte * 10 + 0.5)); }

}  // namespace

std::string Principal::Sugerencia() const {
    bool suTurno = false;
    for (int s = 1; s <= 3; ++s) suTurno = suTurno || n.BotonCarta(s).Enabled();
    const std::string nada = "Ahora no hay jugada que sugerir.";
    if (!suTurno || e.FinJuego) return nada;
    // What the computer's cards on the table say of the rest of its hand.
    Vista v = VistaDe(e, Lado::Jugador, ronda.ManoActual);
    const Creencia creencia = DeSusCartas(e, v);
    v.creencia = &creencia;
    const Movida m = MovidaEnLaMesa(e, n, v);
    switch (m.tipo) {
        case Movida::Tipo::Flor:
            return "Cantá Flor: tenés " + std::to_string(ValorFlor(e.carta(1), e.carta(2), e.carta(3))) + " de flor.";
        case Movida::Tipo::Envido: {
            const int tanto = CalcularTanto(e.carta(1), e.carta(2), e.carta(3)).tanto;
            const Tantos tantos = TantosPosibles(v);
            const double quiere = ChanceDeQuererEnvido(tantos, m.envido, e.RondasJugadas, MarcadorDe(e, Lado::Jugador));
            return "Cantá " + std::string(FraseCadena(m.envido)) + ": tu tanto de " + std::to_string(tanto) +
                   " gana en " + deDiez(ChanceTanto(tantos, tanto, e.QuienMano == Lado::Jugador)) +
                   " de cada 10 manos posibles y la computadora lo quiere en " + deDiez(quiere) + " de cada 10.";
        }
        case Movida::Tipo::Truco: {
            // The call as its button names it, without the key's mark.
            std::string canto = BotonDeTruco(n, m.truco).Caption();
            std::erase(canto, '&');
            return "Cantá " + canto + ": ganás la ronda en " + deDiez(ChanceRonda(v)) +
                   " de cada 10 repartos posibles y la computadora lo quiere en " +
                   deDiez(ChanceDeQuerer(e, v, m.truco)) + " de cada 10.";
        }
        case Movida::Tipo::Carta: break;
    }
    const Consejo& c = m.carta;
    if (c.carta == SinCarta || c.repartos == 0) return nada;
    return "Jugá el " + NombreCarta(c.carta) + ": gana la ronda en " + deDiez(ChanceRonda(v)) +
           " de cada 10 repartos posibles.";
}

void Principal::MenuSugerencia_Click() {
    const std::string texto = Sugerencia();
    n.TextoEstado.Text(texto);
    op.anotador.mensaje(texto);
}

}  // namespace naipalia
