#include "platform/ventana.h"

namespace naipalia {

ArregloControles::ArregloControles(Ventana& ventana, const std::string& nombre, TipoControl tipo,
                                   int desde, int hasta)
    : desde_(desde) {
    for (int i = desde; i <= hasta; ++i)
        controles_.push_back(std::make_unique<Control>(ventana, nombre, tipo, i));
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

bool Ventana::Unload() {
    if (!cargada_) return true;
    int cancelar = 0;
    if (QueryUnload) QueryUnload(cancelar);
    if (cancelar != 0) return false;
    cargada_ = false;
    forma_.restaurarDiseno();
    for (Control* c : controles_) c->restaurarDiseno();
    if (alCambiar) alCambiar(forma_);
    return true;
}

}  // namespace naipalia
