#include "calls/tanto.h"

#include <string>

namespace naipalia {

Tanto::Tanto() : Ventana("Tanto") {
    forma().disenar(0, TopEnPantalla, Ancho, AltoRespuestas, "Ventana de Tanto");
    Image1.disenar(240, 240, 720, 720);
    auto& etiqueta = EtiquetaTanto.disenar(1200, 360, 5040, 400).diseno();
    etiqueta.TamanoLetra = 12;
    etiqueta.Negrita = true;

    // Two rows of three answers; they start disabled and each call enables its own.
    struct Respuesta {
        Control* boton;
        const char* caption;
    };
    const Respuesta respuestas[] = {
        {&BotonQuiero, "&Quiero"}, {&BotonNoQuiero, "&No Quiero"},     {&BotonFlor, "Fl&or"},
        {&BotonEnvido, "&Envido"}, {&BotonRealEnvido, "&Real Envido"}, {&BotonFaltaEnvido, "&Falta Envido"},
    };
    DisenoTanto.disenar(120, 960, 6255, 1160);
    for (int i = 0; i < 6; ++i) {
        Control& b = *respuestas[i].boton;
        b.disenar(300 + (i % 3) * 2010.0, 1100 + (i / 3) * 500.0, 1860, 420, respuestas[i].caption);
        b.diseno().Enabled = false;
    }

    // The keypad, below the answers, shown when the dialog grows: 0-7 and 20-22, then 23-33.
    // Hidden while the dialog answers a call: no number can be pressed before its time.
    EtiquetaNumero.disenar(300, 2300, 3000, 260, "Ingresá tu tanto :").diseno().Visible = false;
    int columna = 0;
    for (int n : BotonNumeroTanto.indices()) {
        const int fila = n <= 22 ? 0 : 1;
        if (n == 23) columna = 0;
        BotonNumeroTanto(n).disenar(300 + columna * 540.0, fila == 0 ? 2640 : 3000, 495, 375, std::to_string(n));
        BotonNumeroTanto(n).diseno().Visible = false;
        ++columna;
    }
    Multimedia.diseno().Visible = false;
    etiquetaMensaje_ = &EtiquetaTanto;
    terminarDiseno();
}

}  // namespace naipalia
