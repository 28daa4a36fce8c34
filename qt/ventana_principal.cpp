#include "qt/ventana_principal.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "qt/anotador_qt.h"
#include "qt/animaciones_qt.h"
#include "qt/escala.h"
#include "qt/escena.h"
#include "qt/lienzo.h"
#include "qt/menus_qt.h"

namespace naipalia::vista {

namespace {

constexpr int AnchoMinimo = 800;
constexpr int AltoMinimo = 600;
constexpr int MarcoDeVentana = 40;  // title bar and borders the screen must also hold

}  // namespace

VentanaPrincipal::VentanaPrincipal(Ventana& ventana, Escena& escena)
    : ventana_(ventana),
      escena_(escena),
      lienzo_(new Lienzo(ventana, escena, true, this)),
      menus_(new BarraMenus(ventana, escena, *menuBar())) {
    setObjectName(QString::fromStdString(ventana.nombre()));
    if (escena.anotador) {
        auto* mesa = new MesaConAnotador(*lienzo_, *escena.anotador, this);
        anotador_ = &mesa->panel();
        setCentralWidget(mesa);
    } else {
        setCentralWidget(lienzo_);
    }
    lienzo_->usarMenus(menus_);
    connect(lienzo_, &Lienzo::formaCambiada, this, [this] { aplicarForma(); });
    aplicarForma();
    tamanoInicial();
}

// The design at 100 %, enlarged to at least 800 x 600 and kept inside the screen.
double VentanaPrincipal::factorInicial(double ancho, double alto) const {
    const int menu = menuBar()->sizeHint().height();
    double factor = std::max({1.0, AnchoMinimo / ancho, (AltoMinimo - menu) / alto});
    if (const QScreen* pantalla = screen()) {
        const QRect libre = pantalla->availableGeometry();
        factor = std::min({factor, libre.width() / ancho, (libre.height() - menu - MarcoDeVentana) / alto});
    }
    return factor;
}

void VentanaPrincipal::tamanoInicial() {
    const double mesa = ventana_.forma().Width() * PixelesPorTwip;
    const double ancho = mesa + (anotador_ ? PanelAnotador::AnchoTwips * PixelesPorTwip : 0);
    const double alto = ventana_.forma().Height() * PixelesPorTwip;
    if (ancho <= 0 || alto <= 0) return;
    // On a screen too small for the design at 100 %, the menu bar shrinks with the table.
    if (const double menor = factorInicial(ancho, alto); menor < 1) {
        QFont letra = menuBar()->font();
        if (letra.pixelSize() > 0)
            letra.setPixelSize(std::max(1, static_cast<int>(letra.pixelSize() * menor)));
        else
            letra.setPointSizeF(letra.pointSizeF() * menor);
        menuBar()->setFont(letra);
    }
    const int menu = menuBar()->sizeHint().height();
    const double factor = factorInicial(ancho, alto);
    escalaSola_ = factorInicial(mesa, alto) * PixelesPorTwip;
    resize(static_cast<int>(std::lround(ancho * factor)), static_cast<int>(std::lround(alto * factor)) + menu);
    setMinimumSize(static_cast<int>(ancho / 2), static_cast<int>(alto / 2) + menu);
}

void VentanaPrincipal::actualizarAnotador() {
    if (anotador_) anotador_->actualizar();
}

// Before the table is first shown (the registry opened by its loading) the canvas has
// no size yet: the scale the window's size will give it.
double VentanaPrincipal::escalaDialogos() const {
    double k = lienzo_->escala();
    const Control& forma = ventana_.forma();
    if (!isVisible() && forma.Width() > 0 && forma.Height() > 0) {
        const double ancho = forma.Width() + (anotador_ ? PanelAnotador::AnchoTwips : 0);
        k = std::min(width() / ancho, (height() - menuBar()->sizeHint().height()) / forma.Height());
    }
    if (!anotador_) return k;
    const double devuelta = k * (ventana_.forma().Width() + PanelAnotador::AnchoTwips) / ventana_.forma().Width();
    return std::max(k, std::min(devuelta, escalaSola_));
}

void VentanaPrincipal::aplicarForma() { setWindowTitle(QString::fromStdString(ventana_.forma().Caption())); }

void VentanaPrincipal::paintEvent(QPaintEvent* evento) {
    QMainWindow::paintEvent(evento);
    if (pintada_) return;
    pintada_ = true;
    // The advertisement starts once the table is on the screen.
    QTimer::singleShot(0, this, [this] { escena_.animaciones.permitir(); });
}

// The desktop may leave full screen on its own: the menu's check follows.
void VentanaPrincipal::changeEvent(QEvent* evento) {
    QMainWindow::changeEvent(evento);
    if (evento->type() == QEvent::WindowStateChange && menus_->pantallaCompleta())
        menus_->pantallaCompleta()->setChecked(isFullScreen());
}

void VentanaPrincipal::closeEvent(QCloseEvent* evento) {
    if (escena_.terminado()) {
        evento->accept();
        return;
    }
    bool cierra = false;
    escena_.despachar([&] { cierra = ventana_.Unload(true); });
    if (!cierra) {
        evento->ignore();
        return;
    }
    evento->accept();
    escena_.terminar();
}

}  // namespace naipalia::vista
