// The start-up benchmark's hook. With NAIPALIA_MEDIR holding the launcher's steady-clock
// time in nanoseconds, the first window shown prints "arranque_ms=... memoria_kb=..."
// (time since launch, peak resident memory) and the program ends at once, whichever
// window is showing. Otherwise nothing.
#pragma once

namespace naipalia::vista {

void PrepararMedicion();

}  // namespace naipalia::vista
