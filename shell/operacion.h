// The procedures every subsystem shares, over the table and the end-of-round dialog:
// the program folder and the ports, voices and the card sound, the status line,
// button groups, score and hand-result writes, and the advertisement's refresh.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "game/anotador.h"
#include "game/archivos.h"
#include "game/estado.h"
#include "game/sucesos.h"
#include "platform/puertos.h"

namespace naipalia {

using archivos::Voz;

class Naipalia;
class FinRonda;
class Tanto;
class Flores;
class Ventana;
class Control;

inline const std::string SufijoFinRonda = " Presiona el botón deseado, que terminó la ronda...";
inline const std::string ErrorArchivo =
    "Ha ocurrido un error al llamar un archivo. Se recomienda reinstalar el programa.";

class Operacion {
public:
    Operacion(Estado& estado, const Puertos& puertos, Naipalia& naipalia, FinRonda& finRonda, Tanto& tanto,
              Flores& flores);
    Operacion(const Operacion&) = delete;
    Operacion& operator=(const Operacion&) = delete;

    Estado& estado;
    const Puertos& puertos;
    Naipalia& naipalia;
    FinRonda& finRonda;
    Tanto& tanto;
    Flores& flores;
    // Listens to the messages, voices and writes below; changes nothing of the game.
    Anotador anotador{estado};
    // What happened at the table, as the rule that made it happen tells it: the anotador
    // hears it first, then whoever listens (the face).
    void contar(const Suceso& suceso);
    std::vector<std::function<void(const Suceso&)>> oyentes;

    // A file of the program folder, named with "/" separators.
    std::string ruta(std::string_view relativa) const;
    // The pictures every round shows, named once.
    const std::string RutaMano;
    const std::string RutaCaraMenu;
    void mensaje(const std::string& texto, Icono icono);
    // A message that is no event of the round (the registry's): the anotador leaves it out.
    void mensajeAparte(const std::string& texto, Icono icono);
    bool preguntar(const std::string& texto, Respuesta porDefecto = Respuesta::Si);
    double azar() { return puertos.azar->siguiente(); }
    void mostrarModal(Ventana& ventana);
    // The envido and flor dialogs, shown modally; one already open keeps what it was told and stays.
    void MostrarTanto();
    void MostrarFlores();
    // Some dialog of the game is open, its handler not yet back.
    bool enDialogo() const { return dialogos_ > 0; }
    // The dialogs' face, when its picture can be read.
    void MostrarCara(Control& imagen);

    void ReproducirVoz(Voz voz);
    void SonidoCarta();
    void AvisoTurnoJugador();
    void AvisoVentanaCentral();
    void CerrarCantosMesa();
    // The table's envido and flor buttons off, the status line untouched.
    void DeshabilitarCantosMesa();
    void DeshabilitarBotonesTanto();
    // The points at stake end the game: the end-of-round dialog settles them at once.
    // Should the game go on after all, the round's cards are shown again as they lay.
    void AvisoFinalPorPuntos();
    void mostrarFinRondaCon(const std::string& mensaje, const std::string& boton);
    // The end-of-round dialog's message for a round that ended, with its closing words.
    void MensajeFinRonda(std::string_view mensaje);
    // Every button of the table but the registry's and the about area's.
    void DeshabilitarBotones();
    // The round's six cards and the computer's backs off the table.
    void SubOcultarCartas();

    // A hand decided, told and written on the table; the three cleared for a new deal.
    void EscribirResultadoMano(int mano, ResultadoMano resultado);
    void BorrarResultadosManos();
    void EscribirQuienMano(Lado lado);

    // The date and the next advertisement picture, on the table and in its corner.
    void RefrescarPropaganda();
    int ContadorPropagandaMesa = 0;

private:
    void reproducir(const std::string& reproductor, const std::string& archivo);
    void restaurarMesa();

    std::array<std::string, archivos::Voces.size()> rutasVoces_;
    std::string mensajeFinRonda_;  // reused: one round after another
    int dialogos_ = 0;
};

}  // namespace naipalia
