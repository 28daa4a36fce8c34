#include "guion/interprete.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "game/archivos.h"


namespace naipalia::guion {

namespace fs = std::filesystem;

// The program folder of one run: removed when the driver ends.
class CarpetaTemporal {
public:
    CarpetaTemporal(const std::string& origen, bool vacia) {
        std::string plantilla = (fs::temp_directory_path() / "naipalia-guion-XXXXXX").string();
        if (!mkdtemp(plantilla.data())) throw ErrorGuion{"cannot create a temporary program folder"};
        ruta = plantilla;
        if (vacia) return;
        std::error_code error;
        for (auto it = fs::recursive_directory_iterator(origen, error); !error && it != fs::recursive_directory_iterator();
             it.increment(error)) {
            const fs::path destino = fs::path(ruta) / fs::relative(it->path(), origen);
            // The build's own database is not the script's: `database` decides.
            if (it->path().filename() == archivos::BaseDatos) continue;
            if (it->is_directory()) {
                fs::create_directories(destino);
            } else if ((it->status().permissions() & fs::perms::owner_exec) == fs::perms::none) {
                fs::copy_file(it->path(), destino, fs::copy_options::overwrite_existing);
            }
        }
    }
    ~CarpetaTemporal() {
        std::error_code error;
        fs::remove_all(ruta, error);
    }
    std::string ruta;
};

namespace {

int entero(const std::string& texto, const char* que) {
    char* fin = nullptr;
    const long n = std::strtol(texto.c_str(), &fin, 10);
    if (texto.empty() || *fin != '\0') throw ErrorGuion{std::string("not a number for ") + que + ": " + texto};
    return static_cast<int>(n);
}

double real(const std::string& texto) {
    char* fin = nullptr;
    const double r = std::strtod(texto.c_str(), &fin);
    if (texto.empty() || *fin != '\0' || r < 0 || r >= 1) throw ErrorGuion{"not a number in [0, 1): " + texto};
    return r;
}

std::vector<std::string> partir(const std::string& linea) {
    std::vector<std::string> w;
    std::size_t i = 0;
    while (i < linea.size()) {
        while (i < linea.size() && (linea[i] == ' ' || linea[i] == '\t')) ++i;
        if (i >= linea.size()) break;
        std::string palabra;
        if (linea[i] == '"') {
            const auto cierre = linea.find('"', i + 1);
            if (cierre == std::string::npos) throw ErrorGuion{"unclosed quote"};
            palabra = linea.substr(i + 1, cierre - i - 1);
            i = cierre + 1;
        } else {
            while (i < linea.size() && linea[i] != ' ' && linea[i] != '\t') palabra += linea[i++];
        }
        w.push_back(palabra);
    }
    return w;
}

std::string nombreControl(const Control& c) {
    return c.indice() >= 0 ? c.nombre() + "(" + std::to_string(c.indice()) + ")" : c.nombre();
}

// The caption shown with OPEN: the dialog's message label, if it has one.
std::string etiquetaDeApertura(const Ventana& v) {
    const Control* etiqueta = v.etiquetaMensaje();
    return etiqueta ? etiqueta->Caption() : std::string();
}

}  // namespace

Interprete::Interprete(std::istream& script, std::ostream& salida, std::string carpetaConstruida)
    : script_(script), t_(salida), construida_(std::move(carpetaConstruida)) {
    Falsos& f = falsos_;
    f.revisarArchivos = true;
    f.alMensaje = [this](const std::string& texto, Icono icono) {
        t_.linea(std::string("MESSAGE ") + Transcripcion::nombreIcono(icono) + " " + Transcripcion::escapar(texto));
    };
    f.responder = [this](const std::string&) { return responder(); };
    f.alMostrarModal = [this](Ventana& v) { modal(v); };
    f.alTerminar = [] { throw FinPrograma{}; };
    f.limiteSorteos = 10000;
    f.alExcederSorteos = [] { throw ErrorGuion{"the deal drew more than 10000 numbers without completing"}; };
    f.alReproducir = [this](const std::string& reproductor, const std::string& archivo) {
        const fs::path p(archivo);
        if (reproductor == "MultimediaCarta") t_.linea("SOUND " + p.filename().string());
        else t_.linea("VOICE " + p.stem().string());
    };
    f.alAnimar = [this](const std::string& widget, const std::string& ruta) {
        t_.linea("PICTURE " + widget + " " + RutaRelativa(carpeta(), ruta));
    };
    f.alEnlace = [this](const std::string& destino) { t_.linea("LINK " + destino); };
    f.alAyuda = [this](const std::string& ruta) { t_.linea("HELP " + RutaRelativa(carpeta(), ruta)); };
}

Interprete::~Interprete() = default;

std::optional<Interprete::Palabras> Interprete::siguiente() {
    std::string linea;
    while (std::getline(script_, linea)) {
        ++linea_;
        if (!linea.empty() && linea.back() == '\r') linea.pop_back();
        // A comment is skipped whole: its words are never split, quotes and all.
        const auto primero = linea.find_first_not_of(" \t");
        if (primero == std::string::npos || linea[primero] == '#') continue;
        Palabras w = partir(linea);
        return w;
    }
    return std::nullopt;
}

int Interprete::ejecutar() {
    try {
        try {
            while (auto w = siguiente()) ejecutarLinea(*w);
        } catch (const FinPrograma&) {
            t_.linea("EXIT");
            if (siguiente()) throw ErrorGuion{"a line after the program ended"};
        }
    } catch (const ErrorGuion& error) {
        t_.linea("ERROR line " + std::to_string(linea_) + ": " + error.motivo);
        return 1;
    }
    return 0;
}

const std::string& Interprete::carpeta() {
    if (!carpeta_) carpeta_ = std::make_unique<CarpetaTemporal>(construida_, carpetaVacia_);
    return carpeta_->ruta;
}

Juego& Interprete::juego() {
    if (!juego_) {
        Puertos puertos = falsos_.puertos;
        puertos.carpeta = carpeta();
        puertos.baseDatos = &base_;
        juego_ = std::make_unique<Juego>(puertos);
        vigilarTextos();
    }
    return *juego_;
}

// Every write of a score, a hand result or the mano goes to the transcript before its handler runs.
void Interprete::vigilarTextos() {
    auto& n = juego_->naipalia;
    for (Control* c : {&n.TextoJugador, &n.TextoComputadora, &n.TextoMano(1), &n.TextoMano(2), &n.TextoMano(3),
                       &n.TextoQuienMano}) {
        auto original = c->Change;
        c->Change = [this, c, original] {
            t_.linea("TEXT " + nombreControl(*c) + " \"" + Transcripcion::escapar(c->Text()) + "\"");
            if (original) original();
        };
    }
}

void Interprete::ejecutarLinea(const Palabras& w) {
    if (!iniciado_ && preparacion(w)) return;
    accion(w);
}

bool Interprete::preparacion(const Palabras& w) {
    const std::string& c = w[0];
    if (c == "folder" && w.size() == 2 && (w[1] == "assets" || w[1] == "empty")) {
        carpetaVacia_ = w[1] == "empty";
        basePreparada_ = false;
        juego_.reset();
        carpeta_.reset();
        return true;
    }
    if (c == "database" && w.size() == 2) {
        if (w[1] != "none" && w[1] != "new" && w[1] != "corrupt" && w[1] != "wrongkey")
            throw ErrorGuion{"database is none, new, corrupt or wrongkey"};
        if (basePreparada_) throw ErrorGuion{"database goes before the database is first used"};
        modoBase_ = w[1];
        preparacionBase_.clear();
        return true;
    }
    if (c == "config" || c == "player" || c == "history") {
        if (modoBase_ != "new") throw ErrorGuion{c + " needs database new"};
        if (c == "config" && w.size() != 5) throw ErrorGuion{"config takes 30Puntos Multimedia Recuerdo ConFlor"};
        if (c == "player" && w.size() != 2) throw ErrorGuion{"player takes one name"};
        if (c == "history" && w.size() != 6) throw ErrorGuion{"history takes NAME TIPO NUMERO MINTIO GANO"};
        preparacionBase_.push_back(w);
        if (basePreparada_) prepararBase();
        return true;
    }
    if (c == "screen" && w.size() == 3) {
        falsos_.ancho = entero(w[1], "screen");
        falsos_.alto = entero(w[2], "screen");
        return true;
    }
    if (c == "cards") {
        if (w.size() != 7) throw ErrorGuion{"cards takes six card numbers"};
        std::array<int, 6> cartas{};
        for (int i = 0; i < 6; ++i) {
            cartas[static_cast<std::size_t>(i)] = entero(w[static_cast<std::size_t>(i + 1)], "cards");
            if (cartas[static_cast<std::size_t>(i)] < 0 || cartas[static_cast<std::size_t>(i)] > 39)
                throw ErrorGuion{"a card number is 0 to 39"};
        }
        auto ordenadas = cartas;
        std::sort(ordenadas.begin(), ordenadas.end());
        if (std::adjacent_find(ordenadas.begin(), ordenadas.end()) != ordenadas.end())
            throw ErrorGuion{"the six cards must differ"};
        falsos_.proximasCartas = cartas;
        return true;
    }
    if (c == "start" && w.size() == 1) {
        prepararBase();
        iniciado_ = true;
        juego().arrancar();
        return true;
    }
    return false;
}

void Interprete::accion(const Palabras& w) {
    const std::string& c = w[0];
    auto palabras = [&](std::size_t desde, std::size_t hasta) {
        if (w.size() < desde || w.size() > hasta) throw ErrorGuion{"wrong number of words for " + c};
    };

    if (c == "remove") {
        palabras(2, 2);
        std::error_code error;
        fs::remove_all(fs::path(carpeta()) / fs::path(w[1]), error);
    } else if (c == "clock") {
        palabras(2, 2);
        char* fin = nullptr;
        falsos_.segundos = std::strtod(w[1].c_str(), &fin);
        if (*fin != '\0') throw ErrorGuion{"not a number: " + w[1]};
    } else if (c == "date") {
        palabras(2, 2);
        falsos_.fecha = w[1];
    } else if (c == "random") {
        palabras(2, 10000);
        if (w[1] == "fixed") {
            palabras(3, 3);
            falsos_.fijo = real(w[2]);
        } else if (w[1] == "seed") {
            palabras(3, 3);
            falsos_.sembrarGenerador(static_cast<std::uint32_t>(entero(w[2], "seed")));
        } else {
            for (std::size_t i = 1; i < w.size(); ++i) falsos_.cola.push_back(real(w[i]));
        }
    } else if (c == "cards") {
        preparacion(w);
    } else if (c == "screen" || c == "folder" || c == "database" || c == "start" || c == "config" ||
               c == "player" || c == "history") {
        if (iniciado_) throw ErrorGuion{c + " goes before start"};
        preparacion(w);
    } else if (!iniciado_ && c != "show") {
        throw ErrorGuion{"unknown set-up command or action before start: " + c};
    } else if (c == "show") {
        mostrarValores(w);
    } else if (c == "scores") {
        palabras(3, 3);
        if (!pila_.empty()) throw ErrorGuion{"scores only while the main window is in front"};
        juego().operacion.EscribirPuntos(Lado::Jugador, entero(w[1], "scores"));
        juego().operacion.EscribirPuntos(Lado::Computadora, entero(w[2], "scores"));
    } else if (c == "click") {
        palabras(2, 3);
        Control& control = controlAlFrente(w[1], w.size() == 3 ? entero(w[2], "index") : -1);
        exigirUsable(control);
        if (control.tipo() == TipoControl::Imagen && control.MouseDown) {
            control.MouseDown(BotonIzquierdo, 0, 1, 1);
            control.MouseUp(BotonIzquierdo, 0, 1, 1);
        } else if (control.Click) {
            control.Click();
        }
    } else if (c == "drag") {
        palabras(4, 4);
        if (!pila_.empty()) throw ErrorGuion{"drag is for the table's cards"};
        Control& carta = controlAlFrente("Carta", entero(w[1], "index"));
        exigirUsable(carta);
        const double l = carta.Left(), t = carta.Top();
        const double x = 1 + entero(w[2], "left") - l, y = 1 + entero(w[3], "top") - t;
        carta.MouseDown(BotonDerecho, 0, 1, 1);
        carta.MouseMove(BotonDerecho, 0, 1, 1);
        carta.MouseMove(BotonDerecho, 0, x, y);
        carta.MouseUp(BotonDerecho, 0, x, y);
    } else if (c == "key") {
        palabras(2, 2);
        if (!pila_.empty()) throw ErrorGuion{"the main window is not in front"};
        Control* menu = nullptr;
        for (Control* m : juego().naipalia.controles())
            if (m->tipo() == TipoControl::Menu && m->atajo == w[1]) menu = m;
        if (!menu) throw ErrorGuion{"no menu entry has the shortcut " + w[1]};
        exigirUsable(*menu);
        if (menu->Click) menu->Click();
    } else if (c == "type") {
        palabras(3, 3);
        Control& caja = controlAlFrente(w[1], -1);
        exigirUsable(caja);
        caja.Text(w[2]);
    } else if (c == "select" || c == "dblclick" || c == "enter") {
        palabras(c == "enter" ? 2 : 3, c == "enter" ? 2 : 3);
        Control& lista = controlAlFrente(w[1], -1);
        exigirUsable(lista);
        if (c != "enter") {
            const int i = entero(w[2], "index");
            if (i < 0 || i >= static_cast<int>(lista.List().size())) throw ErrorGuion{"no such list item"};
            lista.ListIndex(i);
            if (lista.Click) lista.Click();
            if (c == "dblclick" && lista.DblClick) lista.DblClick();
        } else if (lista.KeyPress) {
            int tecla = 13;
            lista.KeyPress(tecla);
        }
    } else if (c == "yes" || c == "no") {
        throw ErrorGuion{"no question on screen"};
    } else if (c == "tick") {
        palabras(2, 3);
        Control& t = temporizador(w[1]);
        const int veces = w.size() == 3 ? entero(w[2], "ticks") : 1;
        if (!t.Enabled()) throw ErrorGuion{"the timer " + w[1] + " is disabled"};
        for (int i = 0; i < veces && t.Enabled(); ++i)
            if (t.Timer) t.Timer();
    } else if (c == "close") {
        palabras(1, 1);
        Ventana& v = alFrente();
        if (v.Unload(true) && &v == &juego().naipalia) throw FinPrograma{};
    } else if (c == "rows") {
        palabras(2, 2);
        filas(w[1]);
    } else {
        throw ErrorGuion{"unknown command: " + c};
    }
}

namespace {

bool logicoGuion(const std::string& texto) {
    if (texto == "true") return true;
    if (texto == "false") return false;
    throw ErrorGuion{"true or false, not " + texto};
}

std::string comillas(const std::string& texto) { return "\"" + Transcripcion::escapar(texto) + "\""; }
std::string logicoTexto(bool b) { return b ? "True" : "False"; }

}  // namespace

void Interprete::prepararBase() {
    const std::string archivo = (fs::path(carpeta()) / archivos::BaseDatos).string();
    if (!basePreparada_) {
        basePreparada_ = true;
        std::error_code error;
        fs::remove(archivo, error);
        std::string motivo;
        if (modoBase_ == "new" && !BaseSqlcipher::Crear(archivo, archivos::ClaveBase, motivo))
            throw ErrorGuion{"cannot create the database: " + motivo};
        if (modoBase_ == "wrongkey" && !BaseSqlcipher::Crear(archivo, "otra clave", motivo))
            throw ErrorGuion{"cannot create the database: " + motivo};
        if (modoBase_ == "corrupt") {
            // Bytes that are no database, the same every run.
            std::ofstream f(archivo, std::ios::binary);
            std::uint32_t x = 2463534242u;
            for (int i = 0; i < 8192; ++i) {
                x ^= x << 13, x ^= x >> 17, x ^= x << 5;
                f.put(static_cast<char>(x & 0xff));
            }
        }
    }
    if (preparacionBase_.empty()) return;
    BaseSqlcipher base;
    std::string motivo;
    if (!base.abrir(archivo, archivos::ClaveBase, motivo)) throw ErrorGuion{"cannot open the database: " + motivo};
    FalloBase fallo;
    if (!base.comenzarLote()) throw ErrorGuion{"cannot write the database"};
    for (const Palabras& w : preparacionBase_) {
        bool bien = true;
        if (w[0] == "config") {
            const char* campos[] = {"30Puntos", "Multimedia", "Recuerdo", "ConFlor"};
            for (std::size_t i = 0; i < 4 && bien; ++i) bien = base.guardarOpcion(campos[i], logicoGuion(w[i + 1]), fallo);
        } else if (w[0] == "player") {
            bien = base.agregarJugador(w[1], fallo);
        } else {
            const int numero = entero(w[3], "history");
            if (numero < 0 || numero > 255) throw ErrorGuion{"a history Numero is a byte"};
            bien = base.agregarTanto({NombreRelleno(w[1]), w[2], numero, logicoGuion(w[4]), logicoGuion(w[5])}, fallo);
        }
        if (!bien) throw ErrorGuion{"cannot write the database: " + fallo.descripcion};
    }
    if (!base.confirmarLote()) throw ErrorGuion{"cannot write the database"};
    preparacionBase_.clear();
}

void Interprete::filas(const std::string& tabla) {
    if (tabla != "Jugador" && tabla != "TantoJugador" && tabla != "Configuracion")
        throw ErrorGuion{"rows of Jugador, TantoJugador or Configuracion"};
    prepararBase();
    BaseSqlcipher base;
    std::string motivo;
    if (!base.abrir((fs::path(carpeta()) / archivos::BaseDatos).string(), archivos::ClaveBase, motivo))
        throw ErrorGuion{"rows: the database does not open: " + motivo};
    FalloBase fallo;
    bool bien = true;
    if (tabla == "Jugador") {
        std::vector<std::string> nombres;
        if ((bien = base.leerJugadores(nombres, fallo)))
            for (const std::string& nombre : nombres) t_.linea("ROW Jugador Jugador=" + comillas(nombre));
    } else if (tabla == "TantoJugador") {
        std::vector<FilaTanto> tantos;
        if ((bien = base.leerTantos(tantos, fallo)))
            for (const FilaTanto& f : tantos)
                t_.linea("ROW TantoJugador Jugador=" + comillas(f.Jugador) + " Tipo=" + comillas(f.Tipo) +
                         " Numero=" + std::to_string(f.Numero) + " MintioJugador=" + logicoTexto(f.MintioJugador) +
                         " GanoJugador=" + logicoTexto(f.GanoJugador));
    } else {
        OpcionesGuardadas o;
        if ((bien = base.leerOpciones(o, fallo)))
            t_.linea("ROW Configuracion 30Puntos=" + logicoTexto(o.Puntos30) + " Multimedia=" +
                     logicoTexto(o.Multimedia) + " Recuerdo=" + logicoTexto(o.Recuerdo) + " ConFlor=" +
                     logicoTexto(o.ConFlor));
    }
    if (!bien) throw ErrorGuion{"rows: " + fallo.descripcion};
}

Ventana& Interprete::alFrente() { return pila_.empty() ? static_cast<Ventana&>(juego().naipalia) : *pila_.back(); }

Control& Interprete::controlAlFrente(const std::string& nombre, int indice) {
    Ventana& frente = alFrente();
    std::string control = nombre;
    if (const auto punto = nombre.find('.'); punto != std::string::npos) {
        Ventana* v = juego().ventana(nombre.substr(0, punto));
        if (!v) throw ErrorGuion{"unknown window in " + nombre};
        if (v != &frente) throw ErrorGuion{nombre + " is not in the window in front"};
        control = nombre.substr(punto + 1);
    }
    if (Control* c = frente.buscar(control, indice)) return *c;
    for (Ventana* v : juego().ventanas())
        if (v->buscar(control, indice)) throw ErrorGuion{nombre + " is not in the window in front"};
    std::string motivo = "unknown control " + nombre;
    if (indice >= 0) motivo.append(" ").append(std::to_string(indice));
    throw ErrorGuion{motivo};
}

Control& Interprete::temporizador(const std::string& nombre) {
    if (const auto punto = nombre.find('.'); punto != std::string::npos) {
        Ventana* v = juego().ventana(nombre.substr(0, punto));
        Control* c = v ? v->buscar(nombre.substr(punto + 1)) : nullptr;
        if (c && c->tipo() == TipoControl::Temporizador) return *c;
    } else {
        for (Ventana* v : {&alFrente(), static_cast<Ventana*>(&juego().naipalia)})
            if (Control* c = v->buscar(nombre); c && c->tipo() == TipoControl::Temporizador) return *c;
    }
    throw ErrorGuion{"unknown timer " + nombre};
}

void Interprete::exigirUsable(const Control& c) {
    for (const Control* m = &c; m; m = m->padre.empty() ? nullptr : m->ventana().buscar(m->padre)) {
        if (!m->Enabled()) throw ErrorGuion{nombreControl(c) + " is disabled"};
        if (m->tipo() != TipoControl::Menu && !m->Visible()) throw ErrorGuion{nombreControl(c) + " is hidden"};
    }
}

void Interprete::modal(Ventana& dialogo) {
    const std::string texto = etiquetaDeApertura(dialogo);
    std::string abierto = "OPEN " + dialogo.nombre();
    if (!texto.empty()) abierto.append(" ").append(Transcripcion::escapar(texto));
    t_.linea(abierto);
    pila_.push_back(&dialogo);
    while (dialogo.mostrada()) {
        auto w = siguiente();
        if (!w) throw ErrorGuion{"the script ended while " + dialogo.nombre() + " waits"};
        accion(*w);
    }
    pila_.pop_back();
    t_.linea("CLOSE " + dialogo.nombre());
}

Respuesta Interprete::responder() {
    auto w = siguiente();
    if (!w) throw ErrorGuion{"the script ended while a question waits"};
    if (w->size() == 1 && (*w)[0] == "yes") return Respuesta::Si;
    if (w->size() == 1 && (*w)[0] == "no") return Respuesta::No;
    throw ErrorGuion{"a question waits for yes or no"};
}

void Interprete::mostrarValores(const Palabras& w) {
    for (std::size_t i = 1; i < w.size(); ++i) {
        const auto valor = ValorMostrado(juego(), w[i]);
        if (!valor) throw ErrorGuion{"unknown name " + w[i]};
        t_.linea("VALUE " + w[i] + "=" + *valor);
    }
}

}  // namespace naipalia::guion
