// The signals that end the driver (interrupt, terminate, hang-up, a closed pipe): the
// handler only notes one; the script stops at its next line or tick, unwinds so that the
// program folder is removed, and the signal is then raised again with its default action.
#pragma once

namespace naipalia::guion {

// Thrown where the script notices a signal: the run unwinds without an ERROR line.
struct Interrupcion {};

// Without SA_RESTART: a blocked read returns at once.
void InstalarSenales();
// Throws Interrupcion once a signal came.
void ComprobarSenal();
// Waits until `fd` has something to read or a signal comes (then throws), with no gap
// between the check and the wait for a signal to fall into.
void EsperarLectura(int fd);
// After the unwinding: the signal that came, if any, with its default action.
void RelanzarSenal();

}  // namespace naipalia::guion
