// Every Qt port and the game, built as the desktop program builds them; a test may
// bring its own message boxes.
#pragma once

#include <QString>

#include "guion/grabadora.h"
#include "platform/puertos.h"
#include "qt/animaciones_qt.h"
#include "qt/escena.h"
#include "qt/imagenes_qt.h"
#include "qt/mensajes_qt.h"
#include "qt/sistema_qt.h"
#include "qt/sonidos_qt.h"
#include "shell/juego.h"

namespace naipalia::vista {

// Application-wide settings of the program: name, style, icon, who decides the end, and
// Qt's own texts in Spanish where its translations are installed.
void PrepararAplicacion(const QString& carpeta);

class Programa {
public:
    // Without a database the game runs as when its file cannot be opened; a test may fix
    // the draws and the deal, or hear the sounds.
    explicit Programa(const QString& carpeta, Mensajes* mensajes = nullptr, BaseDatos* baseDatos = nullptr,
                      Azar* azar = nullptr, Sonidos* sonidos = nullptr);
    ~Programa();
    Programa(const Programa&) = delete;
    Programa& operator=(const Programa&) = delete;

    Juego& juego() { return juego_; }
    Escena& escena() { return escena_; }
    Grabadora& grabadora() { return grabadora_; }
    SonidosQt& sonidos() { return sonidos_; }

private:
    ImagenesQt imagenes_;
    AnimacionesQt animaciones_;
    Escena escena_;
    MensajesQt mensajes_;
    RelojQt reloj_;
    AzarQt azar_;
    SonidosQt sonidos_;
    PantallaQt pantalla_;
    EscritorioQt escritorio_;
    Grabadora grabadora_;
    Juego juego_;
};

}  // namespace naipalia::vista
