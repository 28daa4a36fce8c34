#include "guion/comprobaciones.h"

#include <string_view>
#include <unordered_map>

#include "guion/transcripcion.h"

namespace naipalia::guion {

void Comprobaciones::anotar(const std::string& comentario, int linea) {
    if (comentario.rfind("#> ", 0) == 0) esperadas_.push_back({linea, comentario.substr(3)});
    if (comentario.rfind("#< ", 0) == 0) prohibidas_.push_back({linea, comentario.substr(3)});
}

// One pass over the transcript: each expected line is looked for after the one before it;
// of the forbidden lines found, the first in the script is reported.
void Comprobaciones::revisar(const std::string& transcripcion, int& linea) const {
    std::unordered_map<std::string_view, const Comprobacion*> prohibidas;
    for (const Comprobacion& p : prohibidas_) prohibidas.emplace(p.texto, &p);
    std::size_t siguiente = 0;
    const Comprobacion* hallada = nullptr;
    for (std::size_t desde = 0; desde < transcripcion.size();) {
        const std::size_t fin = transcripcion.find('\n', desde);
        const std::string_view l(transcripcion.data() + desde, fin - desde);
        if (siguiente < esperadas_.size() && l == esperadas_[siguiente].texto) ++siguiente;
        if (const auto p = prohibidas.find(l); p != prohibidas.end() && (!hallada || p->second < hallada))
            hallada = p->second;
        desde = fin + 1;
    }
    if (siguiente < esperadas_.size()) {
        linea = esperadas_[siguiente].linea;
        throw ErrorGuion{"expected line missing or out of order: " + esperadas_[siguiente].texto};
    }
    if (hallada) {
        linea = hallada->linea;
        throw ErrorGuion{"unexpected line: " + hallada->texto};
    }
}

}  // namespace naipalia::guion
