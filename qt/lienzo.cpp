#include "qt/lienzo.h"

#include <QMouseEvent>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "qt/controles_qt.h"
#include "qt/escala.h"
#include "qt/escena.h"
#include "qt/imagenes_qt.h"
#include "qt/menus_qt.h"

namespace naipalia::vista {

namespace {

int codigoBoton(Qt::MouseButtons botones) {
    return (botones & Qt::LeftButton ? BotonIzquierdo : 0) | (botones & Qt::RightButton ? BotonDerecho : 0) |
           (botones & Qt::MiddleButton ? 4 : 0);
}

int codigoShift(Qt::KeyboardModifiers teclas) {
    return (teclas & Qt::ShiftModifier ? 1 : 0) | (teclas & Qt::ControlModifier ? 2 : 0) |
           (teclas & Qt::AltModifier ? 4 : 0);
}

// Where a control lies: on the felt (its corner on it) or across the felt's rim.
Sobre lugarEnTapete(const Propiedades& p, const Control* tapete) {
    if (!tapete) return Sobre::Fondo;
    const Propiedades& t = tapete->propiedades();
    if (p.Left > t.Left && p.Left < t.Left + t.Width && p.Top > t.Top && p.Top < t.Top + t.Height)
        return Sobre::Tapete;
    const bool toca = p.Left < t.Left + t.Width && p.Left + p.Width > t.Left && p.Top < t.Top + t.Height &&
                      p.Top + p.Height > t.Top;
    return toca ? Sobre::Borde : Sobre::Fondo;
}

}  // namespace

Lienzo::Lienzo(Ventana& ventana, Escena& escena, bool ajustable, QWidget* padre)
    : QWidget(padre), ventana_(ventana), escena_(escena), ajustable_(ajustable), k_(PixelesPorTwip) {
    const Control* tapete = nullptr;
    elementos_.reserve(ventana_.controles().size());
    for (Control* control : ventana_.controles()) {
        Elemento elemento;
        elemento.control = control;
        elemento.widget = CrearWidget(*control, *this, lugarEnTapete(control->propiedades(), tapete));
        if (EsTapete(*control)) tapete = control;
        if (elemento.widget) {
            elemento.widget->setObjectName(NombreQt(*control));
            elemento.widget->setMouseTracking(static_cast<bool>(control->MouseMove));
        }
        if (control->tipo() == TipoControl::Temporizador) {
            elemento.reloj = new QTimer(this);
            const std::size_t indice = elementos_.size();
            connect(elemento.reloj, &QTimer::timeout, this, [this, indice] { tic(indice); });
        }
        indices_[control] = elementos_.size();
        elementos_.push_back(std::move(elemento));
    }
    ventana_.alCambiar = [this](Control& control) { marcar(control); };
}

Lienzo::~Lienzo() { ventana_.alCambiar = nullptr; }

QWidget* Lienzo::widgetDe(const Control& control) const {
    auto it = indices_.find(&control);
    return it == indices_.end() ? nullptr : elementos_[it->second].widget;
}

QRect Lienzo::rectangulo(double left, double top, double ancho, double alto) const {
    // Edges rounded on their own, so neighbours meet without gaps.
    const int x0 = static_cast<int>(std::lround(origen_.x() + left * k_));
    const int y0 = static_cast<int>(std::lround(origen_.y() + top * k_));
    const int x1 = static_cast<int>(std::lround(origen_.x() + (left + ancho) * k_));
    const int y1 = static_cast<int>(std::lround(origen_.y() + (top + alto) * k_));
    return QRect(x0, y0, x1 - x0, y1 - y0);
}

void Lienzo::fijarEscala(double pixelesPorTwip) {
    if (pixelesPorTwip == k_) return;
    k_ = pixelesPorTwip;
    todo_ = true;
    sincronizar();
}

void Lienzo::resizeEvent(QResizeEvent*) {
    if (!ajustable_) return;
    const Control& forma = ventana_.forma();
    if (forma.Width() <= 0 || forma.Height() <= 0) return;
    k_ = std::min(width() / forma.Width(), height() / forma.Height());
    origen_ = QPointF((width() - forma.Width() * k_) / 2, (height() - forma.Height() * k_) / 2);
    todo_ = true;
    sincronizar();
}

void Lienzo::marcar(Control& control) {
    if (&control == &ventana_.forma()) {
        // Unloading restores every control without telling each one.
        todo_ = true;
    } else if (auto it = indices_.find(&control); it != indices_.end()) {
        Elemento& elemento = elementos_[it->second];
        // Timers follow at once, so a disabled one never ticks again.
        if (elemento.reloj) aplicarReloj(elemento);
        if (!elemento.pendiente) {
            elemento.pendiente = true;
            pendientes_.push_back(it->second);
        }
    }
    programar();
}

void Lienzo::programar() {
    if (programado_) return;
    programado_ = true;
    QTimer::singleShot(0, this, [this] { sincronizar(); });
}

void Lienzo::sincronizar() {
    programado_ = false;
    if (todo_) {
        todo_ = false;
        pendientes_.clear();
        for (Elemento& elemento : elementos_) {
            elemento.pendiente = false;
            aplicar(elemento, true);
        }
        emit formaCambiada();
        return;
    }
    const std::vector<std::size_t> lista = std::move(pendientes_);
    pendientes_.clear();
    for (std::size_t i : lista) {
        elementos_[i].pendiente = false;
        aplicar(elementos_[i], false);
    }
}

void Lienzo::aplicar(Elemento& elemento, bool todo) {
    const Control& control = *elemento.control;
    const Propiedades& p = control.propiedades();
    Propiedades& visto = elemento.vista;
    if (elemento.reloj) aplicarReloj(elemento);
    if (control.tipo() == TipoControl::Menu && menus_) menus_->sincronizar(control);
    if (QWidget* w = elemento.widget) {
        if (todo || p.Left != visto.Left || p.Top != visto.Top || p.Width != visto.Width || p.Height != visto.Height)
            w->setGeometry(rectangulo(p.Left, p.Top, p.Width, p.Height));
        if (todo || p.TamanoLetra != visto.TamanoLetra || p.Negrita != visto.Negrita)
            w->setFont(Fuente(p.TamanoLetra, p.Negrita, k_));
        if (todo || p.Enabled != visto.Enabled) w->setEnabled(p.Enabled);
        if (todo || p.MousePointer != visto.MousePointer || p.MouseIcon != visto.MouseIcon) {
            if (p.MousePointer == PunteroPropio && !p.MouseIcon.empty())
                w->setCursor(escena_.imagenes.puntero(p.MouseIcon));
            else
                w->unsetCursor();
        }
        AplicarPropio(control, *w, p, visto, todo);
        if (todo || p.Visible != visto.Visible) w->setVisible(p.Visible);
    }
    visto = p;
}

void Lienzo::aplicarReloj(Elemento& elemento) {
    const Control& control = *elemento.control;
    const bool activo = control.Enabled() && control.Interval() > 0;
    if (!activo) {
        elemento.reloj->stop();
    } else if (!elemento.reloj->isActive() || elemento.reloj->interval() != control.Interval()) {
        elemento.reloj->start(control.Interval());
    }
}

void Lienzo::tic(std::size_t indice) {
    Elemento& elemento = elementos_[indice];
    Control& control = *elemento.control;
    // A tick while its own handler waits on a dialog would run the handler twice.
    if (elemento.enTic || !control.Enabled() || !control.Timer) return;
    elemento.enTic = true;
    escena_.despachar(control.Timer);
    elemento.enTic = false;
}

void Lienzo::raton(Control& control, QMouseEvent& evento) {
    auto it = indices_.find(&control);
    if (it == indices_.end()) return;
    const std::size_t indice = it->second;
    QWidget* w = elementos_[indice].widget;
    const QPointF punto = w->mapTo(this, evento.position());
    // Measured from the model's corner, so rounding to pixels never drifts a drag.
    const double x = (punto.x() - origen_.x()) / k_ - control.Left();
    const double y = (punto.y() - origen_.y()) / k_ - control.Top();
    const int shift = codigoShift(evento.modifiers());
    const int boton = codigoBoton(evento.button());
    switch (evento.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        // A card dragged with the right button goes over everything.
        if (boton == BotonDerecho) w->raise();
        if (control.MouseDown) escena_.despachar([&] { control.MouseDown(boton, shift, x, y); });
        if (evento.type() == QEvent::MouseButtonDblClick && control.DblClick) escena_.despachar(control.DblClick);
        break;
    case QEvent::MouseMove:
        if (control.MouseMove)
            escena_.despachar([&] { control.MouseMove(codigoBoton(evento.buttons()), shift, x, y); });
        break;
    case QEvent::MouseButtonRelease: {
        const bool encima = w->rect().contains(evento.position().toPoint());
        if (control.MouseUp) escena_.despachar([&] { control.MouseUp(boton, shift, x, y); });
        if (boton == BotonDerecho) devolverAlOrden(indice);
        if (boton == BotonIzquierdo && encima && control.Click) escena_.despachar(control.Click);
        break;
    }
    default: break;
    }
}

void Lienzo::devolverAlOrden(std::size_t indice) {
    QWidget* w = elementos_[indice].widget;
    for (std::size_t i = indice + 1; i < elementos_.size(); ++i) {
        if (elementos_[i].widget) {
            w->stackUnder(elementos_[i].widget);
            return;
        }
    }
    w->raise();
}

}  // namespace naipalia::vista
