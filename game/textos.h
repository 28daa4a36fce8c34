// Fixed texts shown or read in more than one place: the start prompt, the penalty,
// the about area.
#pragma once

namespace naipalia::textos {

inline constexpr const char* PresionaF5 = "Presiona F5, o la opcion \"Nuevo juego\" del menú, para comenzar el juego";
inline constexpr const char* AbandonarJuego = "¿Deseas abandonar el juego en curso y comenzar uno nuevo?";
inline constexpr const char* PreguntaMazo = "¿Deseas irte al mazo? La ronda será para la computadora.";
inline constexpr const char* JugadorSinRegistro = "Jugador";
// The computer folding; the anotador credits the deck by it.
inline constexpr const char* IrseAlMazo = "Me voy al mazo.";
// Ends the message of a punished tanto or flor; the anotador knows a penalty by it.
inline constexpr const char* Penalidad =
    " Perdiste los puntos en cuestión, que son ganados por la PC y cinco puntos mas.";

// The about area.
inline constexpr const char* Credito = "Naipalia, hecho por sus desarrolladores";
inline constexpr const char* Distribucion =
    "Este programa puede copiarse y distribuirse libremente, sin costo, siempre completo y sin cambios.";
inline constexpr const char* Derechos = "Todos los derechos reservados por sus autores.";
inline constexpr const char* NombreVersion = "Naipalia 2005 - versión 1.0";
inline constexpr const char* AniosAutor = "2005-2026, los desarrolladores de Naipalia";
inline constexpr const char* Correo = "naipalia@example.org";
inline constexpr const char* Web = "https://naipalia.example.org";

}  // namespace naipalia::textos
