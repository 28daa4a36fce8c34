#include "qt/imagenes_qt.h"

#include <QFile>
#include <QImageReader>
#include <QPixmapCache>

#include "platform/prioridad.h"

namespace naipalia::vista {

namespace {

QImage aMedida(const QImage& imagen, QSize tamano) {
    if (!tamano.isValid() || imagen.isNull()) return imagen;
    return imagen.scaled(tamano, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Every picture of the file decoded, the largest kept.
QImage mayorDecodificada(const QString& ruta) {
    QImageReader lector(ruta);
    QImage mejor = lector.read();
    for (int i = 1; i < lector.imageCount() && lector.jumpToImage(i); ++i) {
        const QImage otra = lector.read();
        if (otra.width() * otra.height() > mejor.width() * mejor.height()) mejor = otra;
    }
    return mejor;
}

QImage mayorImagen(const QString& ruta, QSize tamano = QSize()) {
    QImageReader lector(ruta);
    if (lector.imageCount() <= 1) {
        // One picture: the reader scales while decoding where the format allows it.
        if (tamano.isValid()) lector.setScaledSize(tamano);
        return lector.read();
    }
    // An icon file: only its largest picture, by the sizes its header gives, is decoded;
    // when that fails, every picture is, to compare.
    int mayor = -1;
    qint64 area = 0;
    for (int i = 0; i < lector.imageCount() && lector.jumpToImage(i); ++i) {
        const qint64 esta = qint64{lector.size().width()} * lector.size().height();
        if (lector.size().isValid() && esta > area) area = esta, mayor = i;
    }
    const QImage mejor = mayor >= 0 && lector.jumpToImage(mayor) ? lector.read() : QImage();
    return aMedida(mejor.isNull() ? mayorDecodificada(ruta) : mejor, tamano);
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
    if (auto adelantada = adelantadas_.find(archivo); adelantada != adelantadas_.end()) {
        pixmap = QPixmap::fromImage(aMedida(adelantada->second.get(), tamano));
        adelantadas_.erase(adelantada);
    } else {
        pixmap = QPixmap::fromImage(mayorImagen(archivo, tamano));
    }
    if (!pixmap.isNull()) QPixmapCache::insert(clave, pixmap);
    return pixmap;
}

constexpr std::size_t MaximoAdelantadas = 8;

void ImagenesQt::adelantar(const std::string& ruta) {
    const QString archivo = QString::fromStdString(ruta);
    // A few at a time: a picture never shown keeps its decoded copy here.
    if (archivo.isEmpty() || adelantadas_.count(archivo) || adelantadas_.size() >= MaximoAdelantadas) return;
    adelantadas_[archivo] = std::async(std::launch::async, [archivo] {
        // On a processor the window being made leaves free.
        CederElProcesador();
        return mayorImagen(archivo);
    });
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
