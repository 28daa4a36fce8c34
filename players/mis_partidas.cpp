#include "players/mis_partidas.h"

namespace naipalia {

MisPartidas::MisPartidas() : Ventana("MisPartidas") {
    constexpr double Ancho = 7440;
    forma().disenar(0, 0, Ancho, 6360, "Mis partidas");
    auto& jugador = EtiquetaJugador.disenar(240, 240, Ancho - 480, 300, "").diseno();
    jugador.TamanoLetra = 11;
    jugador.Negrita = true;

    // One row per figure: its label and its value.
    const std::pair<Control*, Control*> filas[] = {
        {&EtiquetaGanadas, &TextoGanadas},
        {&EtiquetaPerdidas, &TextoPerdidas},
        {&EtiquetaRacha, &TextoRacha},
        {&EtiquetaMejor, &TextoMejor},
    };
    const char* rotulos[] = {"Partidas ganadas :", "Partidas perdidas :", "Racha actual :", "Mejor victoria :"};
    double top = 760;
    for (std::size_t i = 0; i < std::size(filas); ++i) {
        filas[i].first->disenar(240, top + 45, 2280, 260, rotulos[i]);
        filas[i].second->disenar(2580, top, Ancho - 2820, 330);
        top += 450;
    }
    EtiquetaGrafico.disenar(240, top + 120, Ancho - 480, 260, "Diferencia de puntos de cada partida :");
    GraficoPartidas.disenar(240, top + 420, Ancho - 480, 2520);
    BotonAceptar.disenar(Ancho - 2040, top + 3120, 1800, 420, "&Aceptar");
    terminarDiseno();
}

}  // namespace naipalia
