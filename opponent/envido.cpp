// The computer's envido: when it opens one on its own turn, and its calls and raises in
// the Tanto dialog.
#include <initializer_list>
#include <string>

#include "calls/tanto.h"
#include "game/tanto.h"
#include "opponent/computadora.h"
#include "opponent/decision_envido.h"
#include "round/ronda.h"
#include "shell/operacion.h"

namespace naipalia {

void Computadora::DecidirEnvidoComputadora(bool trucoPrimero) {
    const std::string prefijo = trucoPrimero ? "Antes está el tanto: " : "";
    const VistaApertura v{.envido = VistaEnvidoDe(e),
                          .jugadorJugo = e.JerarquiaJugador[1] != SinJugar,
                          .computadoraEsMano = e.QuienMano == Lado::Computadora};
    switch (AbrirEnvido(v, *op.puertos.azar)) {
        case AperturaEnvido::Envido: CantarEnvidoComputadora(prefijo); break;
        case AperturaEnvido::RealEnvido: CantarRealEnvidoComputadora(Cadena::RealEnvido, prefijo); break;
        case AperturaEnvido::FaltaEnvido: SubCantoFaltaEnvido(Cadena::FaltaEnvido, prefijo); break;
        case AperturaEnvido::Ninguna: break;
    }
}

// Each call: its voice, the chain it makes with the computer as its last caller, and the
// dialog with the call and the answers it allows.
void Computadora::cantarEnvido(Voz voz, Cadena cadena, const std::string& texto,
                               std::initializer_list<Control*> respuestas) {
    op.ReproducirVoz(voz);
    ronda.CantarEnvido(Lado::Computadora, cadena);
    op.tanto.EtiquetaTanto.Caption(texto);
    for (Control* b : respuestas) b->Enabled(true);
    op.MostrarTanto();
}

void Computadora::CantarEnvidoComputadora(const std::string& prefijo) {
    Tanto& t = op.tanto;
    cantarEnvido(Voz::Envido, Cadena::Envido, prefijo + "Envido!!",
                 {&t.BotonQuiero, &t.BotonNoQuiero, &t.BotonEnvido, &t.BotonRealEnvido, &t.BotonFaltaEnvido});
}

void Computadora::CantarRealEnvidoComputadora(Cadena cadena, const std::string& prefijo) {
    Tanto& t = op.tanto;
    cantarEnvido(Voz::RealEnvido, cadena, prefijo + "Real Envido!!",
                 {&t.BotonQuiero, &t.BotonNoQuiero, &t.BotonFaltaEnvido});
}

// A falta answers everything: in a dialog already open (the computer answering the
// player's raise) the player's own raises are put away and only the answer remains.
void Computadora::SubCantoFaltaEnvido(Cadena cadena, const std::string& prefijo) {
    Tanto& t = op.tanto;
    if (t.mostrada()) op.DeshabilitarBotonesTanto();
    cantarEnvido(Voz::FaltaEnvido, cadena, prefijo + "Falta Envido!!", {&t.BotonQuiero, &t.BotonNoQuiero});
}

}  // namespace naipalia
