// A modal dialog drawing its window model; the model alone decides when it closes.
#pragma once

#include <QDialog>
#include <QPoint>
#include <QString>
#include <optional>

#include "platform/ventana.h"

class QPushButton;

namespace naipalia::vista {

class Escena;
class Lienzo;

class Dialogo : public QDialog {
public:
    Dialogo(Ventana& ventana, Escena& escena);
    Ventana& ventana() const { return ventana_; }
    Lienzo& lienzo() const { return *lienzo_; }
    // At the table's scale, or smaller when no place hides none of the cards at it; before
    // each showing.
    void preparar(QWidget* padre, double pixelesPorTwip);

protected:
    void closeEvent(QCloseEvent* evento) override;
    void reject() override;
    void hideEvent(QHideEvent* evento) override;
    void showEvent(QShowEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

private:
    void aplicarForma();
    void ajustar();
    void ubicar();
    bool todasLasManos() const;
    void enfocarInicial();
    QPushButton* teclaDe(const QString& numero) const;
    QPushButton* mostrarParaCertificar() const;
    QPushButton* soloAceptar() const;
    Ventana& ventana_;
    Escena& escena_;
    Lienzo* lienzo_;
    double escala_ = 0;  // the table's
    bool ajustando_ = false;
    QPoint ubicada_;                // where it was put, frame included
    std::optional<QPoint> puesta_;  // where the player moved it
    QString tecleado_;              // the number typed on the keypad so far
};

}  // namespace naipalia::vista
