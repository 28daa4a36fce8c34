#include "qt/sonidos_qt.h"

#include <QDir>
#include <QLibrary>
#include <QObject>
#include <algorithm>
#include <vector>

#include "platform/wav.h"
#include "qt/sonidos_modulo.h"

namespace naipalia::vista {

// The thread, an object living on it to receive the commands, and the players, which are
// made, used and deleted only there.
struct SonidosQt::Hilo {
    Crear crear;
    std::shared_ptr<std::atomic<float>> volumen;
    QThread hilo;
    QObject contexto;
    std::unique_ptr<Sonidos> reproductores;
    bool intentado = false;
};

namespace {

// The module is loaded by the first call, on the sound thread; without it, no players.
SonidosQt::Crear DelModulo(const QString& carpeta) {
    auto modulo = std::make_shared<QLibrary>(QDir(carpeta).filePath(NombreModuloSonidos));
    return [modulo](const std::atomic<float>* volumen) -> Sonidos* {
        auto crear = reinterpret_cast<CrearSonidos>(modulo->resolve(FabricaSonidos));
        return crear ? crear(volumen) : nullptr;
    };
}

}  // namespace

SonidosQt::SonidosQt(const QString& carpeta) : SonidosQt(DelModulo(carpeta), EsperaSonidos) {}

SonidosQt::SonidosQt(Crear crear, std::chrono::milliseconds espera) : crear_(std::move(crear)), espera_(espera) {}

namespace {

// A thread stuck in the sound system can be neither stopped nor joined: it is kept to the end.
template <typename T>
void Abandonar(std::shared_ptr<T> hilo) {
    static auto* abandonados = new std::vector<std::shared_ptr<T>>;
    abandonados->push_back(std::move(hilo));
}

}  // namespace

SonidosQt::~SonidosQt() {
    if (!hilo_) return;
    if (atascado()) {
        Abandonar(std::move(hilo_));
        return;
    }
    auto* h = hilo_.get();
    QMetaObject::invokeMethod(&h->contexto, [h] {
        h->reproductores.reset();
        h->hilo.quit();
    });
    if (!h->hilo.wait(QDeadlineTimer(espera_.count()))) Abandonar(std::move(hilo_));
}

bool SonidosQt::atascado() const {
    return ultima_.valid() && ultima_.wait_for(std::chrono::seconds(0)) != std::future_status::ready;
}

// Sent to the sound thread; an answer later than `espera` (or a thread still busy with an
// earlier command) is a failed command.
bool SonidosQt::enHilo(const std::string& reproductor, const std::string& orden, const std::string& archivo) {
    if (atascado()) return false;
    if (!hilo_) {
        hilo_ = std::make_shared<Hilo>();
        hilo_->crear = crear_;
        hilo_->volumen = volumen_;
        hilo_->contexto.moveToThread(&hilo_->hilo);
        hilo_->hilo.start();
    }
    auto respuesta = std::make_shared<std::promise<bool>>();
    ultima_ = respuesta->get_future();
    QMetaObject::invokeMethod(&hilo_->contexto, [h = hilo_, respuesta, reproductor, orden, archivo] {
        if (!h->intentado) {
            h->intentado = true;
            h->reproductores.reset(h->crear(h->volumen.get()));
        }
        // Without a sound device or module the players stay silent; nothing is reported.
        respuesta->set_value(!h->reproductores || h->reproductores->comando(reproductor, orden, archivo));
    });
    return ultima_.wait_for(espera_) == std::future_status::ready && ultima_.get();
}

void SonidosQt::volumen(float volumen) { volumen_->store(std::clamp(volumen, 0.0f, 1.0f)); }

bool SonidosQt::comando(const std::string& reproductor, const std::string& orden, const std::string& archivo) {
    if (orden == "Open" && !EsWavReproducible(archivo)) return false;
    if (orden == "Close" && !hilo_) return true;
    return enHilo(reproductor, orden, archivo);
}

}  // namespace naipalia::vista
