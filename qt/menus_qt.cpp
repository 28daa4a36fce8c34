#include "qt/menus_qt.h"

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <map>
#include <set>
#include <string>

#include "qt/controles_qt.h"
#include "qt/escena.h"
#include "qt/rotulos.h"

namespace naipalia::vista {

namespace {

// The keys desktop players expect, beside the model's own, by control name.
const std::pair<const char*, const char*> AtajosDeEscritorio[] = {
    {"MenuAyuda", "F1"},
    {"MenuNuevo", "Ctrl+N"},
    {"MenuSalir", "Ctrl+Q"},
};

QList<QKeySequence> Atajos(const Control& control) {
    QList<QKeySequence> atajos;
    if (!control.atajo.empty()) atajos << QKeySequence(QString::fromStdString(control.atajo));
    for (const auto& [nombre, atajo] : AtajosDeEscritorio)
        if (control.nombre() == nombre) atajos << QKeySequence(QString(atajo));
    return atajos;
}

// A face entry's caption keeping its letter unless a neighbour holds it, then another
// free one of its own; none when all are taken.
QString ConLetraLibre(const QString& caption, const std::vector<QString>& vecinos) {
    std::vector<QString> todos = vecinos;
    todos.push_back(caption);
    return LetrasUnicas(todos).back();
}

std::vector<QString> Textos(const QList<QAction*>& acciones) {
    std::vector<QString> textos;
    for (const QAction* a : acciones) textos.push_back(a->text());
    return textos;
}

}  // namespace

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
            accion->setShortcuts(Atajos(control));
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
    if (QMenu* multimedia = submenus["MenuMultimedia"]) {
        agregarAnimaciones(*multimedia, escena);
        agregarVolumen(*multimedia);
    }
    agregarVer(ventana, barra);
}

// The face's own entry: the table's moves shown in order or at once.
void BarraMenus::agregarAnimaciones(QMenu& menu, Escena& escena) {
    animaciones_ = menu.addAction(ConLetraLibre("&Animaciones", Textos(menu.actions())));
    animaciones_->setObjectName("Animaciones");
    animaciones_->setCheckable(true);
    animaciones_->setChecked(escena.animando());
    connect(animaciones_, &QAction::toggled, this, [&escena](bool si) { escena.animar(si); });
}

// How loud every sound plays: one level checked, the loudest at first.
void BarraMenus::agregarVolumen(QMenu& menu) {
    QMenu* niveles = menu.addMenu(ConLetraLibre("&Volumen", Textos(menu.actions())));
    niveles->menuAction()->setObjectName("Volumen");
    auto* grupo = new QActionGroup(niveles);
    for (const int nivel : NivelesVolumen) {
        QAction* accion = niveles->addAction(ConLetraLibre(QString("&%1 %").arg(nivel), Textos(niveles->actions())));
        accion->setObjectName(QString("Volumen%1").arg(nivel));
        accion->setCheckable(true);
        accion->setData(nivel);
        accion->setChecked(nivel == 100);
        grupo->addAction(accion);
        volumen_ << accion;
    }
}

// "Ver" before the help, where desktop programs keep full screen; its title's letter is
// one the table's buttons and menus leave free.
void BarraMenus::agregarVer(Ventana& ventana, QMenuBar& barra) {
    std::vector<QString> ventanaEntera;
    for (const Control* c : ventana.controles())
        if (c->tipo() == TipoControl::Boton || (c->tipo() == TipoControl::Menu && c->padre.empty()))
            ventanaEntera.push_back(Rotulo(*c));
    auto* ver = new QMenu(ConLetraLibre("&Ver", ventanaEntera), &barra);
    ver->menuAction()->setObjectName("Ver");
    const auto ayuda = porNombre_.find("MenuAyuda");
    barra.insertMenu(ayuda == porNombre_.end() ? nullptr : accion(*ayuda->second), ver);
    pantallaCompleta_ = ver->addAction("Pantalla &completa");
    pantallaCompleta_->setObjectName("PantallaCompleta");
    pantallaCompleta_->setCheckable(true);
    pantallaCompleta_->setShortcut(QKeySequence(Qt::Key_F11));
    connect(pantallaCompleta_, &QAction::toggled, this, [&barra](bool si) {
        QWidget* w = barra.window();
        const Qt::WindowStates estado = w->windowState();
        w->setWindowState(si ? estado | Qt::WindowFullScreen : estado & ~Qt::WindowFullScreen);
    });
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
