// The computer's flor: its own call, and its answers to the player's (declining, or the
// duel for six points or for the rest of the game), each opening the Flores dialog.
#include <initializer_list>

#include "calls/flores.h"
#include "opponent/computadora.h"
#include "round/ronda.h"
#include "shell/operacion.h"

namespace naipalia {

void Computadora::CantarFlorComputadora() {
    op.ReproducirVoz(Voz::Flor);
    ronda.CantarFlor(Lado::Computadora, NivelFlor::Flor);
    Flores& f = op.flores;
    f.EtiquetaFlor.Caption("Flor!!");
    for (Control* b : {&f.BotonAceptar, &f.BotonAchico, &f.BotonContra, &f.BotonJuego}) b->Enabled(true);
    op.MostrarFlores();
}

void Computadora::FlorAchicoComputadora() {
    op.ReproducirVoz(Voz::FlorAchico);
    op.mensaje("Con flor me achico.", Icono::Informacion);
    ronda.FlorGanada(Lado::Jugador);
    ronda.TomarFlor(Lado::Jugador, NivelFlor::FlorAchico);
}

void Computadora::FlorJuegoComputadora() {
    op.ReproducirVoz(Voz::FlorJuego);
    Flores& f = op.flores;
    for (Control* b : {&f.BotonAceptar, &f.BotonAchico, &f.BotonContra}) b->Enabled(true);
    f.BotonJuego.Enabled(false);
    f.EtiquetaFlor.Caption("Con flor juego!!");
    ronda.CantarFlor(Lado::Jugador, NivelFlor::FlorJuego);
    op.MostrarFlores();
}

void Computadora::ContraFlorComputadora() {
    op.ReproducirVoz(Voz::FlorContra);
    Flores& f = op.flores;
    f.BotonAceptar.Enabled(true);
    f.BotonAchico.Enabled(true);
    f.BotonContra.Enabled(false);
    f.BotonJuego.Enabled(false);
    f.EtiquetaFlor.Caption("Contra flor al resto!!");
    ronda.CantarFlor(Lado::Jugador, NivelFlor::FlorContra);
    op.MostrarFlores();
}

}  // namespace naipalia
