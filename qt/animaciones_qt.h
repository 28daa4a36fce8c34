// The animated pictures, one movie per widget name. A movie runs only while it has been
// started and some widget showing it is visible.
#pragma once

#include <QMovie>
#include <QObject>
#include <map>
#include <memory>
#include <string>

#include "platform/puertos.h"

namespace naipalia::vista {

class AnimacionesQt : public QObject, public Animaciones {
    Q_OBJECT
public:
    bool archivo(const std::string& widget, const std::string& ruta) override;
    void iniciar(const std::string& widget) override;

    QMovie* pelicula(const std::string& widget) const;
    // Widgets showing a movie report when they appear and disappear.
    void vista(const std::string& widget, bool visible);
    // Movies run only once the table has been painted: the first frame comes sooner.
    void permitir();

signals:
    void cambiada(const QString& widget);

private:
    struct Pelicula {
        std::unique_ptr<QMovie> movie;
        bool iniciada = false;
        int vistas = 0;
    };
    void ajustar(Pelicula& p);
    std::map<std::string, Pelicula> peliculas_;
    bool permitidas_ = false;
};

}  // namespace naipalia::vista
