#include "qt/partidas_qt.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTimer>

#include "guion/grabadora.h"
#include "qt/escena.h"
#include "qt/menus_qt.h"
#include "qt/ventana_principal.h"
#include "shell/naipalia.h"

namespace naipalia::vista {

namespace {

// Written beside the file and renamed over it once whole: a failed write (a full disk)
// never leaves a cut file nor loses the last good copy. Unbuffered: Qt commits even when
// flushing its buffer wrote short, while write's own count tells it.
bool Escribir(const QString& ruta, const std::string& texto) {
    QSaveFile archivo(ruta);
    if (!archivo.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
    const auto largo = static_cast<qint64>(texto.size());
    if (archivo.write(texto.data(), largo) != largo) archivo.cancelWriting();
    return archivo.commit();
}

const QString Extension = QStringLiteral(".guion");

// The names the program gives its recordings; any other file is the player's.
bool EsPropia(const QString& nombre) {
    static const QRegularExpression Propio(R"(^\d{4}-\d\d-\d\d_\d\d-\d\d-\d\d(-\d+)?\.guion$)");
    return Propio.match(nombre).hasMatch();
}

void AvisarEnCaja(const QString& texto) { QMessageBox::critical(QApplication::activeWindow(), "Naipalia", texto); }

}  // namespace

Partidas::Partidas(QString carpeta, Aviso avisar, int conservadas)
    : carpeta_(std::move(carpeta)), avisar_(avisar ? std::move(avisar) : AvisarEnCaja), conservadas_(conservadas) {}

void Partidas::guardar(int partida, const std::string& guion) {
    const bool nueva = partida != partida_;
    if (nueva) {
        partida_ = partida;
        QDir().mkpath(carpeta_);
        const QString base = QDateTime::currentDateTime().toString("yyyy-MM-dd_HH-mm-ss");
        archivo_ = QDir(carpeta_).filePath(base + Extension);
        // Taken by anything, a dangling link too: the save would write through it.
        const auto tomado = [](const QString& ruta) { return QFileInfo(ruta).exists() || QFileInfo(ruta).isSymLink(); };
        for (int n = 2; tomado(archivo_); ++n)
            archivo_ = QDir(carpeta_).filePath(base + "-" + QString::number(n) + Extension);
    }
    if (Escribir(archivo_, guion)) {
        if (nueva) podar();
        return;
    }
    if (avisado_) return;
    avisado_ = true;
    // After the handler that saved, which may be a round's end halfway.
    const QString texto = "No se pudo guardar la grabación de la partida en " + QDir::toNativeSeparators(carpeta_) +
                          ". Las próximas partidas tampoco se grabarán si el problema sigue.";
    QTimer::singleShot(0, qApp, [avisar = avisar_, texto] { avisar(texto); });
}

// Only the program's own files, never a link: the names sort as the times they carry,
// the first ones the oldest.
void Partidas::podar() const {
    QDir carpeta(carpeta_);
    QStringList propias = carpeta.entryList({"*" + Extension}, QDir::Files | QDir::NoSymLinks, QDir::Name);
    propias.removeIf([](const QString& nombre) { return !EsPropia(nombre); });
    for (qsizetype i = 0; i + conservadas_ < propias.size(); ++i) carpeta.remove(propias[i]);
}

QString CarpetaDelJugador() {
    const QString documentos = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documentos.isEmpty() && QFileInfo(documentos).isDir() ? documentos : QDir::homePath();
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
        // Never the program's folder, where a relative name would land.
        const QString inicio = QDir(CarpetaDelJugador()).filePath("partida" + Extension);
        const QString ruta = QFileDialog::getSaveFileName(padre, "Guardar la partida", inicio,
                                                          "Partidas de Naipalia (*" + Extension + ")");
        if (!ruta.isEmpty() && !Escribir(ruta, guion))
            QMessageBox::critical(padre, "Naipalia", "No se pudo guardar la partida en " + ruta + ".");
    });
}

}  // namespace naipalia::vista
