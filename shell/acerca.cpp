// The about area's links, the help, and leaving the program through one confirmation.
#include <string>

#include "game/archivos.h"
#include "game/textos.h"
#include "settlement/fin_ronda.h"
#include "shell/naipalia.h"
#include "shell/operacion.h"
#include "shell/principal.h"

namespace naipalia {

void Principal::enlazarAcerca() {
    n.EtiquetaEmail(0).Click = [this] { EtiquetaEmail_Click(); };
    for (int i = 0; i <= 1; ++i) n.EtiquetaURL(i).Click = [this, i] { EtiquetaURL_Click(i); };
    n.MenuAyuda.Click = [this] { MenuAyuda_Click(); };
    n.MenuSalir.Click = [this] { MenuSalir_Click(); };
    n.QueryUnload = [this](int& cancelar, bool) { ConfirmarSalida(cancelar); };
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
        if (n.MenuFin.Enabled()) {
            auto& f = op.finRonda;
            f.EtiquetaMensaje.Caption("Has decidido salir de Naipalia 2005. Presiona el botón deseado.");
            f.BotonMesa.Caption("&Salir");
            op.mostrarModal(f);
        }
        op.puertos.baseDatos->cerrar();
        return;
    }
    if (!n.BotonCarta(1).Enabled() && !n.BotonCarta(2).Enabled() && !n.BotonCarta(3).Enabled())
        n.TextoEstado.Text(textos::PresionaF5);
    else op.AvisoTurnoJugador();
    cancelar = 1;
}

}  // namespace naipalia
