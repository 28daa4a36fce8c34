// Every file the game reads from its program folder, named once.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace naipalia::archivos {

inline constexpr const char* Fondo = "Fondo.gif";
inline constexpr const char* Mano = "hand.ico";
inline constexpr const char* Mover = "Mover.wav";
inline constexpr const char* CaraMenu = "ma_smile 006.ico";
inline constexpr const char* Publique = "Propaganda/Publique.gif";
inline constexpr const char* Ayuda = "Ayuda.html";
// The players' database, made by the build (not one of the pictures and sounds), and
// its password.
inline constexpr const char* BaseDatos = "naipalia.mdb";
inline constexpr const char* ClaveBase = "6093";
inline constexpr int PropagandasNumeradas = 5;  // Propaganda/Imagen1.gif ...

inline constexpr std::array<const char*, 8> Caras{"1839.ico",         "ma_smile 011.ico", "ma_smile 006.ico",
                                                  "ma_smile 004.ico", "ma_smile 001.ico", "ma_smile 005.ico",
                                                  "ma_smile 010.ico", "ma_smile 007.ico"};

// The phrases the computer speaks, in the order of Voces.
enum class Voz {
    Quiero,
    NoQuiero,
    Truco,
    ReTruco,
    Vale4,
    Envido,
    RealEnvido,
    FaltaEnvido,
    Flor,
    FlorAchico,
    FlorJuego,
    FlorContra,
    Ehh,
    Mentira,
    GanarMano,
    PerderMano,
    GanarPartido,
    PerderPartido,
};

// Each phrase is a clip named after it.
inline constexpr std::array<const char*, 18> Voces{
    "Quiero",      "No quiero",    "Truco",      "Re-Truco",    "Vale 4",        "Envido",
    "Real envido", "Falta Envido", "Flor",       "Flor achico", "Flor juego",    "Flor contra",
    "Ehh",         "Mentira",      "Ganar mano", "Perder mano", "Ganar partido", "Perder partido"};

inline std::string Carta(int numero) {
    return std::string("Cartas/") + (numero < 10 ? "0" : "") + std::to_string(numero) + ".png";
}
inline std::string ArchivoVoz(Voz voz) { return std::string(Voces[static_cast<std::size_t>(voz)]) + ".wav"; }
inline std::string Propaganda(int numero) { return "Propaganda/Imagen" + std::to_string(numero) + ".gif"; }

inline std::vector<std::string> Todos() {
    std::vector<std::string> r{Fondo, Mano, Mover, Publique, Ayuda};
    for (const char* c : Caras) r.emplace_back(c);
    for (std::size_t v = 0; v < Voces.size(); ++v) r.push_back(ArchivoVoz(static_cast<Voz>(v)));
    for (int c = 0; c < 40; ++c) r.push_back(Carta(c));
    for (int i = 1; i <= PropagandasNumeradas; ++i) r.push_back(Propaganda(i));
    return r;
}

}  // namespace naipalia::archivos
