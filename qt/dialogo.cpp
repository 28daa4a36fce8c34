#include "qt/dialogo.h"

#include <QCloseEvent>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <cstdlib>

#include "qt/escena.h"
#include "qt/lienzo.h"

namespace naipalia::vista {

namespace {

QRect dentroDe(QRect r, const QRect& area) {
    r.moveLeft(std::max(area.left(), std::min(r.left(), area.right() + 1 - r.width())));
    r.moveTop(std::max(area.top(), std::min(r.top(), area.bottom() + 1 - r.height())));
    return r;
}

// Smaller steps of the table's scale tried when a dialog finds no place at its own.
constexpr double Reducciones[] = {1.0, 0.9, 0.8, 0.7, 0.6};

}  // namespace

Dialogo::Dialogo(Ventana& ventana, Escena& escena)
    : ventana_(ventana), escena_(escena), lienzo_(new Lienzo(ventana, escena, false, this)) {
    setObjectName(QString::fromStdString(ventana.nombre()));
    connect(lienzo_, &Lienzo::formaCambiada, this, [this] { aplicarForma(); });
}

void Dialogo::preparar(QWidget* padre, double pixelesPorTwip) {
    if (parentWidget() != padre) setParent(padre, windowFlags());
    escala_ = pixelesPorTwip;
    ajustar();
}

void Dialogo::ajustar() {
    QWidget* padre = parentWidget();
    // Never wider than the table's window nor the screen's free area, and narrow enough
    // to open beside the anotador, which explains the points just as most dialogs open.
    const QMargins marco = escena_.marco();
    int ancho = padre ? padre->frameGeometry().width() : 0;
    if (const QRect anotador = escena_.anotadorEnPantalla(); padre && !anotador.isEmpty())
        ancho = std::min(ancho, anotador.left() - padre->frameGeometry().left());
    const QScreen* pantalla = padre ? padre->screen() : screen();
    if (pantalla)
        ancho =
            ancho > 0 ? std::min(ancho, pantalla->availableGeometry().width()) : pantalla->availableGeometry().width();
    ajustando_ = true;
    for (double reduccion : Reducciones) {
        const double k = escala_ * reduccion;
        if (ancho > 0 && k > 0) lienzo_->limitarAncho((ancho - marco.left() - marco.right()) / k);
        lienzo_->fijarEscala(k);
        lienzo_->sincronizar();
        aplicarForma();
        if (puesta_ || escena_.lugarLibre(size().grownBy(marco), todasLasManos())) break;
    }
    ajustando_ = false;
    ubicar();
}

bool Dialogo::todasLasManos() const { return ventana_.nombre() == "FinRonda"; }

void Dialogo::aplicarForma() {
    // Hidden or unloaded by the model: off the screen now, and exec() returns once the
    // handler that did it has ended.
    if (!ventana_.mostrada() && isVisible()) done(0);
    const Control& forma = ventana_.forma();
    setWindowTitle(QString::fromStdString(forma.Caption()));
    const QSize tamano = lienzo_->tamanoForma();
    lienzo_->setGeometry(QRect(QPoint(0, 0), tamano));
    if (tamano == size()) return;
    setFixedSize(tamano);
    if (!isVisible() || ajustando_) return;
    // A keypad that opens below the answers may reach the cards: placed again.
    ajustar();
    enfocarInicial();
}

// Where it hides none of the cards in play, or where the player last put it.
void Dialogo::ubicar() {
    QWidget* mesa = parentWidget();
    if (!mesa) return;
    const QScreen* pantalla = mesa->screen();
    const QRect libre = pantalla ? pantalla->availableGeometry() : QRect();
    QRect caja(QPoint(0, 0), size().grownBy(escena_.marco()));
    if (puesta_) {
        caja.moveTopLeft(*puesta_);
    } else if (!mesa->isVisible()) {
        // The table not shown yet (the registry at start-up): in the screen's middle.
        caja.moveCenter(libre.center());
    } else if (const auto lugar = escena_.lugarLibre(caja.size(), todasLasManos(), true)) {
        caja.moveTopLeft(*lugar);
    } else {
        caja.moveCenter(mesa->frameGeometry().center());
    }
    if (!libre.isEmpty()) caja = dentroDe(caja, libre);
    ubicada_ = caja.topLeft();
    move(ubicada_);
}

void Dialogo::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    enfocarInicial();
}

