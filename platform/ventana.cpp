#include "platform/ventana.h"

#include <stdexcept>

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
    if (indices_.front() < 0) throw std::invalid_argument(nombre + ": control indices start at 0");
    largo_ = static_cast<std::size_t>(indices_.back() + 1);
    porIndice_.resize(largo_);
    for (int i : indices_) {
        controles_.push_back(std::make_unique<Control>(ventana, nombre, tipo, i));
        porIndice_[static_cast<std::size_t>(i)] = controles_.back().get();
    }
}

void ArregloControles::fuera(int indice) const {
    throw std::out_of_range(controles_.front()->nombre() + "(" + std::to_string(indice) + ") does not exist");
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
    escritos_.clear();
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
    for (Control* c : escritos_) c->restaurarDiseno();
    escritos_.clear();
    if (alCambiar) alCambiar(forma_);
    return true;
}

}  // namespace naipalia
