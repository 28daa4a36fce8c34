// The tantos of the deal, and the remark on a tanto called and then shown poor.
#include <string>

#include "game/tanto.h"
#include "round/ronda.h"
#include "shell/operacion.h"

namespace naipalia {

void Ronda::CalcularTantos() {
    e.TantoRealJugador = CalcularTanto(e.carta(1), e.carta(2), e.carta(3)).tanto;
    const TantoMano compu = CalcularTanto(e.carta(4), e.carta(5), e.carta(6));
    e.TantoCompu = compu.tanto;
    e.CartasTantoCompu = compu.cartas;
}

void Ronda::SubValorTantoMesa(bool CartasMostradas) {
    if (e.QuienEnvido != Lado::Jugador || e.EnvidoQuerido != Cadena::Nada || e.TantoRealJugador >= 20) return;
    e.EnvidosCantadosJugador = (e.EnvidosCantadosJugador + 1) % 256;
    const double r = op.azar();
    if (!CartasMostradas && r >= 0.7) return;
    const bool singular = e.TantoRealJugador == 0 || e.TantoRealJugador == 1;
    std::string texto = "Ehh!! Cantaste tanto, y tienes " + std::to_string(e.TantoRealJugador);
    if (CartasMostradas)
        texto += std::string(singular ? " punto" : " puntos") + ". Gracias por mostrar las cartas!!";
    else
        texto += singular ? " punto en mesa..." : " puntos en mesa...";
    op.ReproducirVoz(Voz::Ehh);
    op.mensaje(texto, Icono::Exclamacion);
}

}  // namespace naipalia
