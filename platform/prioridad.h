// Work on a thread of its own that the windows being made must not wait behind.
#pragma once

#include <sys/resource.h>
#include <unistd.h>

namespace naipalia {

// A lower priority for the calling thread alone (Linux gives each thread its own).
inline void CederElProcesador() { setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 10); }

}  // namespace naipalia
