// A modal dialog drawing its window model; the model alone decides when it closes.
#pragma once

#include <QDialog>

#include "platform/ventana.h"

namespace naipalia::vista {

class Escena;
class Lienzo;

class Dialogo : public QDialog {
public:
    Dialogo(Ventana& ventana, Escena& escena);
    Ventana& ventana() const { return ventana_; }
    Lienzo& lienzo() const { return *lienzo_; }
    // Over the table, at the table's scale, before each showing.
    void preparar(QWidget* padre, double pixelesPorTwip);

protected:
    void closeEvent(QCloseEvent* evento) override;
    void reject() override {}  // Escape: the model has no cancel button

private:
    void aplicarForma();
    void ubicar();
    Ventana& ventana_;
    Escena& escena_;
    Lienzo* lienzo_;
};

}  // namespace naipalia::vista
