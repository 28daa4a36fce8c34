#include "game/anotador.h"

#include <algorithm>

#include "game/manos.h"
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

// The player's name as it was when the entry was heard: a new player mid-game does not
// rename what the one before him did.
const std::string& Anotador::nombreEn(Lado lado, std::size_t nombre) const {
    static const std::string computadora = "la computadora";
    return lado == Lado::Computadora ? computadora : nombres_[nombre];
}

void Anotador::anotar(Entrada entrada) {
    entrada.nombre = nombreOido();
    sucesos_.push_back(entrada);
}

void Anotador::anotar(Entrada entrada, std::string_view texto) {
    entrada.desde = static_cast<std::uint32_t>(textos_.size());
    entrada.largo = static_cast<std::uint32_t>(texto.size());
    textos_ += texto;
    anotar(entrada);
}

void Anotador::empezarRonda() {
    cerrarLinea();
    if (e_.RondasJugadas == 0) {
        lineas_.clear();
        creditosLineas_.clear();
        textoLineas_.clear();
    }
    ronda_ = e_.RondasJugadas;
    cerrada_ = ronda_ == 0;
    penalizado_ = Lado::Nadie;
    creditos_.clear();
    sucesos_.clear();
    textos_.clear();
    textoSucesos_.clear();
}

void Anotador::cerrarLinea() {
    if (cerrada_) return;
    cerrada_ = true;
    const std::size_t desde = creditosLineas_.size();
    creditosLineas_.insert(creditosLineas_.end(), creditos_.begin(), creditos_.end());
    lineas_.push_back({ronda_, nombreOido(), desde, creditosLineas_.size()});
    creditos_.clear();
}

void Anotador::mensaje(const std::string& texto) {
    sincronizar();
    const auto inicio = texto.find_first_not_of(' ');
    if (inicio != std::string::npos) anotar({.tipo = Tipo::Texto}, std::string_view(texto).substr(inicio));
}

void Anotador::voz(archivos::Voz voz) {
    sincronizar();
    if (esCanto(voz)) anotar({.tipo = Tipo::Canto, .numero = static_cast<int>(voz)});
}

void Anotador::finDeRonda(std::string_view mensaje) {
    sincronizar();
    anotar({.tipo = Tipo::Texto}, mensaje);
}

// A keypad number is no call: the tanto it offers is logged once confirmed.
void Anotador::jugador(std::string_view boton) {
    sincronizar();
    if (!boton.empty() && std::all_of(boton.begin(), boton.end(), [](char c) { return c >= '0' && c <= '9'; })) return;
    anotar({.tipo = Tipo::Jugador}, boton);
}

void Anotador::oir(const Suceso& suceso) {
    // A card played is seen on the table and in the hand's result: no entry of its own.
    if (std::holds_alternative<suceso::CartaJugada>(suceso)) return;
    // A deal only closes the last round's line.
    sincronizar();
    if (const auto* p = std::get_if<suceso::Puntos>(&suceso)) {
        if (p->motivo == Motivo::Penalidad) penalizado_ = p->lado;
        creditos_.push_back({p->lado, p->puntos, p->motivo});
        anotar({.tipo = Tipo::Credito, .lado = p->lado, .numero = p->puntos, .motivo = p->motivo});
    } else if (const auto* m = std::get_if<suceso::ResultadoDeMano>(&suceso)) {
        // A tied hand is nobody's.
        anotar({.tipo = Tipo::Mano, .lado = LadoDe(m->resultado), .numero = m->mano});
    } else if (const auto* q = std::get_if<suceso::EnvidoQuerido>(&suceso)) {
        anotar({.tipo = Tipo::Querido, .numero = static_cast<int>(q->cadena)});
    } else if (const auto* g = std::get_if<suceso::EnvidoGanado>(&suceso)) {
        anotar({.tipo = Tipo::Envido, .lado = g->lado});
    } else if (const auto* t = std::get_if<suceso::TrucoQuerido>(&suceso)) {
        anotar({.tipo = Tipo::Truco, .lado = t->lado, .numero = static_cast<int>(t->nivel)});
    } else if (const auto* f = std::get_if<suceso::FlorGanada>(&suceso)) {
        anotar({.tipo = Tipo::Flor, .lado = f->lado});
    } else if (const auto* d = std::get_if<suceso::TantoDeclarado>(&suceso)) {
        anotar({.tipo = Tipo::Tanto, .lado = d->lado, .numero = d->puntos});
    } else if (const auto* m = std::get_if<suceso::AlMazo>(&suceso)) {
        anotar({.tipo = Tipo::Mazo, .lado = m->lado});
    } else if (std::holds_alternative<suceso::JugadorElegido>(suceso)) {
        if (std::string n = nombre(Lado::Jugador); n != nombres_.back()) nombres_.push_back(std::move(n));
    }
}

