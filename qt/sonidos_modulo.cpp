// Wave players on QSoundEffect, one per control name: "Close" stops, "Open" sets the
// file and waits until it is loaded, "Play" plays it. They run on the sound thread,
// which alone may wait here.
#include <QEventLoop>
#include <QSoundEffect>
#include <QUrl>
#include <map>
#include <memory>
#include <string>

#include "qt/sonidos_modulo.h"

namespace {

// A clip's loading ends in Ready or Error; a clip cut short may never end it.
bool Cargar(QSoundEffect& efecto, const std::string& archivo) {
    efecto.setSource(QUrl::fromLocalFile(QString::fromStdString(archivo)));
    if (efecto.status() == QSoundEffect::Loading) {
        QEventLoop espera;
        QObject::connect(&efecto, &QSoundEffect::statusChanged, &espera, [&] {
            if (efecto.status() != QSoundEffect::Loading) espera.quit();
        });
        espera.exec();
    }
    return efecto.status() == QSoundEffect::Ready;
}

class Efectos : public naipalia::Sonidos {
public:
    explicit Efectos(const std::atomic<float>* volumen) : volumen_(volumen) {}

    bool comando(const std::string& reproductor, const std::string& orden, const std::string& archivo) override {
        auto& efecto = efectos_[reproductor];
        if (!efecto) efecto = std::make_unique<QSoundEffect>();
        if (orden == "Close") {
            efecto->stop();
            return true;
        }
        if (orden == "Open") return Cargar(*efecto, archivo);
        if (orden != "Play" || efecto->status() != QSoundEffect::Ready) return false;
        efecto->setVolume(volumen_->load());
        efecto->play();
        return true;
    }

private:
    const std::atomic<float>* volumen_;
    std::map<std::string, std::unique_ptr<QSoundEffect>> efectos_;
};

}  // namespace

extern "C" Q_DECL_EXPORT naipalia::Sonidos* naipalia_crear_sonidos(const std::atomic<float>* volumen) {
    return new Efectos(volumen);
}
