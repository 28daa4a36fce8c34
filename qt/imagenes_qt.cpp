#include "qt/imagenes_qt.h"

#include <QImageReader>
#include <QPixmapCache>

namespace naipalia::vista {

namespace {

QImage mayorImagen(const QString& ruta) {
    QImageReader lector(ruta);
    QImage mejor = lector.read();
    for (int i = 1; i < lector.imageCount() && lector.jumpToImage(i); ++i) {
        const QImage otra = lector.read();
        if (otra.width() * otra.height() > mejor.width() * mejor.height()) mejor = otra;
    }
    return mejor;
}

}  // namespace

bool ImagenesQt::cargable(const std::string& ruta) {
    return QImageReader(QString::fromStdString(ruta)).canRead();
}

QPixmap ImagenesQt::imagen(const std::string& ruta) {
    const QString clave = QString::fromStdString(ruta);
    QPixmap pixmap;
    if (QPixmapCache::find(clave, &pixmap)) return pixmap;
    pixmap = QPixmap::fromImage(mayorImagen(clave));
    if (!pixmap.isNull()) QPixmapCache::insert(clave, pixmap);
    return pixmap;
}

QCursor ImagenesQt::puntero(const std::string& ruta) {
    auto it = punteros_.find(ruta);
    if (it != punteros_.end()) return it->second;
    const QPixmap dibujo = imagen(ruta);
    if (dibujo.isNull()) return QCursor(Qt::ArrowCursor);
    // The hand's fingertip lies near (6, 1) of its 32-pixel drawing.
    const QCursor puntero(dibujo, dibujo.width() * 6 / 32, dibujo.height() / 32);
    punteros_.emplace(ruta, puntero);
    return puntero;
}

}  // namespace naipalia::vista
