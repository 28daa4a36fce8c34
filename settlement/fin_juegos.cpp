#include "settlement/fin_juegos.h"

#include <string>

#include "game/archivos.h"
#include "shell/juego.h"
#include "shell/naipalia.h"
#include "shell/textos.h"

namespace naipalia {

namespace {

struct Remate {
    const char* mensaje;
    const char* cara;
};

// By the winner and the final margin; the middle margins toss a coin.
Remate elegirRemate(bool ganaComputadora, int diferencia, Juego& juego) {
    if (ganaComputadora) {
        if (diferencia >= 8) return {"DI CATEDRA!! TE GANE EL JUEGO!!", archivos::Caras[0]};
        if (diferencia >= 5)
            return juego.azar() < 0.5 ? Remate{"La próxima vez te dejo ganar... TE GANE EL JUEGO!!", archivos::Caras[1]}
                                      : Remate{" TE GANE EL JUEGO!!", archivos::Caras[2]};
        return {"JE!! TE GANE EL JUEGO!!", archivos::Caras[3]};
    }
    if (diferencia >= 8) return {"Me aplastaste!! Me ganaste el juego.", archivos::Caras[4]};
    if (diferencia >= 5)
        return juego.azar() < 0.5 ? Remate{"Ok!! Me ganaste el juego.", archivos::Caras[5]}
                                  : Remate{"Quiero llorar. Me ganaste el juego.", archivos::Caras[6]};
    return {"No puedo perder así!! Me ganaste el juego.", archivos::Caras[7]};
}

}  // namespace

FinJuegos::FinJuegos(Juego& j) : Ventana("FinJuegos"), juego(j) {
    forma().disenar(0, 0, 5400, 2400, "Naipalia");
    Imagen.disenar(240, 300, 720, 720);
    auto& etiqueta = EtiquetaMensaje.disenar(1200, 520, 0, 320).diseno();
    etiqueta.TamanoLetra = 10;
    etiqueta.Negrita = true;
    BotonAceptar.disenar(0, 1440, 1400, 420, "&Aceptar");
    EtiquetaMensaje.Change = [this] { EtiquetaMensaje_Change(); };
    BotonAceptar.Click = [this] { BotonAceptar_Click(); };
    terminarDiseno();
}

void FinJuegos::Form_Load() {
    auto& n = juego.naipalia;
    const int c = n.puntosComputadora();
    const int j = n.puntosJugador();
    const bool ganaComputadora = c >= juego.estado.PuntosJuego;
    const Remate remate = elegirRemate(ganaComputadora, ganaComputadora ? c - j : j - c, juego);
    EtiquetaMensaje.Caption(remate.mensaje);
    const std::string cara = juego.ruta(remate.cara);
    if (juego.puertos.imagenes.cargable(cara)) Imagen.Picture(cara);
    else juego.mensaje(ErrorArchivo, Icono::Critico);
}

void FinJuegos::EtiquetaMensaje_Change() {
    const auto& p = EtiquetaMensaje.propiedades();
    EtiquetaMensaje.Width(juego.puertos.pantalla.anchoTexto(p.Caption, p.TamanoLetra, p.Negrita));
    forma().Width(EtiquetaMensaje.Width() + 1640);
    BotonAceptar.Left(forma().Width() / 2 - 700);
}

void FinJuegos::BotonAceptar_Click() {
    auto& n = juego.naipalia;
    Hide();
    n.TextoJugador.Text("0");
    n.TextoComputadora.Text("0");
    n.TiempoBaile.Enabled(false);
    for (int s = 4; s <= 6; ++s) n.CartaFondo(s).Visible(false);
    for (int c : {0, 1, 2, 37, 38, 39}) n.Carta(c).Visible(false);
    if (n.MenuFin.Enabled()) {
        if (juego.preguntar("¿Comenzar un nuevo juego?")) {
            n.TiempoComienzo.Enabled(true);
        } else {
            n.TextoEstado.Text(textos::PresionaF5);
            n.MenuFin.Enabled(false);
        }
    }
    Unload();
}

}  // namespace naipalia
