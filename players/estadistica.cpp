#include "players/estadistica.h"

namespace naipalia {

Estadistica::Estadistica() : Ventana("Estadistica") {
    forma().disenar(0, 0, 8400, 4200, "Mis \"recuerdos\" estadísticos");
    Imagen.disenar(240, 240, 720, 720);
    auto& historial = EtiquetaHistorial.disenar(1200, 300, 6900, 300, "Historial del canto cantado :").diseno();
    historial.TamanoLetra = 11;
    historial.Negrita = true;

    // One row per figure: its label, the value, and the comment on it.
    struct Fila {
        Control* etiqueta;
        const char* caption;
        Control* valor;
        Control* comentario;
    };
    const Fila filas[] = {
        {&EtiquetaTanto, "Tanto en cuestión :", &TextoTanto, nullptr},
        {&EtiquetaJugado, "Cantidad jugados :", &TextoJugado, &TextoComentarioJugado},
        {&EtiquetaGanados, "% ganados :", &TextoGanado, &TextoComentarioGanado},
        {&EtiquetaMentira, "% tantos mentirosos :", &TextoMentira, &TextoComentarioMentira},
        {&EtiquetaPromedio, "Promedio de tanto :", &TextoPromedio, &TextoComentarioPromedio},
    };
    double top = 900;
    for (const Fila& f : filas) {
        f.etiqueta->disenar(1200, top + 45, 2100, 260, f.caption);
        f.valor->disenar(3360, top, f.comentario ? 1200 : 4740, 330);
        if (f.comentario) f.comentario->disenar(4680, top, 3420, 330);
        top += 450;
    }
    auto& decision =
        EtiquetaDecision.disenar(1200, top + 120, 6900, 300, "Teniendo en cuenta mis \"recuerdos\" mi decisión es...")
            .diseno();
    decision.Negrita = true;
    BotonAceptar.disenar(8400 - 2040, top + 570, 1800, 420, "&Aceptar");
    terminarDiseno();
}

}  // namespace naipalia
