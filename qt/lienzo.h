// Draws one window model: a widget per control, kept in step with the model, and the
// mouse forwarded to the control's handlers in twips.
#pragma once

#include <QPointF>
#include <QRect>
#include <QWidget>
#include <unordered_map>
#include <vector>

#include "platform/ventana.h"

class QMouseEvent;
class QTimer;

namespace naipalia::vista {

class Escena;
class BarraMenus;

class Lienzo : public QWidget {
    Q_OBJECT
public:
    // A fitting canvas scales the design to fill its size keeping the proportions;
    // a fixed one takes its scale from outside.
    Lienzo(Ventana& ventana, Escena& escena, bool ajustable, QWidget* padre = nullptr);
    ~Lienzo() override;

    Ventana& ventana() const { return ventana_; }
    Escena& escena() const { return escena_; }
    double escala() const { return k_; }
    void fijarEscala(double pixelesPorTwip);
    QRect rectangulo(double left, double top, double ancho, double alto) const;
    QWidget* widgetDe(const Control& control) const;
    void usarMenus(BarraMenus* menus) { menus_ = menus; }

    // Applies what changed in the model since the last call.
    void sincronizar();

    void raton(Control& control, QMouseEvent& evento);

signals:
    void formaCambiada();

protected:
    void resizeEvent(QResizeEvent* evento) override;

private:
    struct Elemento {
        Control* control = nullptr;
        QWidget* widget = nullptr;  // none for timers, sounds and menus
        QTimer* reloj = nullptr;
        Propiedades vista;          // what the widget shows
        bool pendiente = false;
        bool enTic = false;
    };

    void marcar(Control& control);
    void programar();
    void aplicar(Elemento& elemento, bool todo);
    void aplicarReloj(Elemento& elemento);
    void tic(std::size_t indice);
    void devolverAlOrden(std::size_t indice);

    Ventana& ventana_;
    Escena& escena_;
    bool ajustable_;
    double k_;
    QPointF origen_;
    std::vector<Elemento> elementos_;
    std::unordered_map<const Control*, std::size_t> indices_;
    std::vector<std::size_t> pendientes_;
    bool todo_ = true;  // a full re-read is due: first show, unload, new scale
    bool programado_ = false;
    BarraMenus* menus_ = nullptr;
};

}  // namespace naipalia::vista
