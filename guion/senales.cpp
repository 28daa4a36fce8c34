#include "guion/senales.h"

#include <poll.h>
#include <signal.h>

namespace naipalia::guion {

namespace {

constexpr int Senales[] = {SIGINT, SIGTERM, SIGHUP, SIGPIPE};
volatile sig_atomic_t recibida = 0;

void anotar(int senal) { recibida = senal; }

sigset_t conjunto() {
    sigset_t s;
    sigemptyset(&s);
    for (int senal : Senales) sigaddset(&s, senal);
    return s;
}

}  // namespace

void InstalarSenales() {
    struct sigaction accion {};
    accion.sa_handler = anotar;
    sigemptyset(&accion.sa_mask);
    for (int senal : Senales) {
        // One ignored from the start (nohup) stays ignored.
        struct sigaction previa {};
        if (sigaction(senal, nullptr, &previa) == 0 && previa.sa_handler == SIG_IGN) continue;
        sigaction(senal, &accion, nullptr);
    }
}

void ComprobarSenal() {
    if (recibida) throw Interrupcion{};
}

void EsperarLectura(int fd) {
    const sigset_t bloqueadas = conjunto();
    sigset_t antes;
    sigprocmask(SIG_BLOCK, &bloqueadas, &antes);
    // ppoll unblocks them atomically: a signal already pending ends the wait at once.
    pollfd espera{fd, POLLIN, 0};
    if (!recibida) ppoll(&espera, 1, nullptr, &antes);
    sigprocmask(SIG_SETMASK, &antes, nullptr);
    ComprobarSenal();
}

void RelanzarSenal() {
    const int senal = recibida;
    if (!senal) return;
    signal(senal, SIG_DFL);
    raise(senal);
}

}  // namespace naipalia::guion