std::string Anotador::enPalabras(const Entrada& s) const {
    switch (s.tipo) {
        case Tipo::Texto: return std::string(texto(s));
        case Tipo::Canto:
            return "La computadora canta " + std::string(archivos::Voces[static_cast<std::size_t>(s.numero)]);
        case Tipo::Mano:
            return "Mano " + std::to_string(s.numero) + ": " +
                   (s.lado == Lado::Nadie ? "parda" : "gana " + nombreEn(s.lado, s.nombre));
        case Tipo::Jugador: {
            std::string accion;
            for (char c : texto(s))
                if (c != '&') accion += c;
            return nombreEn(Lado::Jugador, s.nombre) + ": " + accion;
        }
        case Tipo::Tanto:
            return (s.lado == Lado::Computadora ? "La computadora" : nombreEn(s.lado, s.nombre)) + ": Tengo " +
                   puntosTexto(s.numero);
        case Tipo::Mazo: return nombreEn(s.lado, s.nombre) + " se va al mazo";
        case Tipo::Credito:
            return "+" + puntosTexto(s.numero) + " para " + nombreEn(s.lado, s.nombre) + " (" +
                   Motivos[static_cast<std::size_t>(s.motivo)] + ")";
        case Tipo::Querido: return std::string(FraseCadena(static_cast<Cadena>(s.numero))) + " querido";
        case Tipo::Envido: return "El envido es de " + nombreEn(s.lado, s.nombre);
        case Tipo::Truco:
            return std::string(TextoTruco(static_cast<NivelTruco>(s.numero))) + " querido, el quiero es de " +
                   nombreEn(s.lado, s.nombre);
        case Tipo::Flor: return "La flor es de " + nombreEn(s.lado, s.nombre);
    }
    return {};
}

std::string Anotador::enPalabras(const Linea& l) const {
    std::string linea = "Ronda " + std::to_string(l.ronda) + ":";
    if (l.desde == l.hasta) linea += " sin puntos";
    for (Lado lado : {Lado::Jugador, Lado::Computadora}) {
        std::string parte;
        for (std::size_t i = l.desde; i < l.hasta; ++i)
            if (const Credito& c = creditosLineas_[i]; c.lado == lado)
                parte += (parte.empty() ? " " : ", ") + ("+" + std::to_string(c.puntos)) + " " +
                         Motivos[static_cast<std::size_t>(c.motivo)];
        if (!parte.empty()) linea += (linea.back() == ':' ? " " : "; ") + nombreEn(lado, l.nombre) + parte;
    }
    return linea;
}

const std::vector<std::string>& Anotador::sucesos() const {
    for (std::size_t i = textoSucesos_.size(); i < sucesos_.size(); ++i)
        textoSucesos_.push_back(enPalabras(sucesos_[i]));
    return textoSucesos_;
}

const std::vector<std::string>& Anotador::lineas() const {
    for (std::size_t i = textoLineas_.size(); i < lineas_.size(); ++i) textoLineas_.push_back(enPalabras(lineas_[i]));
    return textoLineas_;
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
