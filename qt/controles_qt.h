// The widget of each kind of control, and what of its properties each kind shows.
#pragma once

#include <QMetaObject>
#include <QMouseEvent>
#include <QPixmap>
#include <QWidget>
#include <string>

#include "platform/control.h"
#include "qt/lienzo.h"

namespace naipalia::vista {

class ImagenesQt;
class AnimacionesQt;

// Hands the mouse to the canvas, which speaks to the control in twips.
template <class Base> class ConRaton : public Base {
public:
    ConRaton(Lienzo& lienzo, Control& control) : Base(&lienzo), lienzo_(lienzo), control_(control) {}

protected:
    void mousePressEvent(QMouseEvent* e) override { lienzo_.raton(control_, *e); }
    void mouseMoveEvent(QMouseEvent* e) override { lienzo_.raton(control_, *e); }
    void mouseReleaseEvent(QMouseEvent* e) override { lienzo_.raton(control_, *e); }
    void mouseDoubleClickEvent(QMouseEvent* e) override { lienzo_.raton(control_, *e); }

    Lienzo& lienzo_;
    Control& control_;
};

// A picture scaled smoothly to its rectangle, sharp on high-density screens.
class ImagenQt : public ConRaton<QWidget> {
public:
    ImagenQt(Lienzo& lienzo, Control& control, ImagenesQt& imagenes);
    void fijar(const std::string& ruta);

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    ImagenesQt& imagenes_;
    std::string ruta_;
    QPixmap escalada_;
};

// The current frame of the widget's movie, fitted keeping its proportions.
class AnimacionQt : public ConRaton<QWidget> {
public:
    AnimacionQt(Lienzo& lienzo, Control& control, AnimacionesQt& animaciones);
    ~AnimacionQt() override;

protected:
    void paintEvent(QPaintEvent* evento) override;
    void showEvent(QShowEvent* evento) override;
    void hideEvent(QHideEvent* evento) override;

private:
    void seguirPelicula();
    void contar(bool visible);
    AnimacionesQt& animaciones_;
    std::string clave_;  // its name for the animations
    QMetaObject::Connection cuadros_;
    bool contada_ = false;
};

// The game table: green felt in a wooden rim with rounded corners.
class TapeteQt : public QWidget {
public:
    explicit TapeteQt(QWidget* padre) : QWidget(padre) {}

protected:
    void paintEvent(QPaintEvent* evento) override;
};

bool EsTapete(const Control& control);

// The Qt object name of a control's widget or menu entry: "Carta(5)", "MenuNuevo".
QString NombreQt(const Control& control);

// What a control is drawn over: labels read light on the felt and as a plate on its rim.
enum class Sobre { Fondo, Tapete, Borde };

// A new widget on the canvas for the control; none for timers, sounds and menus.
QWidget* CrearWidget(Control& control, Lienzo& lienzo, Sobre sobre);

// Applies the properties only some kinds show (captions, texts, pictures, lists).
void AplicarPropio(const Control& control, QWidget& widget, const Propiedades& p, const Propiedades& visto,
                   bool todo);

}  // namespace naipalia::vista
