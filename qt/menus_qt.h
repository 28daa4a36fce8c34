// The menu bar built from a window's menu controls; the model decides every check mark.
#pragma once

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

class BarraMenus : public QObject {
public:
    BarraMenus(Ventana& ventana, Escena& escena, QMenuBar& barra);
    void sincronizar(const Control& control);
    QAction* accion(const Control& control) const;

private:
    bool habilitado(const Control& control) const;
    void agregarAnimaciones(QMenu& menu, Escena& escena);

    std::unordered_map<const Control*, QAction*> acciones_;
    std::unordered_map<std::string, const Control*> porNombre_;
    std::unordered_map<std::string, std::vector<const Control*>> hijos_;
};

}  // namespace naipalia::vista
