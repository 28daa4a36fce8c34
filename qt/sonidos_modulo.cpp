// Wave players on QSoundEffect, one per control name: "Close" stops, "Open" sets the
// file, "Play" plays it.
#include <QSoundEffect>
#include <QUrl>
#include <map>
#include <memory>
#include <string>

#include "qt/sonidos_modulo.h"

namespace {

class Efectos : public naipalia::Sonidos {
public:
    bool comando(const std::string& reproductor, const std::string& orden, const std::string& archivo) override {
        auto& efecto = efectos_[reproductor];
        if (!efecto) efecto = std::make_unique<QSoundEffect>();
        if (orden == "Close") {
            efecto->stop();
            return true;
        }
        if (orden == "Open") {
            efecto->setSource(QUrl::fromLocalFile(QString::fromStdString(archivo)));
            return true;
        }
        if (orden != "Play" || efecto->source().isEmpty()) return false;
        efecto->play();
        return true;
    }

private:
    std::map<std::string, std::unique_ptr<QSoundEffect>> efectos_;
};

}  // namespace

extern "C" Q_DECL_EXPORT naipalia::Sonidos* naipalia_crear_sonidos() { return new Efectos; }
