// The round's envido and flor settled: the level accepted and each winner, written here
// alone and told to whoever listens as they happen.
#include "round/ronda.h"
#include "shell/operacion.h"

namespace naipalia {

void Ronda::EnvidoQuerido(Cadena nivel) {
    e.EnvidoQuerido = nivel;
    op.contar(suceso::EnvidoQuerido{e.CadenaEnvido, nivel});
}

void Ronda::EnvidoGanado(Lado ganador) {
    e.GanadorEnvido = ganador;
    op.contar(suceso::EnvidoGanado{ganador});
}

void Ronda::FlorGanada(Lado ganador) {
    e.GanadorFlor = ganador;
    op.contar(suceso::FlorGanada{ganador});
}

}  // namespace naipalia
