// The about area sliding open over the table and back, its links, the help, and leaving
// the program through one confirmation.
#include <string>

#include "game/archivos.h"
#include "game/textos.h"
#include "shell/naipalia.h"
#include "shell/operacion.h"
#include "shell/principal.h"

namespace naipalia {

void Principal::enlazarAcerca() {
    n.MenuAcerca.Click = [this] { MenuAcerca_Click(); };
    n.BotonAcercaDe.Click = [this] { BotonAcercaDe_Click(); };
    n.EtiquetaEmail(1).Click = [this] { EtiquetaEmail_Click(); };
    n.EtiquetaEmail(0).Click = [this] { EtiquetaEmail_Click(); };
    for (int i = 0; i <= 1; ++i) n.EtiquetaURL(i).Click = [this, i] { EtiquetaURL_Click(i); };
    n.MenuAyuda.Click = [this] { MenuAyuda_Click(); };
    n.MenuSalir.Click = [this] { MenuSalir_Click(); };
    n.QueryUnload = [this](int& cancelar, bool) { ConfirmarSalida(cancelar); };
}

// Our controls lie on the window, not inside the frame: what the open area holds is
// shown once it has opened and hidden before it closes, so nothing shows outside it.
void Principal::contenidoAcercaGrande(bool visible) {
    for (Control* c : {&n.Imagen2, &n.EtiquetaNaipalia, &n.EtiquetaAnio, &n.EtiquetaAcercade2, &n.EtiquetaAcercade3,
                       &n.EtiquetaDerechos, &n.EtiquetaEmail(1), &n.EtiquetaURL(1), &n.BotonAcercaDe})
        c->Visible(visible);
}

void Principal::etiquetasAcercaChicas(bool visibles) {
    n.EtiquetaAcercade.Visible(visibles);
    n.EtiquetaEmail(0).Visible(visibles);
    n.EtiquetaURL(0).Visible(visibles);
}

// Each step is a move of its own: a face draws the slide as it happens.
void Principal::MenuAcerca_Click() {
    n.TMaxAniPropaganda.Visible(true);
    n.TiempoPropaganda.Enabled(true);
    etiquetasAcercaChicas(false);
    n.TMaxAniCentral.Visible(false);
    n.MenuJuego.Enabled(false);
    n.DisenoAcercade.Height(7390);
    n.DisenoAcercade.Width(11000);
    for (int x = 8400, y = 6240; x > 120;) {
        x -= 50, y -= 37;
        n.DisenoAcercade.Move(x, y);
    }
    contenidoAcercaGrande(true);
}

void Principal::BotonAcercaDe_Click() {
    contenidoAcercaGrande(false);
    n.TMaxAniPropaganda.Visible(false);
    n.TMaxAniCentral.Visible(true);
    n.TiempoPropaganda.Enabled(false);
    n.MenuJuego.Enabled(true);
    for (int x = 120, y = 120; x < 8355;) {
        x += 50, y += 37;
        n.DisenoAcercade.Move(x, y);
    }
    etiquetasAcercaChicas(true);
    n.DisenoAcercade.Height(1210);
    n.DisenoAcercade.Width(2730);
}

void Principal::EtiquetaEmail_Click() {
    std::string error;
    if (!op.puertos.escritorio->abrirEnlace(std::string("mailto:") + textos::Correo, error))
        op.mensaje("No es posible realizar el enlace con el correo electrónico.   Error : " + error, Icono::Critico);
}

// The web link fails silently.
void Principal::EtiquetaURL_Click(int indice) {
    std::string error;
    op.puertos.escritorio->abrirEnlace(n.EtiquetaURL(indice).Caption(), error);
}

void Principal::MenuAyuda_Click() { op.puertos.escritorio->mostrarAyuda(op.ruta(archivos::Ayuda)); }

void Principal::MenuSalir_Click() {
    int cancelar = 0;
    ConfirmarSalida(cancelar);
    if (!cancelar) op.puertos.ventanas->terminar();
}

// A game in progress is settled through the end-of-round dialog before leaving.
void Principal::ConfirmarSalida(int& cancelar) {
    op.AvisoVentanaCentral();
    if (op.preguntar("Gracias por usar Naipalia 2005.\r\n¿Deseas salir del programa?", Respuesta::No)) {
        if (n.MenuFin.Enabled())
            op.mostrarFinRondaCon("Has decidido salir de Naipalia 2005. Presiona el botón deseado.", "&Salir");
        op.puertos.baseDatos->cerrar();
        return;
    }
    if (!n.BotonCarta(1).Enabled() && !n.BotonCarta(2).Enabled() && !n.BotonCarta(3).Enabled())
        n.TextoEstado.Text(textos::PresionaF5);
    else
        op.AvisoTurnoJugador();
    cancelar = 1;
}

}  // namespace naipalia
