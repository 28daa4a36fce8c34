// A script's checks of its own transcript: `#> TEXT` lines must appear in it in that order,
// `#< TEXT` lines nowhere; checked when the script has run to its end.
#pragma once

#include <string>
#include <vector>

namespace naipalia::guion {

class Comprobaciones {
public:
    // A comment line from its `#`, noted when it is a check.
    void anotar(const std::string& comentario, int linea);
    // Throws the first failure's ErrorGuion, with `linea` set to its script line.
    void revisar(const std::string& transcripcion, int& linea) const;

private:
    struct Comprobacion {
        int linea;
        std::string texto;
    };
    std::vector<Comprobacion> esperadas_, prohibidas_;
};

}  // namespace naipalia::guion
