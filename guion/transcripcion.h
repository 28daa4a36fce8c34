// The driver's transcript, and the ways a script stops early.
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
    // A line; past TextoMaximo in all, or when the output fails, an ErrorGuion instead.
    void linea(const std::string& texto);
    // The closing ERROR line: written whatever came before.
    void ultima(const std::string& texto);
    void volcar() { salida_.flush(); }
    // Every line written so far, each ended by a line break, for the script's own checks.
    const std::string& texto() const { return texto_; }
    static std::string escapar(const std::string& texto);
    // A text in quotes, as TEXT lines and rows write it.
    static std::string citado(const std::string& texto);
    static const char* nombreIcono(Icono icono);

    static constexpr std::size_t TextoMaximo = 64 * 1024 * 1024;

private:
    std::ostream& salida_;
    std::string texto_;
};

// A path of the program folder as the transcript writes it: relative, with "/".
std::string RutaRelativa(const std::string& carpeta, const std::string& ruta);

}  // namespace naipalia::guion
