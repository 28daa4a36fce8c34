// The player's options, one list: each with the Configuracion column that stores it
// (none for one kept on the menus only). A new stored option is one row here and one
// menu in Naipalia::menuDe, which the compiler asks for.
#pragma once

#include <array>
#include <cstddef>

namespace naipalia {

enum class Opcion { Puntos30, Voz, Recuerdos, Flor, SonidoCarta, PreguntarMazo, Experto };

struct DatosOpcion {
    Opcion opcion;
    const char* columna;  // nullptr: not stored
};

inline constexpr DatosOpcion Opciones[] = {
    {Opcion::Puntos30, "30Puntos"}, {Opcion::Voz, "Multimedia"},    {Opcion::Recuerdos, "Recuerdo"},
    {Opcion::Flor, "ConFlor"},      {Opcion::SonidoCarta, nullptr}, {Opcion::PreguntarMazo, nullptr},
    {Opcion::Experto, nullptr},
};

inline constexpr std::size_t OpcionesConColumna() {
    std::size_t n = 0;
    for (const DatosOpcion& o : Opciones) n += o.columna != nullptr;
    return n;
}

// The stored options by option; a missing record or a Null field reads as False.
class OpcionesGuardadas {
public:
    bool operator[](Opcion o) const { return valores_[static_cast<std::size_t>(o)]; }
    bool& operator[](Opcion o) { return valores_[static_cast<std::size_t>(o)]; }

private:
    std::array<bool, std::size(Opciones)> valores_{};
};

}  // namespace naipalia
