// naipalia-bench-memoria: the desktop program's memory over whole games played through
// its windows. Cards are clicked as a player would; each dialog is answered with the
// self-play player's choice (a random usable button, drawn from a fixed seed); every
// question is answered "Sí" until the last game ends, then "No", so that the run ends
// with the table at rest and no dialog left waiting. Prints the peak memory after start
// (also with the sound system loaded), after the first game, after ten games and after
// all of them, and the ratios. A game that stops moving, or an event loop that stops
// turning, is reported and the run fails. Qt's offscreen platform is used unless
// QT_QPA_PLATFORM says otherwise.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QPixmapCache>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <mutex>
#include <random>
#include <stop_token>
#include <string>
#include <thread>
#include <vector>

#include "qt/dialogo.h"
#include "qt/lienzo.h"
#include "qt/menus_qt.h"
#include "qt/programa.h"
#include "qt/ventana_principal.h"
#include "shell/naipalia.h"
#include "tests/autojuego/autojuego.h"

namespace {

using naipalia::Control;
using naipalia::Ventana;

// Player steps (one per millisecond tick at most) without the game moving on: past it the
// game is stuck. The longest wait of the table, between games, is a few seconds.
constexpr long PasosSinAvance = 20000;
// Longer than any wait of the event loop on the sound system (a few seconds at most).
constexpr std::chrono::seconds SinVueltas{30};

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
        if (botones != naipalia::Botones::SiNo) return naipalia::Respuesta::Aceptar;
        return si ? naipalia::Respuesta::Si : naipalia::Respuesta::No;
    }
    bool si = true;
};

struct Memoria {
    long picoKb = 0;
    long residenteKb = 0;
};

Memoria medir() { return {campoKb("VmHWM"), campoKb("VmRSS")}; }

// Plays through the windows, one step per tick of its timer.
class Automata {
public:
    Automata(naipalia::vista::Programa& programa, MensajesQueSi& mensajes, int partidas)
        : programa_(programa), mensajes_(mensajes), juego_(programa.juego()), partidas_(partidas) {
        QObject::connect(&reloj_, &QTimer::timeout, [this] { paso(); });
    }

    void empezar() {
        reloj_.start(1);
        guardia_ = std::jthread([this](std::stop_token fin) { guardar(fin); });
    }
    void parar() {
        reloj_.stop();
        guardia_ = {};
    }
    bool completas() const { return terminadas_ >= partidas_; }
    // The last game's dialogs answered and no new game begun: nothing left to wait for.
    bool listo() const {
        return completas() && !pendiente_ && !QApplication::activeModalWidget() && !juego_.naipalia.MenuFin.Enabled();
    }

    int terminadas() const { return terminadas_; }
    long jugadas() const { return jugadas_; }
    long respuestas() const { return respuestas_; }
    const Memoria& trasPrimera() const { return trasPrimera_; }
    const Memoria& trasDiez() const { return trasDiez_; }

private:
    void paso() {
        ++pasos_;
        vigilar();
        if (pendiente_) return;
        if (QWidget* modal = QApplication::activeModalWidget()) {
            responder(*modal);
            return;
        }
        finContado_ = false;
        if (!completas()) jugarMesa();
    }

    // Posted, not called: a dialog opened by the click runs its own loop, in which this
    // timer could not fire again while its call is still under way.
    void diferir(std::function<void()> accion) {
        pendiente_ = true;
        QTimer::singleShot(0, &reloj_, [this, accion = std::move(accion)] {
            pendiente_ = false;
            accion();
        });
    }

    void pulsar(QWidget* widget) {
        QPointer<QAbstractButton> boton = qobject_cast<QAbstractButton*>(widget);
        if (!boton) return;
        diferir([boton] {
            if (boton) boton->click();
        });
    }

    void responder(QWidget& modal) {
        auto* dialogo = dynamic_cast<naipalia::vista::Dialogo*>(&modal);
        if (!dialogo) return;  // not the game's: left to the guard
        Ventana& ventana = dialogo->ventana();
        if (&ventana == &juego_.finJuegos) anotarFinDeJuego();
        naipalia::autojuego::BotonesUsables(ventana, botones_);
        if (botones_.empty()) return;
        std::uniform_int_distribution<std::size_t> cual(0, botones_.size() - 1);
        ++respuestas_;
        pulsar(dialogo->lienzo().widgetDe(*botones_[cual(azar_)]));
    }

