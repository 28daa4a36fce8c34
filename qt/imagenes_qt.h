// Pictures and pointers from the program folder, loaded once and shared by every window.
#pragma once

#include <QCursor>
#include <QPixmap>
#include <map>
#include <string>

#include "platform/puertos.h"

namespace naipalia::vista {

class ImagenesQt : public Imagenes {
public:
    bool cargable(const std::string& ruta) override;

    // The picture at its largest size (an icon file holds several); null when unreadable.
    QPixmap imagen(const std::string& ruta);
    // The picture decoded straight to the size it is shown at, so no full-size copy stays
    // in memory; shared by the widgets showing it at that size.
    QPixmap imagen(const std::string& ruta, QSize tamano);
    // An icon file as a pointer with its hot spot at the fingertip.
    QCursor puntero(const std::string& ruta);

private:
    std::map<std::string, QCursor> punteros_;
};

}  // namespace naipalia::vista
