// The program's whole life: ports, the shared state and every window.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "game/estado.h"
#include "platform/puertos.h"

namespace naipalia {

class Naipalia;
class FinRonda;
class FinJuegos;

class Juego {
    // Declared first: the windows exist before the references to them are bound.
    std::unique_ptr<Naipalia> naipalia_;
    std::unique_ptr<FinRonda> finRonda_;
    std::unique_ptr<FinJuegos> finJuegos_;

public:
    explicit Juego(Puertos& puertos);
    ~Juego();
    Juego(const Juego&) = delete;
    Juego& operator=(const Juego&) = delete;

    Puertos& puertos;
    Estado estado;
    Naipalia& naipalia;
    FinRonda& finRonda;
    FinJuegos& finJuegos;

    // Start-up: the table loads and is shown.
    void arrancar();

    // A file of the program folder, named with "/" separators.
    std::string ruta(std::string_view relativa) const;
    void mensaje(const std::string& texto, Icono icono);
    bool preguntar(const std::string& texto, Respuesta porDefecto = Respuesta::Si);
    double azar();
    void mostrarModal(Ventana& ventana);
};

inline const std::string ErrorArchivo =
    "Ha ocurrido un error al llamar un archivo. Se recomienda reinstalar el programa.";

}  // namespace naipalia