    void anotarFinDeJuego() {
        if (finContado_) return;
        finContado_ = true;
        ++terminadas_;
        if (terminadas_ == 1) trasPrimera_ = medir();
        if (terminadas_ == 10) trasDiez_ = medir();
        // Its end answers "¿Comenzar un nuevo juego?": no, the run is over.
        if (completas()) mensajes_.si = false;
    }

    void jugarMesa() {
        naipalia::Naipalia& mesa = juego_.naipalia;
        naipalia::vista::VentanaPrincipal& ventana = *programa_.escena().principal();
        for (int s = 1; s <= 3; ++s) {
            if (!mesa.BotonCarta(s).Enabled()) continue;
            ++jugadas_;
            pulsar(ventana.lienzo().widgetDe(mesa.BotonCarta(s)));
            return;
        }
        // Having put the envido first, the player must call it before playing a card.
        if (juego_.estado.TantoPrimero) {
            for (Control* b : {&mesa.BotonEnvido, &mesa.BotonRealEnvido, &mesa.BotonFaltaEnvido, &mesa.BotonFlor})
                if (b->Enabled() && b->Visible()) return pulsar(ventana.lienzo().widgetDe(*b));
        }
        // No game on: a new one, as F5 does.
        if (!mesa.MenuFin.Enabled()) diferir([&ventana, &mesa] { ventana.menus().accion(mesa.MenuNuevo)->trigger(); });
    }

    // What changes as a game moves on.
    std::uint64_t huella() const {
        const naipalia::Estado& e = juego_.estado;
        std::uint64_t h = 1469598103934665603ULL;
        const auto sumar = [&h](long v) { h = (h ^ static_cast<std::uint64_t>(v)) * 1099511628211ULL; };
        sumar(terminadas_);
        sumar(e.RondasJugadas);
        sumar(juego_.ronda.ManoActual);
        for (int m = 1; m <= 3; ++m) sumar(e.PosicionJugador[m] * 8 + e.PosicionCompu[m]);
        sumar(e.PuntosJugador * 64 + e.PuntosComputadora);
        sumar(reinterpret_cast<std::uintptr_t>(QApplication::activeModalWidget()));
        return h;
    }

    void vigilar() {
        const std::uint64_t h = huella();
        if (h != huellaVista_) {
            huellaVista_ = h;
            sinAvance_ = 0;
            return;
        }
        if (++sinAvance_ > PasosSinAvance) atascado();
    }

    // Unwinding the dialogs' loops could itself hang: the report is printed and the
    // program ends there.
    [[noreturn]] void atascado() const {
        const naipalia::Estado& e = juego_.estado;
        std::printf("El juego no avanza tras %ld pasos: %d partidas completas, ronda %d, mano %d, %d a %d\n",
                    PasosSinAvance, terminadas_.load(), e.RondasJugadas, juego_.ronda.ManoActual, e.PuntosJugador,
                    e.PuntosComputadora);
        QWidget* modal = QApplication::activeModalWidget();
        auto* dialogo = dynamic_cast<naipalia::vista::Dialogo*>(modal);
        const Ventana* frente = dialogo ? &dialogo->ventana() : modal ? nullptr : &juego_.naipalia;
        if (frente) {
            std::printf("al frente: %s; botones usables:", frente->nombre().c_str());
            std::vector<Control*> botones;
            naipalia::autojuego::BotonesUsables(*frente, botones);
            for (const Control* b : botones) std::printf(" %s", b->nombre().c_str());
            std::printf("\n");
        } else {
            std::printf("al frente: %s \"%s\" (%s)\n", modal->metaObject()->className(),
                        qPrintable(modal->windowTitle()), qPrintable(modal->objectName()));
        }
        std::fflush(stdout);
        std::_Exit(1);
    }

    // A handler that never returns stops the event loop, and this timer with it: a thread
    // of its own sees the steps stop and ends the run with a report.
    void guardar(std::stop_token fin) {
        std::mutex m;
        std::condition_variable_any nunca;
        std::unique_lock espera(m);
        long visto = -1;
        while (!nunca.wait_for(espera, fin, SinVueltas, [] { return false; }) && !fin.stop_requested()) {
            const long ahora = pasos_;
            if (ahora != visto) {
                visto = ahora;
                continue;
            }
            std::printf("El bucle de eventos no avanza desde hace %lld s: %d partidas completas\n",
                        static_cast<long long>(SinVueltas.count()), terminadas_.load());
            std::fflush(stdout);
            std::_Exit(1);
        }
    }

