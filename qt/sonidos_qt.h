// The two wave players. The sound system lives in a module loaded on the first sound:
// its libraries would cost the table's start-up time and memory. It runs on a thread of
// its own, because it may wait forever (a clip whose loading never ends blocks every
// later change of clip) and the window must not.
#pragma once

#include <QString>
#include <QThread>
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
    using Crear = std::function<Sonidos*()>;
    explicit SonidosQt(const QString& carpeta);
    // The players made by `crear` on the sound thread; each command waits at most `espera`.
    SonidosQt(Crear crear, std::chrono::milliseconds espera);
    ~SonidosQt() override;
    SonidosQt(const SonidosQt&) = delete;
    SonidosQt& operator=(const SonidosQt&) = delete;

    bool comando(const std::string& reproductor, const std::string& orden, const std::string& archivo) override;

private:
    struct Hilo;
    bool enHilo(const std::string& reproductor, const std::string& orden, const std::string& archivo);
    bool atascado() const;

    Crear crear_;
    std::chrono::milliseconds espera_;
    std::shared_ptr<Hilo> hilo_;
    std::future<bool> ultima_;
};

}  // namespace naipalia::vista
