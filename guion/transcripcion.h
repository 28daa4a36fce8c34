// The driver's transcript, and the two ways a script stops early.
#pragma once

#include <ostream>
#include <string>

#include "platform/puertos.h"

namespace naipalia::guion {

// The script could not go on: the driver writes ERROR with this reason.
struct ErrorGuion {
    std::string motivo;
};
// The program ended itself.
struct FinPrograma {};

class Transcripcion {
public:
    explicit Transcripcion(std::ostream& salida) : salida_(salida) {}
    void linea(const std::string& texto);
    static std::string escapar(const std::string& texto);
    static const char* nombreIcono(Icono icono);

private:
    std::ostream& salida_;
};

// A path of the program folder as the transcript writes it: relative, with "/".
std::string RutaRelativa(const std::string& carpeta, const std::string& ruta);

}  // namespace naipalia::guion
