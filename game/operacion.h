// Small procedures every part of the game shares: voices, the card sound, the status
// line, button groups, and placing the computer's cards.
#pragma once

#include <string>

namespace naipalia {

class Juego;
class Ventana;
struct Estado;

namespace Operacion {

void ReproducirVoz(Juego& juego, const std::string& texto);
void SonidoCarta(Juego& juego);
void AvisoTurnoJugador(Juego& juego);
void AvisoVentanaCentral(Juego& juego);
void CerrarCantosMesa(Juego& juego);
void LimpiarTrucoRechazado(Juego& juego);
void AvisoFinalPorPuntos(Juego& juego);
void DeshabilitarBotones(Ventana& ventana);

// The computer's card of slot 4..6 into hand 1, 2 or 3 (the last one goes down silently).
void JugarCartaComputadora(Juego& juego, int mano, int slot);
void JugarCartaPrimeraMano(Juego& juego, int slot);
void JugarCartaSegundaMano(Juego& juego, int slot);
void JugarCartaMasBaja(Juego& juego);

// The computer's unplayed slots 4..6, in slot order.
int SlotsSinJugar(const Estado& estado, int (&slots)[3]);
// The unplayed card of the highest class; the lowest slot among equals.
int SlotMasDebil(const Estado& estado);

}  // namespace Operacion

inline const std::string SufijoFinRonda = " Presiona el botón deseado, que terminó la ronda...";

}  // namespace naipalia
