#include "game/anotador.h"

#include <algorithm>

#include "game/nombres.h"
#include "game/tanto.h"

namespace naipalia {

namespace {

constexpr std::array<const char*, 5> Motivos{"envido", "flor", "truco", "penalidad", "mazo"};
constexpr std::array<const char*, 5> Flores{"", "Flor", "Con flor me achico", "Con flor juego", "Contra flor al resto"};

std::string grupos(int puntos) {
    const Palotes p = EnPalotes(puntos);
    std::string r;
    for (int c = 0; c < p.cuadros; ++c) r += r.empty() ? "5" : " 5";
    if (p.sueltos > 0 || r.empty()) r += (r.empty() ? "" : " ") + std::to_string(p.sueltos);
    return r;
}

std::string puntosTexto(int n) { return std::to_string(n) + (n == 1 ? " punto" : " puntos"); }

bool esCanto(archivos::Voz voz) { return voz >= archivos::Voz::Truco && voz <= archivos::Voz::FlorContra; }

// The flor's worth to its winner; the contra flor's is known once there is one.
std::string puntosFlor(const Estado& e) {
    if (e.EstadoFlor == NivelFlor::FlorContra && e.GanadorFlor == Lado::Nadie) return "lo que le falte al que pierda";
    return puntosTexto(PuntosFlor(e.EstadoFlor, e.PuntosJuego, e.puntos(Contrario(e.GanadorFlor))));
}

}  // namespace

Palotes EnPalotes(int puntos) { return {puntos / 5, puntos % 5}; }

std::string Anotador::nombre(Lado lado) const {
    if (lado == Lado::Computadora) return "la computadora";
    const std::string n = NombreRecortado(e_.NombreJugador);
    return n.empty() ? "el jugador" : n;
}

// A new deal ends the round before it, a new game clears the lines, the end of the
// game freezes the score.
void Anotador::sincronizar() {
    if (e_.RondasJugadas != ronda_) {
        cerrarLinea();
        if (e_.RondasJugadas == 0) lineas_.clear();
        ronda_ = e_.RondasJugadas;
        cerrada_ = ronda_ == 0;
        penalizado_ = Lado::Nadie;
        foto_ = {};
        creditos_.clear();
        sucesos_.clear();
    }
    if (e_.FinJuego)
        cerrarLinea();
    else
        final_ = {e_.PuntosJugador, e_.PuntosComputadora};
    anotarCambios();
}

void Anotador::anotarCambios() {
    Foto f{e_.CadenaEnvido, e_.EnvidoQuerido, e_.GanadorEnvido, e_.QuienTruco, e_.GanadorFlor, e_.EstadoTruco};
    if (f.querido != foto_.querido && f.querido != Cadena::Nada)
        sucesos_.push_back(std::string(FraseCadena(f.cadena)) + " querido");
    if (f.ganadorEnvido != foto_.ganadorEnvido && f.ganadorEnvido != Lado::Nadie)
        sucesos_.push_back("El envido es de " + nombre(f.ganadorEnvido));
    if ((f.truco != foto_.truco || f.quienTruco != foto_.quienTruco) && f.truco != NivelTruco::Nada)
        sucesos_.push_back(std::string(TextoTruco(f.truco)) + " querido, el quiero es de " + nombre(f.quienTruco));
    if (f.ganadorFlor != foto_.ganadorFlor && f.ganadorFlor != Lado::Nadie)
        sucesos_.push_back("La flor es de " + nombre(f.ganadorFlor));
    foto_ = f;
}

void Anotador::cerrarLinea() {
    if (cerrada_) return;
    cerrada_ = true;
    std::string linea = "Ronda " + std::to_string(ronda_) + ":";
    if (creditos_.empty()) linea += " sin puntos";
    for (Lado lado : {Lado::Jugador, Lado::Computadora}) {
        std::string parte;
        for (const Credito& c : creditos_)
            if (c.lado == lado)
                parte += (parte.empty() ? " " : ", ") + ("+" + std::to_string(c.puntos)) + " " +
                         Motivos[static_cast<std::size_t>(c.motivo)];
        if (!parte.empty()) linea += (linea.back() == ':' ? " " : "; ") + nombre(lado) + parte;
    }
    lineas_.push_back(linea);
}

void Anotador::mensaje(const std::string& texto) {
    sincronizar();
    const auto inicio = texto.find_first_not_of(' ');
    if (inicio != std::string::npos) sucesos_.push_back(texto.substr(inicio));
}

void Anotador::voz(archivos::Voz voz) {
    sincronizar();
    if (esCanto(voz))
        sucesos_.push_back("La computadora canta " + std::string(archivos::Voces[static_cast<std::size_t>(voz)]));
}

void Anotador::finDeRonda(std::string_view mensaje) {
    sincronizar();
    sucesos_.emplace_back(mensaje);
}

void Anotador::mano(int mano) {
    sincronizar();
    const ResultadoMano r = e_.ResultadoManos[static_cast<std::size_t>(mano)];
    if (r == ResultadoMano::SinDecidir) return;
    const std::string quien = r == ResultadoMano::Iguales
                                  ? "parda"
                                  : "gana " + nombre(r == ResultadoMano::Jugador ? Lado::Jugador : Lado::Computadora);
    sucesos_.push_back("Mano " + std::to_string(mano) + ": " + quien);
}

// A keypad number is no call: the tanto it offers is logged once confirmed.
void Anotador::jugador(std::string_view boton) {
    sincronizar();
    if (!boton.empty() && boton.find_first_not_of("0123456789") == std::string_view::npos) return;
    std::string accion;
    for (char c : boton)
        if (c != '&') accion += c;
    sucesos_.push_back(nombre(Lado::Jugador) + ": " + accion);
}

void Anotador::tanto(Lado lado, int puntos) {
    sincronizar();
    const std::string quien = lado == Lado::Computadora ? "La computadora" : nombre(lado);
    sucesos_.push_back(quien + ": Tengo " + puntosTexto(puntos));
}

void Anotador::alMazo() {
    sincronizar();
    sucesos_.push_back(nombre(Lado::Jugador) + " se va al mazo");
}

void Anotador::credito(Lado lado, int puntos, Motivo motivo) {
    sincronizar();
    if (motivo == Motivo::Penalidad) penalizado_ = lado;
    creditos_.push_back({lado, puntos, motivo});
    sucesos_.push_back("+" + puntosTexto(puntos) + " para " + nombre(lado) + " (" +
                       Motivos[static_cast<std::size_t>(motivo)] + ")");
}

void Anotador::puntos() { sincronizar(); }

int Anotador::tanteador(Lado lado) const {
    if (!e_.FinJuego) return e_.puntos(lado);
    return final_[lado == Lado::Jugador ? 0 : 1];
}

std::array<int, 2> Anotador::mitades(Lado lado) const {
    const int p = tanteador(lado);
    if (!partido()) return {p, 0};
    return {std::min(p, 15), std::max(p - 15, 0)};
}

std::string Anotador::palotes(Lado lado) const {
    const auto [malas, buenas] = mitades(lado);
    if (!partido()) return grupos(malas);
    return "malas " + grupos(malas) + ", buenas " + grupos(buenas);
}

Lado Anotador::tomo(Lado ganador, bool flor) const {
    const bool deEstaRonda = ronda_ == e_.RondasJugadas;
    if (!deEstaRonda || penalizado_ == Lado::Nadie || flor != (e_.EstadoFlor != NivelFlor::Nada)) return ganador;
    return penalizado_;
}

// Nothing is at stake once the game is over.
std::string Anotador::enJuego() const {
    if (e_.FinJuego) return "";
    std::string r = e_.EstadoTruco == NivelTruco::Nada
                        ? "Sin truco: 1 punto"
                        : std::string(TextoTruco(e_.EstadoTruco)) + ": " + puntosTexto(ValorTruco(e_.EstadoTruco)) +
                              ", el quiero es de " + nombre(e_.QuienTruco);
    const Cadena c = e_.CadenaEnvido;
    if (c != Cadena::Nada && e_.EnvidoQuerido == Cadena::Nada)
        r += "; " + std::string(FraseCadena(c)) + " sin querer: " + puntosTexto(PuntosEnvidoNoQuerido(c)) + " para " +
             nombre(e_.QuienEnvido);
    if (c != Cadena::Nada && e_.EnvidoQuerido != Cadena::Nada) {
        r += "; " + std::string(FraseCadena(c)) + " querido: ";
        if (!EsCadenaFalta(c))
            r += puntosTexto(PuntosEnvidoQuerido(c, e_.PuntosJuego, 0));
        else if (e_.GanadorEnvido != Lado::Nadie)
            r += puntosTexto(PuntosEnvidoQuerido(c, e_.PuntosJuego, e_.puntos(Contrario(e_.GanadorEnvido))));
        else
            r += "lo que le falte al que pierda";
        if (const Lado l = tomo(e_.GanadorEnvido, false); l != Lado::Nadie) r += ", para " + nombre(l);
    }
    if (e_.EstadoFlor != NivelFlor::Nada) {
        r += "; " + std::string(Flores[static_cast<std::size_t>(e_.EstadoFlor)]) + ", de " + nombre(e_.QuienFlor) +
             ": " + puntosFlor(e_);
        if (const Lado l = tomo(e_.GanadorFlor, true); l != Lado::Nadie) r += ", para " + nombre(l);
    }
    return r;
}

}  // namespace naipalia
