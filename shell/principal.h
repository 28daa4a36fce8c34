// The main window's own procedures: its start-up, the menus' options, the advertisement
// timer, ending a game from the menu, the hint, the about area, the help and leaving the program.
#pragma once

#include <string>

namespace naipalia {

class Operacion;
class Naipalia;
class Ronda;
class Jugadores;
class ArregloControles;
struct Estado;

class Principal {
public:
    // Binds the table's load, its menus and the advertisement timer.
    Principal(Operacion& operacion, Ronda& ronda, Jugadores& jugadores);
    Principal(const Principal&) = delete;
    Principal& operator=(const Principal&) = delete;

    void Form_Load();
    void MenuNuevo_Click();
    void MenuFin_Click();
    // The engine's card for the player, in the status line and the anotador's log; nothing
    // is played for him.
    void MenuSugerencia_Click();
    std::string Sugerencia() const;
    void MenuCantidadPuntos_Click(int indice);
    void MenuFlorOpcion_Click(int indice);
    void MenuMultimediaVozOpcion_Click(int indice);
    void MenuCartaOpcion_Click(int indice);
    void MenuMazoOpcion_Click(int indice);
    void MenuExpertoOpcion_Click(int indice);
    void MenuRecuerdoOpcion_Click(int indice);
    void MenuMJugador_Click();
    void MenuMCompu_Click();
    void MenuMAleatorio_Click();
    void mostrarNombreJugador();
    void MenuAcerca_Click();
    void BotonAcercaDe_Click();
    void EtiquetaEmail_Click();
    void EtiquetaURL_Click(int indice);
    void MenuAyuda_Click();
    void MenuSalir_Click();
    // Sets the cancel flag when the player stays.
    void ConfirmarSalida(int& cancelar);

private:
    void enlazarAcerca();
    void contenidoAcercaGrande(bool visible);
    void etiquetasAcercaChicas(bool visibles);
    void cambiarYGuardar(Opcion opcion);

    Operacion& op;
    Estado& e;
    Naipalia& n;
    Ronda& ronda;
    Jugadores& jugadores;
};

}  // namespace naipalia
