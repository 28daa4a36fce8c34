#include "qt/mensajes_qt.h"

#include <QMessageBox>
#include <QPushButton>

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

}  // namespace

Respuesta MensajesQt::mostrar(const std::string& texto, Icono icono, Botones botones, Respuesta porDefecto) {
    if (escena_.terminado()) return botones == Botones::Aceptar ? Respuesta::Aceptar : Respuesta::No;
    // The table shows what led to the message before the box covers it.
    escena_.sincronizarTodo();
    QString cuerpo = QString::fromStdString(texto);
    cuerpo.replace("\r\n", "\n");
    QMessageBox caja(iconoQt(icono), "Naipalia", cuerpo, QMessageBox::NoButton, escena_.ventanaActiva());
    caja.setTextFormat(Qt::PlainText);
    if (botones == Botones::Aceptar) {
        QPushButton* aceptar = caja.addButton("Aceptar", QMessageBox::AcceptRole);
        caja.setDefaultButton(aceptar);
        caja.setEscapeButton(aceptar);
        caja.exec();
        escena_.reenfocar();
        return Respuesta::Aceptar;
    }
    // "S" and "N" answer, as the underlined letters say.
    QPushButton* si = caja.addButton("&Sí", QMessageBox::YesRole);
    QPushButton* no = caja.addButton("&No", QMessageBox::NoRole);
    caja.setDefaultButton(porDefecto == Respuesta::No ? no : si);
    caja.exec();
    escena_.reenfocar();
    return caja.clickedButton() == si ? Respuesta::Si : Respuesta::No;
}

}  // namespace naipalia::vista
