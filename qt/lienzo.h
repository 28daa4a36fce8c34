// Draws one window model: a widget per control, kept in step with the model, and the
// mouse forwarded to the control's handlers in twips.
#pragma once

#include <QElapsedTimer>
#include <QPointF>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <deque>
#include <optional>
#include <unordered_map>
#include <vector>

#include "platform/ventana.h"

class QKeyEvent;
class QMouseEvent;
class QTimer;
class QVariantAnimation;

namespace naipalia::vista {

class Escena;
class BarraMenus;
class ZonaQt;

// Where the face draws a picture the model puts at (left, top): at the design's table
// places the computer's card would hide part of the player's, so each hand's two cards are
// drawn side by side; everywhere else, the model's place.
double LeftDibujado(double left, double top);

// Holds the player's mouse and keys while the table shows a move; a press held back
// holds its release back too.
class Tranca : public QObject {
public:
    Tranca() = default;
    Tranca(const Tranca&) = delete;
    Tranca& operator=(const Tranca&) = delete;
    ~Tranca() override;
    void cerrar(bool cerrada);
    bool cerrada() const { return cerrada_; }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void vigilar();
    bool cerrada_ = false;
    bool vigilando_ = false;
    Qt::MouseButtons retenidos_;
};

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
    // None while its control has never been visible: hidden widgets are made when first shown.
    QWidget* widgetDe(const Control& control) const;
    void usarMenus(BarraMenus* menus) { menus_ = menus; }

    // A dialog narrower than its design: wide texts wrap, buttons keep to their side.
    void limitarAncho(double twips);
    // The window's size in pixels once texts are wrapped.
    QSize tamanoForma() const;

    // Applies what changed in the model since the last call.
    void sincronizar();

    void raton(Control& control, QMouseEvent& evento);

    // The keyboard on the first card the player may play, else on nothing that acts.
    void enfocarSeguro();
    // After a deal, a card, a call or a dialog: the keyboard on nothing that acts until the
    // player moves it (Tab, arrows) or clicks a button.
    void aparcar();
    void desaparcar() { aparcado_ = false; }
    bool aparcado() const { return aparcado_; }
    // The card button's card shows the focus too.
    void focoCambiado();
    // What a dialog must never hide, on the screen: the player's unplayed cards and the
    // places of the hand in dispute (of every hand when the round is over).
    std::vector<QRect> cartasEnJuego(bool todasLasManos) const;
    // The place where a dragged card would be accepted, while a card is dragged.
    const ZonaQt* zona() const { return zona_; }

    // With animations, what one handler changed is shown in order: the computer's card
    // travels from its back to its place, after a pause when it leads a hand.
    void animar(bool si);
    // The computer put this card down from the back of `slot` in this handler: it travels
    // from there to its place, after a pause when it leads.
    void llegaCartaCompu(int carta, int slot, bool abre);
    bool enMovimiento() const { return reproduciendo_; }
    // Returns once the table shows the models (a dialog opens after the move it follows).
    void esperarMovimiento();

signals:
    void formaCambiada();
    void movimientoTerminado();

protected:
    void resizeEvent(QResizeEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    bool focusNextPrevChild(bool siguiente) override;

private:
    struct Elemento {
        Control* control = nullptr;
        QWidget* widget = nullptr;  // none for timers, sounds and menus, and until first shown
        QTimer* reloj = nullptr;
        Propiedades vista;  // what the widget shows
        bool pendiente = false;
        bool enTic = false;
        bool conWidget = false;  // the kind has a widget
        // Pictures: where the model last put it, and when it was put there.
        double left = 0, top = 0;
        bool visible = false;
        long long puesta = 0;
    };
    // Where the wrapped layout puts a control, in twips.
    struct Lugar {
        double left, top, ancho, alto;
    };

    // The computer's card arriving at its place: the back it leaves from.
    struct Llegada {
        std::size_t dorso;
        bool abre;
    };
    // One change of a control as the handler made it.
    struct Paso {
        std::size_t indice;
        Propiedades p;
        std::optional<Llegada> llegada = {};
    };

    void marcar(Control& control);
    void programar();
    void aplicar(Elemento& elemento, bool todo) { aplicar(elemento, todo, elemento.control->propiedades()); }
    void aplicar(Elemento& elemento, bool todo, const Propiedades& p);
    void encolar();
    void rematar();
    bool hayViaje() const;
    std::deque<Paso>::iterator dorsoQueSeVa(const Llegada& llegada);
    void reproducir();
    void viajar(Elemento& carta, QRect desde);
    void cortarMovimiento();
    void crear(std::size_t indice);
    void aplicarReloj(Elemento& elemento);
    void tic(std::size_t indice);
    void alFrente(std::size_t indice);
    void alFrenteConLoQueCubre(std::size_t indice);
    bool dentroDeUnMarco(std::size_t indice) const;
    void disponer();
    Lugar lugar(const Elemento& elemento, const Propiedades& p) const;
    double altoEnvuelto(const Control& control, double ancho) const;
    int manoActual() const;
    Elemento* cartaEn(double left, double top);
    const Elemento* cartaEn(double left, double top) const;
    QRect enPantalla(const QRect& r) const { return QRect(mapToGlobal(r.topLeft()), r.size()); }
    QPointF enTwips(const Control& control, std::size_t indice, QPointF enWidget) const;
    void pulsar(Control& control, std::size_t indice, int boton, int shift, QPointF en);
    void mover(Control& control, std::size_t indice, int botones, int shift, QPointF en);
    void soltar(Control& control, std::size_t indice, int boton, int shift, QPointF en);
    void seguirArrastre();
    void terminarArrastre();
    bool cerrarArea();
    void marcarGanadora(int mano, const std::string& ganador);

    Ventana& ventana_;
    Escena& escena_;
    bool ajustable_;
    double k_;
    QPointF origen_;
    std::vector<Elemento> elementos_;
    std::unordered_map<const Control*, std::size_t> indices_;
    std::vector<std::size_t> pendientes_;
    std::vector<std::size_t> subir_;  // pictures put down or shown since the last update
    long long puestas_ = 0;
    const Control* tapete_ = nullptr;
    bool todo_ = true;  // a full re-read is due: first show, unload, new scale
    bool programado_ = false;
    bool reenfocar_ = false;
    bool aparcado_ = false;
    bool rotular_ = false;  // a button's caption changed: every letter is chosen again
    BarraMenus* menus_ = nullptr;

    // Wrapping for narrow dialogs.
    double anchoMax_ = 0;
    double recorte_ = 0;  // twips taken off the width
    double crecido_ = 0;  // twips added to the height by wrapped texts
    std::unordered_map<const Control*, Lugar> lugares_;

    // A card pressed with the left button: a click, or a drag once it moves away.
    std::ptrdiff_t apretada_ = -1;
    QPointF apretadaEn_;
    bool arrastreIzquierdo_ = false;
    // A card dragged with the right button.
    std::ptrdiff_t arrastrada_ = -1;
    Propiedades desde_;
    ZonaQt* zona_ = nullptr;
    QPointer<QWidget> marcaFoco_;

    // The moves shown in order.
    bool animar_ = false;
    bool reproduciendo_ = false;
    bool pausado_ = false;  // the pause before the computer's lead is over
    std::vector<Paso> registro_;
    std::deque<Paso> cola_;
    QTimer* pausa_ = nullptr;
    QElapsedTimer repartido_;  // since the player's cards were last dealt
    QPointer<QVariantAnimation> viaje_;
    Tranca tranca_;
};

}  // namespace naipalia::vista
