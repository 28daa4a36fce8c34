// For the desktop tests that play whole hands: the computer's calls answered so that the
// hands go on (its envido refused, its truco accepted, its flor accepted).
#pragma once

#include <QPushButton>
#include <QWidget>

namespace naipalia::vista::prueba {

inline bool ResponderLlamada(QWidget* modal) {
    if (!modal || !modal->isVisible()) return false;
    const QString dialogo = modal->objectName();
    const char* respuesta = dialogo == "Tanto"               ? "BotonNoQuiero"
                            : dialogo == "CantoTrucos"       ? "BotonQuiero"
                            : dialogo == "TrucoTantoPrimero" ? "BotonSi"
                            : dialogo == "Flores"            ? "BotonAceptar"
                                                             : nullptr;
    auto* boton = respuesta ? modal->findChild<QPushButton*>(respuesta) : nullptr;
    if (!boton || !boton->isEnabled() || !boton->isVisible()) return false;
    boton->click();
    return true;
}

}  // namespace naipalia::vista::prueba