// A box to type in keeps Qt's choice; a declaration to prove puts the keyboard on showing
// the cards, a dialog that only informs on its "Aceptar"; otherwise it rests on nothing,
// so no key answers before the player chooses (a keypad's digits still choose a number).
void Dialogo::enfocarInicial() {
    tecleado_.clear();
    if (findChild<QLineEdit*>() || findChild<QListWidget*>()) return;
    if (QPushButton* mostrar = mostrarParaCertificar()) {
        mostrar->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (QPushButton* aceptar = soloAceptar()) {
        aceptar->setFocus(Qt::OtherFocusReason);
        return;
    }
    lienzo_->setFocus(Qt::OtherFocusReason);
}

// Escape gives a dialog that only informs its one answer; the others wait for the
// player's choice, as the model has no cancel button.
void Dialogo::reject() {
    if (QPushButton* aceptar = soloAceptar()) aceptar->click();
}

// The one button of a dialog that only informs, "Aceptar"; null when there is a choice.
QPushButton* Dialogo::soloAceptar() const {
    const Control* unico = nullptr;
    for (const Control* c : ventana_.controles()) {
        if (c->tipo() != TipoControl::Boton || !c->Visible() || !c->Enabled()) continue;
        if (unico) return nullptr;
        unico = c;
    }
    if (!unico || unico->nombre() != "BotonAceptar") return nullptr;
    return qobject_cast<QPushButton*>(lienzo_->widgetDe(*unico));
}

// The end-of-round dialog warning that leaving would cost an unproven declaration offers
// the way that proves it.
QPushButton* Dialogo::mostrarParaCertificar() const {
    const Control* aviso = ventana_.buscar("EtiquetaCertificar");
    const Control* mostrar = ventana_.buscar("BotonMostrarCarta");
    if (!aviso || !mostrar || aviso->Caption().empty() || !mostrar->Enabled()) return nullptr;
    return qobject_cast<QPushButton*>(lienzo_->widgetDe(*mostrar));
}

// The keypad's button showing that number; the first one for none; null without a keypad.
QPushButton* Dialogo::teclaDe(const QString& numero) const {
    for (const Control* c : ventana_.controles()) {
        if (c->nombre() != "BotonNumeroTanto" || !c->Visible() || !c->Enabled()) continue;
        if (!numero.isEmpty() && QString::fromStdString(c->Caption()) != numero) continue;
        return qobject_cast<QPushButton*>(lienzo_->widgetDe(*c));
    }
    return nullptr;
}

// Digits typed choose the keypad's number, Backspace takes the last back; Enter on the
// chosen button confirms it as a press would.
void Dialogo::keyPressEvent(QKeyEvent* evento) {
    const int tecla = evento->key();
    const bool digito = tecla >= Qt::Key_0 && tecla <= Qt::Key_9;
    if ((digito || tecla == Qt::Key_Backspace) && teclaDe(QString())) {
        QString numero = tecleado_;
        if (digito)
            numero += QChar('0' + (tecla - Qt::Key_0));
        else
            numero.chop(1);
        QPushButton* boton = numero.isEmpty() ? nullptr : teclaDe(numero);
        // A digit that continues no number starts a new one.
        if (!boton && digito) boton = teclaDe(numero = numero.right(1));
        if (boton || numero.isEmpty()) tecleado_ = numero;
        if (boton) boton->setFocus(Qt::OtherFocusReason);
        return;
    }
    QDialog::keyPressEvent(evento);
}

// A dialog the player moved stays where he put it for the rest of the session.
void Dialogo::hideEvent(QHideEvent* evento) {
    QDialog::hideEvent(evento);
    // The desktop may shift a window by its frame as it maps it: only a longer move is the player's.
    const QMargins marco = escena_.marco();
    const QPoint movida = pos() - ubicada_;
    if (std::abs(movida.x()) > marco.left() + marco.right() || std::abs(movida.y()) > marco.top() + marco.bottom())
        puesta_ = pos();
}

// The title bar's close is the model's unload; the dialog closes once the model says so.
void Dialogo::closeEvent(QCloseEvent* evento) {
    evento->ignore();
    escena_.despachar([this] { ventana_.Unload(true); });
}

}  // namespace naipalia::vista
