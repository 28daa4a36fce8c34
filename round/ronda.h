// The round flow: a game from "Nuevo juego" to its end (deals, the mano, the scores and
// their end check, the closing dance), the three hands and the round's calls, and the
// player's card actions on the table (buttons, clicks, drags and the glide home).
// The bottom of the subsystems: it includes none of the others. The computer moves
// through `Contrincante` when the turn is its, and answers there the player's truco,
// envido and flor the round let through; the round decides each hand its card closes,
// in a loop; the end-of-round and end-of-game dialogs it shows settle themselves.
// Calls: shell/operacion.h.
// Called by: the table's card and call events and timers, opponent/ and calls/ (a round
// closed by a call or the deck, the play resumed, a call accepted by either side),
// settlement/ (points credited, the next round, the tanto of the cards on the table),
// players/, shell/.
#pragma once

#include <array>
#include <functional>
#include <string_view>

#include "game/estado.h"
#include "game/sucesos.h"

namespace naipalia {

class Control;
class Operacion;
class Naipalia;
class FinJuegos;

// What the computer's turn came to, for the round to go on from there.
enum class Jugada {
    Carta,    // its card is down: the hand is to be decided
    Mazo,     // it went to the deck
    Ninguna,  // a call ended the turn: the round or the game is over, or the envido comes first
};

// The computer as the round sees it: asked for its move when the turn is its, and for its
// answer to each call of the player the round let through, carried out.
class Contrincante {
public:
    virtual Jugada Jugar() = 0;
    virtual void ContestarTruco(NivelTruco llamada) = 0;
    virtual void ContestarEnvido(Cadena llamada) = 0;
    virtual void ContestarFlor() = 0;

protected:
    ~Contrincante() = default;
};

class Ronda {
public:
    // Binds the table's card, score-box and game timers to this subsystem.
    Ronda(Operacion& operacion, Contrincante& contrincante, FinJuegos& finJuegos);
    Ronda(const Ronda&) = delete;
    Ronda& operator=(const Ronda&) = delete;

    // --- Game and round lifecycle ---
    void MenuNuevo_Click();
    // Told as a new game begins, before anything of the last one is reset.
    std::function<void()> alComenzarPartida;
    void TiempoComienzo_Timer();
    void SubFinJuego();
    void CerrarPartida();
    void TextoJugador_Change();
    void TextoComputadora_Change();
    // The scores are written here alone: a score through its box, whose change handler
    // runs the end-of-game check; points credited to a side with their reason (nothing is
    // written for none).
    void EscribirPuntos(Lado lado, int puntos);
    void SumarPuntos(Lado lado, int puntos, Motivo motivo);
    void CalcularTantos();
    void SubValorTantoMesa(bool CartasMostradas);
    void TiempoBaile_Timer();

