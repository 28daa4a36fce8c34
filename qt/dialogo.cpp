#include "qt/dialogo.h"

#include <QCloseEvent>
#include <QScreen>
#include <algorithm>

#include "qt/escena.h"
#include "qt/lienzo.h"

namespace naipalia::vista {

namespace {

// Room left for the dialog's own frame and title bar where the desktop draws them.
QMargins marcoDe(const QWidget* ventana) {
    if (!ventana || !ventana->isVisible()) return QMargins(8, 30, 8, 8);
    const QRect fuera = ventana->frameGeometry(), dentro = ventana->geometry();
    return QMargins(dentro.left() - fuera.left(), dentro.top() - fuera.top(), fuera.right() - dentro.right(),
                    fuera.bottom() - dentro.bottom());
}

QRect dentroDe(QRect r, const QRect& area) {
    r.moveLeft(std::max(area.left(), std::min(r.left(), area.right() + 1 - r.width())));
    r.moveTop(std::max(area.top(), std::min(r.top(), area.bottom() + 1 - r.height())));
    return r;
}

}  // namespace

Dialogo::Dialogo(Ventana& ventana, Escena& escena)
    : ventana_(ventana), escena_(escena), lienzo_(new Lienzo(ventana, escena, false, this)) {
    setObjectName(QString::fromStdString(ventana.nombre()));
    connect(lienzo_, &Lienzo::formaCambiada, this, [this] { aplicarForma(); });
}

void Dialogo::preparar(QWidget* padre, double pixelesPorTwip) {
    if (parentWidget() != padre) setParent(padre, windowFlags());
    // Never wider than the table's window nor the screen's free area.
    const QMargins marco = marcoDe(padre);
    int ancho = padre ? padre->frameGeometry().width() : 0;
    const QScreen* pantalla = padre ? padre->screen() : screen();
    if (pantalla) ancho = ancho > 0 ? std::min(ancho, pantalla->availableGeometry().width()) : pantalla->availableGeometry().width();
    if (ancho > 0 && pixelesPorTwip > 0)
        lienzo_->limitarAncho((ancho - marco.left() - marco.right()) / pixelesPorTwip);
    lienzo_->fijarEscala(pixelesPorTwip);
    lienzo_->sincronizar();
    aplicarForma();
    ubicar();
}

void Dialogo::aplicarForma() {
    // Hidden or unloaded by the model: off the screen now, and exec() returns once the
    // handler that did it has ended.
    if (!ventana_.mostrada() && isVisible()) done(0);
    const Control& forma = ventana_.forma();
    setWindowTitle(QString::fromStdString(forma.Caption()));
    const QSize tamano = lienzo_->tamanoForma();
    lienzo_->setGeometry(QRect(QPoint(0, 0), tamano));
    setFixedSize(tamano);
}

// Centred over the table; the end of a round below the table's hand places, so the
// cards that decided it stay in sight.
void Dialogo::ubicar() {
    QWidget* mesa = parentWidget();
    if (!mesa) return;
    const QScreen* pantalla = mesa->screen();
    const QRect libre = pantalla ? pantalla->availableGeometry() : QRect();
    const QMargins marco = marcoDe(mesa);
    QRect caja(QPoint(0, 0), size().grownBy(marco));
    caja.moveCenter(mesa->frameGeometry().center());
    const QRect manos = escena_.lugarDeLasManos();
    if (ventana_.nombre() == "FinRonda" && !manos.isEmpty()) {
        const int separacion = std::max(4, manos.height() / 20);
        caja.moveCenter(QPoint(manos.center().x(), caja.center().y()));
        caja.moveTop(manos.bottom() + 1 + separacion);
        if (!libre.isEmpty() && caja.bottom() > libre.bottom()) {
            QRect arriba = caja;
            arriba.moveBottom(manos.top() - 1 - separacion);
            if (arriba.top() >= libre.top()) caja = arriba;
        }
    }
    if (!libre.isEmpty()) caja = dentroDe(caja, libre);
    move(caja.topLeft());
}

// The title bar's close is the model's unload; the dialog closes once the model says so.
void Dialogo::closeEvent(QCloseEvent* evento) {
    evento->ignore();
    escena_.despachar([this] { ventana_.Unload(true); });
}

}  // namespace naipalia::vista
