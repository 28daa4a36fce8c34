#include "platform/ventana.h"

#include <algorithm>

namespace naipalia {

namespace {

std::vector<int> rango(int desde, int hasta) {
    std::vector<int> r;
    for (int i = desde; i <= hasta; ++i) r.push_back(i);
    return r;
}

}  // namespace

ArregloControles::ArregloControles(Ventana& ventana, const std::string& nombre, TipoControl tipo, int desde, int hasta)
    : ArregloControles(ventana, nombre, tipo, rango(desde, hasta)) {}

ArregloControles::ArregloControles(Ventana& ventana, const std::string& nombre, TipoControl tipo,
                                   std::vector<int> indices)
    : indices_(std::move(indices)) {
    for (int i : indices_) controles_.push_back(std::make_unique<Control>(ventana, nombre, tipo, i));
}

// Contiguous arrays index directly; one with gaps looks its index up. An index outside
// the array gives a position past its end, which at() refuses.
std::size_t ArregloControles::posicion(int indice) const {
    const auto directa = static_cast<std::size_t>(indice - indices_.front());
    if (directa < indices_.size() && indices_[directa] == indice) return directa;
    const auto it = std::lower_bound(indices_.begin(), indices_.end(), indice);
    return it != indices_.end() && *it == indice ? static_cast<std::size_t>(it - indices_.begin()) : indices_.size();
}

Ventana::Ventana(const std::string& nombre, TipoControl tipo) : forma_(*this, nombre, tipo) {
    forma_.diseno().Visible = false;
}

void Ventana::registrar(Control& control) {
    controles_.push_back(&control);
    if (control.tipo() == TipoControl::Boton) botones_.push_back(&control);
    porNombre_[{control.nombre(), control.indice()}] = &control;
}

void Ventana::terminarDiseno() {
    forma_.guardarDiseno();
    for (Control* c : controles_) c->guardarDiseno();
}

Control* Ventana::buscar(const std::string& nombre, int indice) const {
    if (nombre == forma_.nombre() && indice < 0) return const_cast<Control*>(&forma_);
    auto it = porNombre_.find({nombre, indice});
    return it == porNombre_.end() ? nullptr : it->second;
}

void Ventana::cargar() {
    if (cargada_) return;
    cargada_ = true;  // before Load: its own writes must not load again
    if (Load) Load();
}

void Ventana::Hide() {
    if (cargada_) forma_.Visible(false);
}

bool Ventana::Unload(bool porElUsuario) {
    if (!cargada_) return true;
    int cancelar = 0;
    if (QueryUnload) QueryUnload(cancelar, porElUsuario);
    if (cancelar != 0) return false;
    cargada_ = false;
    forma_.restaurarDiseno();
    for (Control* c : controles_) c->restaurarDiseno();
    if (alCambiar) alCambiar(forma_);
    return true;
}

}  // namespace naipalia
