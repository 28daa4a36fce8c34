// The score kept as on paper beside the table: both tallies in squares of five, what the
// round has at stake, the round's calls and results, and one line per round with the
// points credited and why. It only listens to what the game already does (messages,
// voices, score writes) and to what the rules tell (each hand's result, credits with their
// reason, the calls accepted and won, the deck), and reads the shared state; it changes
// nothing.
// What it hears is kept as it came and put in words only when read: self-play, which
// never reads it, pays for no text.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "game/archivos.h"
#include "game/estado.h"
#include "game/sucesos.h"

namespace naipalia {

// A tally drawn as on paper: full squares of five matches and the loose ones.
struct Palotes {
    int cuadros = 0;
    int sueltos = 0;
};
Palotes EnPalotes(int puntos);

class Anotador {
public:
    explicit Anotador(const Estado& estado) : e_(estado), nombres_{nombre(Lado::Jugador)} {}

    // What the game does, as it happens.
    void mensaje(const std::string& texto);
    void voz(archivos::Voz voz);
    void finDeRonda(std::string_view mensaje);
    // A button the player pressed to call or answer, by its caption.
    void jugador(std::string_view boton);
    // What a rule tells as it happens.
    void oir(const Suceso& suceso);
    void puntos();

    // A side's score; the final one stays once the game is over, until a new one starts.
    int tanteador(Lado lado) const;
    // A game to 30 is kept in two halves, "malas" then "buenas"; {score, 0} otherwise.
    std::array<int, 2> mitades(Lado lado) const;
    bool partido() const { return e_.PuntosJuego == 30; }
    // The tally in words: "5 5 2", or "malas 5 5 5, buenas 2" in a game to 30.
    std::string palotes(Lado lado) const;
    std::string enJuego() const;
    const std::vector<std::string>& sucesos() const;
    const std::vector<std::string>& lineas() const;
    std::string nombre(Lado lado) const;

private:
    struct Credito {
        Lado lado;
        int puntos;
        Motivo motivo;
    };
    // One event of the round as heard; the words only where they came with it, as a
    // piece of textos_.
    enum class Tipo : std::uint8_t { Texto, Canto, Mano, Jugador, Tanto, Mazo, Credito, Querido, Envido, Truco, Flor };
    struct Entrada {
        Tipo tipo;
        Lado lado = Lado::Nadie;
        int numero = 0;  // the hand, the points, the voice, the chain or the truco's level
        Motivo motivo = Motivo::Envido;
        std::uint32_t desde = 0, largo = 0;  // the words in textos_
        std::size_t nombre = 0;              // the player's name then, in nombres_
    };
    // A round's credits are creditosLineas_[desde, hasta).
    struct Linea {
        int ronda;
        std::size_t nombre;
        std::size_t desde, hasta;
    };

    // Every input first: a new deal ends the round before it, a new game clears the lines,
    // the end of the game freezes the score.
    void sincronizar() {
        if (e_.RondasJugadas != ronda_) empezarRonda();
        if (e_.FinJuego)
            cerrarLinea();
        else
            final_ = {e_.PuntosJugador, e_.PuntosComputadora};
    }
    void empezarRonda();
    void anotar(Entrada entrada);
    void anotar(Entrada entrada, std::string_view texto);
    std::string_view texto(const Entrada& s) const { return std::string_view(textos_).substr(s.desde, s.largo); }
    // The player's name now, as an index in nombres_.
    std::size_t nombreOido() const { return nombres_.size() - 1; }
    const std::string& nombreEn(Lado lado, std::size_t nombre) const;
    void cerrarLinea();
    std::string enPalabras(const Entrada& s) const;
    std::string enPalabras(const Linea& l) const;
    // Who took the envido's (or the flor's) points: the penalty's taker over the winner.
    Lado tomo(Lado ganador, bool flor) const;

    const Estado& e_;
    int ronda_ = 0;
    bool cerrada_ = true;
    Lado penalizado_ = Lado::Nadie;  // who took this round's penalty points
    std::array<int, 2> final_{};
    std::vector<Credito> creditos_;
    std::vector<Entrada> sucesos_;
    std::string textos_;  // the words heard this round
    std::vector<Linea> lineas_;
    std::vector<Credito> creditosLineas_;
    // Every name the player was told by, the last the current one.
    std::vector<std::string> nombres_;
    // The words of what was heard, written up to where they were last read.
    mutable std::vector<std::string> textoSucesos_, textoLineas_;
};

}  // namespace naipalia
