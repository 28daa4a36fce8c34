// The anotador beside the table: both tallies drawn as matchsticks in squares of five,
// "malas" and "buenas" in a game to 30, what the round has at stake, the round's log and
// the scrollable round lines. It follows the table's scale and never takes the keyboard.
#pragma once

#include <QWidget>

#include "game/anotador.h"

class QLabel;
class QListWidget;

namespace naipalia::vista {

class Lienzo;

class PanelAnotador : public QWidget {
public:
    // Its width in the table's twips.
    static constexpr double AnchoTwips = 3000;

    PanelAnotador(const Anotador& anotador, QWidget* padre);
    void fijarEscala(double pixelesPorTwip);
    // Brings the texts and lists up to date with the model.
    void actualizar();

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    void disponer();
    void pintarColumna(QPainter& pintor, Lado lado, double left) const;
    QRect rect(double left, double top, double ancho, double alto) const;

    const Anotador& anotador_;
    double k_ = 1.0 / 15;
    QLabel* tituloEnJuego_;
    QLabel* enJuego_;
    QLabel* tituloSucesos_;
    QListWidget* sucesos_;
    QLabel* tituloLineas_;
    QListWidget* lineas_;
};

// The table's canvas with the anotador at its right: the pair keeps the design's
// proportions and is centred in the window.
class MesaConAnotador : public QWidget {
public:
    MesaConAnotador(Lienzo& lienzo, const Anotador& anotador, QWidget* padre);
    PanelAnotador& panel() const { return *panel_; }

protected:
    void resizeEvent(QResizeEvent* evento) override;

private:
    Lienzo& lienzo_;
    PanelAnotador* panel_;
};

}  // namespace naipalia::vista
