#include "qt/mensajes_qt.h"

#include <QFontMetrics>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "qt/escena.h"

namespace naipalia::vista {

namespace {

QMessageBox::Icon iconoQt(Icono icono) {
    switch (icono) {
        case Icono::Critico: return QMessageBox::Critical;
        case Icono::Exclamacion: return QMessageBox::Warning;
        case Icono::Informacion: return QMessageBox::Information;
        case Icono::Pregunta: break;
    }
    return QMessageBox::Question;
}

constexpr int PlazoDelEscritorioMs = 100;

// Opens clear of the cards in play, wide enough for its title.
class CajaMensaje : public QMessageBox {
public:
    CajaMensaje(Escena& escena, QMessageBox::Icon icono, const QString& texto)
        : QMessageBox(icono, "Naipalia", texto, QMessageBox::NoButton, escena.ventanaActiva()), escena_(escena) {
        setTextFormat(Qt::PlainText);
    }

    // Placed before it is shown too, at its likely size: a window manager may ignore a
    // place given only as the window maps.
    void ubicar() {
        // The title bar also holds the desktop's icon and buttons.
        const QFontMetrics medidas(font());
        const int titulo = medidas.horizontalAdvance(windowTitle()) + 8 * medidas.height();
        if (width() < titulo) setFixedWidth(titulo);
        if (const auto lugar = escena_.lugarLibre(size().grownBy(escena_.marco()), escena_.enFinDeRonda()))
            move(*lugar);
    }

protected:
    void showEvent(QShowEvent* evento) override {
        QMessageBox::showEvent(evento);
        ubicar();
        // Once mapped, where the desktop may have put it elsewhere: placed again.
        QTimer::singleShot(PlazoDelEscritorioMs, this, [this] { ubicar(); });
    }

private:
    Escena& escena_;
};

}  // namespace

Respuesta MensajesQt::mostrar(const std::string& texto, Icono icono, Botones botones, Respuesta) {
    // The table shows what led to the message before the box covers it.
    if (!escena_.terminado()) {
        escena_.sincronizarTodo();
        escena_.esperarMesa();
    }
    if (escena_.terminado()) return botones == Botones::Aceptar ? Respuesta::Aceptar : Respuesta::No;
    QString cuerpo = QString::fromStdString(texto);
    cuerpo.replace("\r\n", "\n");
    // A remark worded as a question but answered only with "Aceptar" asks nothing.
    const bool comentario = icono == Icono::Pregunta && botones == Botones::Aceptar;
    CajaMensaje caja(escena_, comentario ? QMessageBox::Information : iconoQt(icono), cuerpo);
    const auto mostrarCaja = [&caja] {
        caja.adjustSize();
        caja.ubicar();
        caja.exec();
    };
    if (botones == Botones::Aceptar) {
        QPushButton* aceptar = caja.addButton("Aceptar", QMessageBox::AcceptRole);
        caja.setDefaultButton(aceptar);
        caja.setEscapeButton(aceptar);
        mostrarCaja();
        escena_.reenfocar();
        return Respuesta::Aceptar;
    }
    // "S" and "N" answer, as the underlined letters say. Enter alone says No, the harmless
    // answer: no question of the game ends, leaves or concedes anything on a No.
    QPushButton* si = caja.addButton("&Sí", QMessageBox::YesRole);
    QPushButton* no = caja.addButton("&No", QMessageBox::NoRole);
    caja.setDefaultButton(no);
    mostrarCaja();
    escena_.reenfocar();
    return caja.clickedButton() == si ? Respuesta::Si : Respuesta::No;
}

}  // namespace naipalia::vista
