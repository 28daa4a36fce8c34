// What the player chose on the table's window, kept between runs in a settings file: the
// window's place and size, full screen, the face's animations and volume, and the options
// kept on the menus alone. A file that cannot be read or written changes nothing.
#pragma once

#include <QList>
#include <QMargins>
#include <QObject>
#include <QRect>
#include <QSettings>
#include <QSize>
#include <QString>
#include <optional>

class QWidget;

namespace naipalia::vista {

class Programa;

// Its connections to the menus end with it.
class Preferencias : public QObject {
public:
    explicit Preferencias(const QString& archivo);
    // Once, the table shown and before the first game: puts back what was kept, and
    // keeps each change from then on.
    void aplicar(Programa& programa);
    // The window's place and size as the program ends.
    void guardarVentana(const QWidget& ventana);

private:
    std::optional<bool> siNo(const QString& clave) const;
    void guardar(const QString& clave, const QVariant& valor);
    void restaurarVentana(QWidget& ventana, QMargins marco) const;

    QSettings ajustes_;
};

// Where a window kept at `guardada` (without its `marco`) opens: on the free area holding
// most of it, else the first; no larger than that area, no smaller than `minimo`, and
// whole inside it with its frame.
QRect Encajar(QRect guardada, const QList<QRect>& libres, QMargins marco, QSize minimo);

}  // namespace naipalia::vista
