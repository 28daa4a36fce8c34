#include "players/jugador.h"

namespace naipalia {

namespace {

constexpr const char* Comentario =
    "Naipalia 2005 lleva una estadística de la forma de juego de todos los jugadores que usan Naipalia. Al cabo "
    "de un tiempo, en caso de estar activado \"recuerdos\", se presentará una ventana con todos los datos "
    "estadísticos del modo de tu juego y en función de eso la computadora decidirá su opción.          "
    "Selecciona tu nombre en la lista de jugadores o ingrésalo como nuevo Jugador y luego selecciónalo de la "
    "lista. Yo se que puedes mentir, pero si eliges o ingresas un nombre equivocado, los cambios de decisión del "
    "programa en función de tu forma de juego no será beneficiosa. Suerte!!!";

}  // namespace

Jugador::Jugador() : Ventana("Jugador") {
    forma().disenar(0, 0, 8400, 6360, "Nuevo Jugador");
    // Left: the list and the two names; right: the advertisement, the buttons and the
    // explanation in its frame.
    Image2.disenar(240, 180, 480, 480);
    Image1.disenar(840, 120, 420, 600);
    Image3.disenar(1320, 120, 420, 600);
    Image4.disenar(1800, 120, 420, 600);
    EtiquetaListaJugador.disenar(240, 840, 3600, 260, "Lista de Jugadores registrados :");
    ListaJugadores.disenar(240, 1140, 3600, 2880);
    EtiquetaSeleccionJugador.disenar(240, 4140, 3600, 260, "Jugador seleccionado :");
    TextoSeleccionJugador.disenar(240, 4440, 3600, 330);
    EtiquetaNuevoJugador.disenar(240, 4890, 3600, 260, "Nuevo Jugador :");
    auto& nuevo = TextoNuevoJugador.disenar(240, 5190, 3600, 330).diseno();
    nuevo.Editable = true;
    BotonRegistrar.disenar(240, 5700, 3600, 420, "&Registrar Nuevo Jugador");

    TMaxAniPropaganda.disenar(4200, 180, 3960, 1500);
    BotonEliminar.disenar(4200, 1860, 3960, 420, "&Eliminar Jugador");
    BotonEliminar.diseno().Enabled = false;
    BotonJugar.disenar(4200, 2370, 3960, 420, "&Jugar Naipalia 2005");
    BotonJugar.diseno().Negrita = true;
    BotonSalir.disenar(4200, 2880, 3960, 420, "&Salir");
    Diseno.disenar(4200, 3420, 3960, 2700);
    auto& comentario = EtiquetaComentario.disenar(4320, 3510, 3720, 2520, Comentario).diseno();
    comentario.TamanoLetra = 7;

    auto& tiempo = TiempoPropaganda.diseno();
    tiempo.Interval = 10000;
    tiempo.Enabled = true;
    tiempo.Visible = false;
    auto& base = TiempoBase.diseno();
    base.Interval = 25;
    base.Enabled = false;
    base.Visible = false;
    terminarDiseno();
}

}  // namespace naipalia
