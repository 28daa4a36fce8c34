// The table's window: the menu bar and a canvas that scales the design to fill it.
#pragma once

#include <QMainWindow>

#include "platform/ventana.h"
#include "qt/escala.h"

namespace naipalia::vista {

class Escena;
class Lienzo;
class BarraMenus;
class PanelAnotador;

class VentanaPrincipal : public QMainWindow {
public:
    VentanaPrincipal(Ventana& ventana, Escena& escena);
    Ventana& ventana() const { return ventana_; }
    Lienzo& lienzo() const { return *lienzo_; }
    BarraMenus& menus() const { return *menus_; }
    // None without an anotador to draw.
    PanelAnotador* anotador() const { return anotador_; }
    void actualizarAnotador();
    // The table's scale, given back what the anotador beside it took, up to what the
    // screen gives the table alone: the anotador never shrinks the dialogs' texts.
    double escalaDialogos() const;

protected:
    void changeEvent(QEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    void paintEvent(QPaintEvent* evento) override;

private:
    void aplicarForma();
    // The design at 100 % of this size in pixels, enlarged to the least window and kept
    // inside the screen.
    double factorInicial(double ancho, double alto) const;
    void tamanoInicial();

    Ventana& ventana_;
    Escena& escena_;
    Lienzo* lienzo_;
    BarraMenus* menus_;
    PanelAnotador* anotador_ = nullptr;
    bool pintada_ = false;
    double escalaSola_ = PixelesPorTwip;
};

}  // namespace naipalia::vista
