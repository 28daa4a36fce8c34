// Fixed texts shown in more than one place: the start prompt, the about area.
#pragma once

namespace naipalia::textos {

inline constexpr const char* PresionaF5 = "Presiona F5, o la opcion \"Nuevo juego\" del menú, para comenzar el juego";
inline constexpr const char* JugadorSinRegistro = "Jugador";

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
