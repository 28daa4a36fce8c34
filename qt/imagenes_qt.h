// Pictures and pointers from the program folder, loaded once and shared by every window.
#pragma once

#include <QCursor>
#include <QImage>
#include <QPixmap>
#include <future>
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
    // Starts decoding the picture on another thread, for the next imagen() of it at any
    // size to take.
    void adelantar(const std::string& ruta);

private:
    std::map<std::string, QCursor> punteros_;
    std::map<QString, std::future<QImage>> adelantadas_;
};

}  // namespace naipalia::vista
