// Players and memories: the database opened at start-up, the registry where the player
// says who he is, the history of his tanto declarations and the statistics shown from it
// (the computer answers from them in calls/).
// Calls: platform/puertos.h (the database), round/ronda.h, shell/operacion.h.
// Called by: calls/ (the player's envido, his declarations), shell/ (start-up, the menus),
// the Jugador and Estadistica dialogs' events, shell/juego.h (building it).
#pragma once

#include <string>
#include <vector>

#include "game/estado.h"
#include "platform/puertos.h"

namespace naipalia {

class Operacion;
class Naipalia;
class Jugador;
class Estadistica;
class MisPartidas;
class Ronda;

// The history's code of an accepted envido level ("E", "EE", "RE", "FE"; empty for none).
std::string TipoTanto(Cadena nivel);

// The figures of the statistics dialog over one player's rows of one type.
struct Estadisticas {
    long filas = 0, ganadas = 0, mentidas = 0, sumaNumero = 0;
    double porcentajeGanado() const;   // truncated to two decimals
    double porcentajeMentira() const;  // the same
    float promedio() const;            // single precision, truncated to two decimals
};
Estadisticas Resumir(const std::vector<CuentaTanto>& cuentas);
// The dialog's comment on each figure; empty where none applies.
struct ComentariosEstadistica {
    std::string jugado, ganado, mentira, promedio;
};
ComentariosEstadistica Comentar(const Estadisticas& s, const std::string& nombre);
// The computer's chance: the share of rows whose Numero its tanto beats (ties when mano).
float ChanceComputadora(const std::vector<CuentaTanto>& cuentas, int tantoCompu, bool compuEsMano);

// A player's results over his finished games, oldest first.
struct ResultadosPartidas {
    int ganadas = 0, perdidas = 0;
    // The run of equal results the latest game ends: won (> 0) or lost (< 0) in a row.
    int racha = 0;
    // The game won by the largest margin, the first to reach it; -1 when none was won.
    int mejor = -1;
    std::vector<int> margenes;  // the player's points minus the computer's, game by game
};
ResultadosPartidas ResumirPartidas(const std::vector<FilaPartida>& partidas);

class Jugadores {
public:
    // Binds the registry's, the statistics' and the results' dialogs' events, the
    // table's "&Nuevo Jugador" and its menu entry of the results.
    Jugadores(Operacion& operacion, Jugador& jugador, Estadistica& estadistica, MisPartidas& misPartidas, Ronda& ronda);
    Jugadores(const Jugadores&) = delete;
    Jugadores& operator=(const Jugadores&) = delete;

    // --- Start-up ---
    // Opens the file; on failure the message, and the game runs without it.
    void AbrirBaseDatos();
    // The registry, modally; then the stored options on the menus.
    void MostrarRegistro();
    void AplicarOpcionesGuardadas();
    void BotonJugador_Click();

    // --- The database's procedures ---
    bool AbrirConfiguracion(OpcionesGuardadas& opciones);
    // Saves one stored option; false when it could not be written (already reported).
    bool GuardarOpcion(Opcion opcion, bool valor);
    void ErrorRecuerdos(const std::string& descripcion);
    void ErrorInterpretarDatos(const std::string& descripcion);
    void ErrorRecordarDatos(const std::string& descripcion);

    // --- The registry ---
    void Jugador_Load();
    void ListaJugadores_Click();
    void ListaJugadores_KeyPress(int& tecla);
    void TextoSeleccionJugador_Change();
    void BotonRegistrar_Click();
    void BotonEliminar_Click();
    void BotonJugar_Click();
    void BotonSalir_Click();
    void TiempoPropaganda_Timer();
    void TiempoBase_Timer();
    int ContadorPropaganda = 0;

    // --- The history, the statistics and the recuerdos ---
    void GrabarTantoJugador();
    // This player's rows of one type ("E", "RE", "FE"); the number of rows.
    long ConsultarRecuerdos(const std::string& tipo);
    void CerrarRegistros();
    void LlenarEstadistica();
    // The statistics of the last query, filled and shown modally.
    void MostrarEstadistica();
    void Estadistica_Load();

    // --- The player's finished games ---
    // Stores the game that has just reached its end.
    void GrabarPartida();
    void MenuPartidas_Click();
    void LlenarMisPartidas(const std::vector<FilaPartida>& partidas);
    // The name as the registry lists it, whole: the one his games are kept under.
    std::string NombreElegido;

    // The rows the last query left: counted per Numero, of one type.
    std::vector<CuentaTanto> RegistrosBase;
    std::string TipoRegistros;
    // Why the file did not open at start-up, for "&Nuevo Jugador" to say again.
    std::string ErrorApertura;

private:
    // The file, its opening finished first when it was left pending.
    BaseDatos& base();
    void terminarApertura();
    void abrirAhora();
    void llenarLista();
    // A failure by its step's message; a held file only the first time in a row.
    void reportar(const FalloBase& fallo);

    Operacion& op;
    Estado& e;
    Naipalia& n;
    Jugador& jugador;
    Estadistica& estadistica;
    MisPartidas& misPartidas;
    Ronda& ronda;
    bool abriendo_ = false;  // the file is still being opened ahead: the registry opened without it
};

}  // namespace naipalia
