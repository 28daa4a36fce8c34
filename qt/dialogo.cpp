#include "qt/dialogo.h"

#include <QCloseEvent>

#include "qt/escena.h"
#include "qt/lienzo.h"

namespace naipalia::vista {

Dialogo::Dialogo(Ventana& ventana, Escena& escena)
    : ventana_(ventana), escena_(escena), lienzo_(new Lienzo(ventana, escena, false, this)) {
    setObjectName(QString::fromStdString(ventana.nombre()));
    connect(lienzo_, &Lienzo::formaCambiada, this, [this] { aplicarForma(); });
}

void Dialogo::preparar(QWidget* padre, double pixelesPorTwip) {
    if (parentWidget() != padre) setParent(padre, windowFlags());
    lienzo_->fijarEscala(pixelesPorTwip);
    lienzo_->sincronizar();
    aplicarForma();
}

void Dialogo::aplicarForma() {
    // Hidden or unloaded by the model: off the screen now, and exec() returns once the
    // handler that did it has ended.
    if (!ventana_.mostrada() && isVisible()) done(0);
    const Control& forma = ventana_.forma();
    setWindowTitle(QString::fromStdString(forma.Caption()));
    const QSize tamano = lienzo_->rectangulo(0, 0, forma.Width(), forma.Height()).size();
    lienzo_->setGeometry(QRect(QPoint(0, 0), tamano));
    setFixedSize(tamano);
}

// The title bar's close is the model's unload; the dialog closes once the model says so.
void Dialogo::closeEvent(QCloseEvent* evento) {
    evento->ignore();
    escena_.despachar([this] { ventana_.Unload(true); });
}

}  // namespace naipalia::vista
