#include "qt/preferencias.h"

#include <QAction>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "platform/opciones.h"
#include "qt/menus_qt.h"
#include "qt/programa.h"
#include "qt/ventana_principal.h"
#include "shell/naipalia.h"

namespace naipalia::vista {

namespace {

const QString Lugar = "ventana/lugar", Maximizada = "ventana/maximizada", Completa = "ventana/pantallaCompleta";
const QString Animaciones = "animaciones", Volumen = "volumen";

}  // namespace

QRect Encajar(QRect guardada, const QList<QRect>& libres, QMargins marco, QSize minimo) {
    if (libres.isEmpty()) return guardada;
    const QRect conMarco = guardada.marginsAdded(marco);
    const QRect* suya = &libres.front();
    long long mayor = 0;
    for (const QRect& libre : libres) {
        const QRect comun = libre.intersected(conMarco);
        const long long area = comun.isEmpty() ? 0 : 1LL * comun.width() * comun.height();
        if (area > mayor) {
            mayor = area;
            suya = &libre;
        }
    }
    const QRect dentro = suya->marginsRemoved(marco);
    const QSize tamano = guardada.size().expandedTo(minimo).boundedTo(dentro.size());
    const int x = std::clamp(guardada.x(), dentro.left(), dentro.left() + dentro.width() - tamano.width());
    const int y = std::clamp(guardada.y(), dentro.top(), dentro.top() + dentro.height() - tamano.height());
    return QRect(QPoint(x, y), tamano);
}

Preferencias::Preferencias(const QString& archivo) : ajustes_(archivo, QSettings::IniFormat) {}

// Only what this program wrote counts: anything else is as if never kept.
std::optional<bool> Preferencias::siNo(const QString& clave) const {
    const QString valor = ajustes_.value(clave).toString();
    if (valor == "true") return true;
    if (valor == "false") return false;
    return std::nullopt;
}

void Preferencias::guardar(const QString& clave, const QVariant& valor) {
    ajustes_.setValue(clave, valor);
    ajustes_.sync();
}

void Preferencias::aplicar(Programa& programa) {
    Escena& escena = programa.escena();
    VentanaPrincipal* ventana = escena.principal();
    if (!ventana) return;
    BarraMenus& menus = ventana->menus();
    Naipalia& n = programa.juego().naipalia;

    // The options no database column keeps, each by its menu's name.
    for (const DatosOpcion& d : Opciones) {
        if (d.columna) continue;
        const Opcion o = d.opcion;
        ArregloControles& menu = n.menuDe(o);
        const QString clave = "opciones/" + QString::fromStdString(menu(Naipalia::itemSi(o)).padre);
        if (const std::optional<bool> si = siNo(clave)) escena.despachar([&n, o, si] { n.marcarOpcion(o, *si); });
        // After the menu's own handler has flipped the option.
        for (const int i : menu.indices())
            if (QAction* a = menus.accion(menu(i)))
                connect(a, &QAction::triggered, this, [this, &n, o, clave] { guardar(clave, n.opcion(o)); });
    }

    if (QAction* a = menus.animaciones()) {
        if (const std::optional<bool> si = siNo(Animaciones)) a->setChecked(*si);
        connect(a, &QAction::toggled, this, [this](bool si) { guardar(Animaciones, si); });
    }

    SonidosQt& sonidos = programa.sonidos();
    const QString nivel = ajustes_.value(Volumen).toString();
    for (QAction* a : menus.volumen()) {
        if (a->data().toString() == nivel) a->setChecked(true);
        if (a->isChecked()) sonidos.volumen(a->data().toFloat() / 100);
        connect(a, &QAction::triggered, this, [this, a, &sonidos] {
            sonidos.volumen(a->data().toFloat() / 100);
            guardar(Volumen, a->data());
        });
    }

    restaurarVentana(*ventana, escena.marco());
    if (QAction* a = menus.pantallaCompleta()) {
        if (siNo(Completa).value_or(false)) a->setChecked(true);
        connect(a, &QAction::toggled, this, [this](bool si) { guardar(Completa, si); });
    }
}

void Preferencias::restaurarVentana(QWidget& ventana, QMargins marco) const {
    const QRect guardada = ajustes_.value(Lugar).toRect();
    if (guardada.isValid()) {
        QList<QRect> libres;
        for (const QScreen* pantalla : QGuiApplication::screens()) libres << pantalla->availableGeometry();
        ventana.setGeometry(Encajar(guardada, libres, marco, ventana.minimumSize()));
    }
    if (siNo(Maximizada).value_or(false)) ventana.setWindowState(ventana.windowState() | Qt::WindowMaximized);
}

void Preferencias::guardarVentana(const QWidget& ventana) {
    ajustes_.setValue(Lugar, ventana.normalGeometry());
    guardar(Maximizada, ventana.isMaximized());
}

}  // namespace naipalia::vista
