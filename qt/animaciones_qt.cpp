#include "qt/animaciones_qt.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace naipalia::vista {

bool AnimacionesQt::archivo(const std::string& widget, const std::string& ruta) {
    const QString archivo = QString::fromStdString(ruta);
    if (!QFileInfo(archivo).isFile()) return false;
    // Judged by its header: QMovie::isValid() would decode a whole frame, and asking the
    // plugins for their formats costs start-up more than a look at the first bytes.
    QByteArray formato;
    QFile f(archivo);
    if (f.open(QIODevice::ReadOnly) && f.read(6).startsWith("GIF8")) formato = "gif";
    f.close();
    if (formato.isEmpty()) {
        formato = QImageReader::imageFormat(archivo);
        if (formato.isEmpty() || !QMovie::supportedFormats().contains(formato)) return false;
    }
    Pelicula& p = peliculas_[widget];
    p.movie = std::make_unique<QMovie>(archivo, formato);
    p.iniciada = false;
    emit cambiada(QString::fromStdString(widget));
    return true;
}

void AnimacionesQt::iniciar(const std::string& widget) {
    auto it = peliculas_.find(widget);
    if (it == peliculas_.end() || !it->second.movie) return;
    it->second.iniciada = true;
    ajustar(it->second);
}

QMovie* AnimacionesQt::pelicula(const std::string& widget) const {
    auto it = peliculas_.find(widget);
    return it == peliculas_.end() ? nullptr : it->second.movie.get();
}

void AnimacionesQt::vista(const std::string& widget, bool visible) {
    Pelicula& p = peliculas_[widget];
    p.vistas += visible ? 1 : -1;
    ajustar(p);
}

void AnimacionesQt::permitir() {
    if (permitidas_) return;
    permitidas_ = true;
    for (auto& [widget, p] : peliculas_) ajustar(p);
}

// Decoding frames nobody sees costs start-up time and memory.
void AnimacionesQt::ajustar(Pelicula& p) {
    if (!p.movie) return;
    const bool correr = permitidas_ && p.iniciada && p.vistas > 0;
    if (correr && p.movie->state() == QMovie::NotRunning)
        p.movie->start();
    else if (correr && p.movie->state() == QMovie::Paused)
        p.movie->setPaused(false);
    else if (!correr && p.movie->state() == QMovie::Running)
        p.movie->setPaused(true);
}

}  // namespace naipalia::vista
