// `show`: the shared state, the table's variables and any control property, as text.
#include <cstdio>
#include <functional>
#include <map>

#include "game/nombres.h"
#include "guion/interprete.h"

namespace naipalia::guion {

namespace {

const std::string Vacio;

std::string texto(std::string_view s) {
    std::string r(1, '"');
    r.append(s).push_back('"');
    return r;
}
std::string logico(bool b) { return b ? "True" : "False"; }
std::string numero(double d) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.6g", d);
    return buf;
}
std::string numero(int n) { return std::to_string(n); }

// "PasoFondo4", "CartasRepartidas(1)": appended, which spares GCC 12 a false -Wrestrict.
std::string conNumero(const char* nombre, int n, const char* cierre = "") {
    std::string r(nombre);
    r.append(std::to_string(n)).append(cierre);
    return r;
}

template <std::size_t N>
std::string arreglo(const std::array<int, N>& a, std::size_t desde) {
    std::string r;
    for (std::size_t i = desde; i < N; ++i) {
        if (i > desde) r += ' ';
        r += std::to_string(a[i]);
    }
    return r;
}

using Lector = std::function<std::string(Juego&)>;

const std::map<std::string, Lector>& campos() {
    static const std::map<std::string, Lector> tabla = [] {
        std::map<std::string, Lector> t;
        // One field a call, several a line.
        // clang-format off
#define CAMPO_NUMERO(n) t[#n] = [](Juego& j) { return numero(j.estado.n); };
#define CAMPO_LOGICO(n) t[#n] = [](Juego& j) { return logico(j.estado.n); };
// A side as the game wrote it, with the word each field used for nobody.
#define CAMPO_LADO(n, nadie) \
    t[#n] = [](Juego& j) { return texto(TextoLado(j.estado, j.estado.n, nadie)); };
        CAMPO_LADO(QuienTruco, Vacio) CAMPO_LADO(QuienEnvido, PalabraNada) CAMPO_LADO(GanadorEnvido, Vacio)
        CAMPO_LADO(QuienFlor, PalabraNada) CAMPO_LADO(GanadorFlor, Vacio) CAMPO_LADO(QuienMano, Vacio)
        t["EstadoTruco"] = [](Juego& j) { return texto(TextoTruco(j.estado.EstadoTruco)); };
        t["EstadoFlor"] = [](Juego& j) { return texto(TextoFlor(j.estado.EstadoFlor)); };
        t["CadenaEnvido"] = [](Juego& j) { return texto(FraseCadena(j.estado.CadenaEnvido)); };
        t["EnvidoQuerido"] = [](Juego& j) {
            const Cadena c = j.estado.EnvidoQuerido;
            return texto(c == Cadena::Nada ? std::string_view(PalabraNada) : FraseCadena(c));
        };
        t["NombreJugador"] = [](Juego& j) { return texto(j.estado.NombreJugador); };
        CAMPO_NUMERO(TantoRealJugador) CAMPO_NUMERO(TantoCompu) CAMPO_NUMERO(CartasTantoCompu)
        CAMPO_NUMERO(TantoCantadoJugador) CAMPO_NUMERO(FlorJugador) CAMPO_NUMERO(FlorCompu)
        CAMPO_NUMERO(FlorCantadaJugador) CAMPO_NUMERO(PuntosJuego) CAMPO_NUMERO(RondasJugadas)
        CAMPO_NUMERO(EnvidosCantadosJugador) CAMPO_NUMERO(VecesVentanaTanto) CAMPO_NUMERO(VecesFaltaEnvidoJugador)
        CAMPO_LOGICO(TrucoRechazado) CAMPO_LOGICO(TrucoCantadoEnJugada) CAMPO_LOGICO(TrucoRechazadoEnJugada)
        CAMPO_LOGICO(TrucoRecantado) CAMPO_LOGICO(TantoPrimero) CAMPO_LOGICO(TantoAcreditado)
        CAMPO_LOGICO(FinJuego) CAMPO_LOGICO(SinRecuerdos) CAMPO_LOGICO(ErrorBaseDatos)
#undef CAMPO_LADO
#undef CAMPO_NUMERO
#undef CAMPO_LOGICO
            // clang-format on
            t["CartasRepartidas"] = [](Juego& j) { return arreglo(j.estado.CartasRepartidas, 0); };
        for (int h = 1; h <= 3; ++h) {
            const auto i = static_cast<std::size_t>(h);
            t[conNumero("JerarquiaJugador", h)] = [i](Juego& j) { return numero(j.estado.JerarquiaJugador[i]); };
            t[conNumero("PosicionJugador", h)] = [i](Juego& j) { return numero(j.estado.PosicionJugador[i]); };
            t[conNumero("JerarquiaCompu", h)] = [i](Juego& j) { return numero(j.estado.JerarquiaCompu[i]); };
            t[conNumero("PosicionCompu", h)] = [i](Juego& j) { return numero(j.estado.PosicionCompu[i]); };
            t[conNumero("PasoBaile", h)] = [i](Juego& j) { return numero(j.ronda.PasoBaile[i]); };
        }
        for (int s = 1; s <= 6; ++s)
            t[conNumero("CartasRepartidas(", s, ")")] = [s](Juego& j) { return numero(j.estado.carta(s)); };
        for (int s = 4; s <= 6; ++s)
            t[conNumero("PasoFondo", s)] = [s](Juego& j) {
                return numero(j.ronda.PasoFondo[static_cast<std::size_t>(s)]);
            };
        t["ManoActual"] = [](Juego& j) { return numero(j.ronda.ManoActual); };
        t["MazoPendiente"] = [](Juego& j) { return logico(j.estado.MazoPendiente); };
        t["JerarquiaDeducidaJugador"] = [](Juego& j) { return numero(j.computadora.JerarquiaDeducidaJugador); };
        t["TiempoUltimaAccion"] = [](Juego& j) { return numero(j.ronda.TiempoUltimaAccion); };
        t["ArrastrandoCarta"] = [](Juego& j) { return logico(j.ronda.ArrastrandoCarta); };
        t["LeftInicialCarta"] = [](Juego& j) { return numero(j.ronda.LeftInicialCarta); };
        t["AgarreX"] = [](Juego& j) { return numero(j.ronda.AgarreX); };
        t["AgarreY"] = [](Juego& j) { return numero(j.ronda.AgarreY); };
        t["CartaArrastrada"] = [](Juego& j) { return numero(j.ronda.CartaArrastrada); };
        t["RetornoX"] = [](Juego& j) { return numero(j.ronda.RetornoX); };
        t["RetornoY"] = [](Juego& j) { return numero(j.ronda.RetornoY); };
        t["ContadorPropagandaMesa"] = [](Juego& j) { return numero(j.operacion.ContadorPropagandaMesa); };
        t["Anotador.Jugador"] = [](Juego& j) { return texto(j.operacion.anotador.palotes(Lado::Jugador)); };
        t["Anotador.Computadora"] = [](Juego& j) { return texto(j.operacion.anotador.palotes(Lado::Computadora)); };
        t["Anotador.EnJuego"] = [](Juego& j) { return texto(j.operacion.anotador.enJuego()); };
        t["Anotador.Sucesos"] = [](Juego& j) {
            return numero(static_cast<int>(j.operacion.anotador.sucesos().size()));
        };
        t["Sugerencia"] = [](Juego& j) { return texto(j.principal.Sugerencia()); };
        t["Anotador.Lineas"] = [](Juego& j) { return numero(static_cast<int>(j.operacion.anotador.lineas().size())); };
        return t;
    }();
    return tabla;
}

// "17" as an index; -1 for anything but plain digits.
int indice(const std::string& s) {
    if (s.empty() || s.size() > 4 || s.find_first_not_of("0123456789") != std::string::npos) return -1;
    return std::stoi(s);
}

std::optional<std::string> propiedad(const Control& c, const std::string& p) {
    if (p == "Caption") return texto(c.Caption());
    if (p == "Text") return texto(c.Text());
    if (p == "Enabled") return logico(c.Enabled());
    if (p == "Visible") return logico(c.Visible());
    if (p == "Checked") return logico(c.Checked());
    if (p == "Left") return numero(c.Left());
    if (p == "Top") return numero(c.Top());
    if (p == "Width") return numero(c.Width());
    if (p == "Height") return numero(c.Height());
    if (p == "Interval") return numero(c.Interval());
    if (p == "ListCount") return numero(static_cast<int>(c.List().size()));
    if (p == "ListIndex") return numero(c.ListIndex());
    if (p.rfind("List(", 0) == 0 && p.back() == ')') {
        const int i = indice(p.substr(5, p.size() - 6));
        if (i < 0 || i >= static_cast<int>(c.List().size())) throw ErrorGuion{"no such list item: " + p};
        return texto(c.List()[static_cast<std::size_t>(i)]);
    }
    return std::nullopt;
}

// "Carta(17)" into its name and index; -1 without an index.
std::pair<std::string, int> nombreEIndice(const std::string& s) {
    const auto abre = s.find('(');
    if (abre == std::string::npos || s.back() != ')') return {s, -1};
    const int i = indice(s.substr(abre + 1, s.size() - abre - 2));
    return {i < 0 ? s : s.substr(0, abre), i};
}

// "Anotador.Suceso(2)", "Anotador.Linea(1)": an entry of the anotador's lists, from 1.
std::optional<std::string> entradaAnotador(const Anotador& a, const std::string& nombre) {
    const auto [lista, i] = nombreEIndice(nombre);
    const auto* entradas = lista == "Anotador.Suceso"  ? &a.sucesos()
                           : lista == "Anotador.Linea" ? &a.lineas()
                                                       : nullptr;
    if (!entradas) return std::nullopt;
    if (i < 1 || i > static_cast<int>(entradas->size())) throw ErrorGuion{"no such entry: " + nombre};
    return texto((*entradas)[static_cast<std::size_t>(i - 1)]);
}

}  // namespace

std::optional<std::string> ValorMostrado(Juego& juego, const std::string& nombre) {
    if (auto it = campos().find(nombre); it != campos().end()) return it->second(juego);
    if (auto entrada = entradaAnotador(juego.operacion.anotador, nombre)) return entrada;

    const auto ultimo = nombre.rfind('.');
    if (ultimo == std::string::npos) return std::nullopt;
    const std::string prop = nombre.substr(ultimo + 1);
    std::string resto = nombre.substr(0, ultimo);

    Ventana* ventana = nullptr;
    if (const auto punto = resto.find('.'); punto != std::string::npos) {
        ventana = juego.ventana(resto.substr(0, punto));
        if (!ventana) return std::nullopt;
        resto = resto.substr(punto + 1);
    }
    const auto [control, indice] = nombreEIndice(resto);
    for (Ventana* v : juego.ventanas()) {
        if (ventana && v != ventana) continue;
        if (const Control* c = v->buscar(control, indice)) return propiedad(*c, prop);
    }
    return std::nullopt;
}

}  // namespace naipalia::guion
