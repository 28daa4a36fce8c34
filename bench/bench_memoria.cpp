// naipalia-bench-memoria: the desktop program's memory right after start and after
// playing ten whole games through its windows (cards and dialog buttons clicked as a
// player would, every question answered "Sí"). Qt's offscreen platform is used unless
// QT_QPA_PLATFORM says otherwise.
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QPixmapCache>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "qt/lienzo.h"
#include "qt/menus_qt.h"
#include "qt/programa.h"
#include "qt/ventana_principal.h"
#include "shell/naipalia.h"

namespace {

long campoKb(const char* campo) {
    std::ifstream estado("/proc/self/status");
    std::string linea;
    const std::string prefijo = std::string(campo) + ":";
    while (std::getline(estado, linea))
        if (linea.rfind(prefijo, 0) == 0) return std::strtol(linea.c_str() + prefijo.size(), nullptr, 10);
    return -1;
}

class MensajesQueSi : public naipalia::Mensajes {
public:
    naipalia::Respuesta mostrar(const std::string&, naipalia::Icono, naipalia::Botones botones,
                                naipalia::Respuesta) override {
        return botones == naipalia::Botones::SiNo ? naipalia::Respuesta::Si : naipalia::Respuesta::Aceptar;
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    const int partidas = argc > 1 ? std::atoi(argv[1]) : 10;
    if (partidas < 1) {
        std::fprintf(stderr, "uso: naipalia-bench-memoria [PARTIDAS]\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplicacion(argc, argv);
    const QString carpeta = QCoreApplication::applicationDirPath();
    naipalia::vista::PrepararAplicacion(carpeta);
    MensajesQueSi mensajes;
    naipalia::vista::Programa programa(carpeta, &mensajes);
    programa.juego().arrancar();
    auto& ventana = *programa.escena().principal();
    auto& mesa = programa.juego().naipalia;
    if (!QTest::qWaitForWindowExposed(&ventana)) return 1;
    QTest::qWait(200);  // the first paint and the advertisement's first frames
    const long inicioKb = campoKb("VmHWM");
    const long inicioRss = campoKb("VmRSS");

    int terminadas = 0;
    long primeraKb = 0;
    long jugadas = 0;
    QElapsedTimer reloj;
    reloj.start();
    // Posted, not called: a dialog opened by the click runs its own loop, in which this
    // timer could not fire again while its call is still under way.
    bool pendiente = false;
    auto pulsar = [&pendiente](QPushButton* b) {
        pendiente = true;
        QTimer::singleShot(0, b, [b, &pendiente] {
            pendiente = false;
            b->click();
        });
    };
    QTimer jugador;
    QObject::connect(&jugador, &QTimer::timeout, [&] {
        if (pendiente) return;
        if (QWidget* modal = QApplication::activeModalWidget()) {
            const QString nombre = modal->objectName();
            const char* boton = nombre == "FinRonda" ? "BotonMesa" : nombre == "FinJuegos" ? "BotonAceptar" : nullptr;
            if (!boton) return;
            if (nombre == "FinJuegos" && ++terminadas == 1) primeraKb = campoKb("VmHWM");
            if (auto* b = modal->findChild<QPushButton*>(boton)) pulsar(b);
            return;
        }
        if (terminadas >= partidas) return;
        for (int s = 1; s <= 3; ++s) {
            if (!mesa.BotonCarta(s).Enabled()) continue;
            if (auto* b = qobject_cast<QPushButton*>(ventana.lienzo().widgetDe(mesa.BotonCarta(s)))) {
                ++jugadas;
                pulsar(b);
                return;
            }
        }
        // No game on: a new one, as F5 does.
        if (!mesa.MenuFin.Enabled()) {
            pendiente = true;
            QTimer::singleShot(0, &ventana, [&] {
                pendiente = false;
                ventana.menus().accion(mesa.MenuNuevo)->trigger();
            });
        }
    });
    jugador.start(1);
    const bool completas = QTest::qWaitFor([&] { return terminadas >= partidas; }, 600000);
    jugador.stop();
    QTest::qWait(100);
    const long picoKb = campoKb("VmHWM");
    const long finRss = campoKb("VmRSS");
    std::printf("Memoria del programa (QT_QPA_PLATFORM=%s): %d partidas completas, %ld cartas jugadas, %.1f s\n",
                qgetenv("QT_QPA_PLATFORM").constData(), terminadas, jugadas, reloj.elapsed() / 1000.0);
    std::printf("%-34s %10ld kB (residente %ld kB)\n", "pico tras arrancar", inicioKb, inicioRss);
    // The first game also loads the sound libraries, once.
    std::printf("%-34s %10ld kB\n", "pico tras la primera partida", primeraKb);
    std::printf("%-34s %10ld kB (residente %ld kB)\n", "pico tras las partidas", picoKb, finRss);
    std::printf("%-34s %10d kB\n", "caché de imágenes de Qt (límite)", QPixmapCache::cacheLimit());
    std::printf("%-34s %10.2f   (objetivo: no más de 1.20)\n", "relación con el arranque",
                static_cast<double>(picoKb) / inicioKb);
    std::printf("%-34s %10.2f\n", "relación con la primera partida", static_cast<double>(picoKb) / primeraKb);
    programa.escena().terminar();
    return completas ? 0 : 1;
}
