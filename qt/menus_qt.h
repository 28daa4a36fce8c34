// The menu bar built from a window's menu controls; the model decides every check mark.
// The face adds what desktop players expect: the usual shortcuts, full screen, the
// table's animations and the sound volume.
#pragma once

#include <QList>
#include <QObject>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/ventana.h"

class QAction;
class QMenu;
class QMenuBar;

namespace naipalia::vista {

class Escena;

// The volume levels offered, in percent.
inline constexpr int NivelesVolumen[] = {25, 50, 75, 100};

class BarraMenus : public QObject {
public:
    BarraMenus(Ventana& ventana, Escena& escena, QMenuBar& barra);
    void sincronizar(const Control& control);
    QAction* accion(const Control& control) const;

    // The face's own entries; the volume's levels carry their percent as data.
    QAction* pantallaCompleta() const { return pantallaCompleta_; }
    QAction* animaciones() const { return animaciones_; }
    const QList<QAction*>& volumen() const { return volumen_; }

private:
    bool habilitado(const Control& control) const;
    void agregarAnimaciones(QMenu& menu, Escena& escena);
    void agregarVolumen(QMenu& menu);
    void agregarVer(Ventana& ventana, QMenuBar& barra);

    std::unordered_map<const Control*, QAction*> acciones_;
    std::unordered_map<std::string, const Control*> porNombre_;
    std::unordered_map<std::string, std::vector<const Control*>> hijos_;
    QAction* pantallaCompleta_ = nullptr;
    QAction* animaciones_ = nullptr;
    QList<QAction*> volumen_;
};

}  // namespace naipalia::vista
