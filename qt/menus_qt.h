// The menu bar built from a window's menu controls; the model decides every check mark.
#pragma once

#include <QObject>
#include <unordered_map>

#include "platform/ventana.h"

class QAction;
class QMenuBar;

namespace naipalia::vista {

class Escena;

class BarraMenus : public QObject {
public:
    BarraMenus(Ventana& ventana, Escena& escena, QMenuBar& barra);
    void sincronizar(const Control& control);
    QAction* accion(const Control& control) const;

private:
    std::unordered_map<const Control*, QAction*> acciones_;
};

}  // namespace naipalia::vista
