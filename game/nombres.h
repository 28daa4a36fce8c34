// The words the game shows for its typed state: the sides, the truco and flor levels
// and the hands' results, as the table's boxes and the script driver write them.
#pragma once

#include <string>
#include <string_view>

#include "game/estado.h"

namespace naipalia {

inline const std::string NombreComputadora = "Computadora";
inline const std::string PalabraNada = "Nada";
inline const std::string PalabraIguales = "Iguales";

// A side by its name (the player's padded); `nadie` for nobody.
const std::string& TextoLado(const Estado& e, Lado lado, const std::string& nadie);
std::string_view TextoResultado(const Estado& e, ResultadoMano resultado);
std::string_view TextoTruco(NivelTruco nivel);
std::string_view TextoFlor(NivelFlor nivel);

}  // namespace naipalia
