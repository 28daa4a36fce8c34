#include "qt/partidas_qt.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QFile>
#include <QStandardPaths>

#include "qt/escena.h"
#include "qt/menus_qt.h"
#include "qt/ventana_principal.h"
#include "shell/grabadora.h"
#include "shell/naipalia.h"

namespace naipalia::vista {

namespace {

// Written whole, without waiting for the disk: a round's end must not pause.
bool Escribir(const QString& ruta, const std::string& texto) {
    QFile archivo(ruta);
    if (!archivo.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    const auto largo = static_cast<qint64>(texto.size());
    return archivo.write(texto.data(), largo) == largo && archivo.flush();
}

const QString Extension = QStringLiteral(".guion");

}  // namespace

Partidas::Partidas(QString carpeta, int conservadas) : carpeta_(std::move(carpeta)), conservadas_(conservadas) {}

void Partidas::guardar(int partida, const std::string& guion) {
    const bool nueva = partida != partida_;
    if (nueva) {
        partida_ = partida;
        QDir().mkpath(carpeta_);
        const QString base = QDateTime::currentDateTime().toString("yyyy-MM-dd_HH-mm-ss");
        archivo_ = QDir(carpeta_).filePath(base + Extension);
        for (int n = 2; QFileInfo::exists(archivo_); ++n)
            archivo_ = QDir(carpeta_).filePath(base + "-" + QString::number(n) + Extension);
    }
    if (Escribir(archivo_, guion) && nueva) podar();
}

// The names sort as the times they carry: the first ones are the oldest.
void Partidas::podar() const {
    QDir carpeta(carpeta_);
    const QStringList todas = carpeta.entryList({"*" + Extension}, QDir::Files, QDir::Name);
    for (qsizetype i = 0; i + conservadas_ < todas.size(); ++i) carpeta.remove(todas[i]);
}

void AgregarGuardarPartida(Escena& escena, Grabadora& grabadora) {
    VentanaPrincipal* principal = escena.principal();
    auto& n = static_cast<Naipalia&>(principal->ventana());
    QAction* juego = principal->menus().accion(n.MenuJuego);
    if (!juego || !juego->menu()) return;
    auto* guardar = new QAction(QStringLiteral("&Guardar la partida…"), juego->menu());
    guardar->setObjectName("GuardarPartida");
    juego->menu()->insertAction(principal->menus().accion(n.MenuSalir), guardar);
    QObject::connect(guardar, &QAction::triggered, guardar, [&escena, &grabadora] {
        const std::string guion = grabadora.guion();
        QWidget* padre = escena.ventanaActiva();
        if (guion.empty()) {
            QMessageBox::information(padre, "Naipalia", "Todavía no se jugó ninguna partida.");
            return;
        }
        const QString inicio =
            QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).filePath("partida" + Extension);
        const QString ruta = QFileDialog::getSaveFileName(padre, "Guardar la partida", inicio,
                                                          "Partidas de Naipalia (*" + Extension + ")");
        if (!ruta.isEmpty() && !Escribir(ruta, guion))
            QMessageBox::critical(padre, "Naipalia", "No se pudo guardar la partida en " + ruta + ".");
    });
}

}  // namespace naipalia::vista
