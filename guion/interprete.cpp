#include "guion/interprete.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "game/archivos.h"
#include "guion/palabras.h"
#include "guion/senales.h"

namespace naipalia::guion {

namespace fs = std::filesystem;

// The program folder of one run: removed when the driver ends, by a signal too.
class CarpetaTemporal {
public:
    CarpetaTemporal() {
        std::string plantilla = (fs::temp_directory_path() / "naipalia-guion-XXXXXX").string();
        if (!mkdtemp(plantilla.data())) throw ErrorGuion{"cannot create a temporary program folder"};
        ruta = plantilla;
    }
    // Folders and plain files only: a link, followed, could lead out of the copy.
    void copiar(const std::string& origen) {
        std::error_code error;
        for (auto it = fs::recursive_directory_iterator(origen, error);
             !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
            ComprobarSenal();
            const fs::path destino = fs::path(ruta) / it->path().lexically_relative(origen);
            const fs::file_status clase = it->symlink_status(error);
            if (error) break;
            // The build's own database is not the script's: `database` decides.
            if (it->path().filename() == archivos::BaseDatos) continue;
            if (fs::is_directory(clase)) {
                fs::create_directory(destino, error);
            } else if (fs::is_regular_file(clase) && (clase.permissions() & fs::perms::owner_exec) == fs::perms::none) {
                fs::copy_file(it->path(), destino, error);
            }
            if (error) break;
        }
        if (error) throw ErrorGuion{"cannot copy the program folder: " + error.message()};
    }
    ~CarpetaTemporal() {
        std::error_code error;
        fs::remove_all(ruta, error);
    }
    std::string ruta;
};

namespace {

// Sane bounds for the script's numbers.
constexpr int LadoPantallaMaximo = 32767;  // pixels
constexpr int PuntosMaximos = 999;
constexpr int IndiceMaximo = 9999;
constexpr int TwipsMaximos = 1000000;
// An hour of the fastest timer that runs while the player waits (the dance, every 50 ms)
// fits one tick line; a script may hold some such hours, no more.
constexpr long TicksPorLinea = 100000;
constexpr long TicksPorGuion = 1000000;
constexpr std::size_t SorteosPorGuion = 1000000;
// Whatever a script does, it stops here: a line's work is bounded, not their sum.
constexpr std::clock_t ProcesadorMaximo = 10;  // seconds

// A whole number in [menor, mayor]; anything else stops the script (an overflow saturates
// strtoll outside every range).
long long entero(const std::string& texto, const char* que, long long menor, long long mayor) {
    char* fin = nullptr;
    const long long n = std::strtoll(texto.c_str(), &fin, 10);
    if (texto.empty() || *fin != '\0' || n < menor || n > mayor)
        throw ErrorGuion{"not a whole number from " + std::to_string(menor) + " to " + std::to_string(mayor) + " for " +
                         que + ": " + texto};
    return n;
}

int enteroCorto(const std::string& texto, const char* que, int menor, int mayor) {
    return static_cast<int>(entero(texto, que, menor, mayor));
}

// A finite number in [0, tope): NaN and infinities fail the comparison itself.
double real(const std::string& texto, double tope, const char* rango) {
    char* fin = nullptr;
    const double r = std::strtod(texto.c_str(), &fin);
    if (texto.empty() || *fin != '\0' || !(r >= 0 && r < tope))
        throw ErrorGuion{std::string("not a number in ") + rango + ": " + texto};
    return r;
}

void exigirPalabras(const std::vector<std::string>& w, std::size_t desde, std::size_t hasta) {
    if (w.size() < desde || w.size() > hasta) throw ErrorGuion{"wrong number of words for " + w[0]};
}

bool logicoGuion(const std::string& texto) {
    if (texto == "true") return true;
    if (texto == "false") return false;
    throw ErrorGuion{"true or false, not " + texto};
}

// The path `remove` may delete: strictly inside the program folder once lexically normalized,
// with the folders leading to it resolved (the last name itself is removed, never followed).
fs::path dentroDeCarpeta(const std::string& carpeta, const std::string& ruta) {
    std::error_code error;
    const fs::path base = fs::canonical(carpeta, error);
    if (error) throw ErrorGuion{"remove cannot resolve the program folder: " + error.message()};
    fs::path destino = (base / ruta).lexically_normal();
    if (destino.filename().empty()) destino = destino.parent_path();
    const fs::path padre = fs::weakly_canonical(destino.parent_path(), error);
    if (error) throw ErrorGuion{"remove cannot resolve " + ruta + ": " + error.message()};
    const fs::path resto = (padre / destino.filename()).lexically_relative(base);
    if (resto.empty() || resto == "." || *resto.begin() == "..")
        throw ErrorGuion{"remove takes a path inside the program folder: " + ruta};
    // Checked on the very string the removal is given: a NUL would end it early.
    for (const char c : resto.native())
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            throw ErrorGuion{"remove takes a name without control bytes"};
    return base / resto;
}

// config as its positional words (the stored options in their table's order), from either
// form: `config true false ...` or `config ConFlor=true ...` (an option not named is false).
std::vector<std::string> configPosicional(const std::vector<std::string>& w) {
    if (w.size() < 2 || w[1].find('=') == std::string::npos) {
        if (w.size() != 1 + OpcionesConColumna()) throw ErrorGuion{"config takes 30Puntos Multimedia Recuerdo ConFlor"};
        for (std::size_t i = 1; i < w.size(); ++i) logicoGuion(w[i]);
        return w;
    }
    std::vector<std::string> columnas;
    for (const DatosOpcion& d : Opciones)
        if (d.columna) columnas.emplace_back(d.columna);
    std::vector<std::string> r(1 + columnas.size(), "false");
    r[0] = w[0];
    std::vector<bool> dada(columnas.size());
    for (std::size_t i = 1; i < w.size(); ++i) {
        const auto igual = w[i].find('=');
        if (igual == std::string::npos) throw ErrorGuion{"config takes NAME=true or NAME=false, not " + w[i]};
        const std::string nombre = w[i].substr(0, igual), valor = w[i].substr(igual + 1);
        const auto k = static_cast<std::size_t>(std::find(columnas.begin(), columnas.end(), nombre) - columnas.begin());
        if (k == columnas.size()) throw ErrorGuion{"config has no option " + nombre};
        if (dada[k]) throw ErrorGuion{"config names " + nombre + " twice"};
        logicoGuion(valor);
        r[1 + k] = valor;
        dada[k] = true;
    }
    return r;
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

Interprete::Interprete(int script, std::ostream& salida, std::string carpetaConstruida)
    : t_(salida), lector_(script, [this] { t_.volcar(); }), construida_(std::move(carpetaConstruida)) {
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
        if (reproductor == "MultimediaCarta")
            t_.linea("SOUND " + p.filename().string());
        else
            t_.linea("VOICE " + p.stem().string());
    };
    f.alAnimar = [this](const std::string& widget, const std::string& ruta) {
        t_.linea("PICTURE " + widget + " " + RutaRelativa(carpeta(), ruta));
    };
    f.alEnlace = [this](const std::string& destino) { t_.linea("LINK " + destino); };
    f.alAyuda = [this](const std::string& ruta) { t_.linea("HELP " + RutaRelativa(carpeta(), ruta)); };
}

Interprete::~Interprete() = default;

std::optional<Interprete::Palabras> Interprete::siguiente() {
    for (;;) {
        vigilar();
        const auto linea = lector_.siguiente();
        if (!linea) return std::nullopt;
        // A comment is skipped whole: its words are never split, quotes and all.
        const auto primero = linea->find_first_not_of(" \t");
        if (primero == std::string::npos) continue;
        if ((*linea)[primero] == '#')
            comprobaciones_.anotar(linea->substr(primero), lector_.numero());
        else
            return Partir(*linea);
    }
}

void Interprete::vigilar() {
    ComprobarSenal();
    // The clock costs more than most lines and ticks: read once in a while.
    if (++vigilias_ % 256 == 0 && std::clock() > ProcesadorMaximo * CLOCKS_PER_SEC)
        throw ErrorGuion{"the script used " + std::to_string(ProcesadorMaximo) + " seconds of processor time"};
}

int Interprete::ejecutar() {
    try {
        try {
            while (auto w = siguiente()) ejecutarLinea(*w);
        } catch (const FinPrograma&) {
            t_.linea("EXIT");
            if (siguiente()) throw ErrorGuion{"a line after the program ended"};
        }
        comprobaciones_.revisar(t_.texto(), lineaRevisada_);
    } catch (const ErrorGuion& error) {
        t_.ultima("ERROR line " + std::to_string(linea()) + ": " + error.motivo);
        return 1;
    }
    return 0;
}

const std::string& Interprete::carpeta() {
    if (!carpeta_) {
        carpeta_ = std::make_unique<CarpetaTemporal>();
        if (!carpetaVacia_) carpeta_->copiar(construida_);
    }
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
    for (Control* c :
         {&n.TextoJugador, &n.TextoComputadora, &n.TextoMano(1), &n.TextoMano(2), &n.TextoMano(3), &n.TextoQuienMano}) {
        auto original = c->Change;
        c->Change = [this, c, original] {
            t_.linea("TEXT " + nombreControl(*c) + " " + Transcripcion::citado(c->Text()));
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
    if (c == "folder") {
        if (w.size() != 2 || (w[1] != "assets" && w[1] != "empty")) throw ErrorGuion{"folder is assets or empty"};
        // Once made, the folder stays: a copy per line would have no end.
        if (carpeta_) throw ErrorGuion{"folder goes before the program folder is first used"};
        carpetaVacia_ = w[1] == "empty";
    } else if (c == "database") {
        if (w.size() != 2 || (w[1] != "none" && w[1] != "new" && w[1] != "corrupt" && w[1] != "wrongkey"))
            throw ErrorGuion{"database is none, new, corrupt or wrongkey"};
        if (basePreparada_) throw ErrorGuion{"database goes before the database is first used"};
        modoBase_ = w[1];
        preparacionBase_.clear();
    } else if (c == "config" || c == "player" || c == "history") {
        lineaDeBase(w);
    } else if (c == "screen") {
        if (w.size() != 3) throw ErrorGuion{"screen takes a width and a height"};
        falsos_.ancho = enteroCorto(w[1], "screen", 1, LadoPantallaMaximo);
        falsos_.alto = enteroCorto(w[2], "screen", 1, LadoPantallaMaximo);
    } else if (c == "cards") {
        if (w.size() != 7) throw ErrorGuion{"cards takes six card numbers"};
        std::array<int, 6> cartas{};
        for (std::size_t i = 0; i < 6; ++i) cartas[i] = enteroCorto(w[i + 1], "cards", 0, 39);
        auto ordenadas = cartas;
        std::sort(ordenadas.begin(), ordenadas.end());
        if (std::adjacent_find(ordenadas.begin(), ordenadas.end()) != ordenadas.end())
            throw ErrorGuion{"the six cards must differ"};
        falsos_.proximasCartas = cartas;
    } else if (c == "mano") {
        if (w.size() != 2 || (w[1] != "Jugador" && w[1] != "Computadora"))
            throw ErrorGuion{"mano is Jugador or Computadora"};
        manoPrevia_ = w[1] == "Jugador" ? Lado::Jugador : Lado::Computadora;
    } else if (c == "start") {
        exigirPalabras(w, 1, 1);
        prepararBase();
        iniciado_ = true;
        // The mano of the game before reverses the first deal or not; start-up leaves it.
        juego().estado.QuienMano = manoPrevia_;
        juego().arrancar();
    } else {
        return false;
    }
    return true;
}

// config, player and history: checked as they are read, written when the database is made.
void Interprete::lineaDeBase(const Palabras& w) {
    const std::string& c = w[0];
    if (modoBase_ != "new") throw ErrorGuion{c + " needs database new"};
    if (c == "player" && w.size() != 2) throw ErrorGuion{"player takes one name"};
    if (c == "history") {
        if (w.size() != 6) throw ErrorGuion{"history takes NAME TIPO NUMERO MINTIO GANO"};
        entero(w[3], "history", 0, 255);
        logicoGuion(w[4]);
        logicoGuion(w[5]);
    }
    preparacionBase_.push_back(c == "config" ? configPosicional(w) : w);
    if (basePreparada_) prepararBase();
}

void Interprete::accion(const Palabras& w) {
    const std::string& c = w[0];
    if (c == "remove") {
        exigirPalabras(w, 2, 2);
        std::error_code error;
        fs::remove_all(dentroDeCarpeta(carpeta(), w[1]), error);
        if (error) throw ErrorGuion{"cannot remove " + w[1] + ": " + error.message()};
    } else if (c == "clock") {
        exigirPalabras(w, 2, 2);
        falsos_.segundos = real(w[1], 86400, "[0, 86400)");
    } else if (c == "date") {
        exigirPalabras(w, 2, 2);
        falsos_.fecha = w[1];
    } else if (c == "random") {
        exigirPalabras(w, 2, 10000);
        if (w[1] == "fixed") {
            exigirPalabras(w, 3, 3);
            falsos_.fijo = real(w[2], 1, "[0, 1)");
        } else if (w[1] == "seed") {
            exigirPalabras(w, 3, 3);
            falsos_.sembrarGenerador(static_cast<std::uint32_t>(entero(w[2], "seed", 0, UINT32_MAX)));
        } else {
            if (w.size() - 1 > SorteosPorGuion - encolados_)
                throw ErrorGuion{"more than " + std::to_string(SorteosPorGuion) + " random numbers in the script"};
            encolados_ += w.size() - 1;
            for (std::size_t i = 1; i < w.size(); ++i) falsos_.cola.push_back(real(w[i], 1, "[0, 1)"));
        }
    } else if (c == "cards") {
        preparacion(w);
    } else if (c == "screen" || c == "folder" || c == "database" || c == "start" || c == "config" || c == "player" ||
               c == "history" || c == "mano") {
        if (iniciado_) throw ErrorGuion{c + " goes before start"};
        preparacion(w);
    } else if (c == "show") {
        if (w.size() < 2) throw ErrorGuion{"show takes one or more names"};
        mostrarValores(w);
    } else if (!iniciado_) {
        throw ErrorGuion{"unknown set-up command or action before start: " + c};
    } else {
        interactuar(w);
    }
}

// The actions on the window in front, once the main window is loaded.
void Interprete::interactuar(const Palabras& w) {
    const std::string& c = w[0];
    if (c == "scores") {
        exigirPalabras(w, 3, 3);
        if (!pila_.empty()) throw ErrorGuion{"scores only while the main window is in front"};
        const int jugador = enteroCorto(w[1], "scores", 0, PuntosMaximos);
        const int computadora = enteroCorto(w[2], "scores", 0, PuntosMaximos);
        juego().ronda.EscribirPuntos(Lado::Jugador, jugador);
        juego().ronda.EscribirPuntos(Lado::Computadora, computadora);
    } else if (c == "click") {
        exigirPalabras(w, 2, 3);
        Control& control = controlAlFrente(w[1], w.size() == 3 ? enteroCorto(w[2], "index", 0, IndiceMaximo) : -1);
        exigirUsable(control);
        if (control.tipo() == TipoControl::Imagen && control.MouseDown) {
            control.MouseDown(BotonIzquierdo, 0, 1, 1);
            control.MouseUp(BotonIzquierdo, 0, 1, 1);
        } else if (control.Click) {
            control.Click();
        }
    } else if (c == "drag") {
        exigirPalabras(w, 4, 4);
        if (!pila_.empty()) throw ErrorGuion{"drag is for the table's cards"};
        const int indice = enteroCorto(w[1], "index", 0, 39);
        const int izquierda = enteroCorto(w[2], "left", -TwipsMaximos, TwipsMaximos);
        const int arriba = enteroCorto(w[3], "top", -TwipsMaximos, TwipsMaximos);
        Control& carta = controlAlFrente("Carta", indice);
        exigirUsable(carta);
        const double x = 1 + izquierda - carta.Left(), y = 1 + arriba - carta.Top();
        carta.MouseDown(BotonDerecho, 0, 1, 1);
        carta.MouseMove(BotonDerecho, 0, 1, 1);
        carta.MouseMove(BotonDerecho, 0, x, y);
        carta.MouseUp(BotonDerecho, 0, x, y);
    } else if (c == "key") {
        exigirPalabras(w, 2, 2);
        if (!pila_.empty()) throw ErrorGuion{"the main window is not in front"};
        Control* menu = nullptr;
        for (Control* m : juego().naipalia.controles())
            if (m->tipo() == TipoControl::Menu && m->atajo == w[1]) menu = m;
        if (!menu) throw ErrorGuion{"no menu entry has the shortcut " + w[1]};
        exigirUsable(*menu);
        if (menu->Click) menu->Click();
    } else if (c == "type") {
        exigirPalabras(w, 3, 3);
        Control& caja = controlAlFrente(w[1], -1);
        exigirUsable(caja);
        caja.Text(w[2]);
    } else if (c == "select" || c == "dblclick" || c == "enter") {
        enLista(w);
    } else if (c == "yes" || c == "no") {
        throw ErrorGuion{"no question on screen"};
    } else if (c == "tick") {
        exigirPalabras(w, 2, 3);
        const long veces = w.size() == 3 ? entero(w[2], "ticks", 1, TicksPorLinea) : 1;
        Control& t = temporizador(w[1]);
        if (!t.Enabled()) throw ErrorGuion{"the timer " + w[1] + " is disabled"};
        if (veces > TicksPorGuion - ticks_)
            throw ErrorGuion{"more than " + std::to_string(TicksPorGuion) + " ticks in the script"};
        ticks_ += veces;
        for (long i = 0; i < veces && t.Enabled(); ++i) {
            vigilar();
            if (t.Timer) t.Timer();
        }
    } else if (c == "close") {
        exigirPalabras(w, 1, 1);
        Ventana& v = alFrente();
        if (v.Unload(true) && &v == &juego().naipalia) throw FinPrograma{};
    } else if (c == "rows") {
        exigirPalabras(w, 2, 2);
        filas(w[1]);
    } else {
        throw ErrorGuion{"unknown command: " + c};
    }
}

void Interprete::enLista(const Palabras& w) {
    const bool enter = w[0] == "enter";
    exigirPalabras(w, enter ? 2 : 3, enter ? 2 : 3);
    Control& lista = controlAlFrente(w[1], -1);
    exigirUsable(lista);
    if (enter) {
        int tecla = 13;
        if (lista.KeyPress) lista.KeyPress(tecla);
        return;
    }
    const int items = static_cast<int>(lista.List().size());
    if (items == 0) throw ErrorGuion{"no such list item"};
    const int i = enteroCorto(w[2], "list item", 0, items - 1);
    lista.ListIndex(i);
    if (lista.Click) lista.Click();
    if (w[0] == "dblclick" && lista.DblClick) lista.DblClick();
}

namespace {

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
        vigilar();
        bool bien = true;
        if (w[0] == "config") {
            // The stored options in their table's order, one word each.
            std::size_t palabra = 1;
            for (const DatosOpcion& d : Opciones)
                if (d.columna && bien) bien = base.guardarOpcion(d.opcion, logicoGuion(w[palabra++]), fallo);
        } else if (w[0] == "player") {
            bien = base.agregarJugador(w[1], fallo);
        } else {
            const int numero = enteroCorto(w[3], "history", 0, 255);
            bien = base.agregarTanto({NombreRelleno(w[1]), w[2], numero, logicoGuion(w[4]), logicoGuion(w[5])}, fallo);
        }
        if (!bien) throw ErrorGuion{"cannot write the database: " + fallo.descripcion};
    }
    if (!base.confirmarLote()) throw ErrorGuion{"cannot write the database"};
    preparacionBase_.clear();
}

void Interprete::filas(const std::string& tabla) {
    if (tabla != "Jugador" && tabla != "TantoJugador" && tabla != "Configuracion" && tabla != "Partidas")
        throw ErrorGuion{"rows of Jugador, TantoJugador, Configuracion or Partidas"};
    prepararBase();
    BaseSqlcipher& base = lectura();
    FalloBase fallo;
    bool bien = true;
    if (tabla == "Jugador") {
        std::vector<std::string> nombres;
        if ((bien = base.leerJugadores(nombres, fallo)))
            for (const std::string& nombre : nombres) t_.linea("ROW Jugador Jugador=" + Transcripcion::citado(nombre));
    } else if (tabla == "TantoJugador") {
        std::vector<FilaTanto> tantos;
        if ((bien = base.leerTantos(tantos, fallo)))
            for (const FilaTanto& f : tantos)
                t_.linea("ROW TantoJugador Jugador=" + Transcripcion::citado(f.Jugador) +
                         " Tipo=" + Transcripcion::citado(f.Tipo) + " Numero=" + std::to_string(f.Numero) +
                         " MintioJugador=" + logicoTexto(f.MintioJugador) +
                         " GanoJugador=" + logicoTexto(f.GanoJugador));
    } else if (tabla == "Partidas") {
        std::vector<FilaPartida> partidas;
        if ((bien = base.leerTodasLasPartidas(partidas, fallo)))
            for (const FilaPartida& p : partidas)
                t_.linea("ROW Partidas Numero=" + std::to_string(p.Numero) +
                         " Fecha=" + Transcripcion::citado(p.Fecha) + " Hora=" + Transcripcion::citado(p.Hora) +
                         " PuntosJuego=" + std::to_string(p.PuntosJuego) + " PuntosJugador=" +
                         std::to_string(p.PuntosJugador) + " PuntosComputadora=" + std::to_string(p.PuntosComputadora));
    } else {
        OpcionesGuardadas o;
        if ((bien = base.leerOpciones(o, fallo))) {
            std::string fila = "ROW Configuracion";
            for (const DatosOpcion& d : Opciones)
                if (d.columna) fila += std::string(" ") + d.columna + "=" + logicoTexto(o[d.opcion]);
            t_.linea(fila);
        }
    }
    if (!bien) throw ErrorGuion{"rows: " + fallo.descripcion};
}

// One connection for every `rows`, opened (or not) once: each opening derives the key anew,
// which is slow by design.
BaseSqlcipher& Interprete::lectura() {
    if (!lectura_) {
        lectura_ = std::make_unique<BaseSqlcipher>();
        lecturaAbierta_ =
            lectura_->abrir((fs::path(carpeta()) / archivos::BaseDatos).string(), archivos::ClaveBase, motivoLectura_);
    }
    if (!lecturaAbierta_) throw ErrorGuion{"rows: the database does not open: " + motivoLectura_};
    return *lectura_;
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
