#include "qt/imagenes_qt.h"

#include <QFile>
#include <QImageReader>
#include <QPixmapCache>

namespace naipalia::vista {

namespace {

QImage mayorImagen(const QString& ruta, QSize tamano = QSize()) {
    QImageReader lector(ruta);
    if (lector.imageCount() <= 1) {
        // One picture: the reader scales while decoding where the format allows it.
        if (tamano.isValid()) lector.setScaledSize(tamano);
        return lector.read();
    }
    QImage mejor = lector.read();
    for (int i = 1; i < lector.imageCount() && lector.jumpToImage(i); ++i) {
        const QImage otra = lector.read();
        if (otra.width() * otra.height() > mejor.width() * mejor.height()) mejor = otra;
    }
    if (tamano.isValid() && !mejor.isNull())
        return mejor.scaled(tamano, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return mejor;
}

}  // namespace

// The game asks about every card at start-up: the common formats are told by their first
// bytes, without loading an image plugin; others are left to Qt's readers.
bool ImagenesQt::cargable(const std::string& ruta) {
    const QString archivo = QString::fromStdString(ruta);
    QFile f(archivo);
    if (!f.open(QIODevice::ReadOnly)) return false;
    const QByteArray cabecera = f.read(8);
    if (cabecera.startsWith("\x89PNG\r\n\x1a\n") || cabecera.startsWith("GIF87a") || cabecera.startsWith("GIF89a"))
        return f.size() > 32;
    if (cabecera.size() >= 4 && cabecera.startsWith(QByteArray("\0\0\1\0", 4))) return f.size() > 22;  // icon file
    f.close();
    return QImageReader(archivo).canRead();
}

QPixmap ImagenesQt::imagen(const std::string& ruta) {
    const QString clave = QString::fromStdString(ruta);
    QPixmap pixmap;
    if (QPixmapCache::find(clave, &pixmap)) return pixmap;
    pixmap = QPixmap::fromImage(mayorImagen(clave));
    if (!pixmap.isNull()) QPixmapCache::insert(clave, pixmap);
    return pixmap;
}

QPixmap ImagenesQt::imagen(const std::string& ruta, QSize tamano) {
    if (tamano.isEmpty()) return QPixmap();
    const QString archivo = QString::fromStdString(ruta);
    const QString clave = QString("%1@%2x%3").arg(archivo).arg(tamano.width()).arg(tamano.height());
    QPixmap pixmap;
    if (QPixmapCache::find(clave, &pixmap)) return pixmap;
    pixmap = QPixmap::fromImage(mayorImagen(archivo, tamano));
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
