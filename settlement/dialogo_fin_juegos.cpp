// The end-of-game dialog: a remark and a face by the final margin, then a new game.
#include <string>

#include "game/archivos.h"
#include "round/ronda.h"
#include "settlement/fin_juegos.h"
#include "settlement/liquidacion.h"
#include "shell/naipalia.h"
#include "shell/operacion.h"
#include "game/textos.h"

namespace naipalia {

namespace {

struct Remate {
    const char* mensaje;
    const char* cara;
};

// By the winner and the final margin; the middle margins toss a coin.
Remate elegirRemate(bool ganaComputadora, int diferencia, Operacion& op) {
    if (ganaComputadora) {
        if (diferencia >= 8) return {"DI CATEDRA!! TE GANE EL JUEGO!!", archivos::Caras[0]};
        if (diferencia >= 5)
            return op.azar() < 0.5 ? Remate{"La próxima vez te dejo ganar... TE GANE EL JUEGO!!", archivos::Caras[1]}
                                   : Remate{" TE GANE EL JUEGO!!", archivos::Caras[2]};
        return {"JE!! TE GANE EL JUEGO!!", archivos::Caras[3]};
    }
    if (diferencia >= 8) return {"Me aplastaste!! Me ganaste el juego.", archivos::Caras[4]};
    if (diferencia >= 5)
        return op.azar() < 0.5 ? Remate{"Ok!! Me ganaste el juego.", archivos::Caras[5]}
                               : Remate{"Quiero llorar. Me ganaste el juego.", archivos::Caras[6]};
    return {"No puedo perder así!! Me ganaste el juego.", archivos::Caras[7]};
}

}  // namespace

void Liquidacion::FinJuegos_Load() {
    const int c = e.PuntosComputadora;
    const int j = e.PuntosJugador;
    const bool ganaComputadora = c >= e.PuntosJuego;
    const Remate remate = elegirRemate(ganaComputadora, ganaComputadora ? c - j : j - c, op);
    finJuegos.EtiquetaMensaje.Caption(remate.mensaje);
    const std::string cara = op.ruta(remate.cara);
    if (op.puertos.imagenes->cargable(cara))
        finJuegos.Imagen.Picture(cara);
    else
        op.mensaje(ErrorArchivo, Icono::Critico);
}

void Liquidacion::FinJuegos_EtiquetaMensaje_Change() {
    auto& f = finJuegos;
    const auto& p = f.EtiquetaMensaje.propiedades();
    f.EtiquetaMensaje.Width(op.puertos.pantalla->anchoTexto(p.Caption, p.TamanoLetra, p.Negrita));
    f.forma().Width(f.EtiquetaMensaje.Width() + 1640);
    f.BotonAceptar.Left(f.forma().Width() / 2 - 700);
}

void Liquidacion::BotonAceptar_Click() {
    finJuegos.Hide();
    ronda.EscribirPuntos(Lado::Jugador, 0);
    ronda.EscribirPuntos(Lado::Computadora, 0);
    n.TiempoBaile.Enabled(false);
    for (int s = 4; s <= 6; ++s) n.CartaFondo(s).Visible(false);
    for (int c : {0, 1, 2, 37, 38, 39}) n.Carta(c).Visible(false);
    if (n.MenuFin.Enabled()) {
        if (op.preguntar("¿Comenzar un nuevo juego?")) {
            n.TiempoComienzo.Enabled(true);
        } else {
            n.TextoEstado.Text(textos::PresionaF5);
            n.MenuFin.Enabled(false);
        }
    }
    finJuegos.Unload();
}

}  // namespace naipalia
