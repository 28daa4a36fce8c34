#include "qt/mensajes_qt.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <cmath>

#include "qt/escena.h"

namespace naipalia::vista {

namespace {

// The box's sign drawn here: the desktop's icon theme would be searched on every start-up
// for it, which costs the first window more than all the rest of the box.
QPixmap Signo(Icono icono, double densidad) {
    const int lado =
        static_cast<int>(std::lround(QApplication::style()->pixelMetric(QStyle::PM_MessageBoxIconSize) * densidad));
    QPixmap signo(lado, lado);
    signo.fill(Qt::transparent);
    QPainter p(&signo);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(lado / 64.0, lado / 64.0);
    p.setPen(Qt::NoPen);
    const auto trazo = [&p](const QColor& color, double grueso) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(color, grueso, Qt::SolidLine, Qt::RoundCap));
    };
    switch (icono) {
        case Icono::Exclamacion:  // a yellow triangle with "!"
            p.setBrush(QColor(0xf2, 0xb8, 0x1d));
            p.drawPolygon(QPolygonF({{32, 3}, {62, 58}, {2, 58}}));
            trazo(QColor(0x2b, 0x2b, 0x2b), 7);
            p.drawLine(QLineF(32, 22, 32, 38));
            p.drawPoint(QPointF(32, 49));
            break;
        case Icono::Critico:  // a red disc with a cross
            p.setBrush(QColor(0xc6, 0x28, 0x28));
            p.drawEllipse(QRectF(3, 3, 58, 58));
            trazo(Qt::white, 8);
            p.drawLine(QLineF(21, 21, 43, 43));
            p.drawLine(QLineF(43, 21, 21, 43));
            break;
        case Icono::Informacion:  // a blue disc with "i"
            p.setBrush(QColor(0x2a, 0x6f, 0xd0));
            p.drawEllipse(QRectF(3, 3, 58, 58));
            trazo(Qt::white, 8);
            p.drawPoint(QPointF(32, 18));
            p.drawLine(QLineF(32, 30, 32, 47));
            break;
        case Icono::Pregunta: {  // a blue disc with "?"
            p.setBrush(QColor(0x2a, 0x6f, 0xd0));
            p.drawEllipse(QRectF(3, 3, 58, 58));
            trazo(Qt::white, 7);
            QPainterPath gancho;
            gancho.arcMoveTo(QRectF(22, 13, 20, 18), 160);
            gancho.arcTo(QRectF(22, 13, 20, 18), 160, -250);
            gancho.lineTo(32, 38);
            p.drawPath(gancho);
            p.drawPoint(QPointF(32, 49));
            break;
        }
    }
    p.end();
    signo.setDevicePixelRatio(densidad);
    return signo;
}

constexpr int PlazoDelEscritorioMs = 100;

// Opens clear of the cards in play, wide enough for its title.
class CajaMensaje : public QMessageBox {
public:
    CajaMensaje(Escena& escena, Icono icono, const QString& texto)
        : QMessageBox(QMessageBox::NoIcon, "Naipalia", texto, QMessageBox::NoButton, escena.ventanaActiva()),
          escena_(escena) {
        setTextFormat(Qt::PlainText);
        setIconPixmap(Signo(icono, devicePixelRatioF()));
    }

    // Placed before it is shown too, at its likely size: a window manager may ignore a
    // place given only as the window maps.
    void ubicar() {
        // The title bar also holds the desktop's icon and buttons.
        const QFontMetrics medidas(font());
        const int titulo = medidas.horizontalAdvance(windowTitle()) + 8 * medidas.height();
        if (width() < titulo) setFixedWidth(titulo);
        if (const auto lugar = escena_.lugarLibre(size().grownBy(escena_.marco()), escena_.enFinDeRonda(), true))
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
    CajaMensaje caja(escena_, comentario ? Icono::Informacion : icono, cuerpo);
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
