// The two wave players. The sound system lives in a module loaded on the first sound:
// its libraries would cost the table's start-up time and memory. It runs on a thread of
// its own, because it may wait forever (a clip whose loading never ends blocks every
// later change of clip) and the window must not.
#pragma once

#include <QString>
#include <QThread>
#include <atomic>
#include <chrono>
#include <functional>
#include <future>
#include <memory>
#include <string>

#include "platform/puertos.h"

namespace naipalia::vista {

// Longer than any clip takes to load, short enough for a player to wait once.
inline constexpr std::chrono::milliseconds EsperaSonidos{3000};

class SonidosQt : public Sonidos {
public:
    // The players, given the volume they play at.
    using Crear = std::function<Sonidos*(const std::atomic<float>* volumen)>;
    explicit SonidosQt(const QString& carpeta);
    // The players made by `crear` on the sound thread; each command waits at most `espera`.
    SonidosQt(Crear crear, std::chrono::milliseconds espera);
    ~SonidosQt() override;
    SonidosQt(const SonidosQt&) = delete;
    SonidosQt& operator=(const SonidosQt&) = delete;

    bool comando(const std::string& reproductor, const std::string& orden, const std::string& archivo) override;
    // Every clip from now on plays at this share of its own loudness, 0 to 1.
    void volumen(float volumen);
    float volumen() const { return volumen_->load(); }

private:
    struct Hilo;
    bool enHilo(const std::string& reproductor, const std::string& orden, const std::string& archivo);
    bool atascado() const;

    Crear crear_;
    std::chrono::milliseconds espera_;
    // Shared with the players, which may outlive this object on an abandoned thread.
    std::shared_ptr<std::atomic<float>> volumen_ = std::make_shared<std::atomic<float>>(1.0f);
    std::shared_ptr<Hilo> hilo_;
    std::future<bool> ultima_;
};

}  // namespace naipalia::vista
