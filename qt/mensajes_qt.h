// Message boxes over the window in front, with Spanish buttons.
#pragma once

#include "platform/puertos.h"

namespace naipalia::vista {

class Escena;

class MensajesQt : public Mensajes {
public:
    explicit MensajesQt(Escena& escena) : escena_(escena) {}
    Respuesta mostrar(const std::string& texto, Icono icono, Botones botones, Respuesta) override;

private:
    Escena& escena_;
};

}  // namespace naipalia::vista