    // --- The three hands ---
    // The computer's turn, to the player's (or to the round's end).
    void TurnoComputadora();
    // A side takes the round at the truco's worth; the next round is dealt.
    void GanarRonda(Lado ganador);
    // The truco the player may call: the side that accepts holds the quiero, and only it
    // may raise, one level at a time up to the vale 4. Nada when there is none. His truco
    // buttons offer this one alone.
    NivelTruco TrucoDelJugador() const {
        if (e.EstadoTruco == NivelTruco::Nada) return NivelTruco::Truco;
        if (e.QuienTruco != Lado::Jugador || e.EstadoTruco == NivelTruco::Vale4) return NivelTruco::Nada;
        return Siguiente(e.EstadoTruco);
    }
    // The player calls the truco at this level, when the round allows it; the computer answers.
    void CantarTruco(NivelTruco nivel);
    // The envido and the flor may be called before his first card, while neither was
    // called and no truco accepted. His envido and flor buttons follow this.
    bool TantoDelJugador() const {
        return e.PosicionJugador[1] == 0 && e.QuienEnvido == Lado::Nadie && e.EnvidoQuerido == Cadena::Nada &&
               e.QuienFlor == Lado::Nadie && e.EstadoFlor == NivelFlor::Nada && e.EstadoTruco == NivelTruco::Nada;
    }
    // The player calls this envido, or his flor in a game with flor, when the round allows
    // it; the computer answers.
    void CantarEnvidoJugador(Cadena cadena);
    void CantarFlorJugador();
    // A side accepts a truco call of this level, also by raising it.
    void TrucoQuerido(Lado quien, NivelTruco nivel);
    // A side refuses the truco called to it.
    void TrucoNoQuerido(Lado quien);
    // The player answers the computer's call with the next one: the call accepts it and
    // goes on.
    void RecantarTruco();
    // A truco call of the computer waits for its answer: earlier refusals are forgotten
    // (only one made during its turn, when `soloEnJugada`).
    void OlvidarTrucoRechazado(bool soloEnJugada);
    // The computer calls its truco during its turn, before its card; or that call is over.
    void TrucoEnJugada(bool si);
    // A side goes to the deck: the other takes the round's points.
    void IrseAlMazo(Lado quien);
    // The computer's answer to the player's flor: it goes to the deck on its next turn.
    void MazoEnSuTurno();
    // The player answers the computer's truco by putting the envido first, until the
    // computer calls its truco again.
    void PonerTantoPrimero(bool si);
    // A side's call stands: the envido's chain, the flor's level.
    void CantarEnvido(Lado quien, Cadena cadena);
    void CantarFlor(Lado quien, NivelFlor nivel);
    // A side takes the round's flor at this level: should its worth reach the target, the
    // round is settled at once.
    void TomarFlor(Lado quien, NivelFlor nivel);
    // The envido accepted at this level of the chain called, by either side.
    void EnvidoQuerido(Cadena nivel);
    void EnvidoGanado(Lado ganador);
    void FlorGanada(Lado ganador);
    // A side states its points, kept: the player's for the end of the round to check.
    void DeclararEnvido(Lado quien, int puntos);
    void DeclararFlor(Lado quien, int puntos);
    // Both hands' flor, worked out as the flor's dialog opens.
    void ValuarFlores();
    // The computer's card of this slot (4-6) put down in this hand.
    void CartaComputadora(int mano, int slot);

    // --- The player's card actions ---
    void BotonCarta_Click(int indice);
    void Carta_MouseDown(int indice, int boton, int shift, double x, double y);
    void Carta_MouseMove(int indice, int boton, int shift, double x, double y);
    void Carta_MouseUp(int indice, int boton, int shift, double x, double y);
    void TiempoCarta_Timer();
    void PonerCartaEnMesa(int carta, double left);
    void JugarCartaMesa(int mano);
    void DevolverCarta();
    void DeshabilitarBotonesJugada();
    // Past 30 seconds since the last action, the advertisement and the date are refreshed.
    void refrescarSiPasoElTiempo();

    // The table's variables this subsystem keeps.
    int ManoActual = 1;
    double TiempoUltimaAccion = 0;
    bool ArrastrandoCarta = false;
    int LeftInicialCarta = 0;
    int AgarreX = 0, AgarreY = 0;
    int CartaArrastrada = 0;
    double RetornoX = 0, RetornoY = 0;
    // The glide's card, home slot and step, fixed while it runs: whatever could change
    // them (another touch, a deal) ends it first.
    Control* CartaRetorno = nullptr;
    int SlotRetorno = 1;
    double PasoRetornoX = 0, PasoRetornoY = 0;
    std::array<int, 7> PasoFondo{};  // backs 4..6
    std::array<int, 4> PasoBaile{};  // dancing cards 1..3

private:
    // A round: dealt, then opened by its mano; the next one after the last, unless the
    // game is over.
    void SubRepartirCartas();
    void SubComenzarRonda();
    void SiguienteRonda();
    void darLaMano(bool alJugador);
    void finDeJuegoSiCorresponde(int puntos);
    void abrirTurnoJugador(int mano);
    void abrirTruco();
    void abrirTanto();
    void cerrarRonda(bool ganaComputadora, std::string_view mensaje);
    // The turn prompt, unless the game is over and the status line keeps its end.
    void avisarTurno();
    // The hand in play decided, if both cards are down; true when the computer leads the next.
    bool decidirMano();
    void registrarCartaJugador(int mano, int carta, int slot);
    void jugarCartaYPasarTurno(int mano, int carta, int slot);
    void terminarRetorno();
    int slotDeCarta(int carta) const;

    Operacion& op;
    Estado& e;
    Naipalia& n;
    Contrincante& contrincante;
    FinJuegos& finJuegos;
    // The player's truco button of each level; none for Nada.
    const std::array<Control*, 4> botonesTruco;
};

}  // namespace naipalia
