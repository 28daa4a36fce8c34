#include "qt/menus_qt.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <map>
#include <set>
#include <string>

#include "qt/controles_qt.h"
#include "qt/escena.h"
#include "qt/rotulos.h"

namespace naipalia::vista {

BarraMenus::BarraMenus(Ventana& ventana, Escena& escena, QMenuBar& barra) : QObject(&barra) {
    std::set<std::string> padres;
    for (const Control* c : ventana.controles())
        if (c->tipo() == TipoControl::Menu && !c->padre.empty()) padres.insert(c->padre);

    std::map<std::string, QMenu*> submenus;
    for (Control* c : ventana.controles()) {
        if (c->tipo() != TipoControl::Menu) continue;
        Control& control = *c;
        QMenu* padre = control.padre.empty() ? nullptr : submenus[control.padre];
        QAction* accion = nullptr;
        if (padres.count(control.nombre())) {
            QMenu* menu = padre ? padre->addMenu(QString()) : barra.addMenu(QString());
            submenus[control.nombre()] = menu;
            accion = menu->menuAction();
            // Opening a menu is its Click.
            connect(menu, &QMenu::aboutToShow, this, [&control, &escena] {
                if (control.Click) escena.despachar(control.Click);
            });
        } else {
            accion = padre ? padre->addAction(QString()) : barra.addAction(QString());
            if (!control.atajo.empty()) accion->setShortcut(QKeySequence(QString::fromStdString(control.atajo)));
            connect(accion, &QAction::triggered, this, [this, &control, &escena] {
                if (control.Click) escena.despachar(control.Click);
                // Qt toggled the check on its own; the model's word stands.
                sincronizar(control);
            });
        }
        porNombre_[control.nombre()] = &control;
        if (!control.padre.empty()) hijos_[control.padre].push_back(&control);
        accion->setObjectName(NombreQt(control));
        acciones_[&control] = accion;
        sincronizar(control);
    }
    if (QMenu* multimedia = submenus["MenuMultimedia"]) agregarAnimaciones(*multimedia, escena);
}

// The face's own entry: the table's moves shown in order or at once.
void BarraMenus::agregarAnimaciones(QMenu& menu, Escena& escena) {
    QAction* accion = menu.addAction("&Animaciones");
    accion->setObjectName("Animaciones");
    accion->setCheckable(true);
    accion->setChecked(escena.animando());
    connect(accion, &QAction::toggled, this, [&escena](bool si) { escena.animar(si); });
}

QAction* BarraMenus::accion(const Control& control) const {
    auto it = acciones_.find(&control);
    return it == acciones_.end() ? nullptr : it->second;
}

void BarraMenus::sincronizar(const Control& control) {
    QAction* accion = this->accion(control);
    if (!accion) return;
    accion->setText(Rotulo(control));
    // A disabled menu's entries lose their shortcuts too.
    accion->setEnabled(habilitado(control));
    if (auto it = hijos_.find(control.nombre()); it != hijos_.end())
        for (const Control* hijo : it->second) sincronizar(*hijo);
    accion->setVisible(control.Visible());
    accion->setCheckable(control.Checked());
    accion->setChecked(control.Checked());
}

bool BarraMenus::habilitado(const Control& control) const {
    if (!control.Enabled()) return false;
    auto it = porNombre_.find(control.padre);
    return it == porNombre_.end() || habilitado(*it->second);
}

}  // namespace naipalia::vista
