// The widget of each kind of control, and what of its properties each kind shows.
#pragma once

#include <QMetaObject>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>
#include <string>

#include "platform/control.h"
#include "qt/lienzo.h"

namespace naipalia::vista {

class ImagenesQt;
class AnimacionesQt;

// Hands the mouse to the canvas, which speaks to the control in twips.
template <class Base>
class ConRaton : public Base {
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

// What the face draws over a card: the keyboard's focus, the winner of a hand.
enum class Marca { Foco = 1, Ganadora = 2 };

// A picture decoded at its displayed size, sharp on high-density screens.
class ImagenQt : public ConRaton<QWidget> {
public:
    ImagenQt(Lienzo& lienzo, Control& control, ImagenesQt& imagenes);
    void fijar(const std::string& ruta);
    void marcar(Marca marca, bool puesta);
    bool marcada(Marca marca) const { return (marcas_ & static_cast<int>(marca)) != 0; }

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    ImagenesQt& imagenes_;
    std::string ruta_;
    QPixmap escalada_;
    int marcas_ = 0;
};

// A button that Enter presses as Space does, with a focus mark that reads at a glance.
class BotonQt : public QPushButton {
public:
    // Never a dialog's default: Enter alone answers no bet.
    explicit BotonQt(Lienzo& lienzo) : QPushButton(&lienzo), lienzo_(lienzo) { setAutoDefault(false); }

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void paintEvent(QPaintEvent* evento) override;
    void focusInEvent(QFocusEvent* evento) override;
    void focusOutEvent(QFocusEvent* evento) override;

private:
    Lienzo& lienzo_;
};

// The place on the felt where a dragged card is accepted; lit while a release there would be.
class ZonaQt : public QWidget {
public:
    explicit ZonaQt(QWidget* padre);
    void encender(bool encendida);
    bool encendida() const { return encendida_; }

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    bool encendida_ = false;
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

// A frame whose line runs through the middle of its title, so the controls the design
// puts just under the title never cross it.
class MarcoQt : public QWidget {
public:
    explicit MarcoQt(QWidget* padre) : QWidget(padre) {}
    void fijarTitulo(const QString& titulo);

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    QString titulo_;
};

bool EsTapete(const Control& control);
// The buttons that play the card above them.
bool EsBotonCarta(const Control& control);

// The Qt object name of a control's widget or menu entry: "Carta(5)", "MenuNuevo".
QString NombreQt(const Control& control);

// What a control is drawn over: labels read light on the felt and as a plate on its rim.
enum class Sobre { Fondo, Tapete, Borde };

// A new widget on the canvas for the control; none for timers, sounds and menus.
QWidget* CrearWidget(Control& control, Lienzo& lienzo, Sobre sobre);

// Applies the properties only some kinds show (captions, texts, pictures, lists).
void AplicarPropio(const Control& control, QWidget& widget, const Propiedades& p, const Propiedades& visto, bool todo);

}  // namespace naipalia::vista
