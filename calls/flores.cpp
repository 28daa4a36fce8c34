#include "calls/flores.h"

namespace naipalia {

Flores::Flores() : Ventana("Flores") {
    forma().disenar(0, 765, Ancho, AltoRespuestas, "Ventana de Flor");
    Imagen.disenar(240, 240, 720, 720);
    auto& etiqueta = EtiquetaFlor.disenar(1200, 360, 5040, 400).diseno();
    etiqueta.TamanoLetra = 12;
    etiqueta.Negrita = true;
    DisenoFlor.disenar(120, 960, 6255, 1160);
    // Two rows of two answers; each call enables its own.
    struct Respuesta {
        Control* boton;
        const char* caption;
    };
    const Respuesta respuestas[] = {{&BotonAceptar, "&Aceptar"},
                                    {&BotonAchico, "Con flor me achico"},
                                    {&BotonJuego, "Con flor juego"},
                                    {&BotonContra, "Contra flor al juego"}};
    for (int i = 0; i < 4; ++i) {
        Control& b = *respuestas[i].boton;
        b.disenar(300 + (i % 2) * 3000.0, 1100 + (i / 2) * 500.0, 2880, 420, respuestas[i].caption);
        b.diseno().Enabled = false;
    }
    // The keypad, shown when the dialog grows: 20-29, then 30-38.
    // Hidden while the dialog answers a call, as the envido's.
    EtiquetaNumero.disenar(300, 2300, 3600, 260, "Ingresá tu tanto con flor :").diseno().Visible = false;
    for (int n = 20; n <= 38; ++n) {
        const int columna = n <= 29 ? n - 20 : n - 30;
        const char numero[3] = {static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10), '\0'};
        BotonNumeroTanto(n).disenar(300 + columna * 585.0, n <= 29 ? 2640 : 3000, 540, 375, numero);
        BotonNumeroTanto(n).diseno().Visible = false;
    }
    etiquetaMensaje_ = &EtiquetaFlor;
    terminarDiseno();
}

}  // namespace naipalia
