// The two wave players. The sound system lives in a module loaded on the first sound:
// its libraries would cost the table's start-up time and memory.
#pragma once

#include <QLibrary>
#include <QString>
#include <memory>
#include <string>

#include "platform/puertos.h"

namespace naipalia::vista {

class SonidosQt : public Sonidos {
public:
    explicit SonidosQt(const QString& carpeta);
    bool comando(const std::string& reproductor, const std::string& orden, const std::string& archivo) override;

private:
    Sonidos* reproductores();

    QLibrary modulo_;
    std::unique_ptr<Sonidos> reproductores_;
    bool intentado_ = false;
};

}  // namespace naipalia::vista