    naipalia::vista::Programa& programa_;
    MensajesQueSi& mensajes_;
    naipalia::Juego& juego_;
    const int partidas_;
    QTimer reloj_;
    std::mt19937 azar_{18};
    std::vector<Control*> botones_;
    bool pendiente_ = false;
    bool finContado_ = false;
    std::atomic<int> terminadas_ = 0;
    std::atomic<long> pasos_ = 0;
    long jugadas_ = 0;
    long respuestas_ = 0;
    std::uint64_t huellaVista_ = 0;
    long sinAvance_ = 0;
    Memoria trasPrimera_;
    Memoria trasDiez_;
    std::jthread guardia_;  // last: stopped before what it reads goes
};

void linea(const char* que, const Memoria& m) {
    std::printf("%-34s %10ld kB (residente %ld kB)\n", que, m.picoKb, m.residenteKb);
}

void relacion(const char* que, long de, long con, const char* objetivo) {
    std::printf("%-34s %10.2f%s\n", que, static_cast<double>(de) / static_cast<double>(con), objetivo);
}

}  // namespace

int main(int argc, char* argv[]) {
    const int partidas = argc > 1 ? std::atoi(argv[1]) : 10;
    // With --grabar, every game's recording is written there as the desktop program keeps it.
    const bool grabar = argc == 4 && std::string(argv[2]) == "--grabar";
    if (partidas < 1 || (argc > 2 && !grabar)) {
        std::fprintf(stderr, "uso: naipalia-bench-memoria [PARTIDAS [--grabar CARPETA]]\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplicacion(argc, argv);
    const QString carpeta = QCoreApplication::applicationDirPath();
    naipalia::vista::PrepararAplicacion(carpeta);
    MensajesQueSi mensajes;
    naipalia::vista::Programa programa(carpeta, &mensajes);
    if (grabar)
        programa.grabadora().alGuardar = [destino = std::string(argv[3])](int partida, const std::string& guion) {
            std::ofstream(destino + "/" + std::to_string(partida) + ".guion") << guion;
        };
    programa.juego().arrancar();
    if (!QTest::qWaitForWindowExposed(programa.escena().principal())) return 1;
    QTest::qWait(200);  // the first paint and the advertisement's first frames
    const Memoria arranque = medir();
    // Any game's first card sound loads the sound system, once; the games are measured
    // against the table ready to play with it, so that they show only what play adds.
    programa.juego().operacion.SonidoCarta();
    QTest::qWait(200);
    const Memoria inicio = medir();

    Automata automata(programa, mensajes, partidas);
    QElapsedTimer reloj;
    reloj.start();
    automata.empezar();
    const bool completas = QTest::qWaitFor([&] { return automata.listo(); }, 3600000);
    automata.parar();
    QTest::qWait(100);
    const Memoria fin = medir();

    std::printf(
        "Memoria del programa (QT_QPA_PLATFORM=%s): %d partidas completas, %ld cartas jugadas, "
        "%ld respuestas a diálogos, %.1f s\n",
        qgetenv("QT_QPA_PLATFORM").constData(), automata.terminadas(), automata.jugadas(), automata.respuestas(),
        reloj.elapsed() / 1000.0);
    linea("pico tras arrancar", arranque);
    linea("pico listo para jugar (con sonido)", inicio);
    linea("pico tras la primera partida", automata.trasPrimera());
    if (partidas >= 10) linea("pico tras diez partidas", automata.trasDiez());
    linea("pico tras todas las partidas", fin);
    std::printf("%-34s %10d kB\n", "caché de imágenes de Qt (límite)", QPixmapCache::cacheLimit());
    relacion("todas / primera partida", fin.picoKb, automata.trasPrimera().picoKb, "   (objetivo: no más de 1.20)");
    if (partidas >= 10)
        relacion("diez partidas / listo para jugar", automata.trasDiez().picoKb, inicio.picoKb,
                 "   (objetivo: no más de 1.20)");
    std::fflush(stdout);
    programa.escena().terminar();
    return completas ? 0 : 1;
}
