#include "qt/escena.h"

#include <QCoreApplication>
#include <QWidget>
#include <algorithm>

#include "game/mesa.h"
#include "qt/dialogo.h"
#include "qt/escala.h"
#include "qt/lienzo.h"
#include "qt/ventana_principal.h"

namespace naipalia::vista {

Escena::Escena(ImagenesQt& i, AnimacionesQt& a) : imagenes(i), animaciones(a) {}

Escena::~Escena() { destruirVentanas(); }

void Escena::destruirVentanas() {
    abiertos_.clear();
    dialogos_.clear();
    principal_.reset();
}

void Escena::mostrar(Ventana& ventana) {
    // Showing lays the canvas out at the window's first size, which draws every control.
    if (!principal_) principal_ = std::make_unique<VentanaPrincipal>(ventana, *this);
    principal_->show();
}

Dialogo& Escena::dialogo(Ventana& ventana) {
    auto& dialogo = dialogos_[&ventana];
    if (!dialogo) dialogo = std::make_unique<Dialogo>(ventana, *this);
    return *dialogo;
}

void Escena::mostrarModal(Ventana& ventana) {
    if (terminado_) return;
    Dialogo& d = dialogo(ventana);
    sincronizarTodo();
    // Parented to the table only: dialogs owning dialogs would be deleted twice.
    d.preparar(principal_.get(), escala());
    abiertos_.push_back(&d);
    while (ventana.mostrada() && !terminado_) d.exec();
    std::erase(abiertos_, &d);
    // The keyboard goes back to the window in front, as the player expects to go on.
    if (QWidget* frente = ventanaActiva()) frente->activateWindow();
    reenfocar();
}

void Escena::reenfocar() {
    if (abiertos_.empty() && principal_ && !terminado_) principal_->lienzo().enfocarSeguro();
}

QRect Escena::lugarDeLasManos() const {
    if (!principal_) return QRect();
    const Lienzo& l = principal_->lienzo();
    const double izquierda = std::min(LeftMesaCompu[1], LeftMesaJugador[1]);
    const double derecha = std::max(LeftMesaCompu[3], LeftMesaJugador[3]) + AnchoCarta;
    const double arriba = std::min(TopMesaCompu, TopMesaJugador);
    const double abajo = std::max(TopMesaCompu, TopMesaJugador) + AltoCarta;
    const QRect r = l.rectangulo(izquierda, arriba, derecha - izquierda, abajo - arriba);
    return QRect(l.mapToGlobal(r.topLeft()), r.size());
}

void Escena::terminar() {
    terminado_ = true;
    for (Dialogo* d : abiertos_) d->done(0);
    QCoreApplication::quit();
}

void Escena::despachar(const std::function<void()>& manejador) {
    if (terminado_) return;
    manejador();
    sincronizarTodo();
}

void Escena::sincronizarTodo() {
    if (principal_) principal_->lienzo().sincronizar();
    for (Dialogo* d : abiertos_) d->lienzo().sincronizar();
}

QWidget* Escena::ventanaActiva() const {
    if (!abiertos_.empty()) return abiertos_.back();
    return principal_.get();
}

double Escena::escala() const { return principal_ ? principal_->lienzo().escala() : PixelesPorTwip; }

}  // namespace naipalia::vista
