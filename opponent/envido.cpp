// The computer's envido: when it opens one on its own turn, its calls and raises in the
// Tanto dialog, and its acceptance of the player's call.
#include <initializer_list>
#include <string>

#include "calls/cantos.h"
#include "calls/tanto.h"
#include "game/tanto.h"
#include "opponent/computadora.h"
#include "opponent/decision_envido.h"
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
    e.CadenaEnvido = cadena;
    e.QuienEnvido = Lado::Computadora;
    op.tanto.EtiquetaTanto.Caption(texto);
    for (Control* b : respuestas) b->Enabled(true);
    cantos.MostrarTanto();
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

void Computadora::QuieroEnvidoComputadora(Cadena cadena) {
    op.ReproducirVoz(Voz::Quiero);
    op.mensaje("Quiero!!", Icono::Exclamacion);
    e.QuienEnvido = Lado::Jugador;
    e.CadenaEnvido = cadena;
    e.EnvidoQuerido = cadena;
    cantos.DeclararTanto();
}

// The chain stays as the statistics named it; only the accepted level is set.
void Computadora::QuieroTipoEnvidoComputadora(const std::string& tipo) {
    op.ReproducirVoz(Voz::Quiero);
    op.mensaje("Quiero!!", Icono::Informacion);
    e.QuienEnvido = Lado::Jugador;
    e.EnvidoQuerido = tipo == "FE" ? Cadena::FaltaEnvido : tipo == "RE" ? Cadena::RealEnvido : Cadena::Envido;
    op.tanto.EtiquetaTanto.Caption("");
    cantos.DeclararTanto();
}

}  // namespace naipalia
