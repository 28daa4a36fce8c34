#include "guion/grabadora.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "game/tanto.h"
#include "guion/palabras.h"
#include "guion/transcripcion.h"
#include "platform/nivel.h"
#include "players/jugadores.h"
#include "shell/juego.h"

namespace naipalia {

namespace {

std::string referencia(const Control& c) {
    return c.indice() >= 0 ? c.nombre() + " " + std::to_string(c.indice()) : c.nombre();
}

std::string logico(bool b) { return b ? "true" : "false"; }

constexpr std::size_t SorteosPorLinea = 12;

// Closes a copy saved while the game goes on: it replays up to where it was saved.
constexpr const char* Incompleta = "# incomplete: saved while the game went on; it replays up to here.\n";

// The menus whose marks a game starts from: the options, then who is mano.
std::vector<Control*> menusDeInicio(Naipalia& n) {
    std::vector<Control*> menus;
    for (const DatosOpcion& d : Opciones) menus.push_back(&n.menuDe(d.opcion)(Naipalia::itemSi(d.opcion)));
    for (Control* m : {&n.MenuMJugador, &n.MenuMCompu, &n.MenuMAleatorio}) menus.push_back(m);
    return menus;
}

}  // namespace

struct Grabadora::AzarVisto : Azar {
    AzarVisto(Grabadora& g, Azar& a) : grabadora(g), azar(a) {}
    double siguiente() override {
        const double r = azar.siguiente();
        if (grabadora.grabando_ && !grabadora.enRegistro_) grabadora.sorteos_.push_back(r);
        return r;
    }
    void sembrar(double semilla) override { azar.sembrar(semilla); }
    std::optional<std::array<int, 6>> repartoFijado() override { return azar.repartoFijado(); }
    Grabadora& grabadora;
    Azar& azar;
};

struct Grabadora::RelojVisto : Reloj {
    RelojVisto(Grabadora& g, Reloj& r) : grabadora(g), reloj(r) {}
    double segundosDelDia() override {
        const double t = reloj.segundosDelDia();
        if (grabadora.grabando_ && !grabadora.lectura_) grabadora.lectura_ = t;
        return t;
    }
    std::string fechaCorta() override { return grabadora.fecha_ = reloj.fechaCorta(); }
    Grabadora& grabadora;
    Reloj& reloj;
};

struct Grabadora::MensajesVistos : Mensajes {
    MensajesVistos(Grabadora& g, Mensajes& m) : grabadora(g), mensajes(m) {}
    Respuesta mostrar(const std::string& texto, Icono icono, Botones botones, Respuesta porDefecto) override {
        const Respuesta r = mensajes.mostrar(texto, icono, botones, porDefecto);
        // The answer goes right after the action that asked, with it.
        if (botones == Botones::SiNo && grabadora.grabando_ && !grabadora.enRegistro_)
            grabadora.pendiente_.push_back(grabadora.sangria() + (r == Respuesta::Si ? "yes" : "no"));
        return r;
    }
    Grabadora& grabadora;
    Mensajes& mensajes;
};

struct Grabadora::VentanasVistas : Ventanas {
    VentanasVistas(Grabadora& g, Ventanas& v) : grabadora(g), ventanas(v) {}
    void preparar(Ventana& ventana) override { ventanas.preparar(ventana); }
    void mostrar(Ventana& ventana) override {
        ventanas.mostrar(ventana);
        // The table shown at the end of start-up: the marks a fresh program starts with.
        Juego* juego = grabadora.juego_;
        if (juego && &ventana == &juego->naipalia && grabadora.marcasIniciales_.empty())
            for (const Control* m : menusDeInicio(juego->naipalia)) grabadora.marcasIniciales_.push_back(m->Checked());
    }
    void mostrarModal(Ventana& ventana) override {
        const int profundidad = grabadora.profundidad_;
        const bool registro = grabadora.enRegistro_;
        grabadora.antesDeModal(ventana);
        grabadora.profundidad_ = 0;
        ventanas.mostrarModal(ventana);
        grabadora.profundidad_ = profundidad;
        grabadora.enRegistro_ = registro;
        grabadora.despuesDeModal(ventana);
    }
    void terminar() override {
        grabadora.alSalir();
        ventanas.terminar();
    }
    Grabadora& grabadora;
    Ventanas& ventanas;
};

Grabadora::Grabadora(Puertos puertos) : originales_(puertos.completar()) {
    azar_ = std::make_unique<AzarVisto>(*this, *originales_.azar);
    reloj_ = std::make_unique<RelojVisto>(*this, *originales_.reloj);
    mensajes_ = std::make_unique<MensajesVistos>(*this, *originales_.mensajes);
    ventanas_ = std::make_unique<VentanasVistas>(*this, *originales_.ventanas);
    vigilados_ = originales_;
    vigilados_.azar = azar_.get();
    vigilados_.reloj = reloj_.get();
    vigilados_.mensajes = mensajes_.get();
    vigilados_.ventanas = ventanas_.get();
}

Grabadora::~Grabadora() = default;

void Grabadora::enlazar(Juego& juego) {
    juego_ = &juego;
    for (Ventana* v : juego.ventanas()) vigilar(*v);
    juego.ronda.alComenzarPartida = [this] { comenzarPartida(); };
}

void Grabadora::vigilar(Ventana& ventana) {
    for (Control* c : ventana.controles()) vigilarControl(*c);
    // The title bar's close button: the game's own unloads are never the player's.
    ventana.QueryUnload = [this, &ventana, original = ventana.QueryUnload](int& cancelar, bool porElUsuario) {
        if (porElUsuario) comenzar("close");
        {
            Nivel nivel(profundidad_);
            if (original) original(cancelar, porElUsuario);
        }
        if (porElUsuario && cancelar == 0 && &ventana == &juego_->naipalia) alSalir();
    };
}

void Grabadora::vigilarControl(Control& c) {
    auto envolver = [this](std::function<void()>& manejador, std::function<std::string()> linea) {
        if (!manejador) return;
        manejador = [this, original = manejador, linea = std::move(linea)] {
            comenzar(linea());
            Nivel nivel(profundidad_);
            original();
        };
    };
    Control* p = &c;
    const bool lista = c.tipo() == TipoControl::Lista;
    envolver(c.Click, [p, lista] {
        return lista ? "select " + p->nombre() + " " + std::to_string(p->ListIndex()) : "click " + referencia(*p);
    });
    if (lista) envolver(c.DblClick, [p] { return "dblclick " + p->nombre() + " " + std::to_string(p->ListIndex()); });
    envolver(c.Timer, [p] { return "tick " + p->ventana().nombre() + "." + p->nombre(); });
    if (c.propiedades().Editable)
        envolver(c.Change, [p] { return "type " + p->nombre() + " " + guion::Citar(p->Text()); });
    if (lista && c.KeyPress) {
        c.KeyPress = [this, p, original = c.KeyPress](int& tecla) {
            if (tecla == 13) comenzar("enter " + p->nombre());
            Nivel nivel(profundidad_);
            original(tecla);
        };
    }
    if (c.MouseUp) {
        c.MouseUp = [this, p, original = c.MouseUp](int boton, int shift, double x, double y) {
            // A card the pointer carried is dropped where it lies; any other release is a click.
            if (boton == BotonDerecho)
                comenzar("drag " + std::to_string(p->indice()) + " " + std::to_string(std::lround(p->Left())) + " " +
                         std::to_string(std::lround(p->Top())));
            else
                comenzar("click " + referencia(*p));
            Nivel nivel(profundidad_);
            original(boton, shift, x, y);
        };
    }
}

void Grabadora::comenzar(std::string linea) {
    if (profundidad_ > 0 || enRegistro_ || !grabando_) return;
    linea = sangria() + linea;
    const bool sola = pendiente_.size() == 1;
    if (sola && ticks_ > 0 && linea == pendiente_[0]) {
        ++ticks_;
        return;
    }
    // Typing letter by letter, or a double click after its click: the last one says it all.
    const bool mismoTexto = sola && linea.find("type ") != std::string::npos &&
                            pendiente_[0].rfind(linea.substr(0, linea.find('"')), 0) == 0;
    const bool dobleClick = sola && linea.find("dblclick ") != std::string::npos &&
                            std::string(pendiente_[0]).replace(pendiente_[0].find("select "), 7, "dblclick ") == linea;
    if (!mismoTexto && !dobleClick) {
        asentar();
        if (modales_ == 0) {
            // The table waits for the player again: what a crash would leave of the round just ended.
            // A game that ended with that round is saved whole already.
            if (copiaPendiente_ && final_.empty() && alGuardar)
                alGuardar(partida_, preparacion_ + cuerpo_ + Incompleta + verificacion());
            copiaPendiente_ = false;
            inicioAccion_ = cuerpo_.size();
            puntosAntes_ = verificacion();
        }
    }
    ticks_ = linea.find("tick ") != std::string::npos ? 1 : 0;
    pendiente_ = {std::move(linea)};
}

std::string Grabadora::sangria() const { return std::string(static_cast<std::size_t>(2 * modales_), ' '); }

// The driver reads the next line only when the game waits for one: every draw and clock
// reading up to then is queued before the lines that led there.
std::string Grabadora::asentado() const {
    std::string s;
    if (lectura_ && *lectura_ != relojEscrito_) s += sangria() + "clock " + guion::Numero(*lectura_) + "\n";
    if (fecha_ != fechaEscrita_) s += sangria() + "date " + guion::Citar(fecha_) + "\n";
    for (std::size_t i = 0; i < sorteos_.size(); i += SorteosPorLinea) {
        s += sangria() + "random";
        for (std::size_t j = i; j < std::min(sorteos_.size(), i + SorteosPorLinea); ++j)
            s += " " + guion::Numero(sorteos_[j]);
        s += "\n";
    }
    for (std::size_t i = 0; i < pendiente_.size(); ++i)
        s += pendiente_[i] + (i == 0 && ticks_ > 1 ? " " + std::to_string(ticks_) : std::string()) + "\n";
    return s;
}

void Grabadora::asentar() {
    cuerpo_ += asentado();
    if (lectura_) relojEscrito_ = *lectura_;
    lectura_.reset();
    fechaEscrita_ = fecha_;
    sorteos_.clear();
    pendiente_.clear();
    ticks_ = 0;
}

// A new game begins inside the action that asked for it (F5, the menu, the end-of-game
// dialog's timer): the last game's recording ends before that action, and the new one,
// from a fresh program, begins with F5 alone (no game there to abandon).
void Grabadora::comenzarPartida() {
    if (grabando_ && alGuardar)
        alGuardar(partida_, preparacion_ + cuerpo_.substr(0, inicioAccion_) + (final_.empty() ? puntosAntes_ : final_));
    empezarPartida();
    if (alGuardar) alGuardar(partida_, preparacion_ + Incompleta);
    pendiente_ = {"key F5"};
}

void Grabadora::empezarPartida() {
    ++partida_;
    grabando_ = true;
    cuerpo_.clear();
    sorteos_.clear();
    lectura_.reset();
    ticks_ = 0;
    inicioAccion_ = 0;
    final_.clear();
    salio_ = false;
    copiaPendiente_ = false;
    relojEscrito_ = juego_->ronda.TiempoUltimaAccion;
    fechaEscrita_ = fecha_;
    preparacion_ = preparacion();
}

// A fresh program brought to where this game starts: the screen, the player and his own
// history (nobody else's, never the password), the options and who is mano.
std::string Grabadora::preparacion() const {
    Juego& j = *juego_;
    Naipalia& n = j.naipalia;
    const bool conBase = !j.estado.SinRecuerdos;
    const std::string nombre = guion::Citar(NombreRecortado(j.estado.NombreJugador));
    std::string s = "# Naipalia: a game as it was played, for naipalia-guion.\n";
    s += "screen " + std::to_string(originales_.pantalla->anchoPixeles()) + " " +
         std::to_string(originales_.pantalla->altoPixeles()) + "\n";
    if (conBase) {
        s += "database new\nconfig";
        for (const DatosOpcion& d : Opciones)
            if (d.columna) s += std::string(" ") + d.columna + "=" + logico(n.opcion(d.opcion));
        s += "\nplayer " + nombre + "\n";
        for (Cadena c : {Cadena::Envido, Cadena::EnvidoEnvido, Cadena::RealEnvido, Cadena::FaltaEnvido}) {
            std::vector<CuentaTanto> cuentas;
            FalloBase fallo;
            if (!originales_.baseDatos->contarTantos(j.estado.NombreJugador, TipoTanto(c), cuentas, fallo)) continue;
            for (const CuentaTanto& k : cuentas)
                for (long i = 0; i < k.filas; ++i)
                    s += "history " + nombre + " " + TipoTanto(c) + " " + std::to_string(k.Numero) + " " +
                         logico(i < k.mintio) + " " + logico(i < k.gano) + "\n";
        }
    } else {
        s += "database none\n";
    }
    // The mano the game before left: it decides whether the first deal is turned round.
    if (j.estado.QuienMano == Lado::Computadora) s += "mano Computadora\n";
    s += "clock " + guion::Numero(j.ronda.TiempoUltimaAccion) + "\n";
    if (!fecha_.empty()) s += "date " + guion::Citar(fecha_) + "\n";
    s += "start\n";
    if (conBase) s += "  type TextoSeleccionJugador " + nombre + "\n  click BotonJugar\n";
    // The stored options come back from the database; the others, and who is mano, as a
    // fresh program has them unless the player changed them.
    const std::vector<Control*> menus = menusDeInicio(n);
    for (std::size_t i = 0; i < menus.size() && i < marcasIniciales_.size(); ++i) {
        if (menus[i]->Checked() == marcasIniciales_[i]) continue;
        if (i >= std::size(Opciones)) {
            if (menus[i]->Checked()) s += "click " + menus[i]->nombre() + "\n";
        } else if (!(conBase && Opciones[i].columna)) {
            // Its "yes" item sets the points and flips any other option; the other item too.
            const int si = Naipalia::itemSi(Opciones[i].opcion);
            s += "click " + menus[i]->nombre() + " " + std::to_string(menus[i]->Checked() ? si : 3 - si) + "\n";
        }
    }
    return s;
}

std::string Grabadora::finDelJuego() const {
    const Naipalia& n = juego_->naipalia;
    // The winner's score is written last: its write ends the game.
    const bool ganoJugador = std::stoi("0" + n.TextoJugador.Text()) > std::stoi("0" + n.TextoComputadora.Text());
    const Control* escritos[] = {&n.TextoJugador, &n.TextoComputadora};
    std::string s;
    for (const Control* c : {escritos[ganoJugador ? 1 : 0], escritos[ganoJugador ? 0 : 1]})
        s += "#> TEXT " + c->nombre() + " " + guion::Transcripcion::citado(c->Text()) + "\n";
    s += "#> OPEN FinJuegos";
    if (const Control* etiqueta = juego_->finJuegos.etiquetaMensaje(); etiqueta && !etiqueta->Caption().empty())
        s += " " + guion::Transcripcion::escapar(etiqueta->Caption());
    return s + "\n";
}

// The scores on the table now, checked where the script stands.
std::string Grabadora::verificacion() const {
    const Naipalia& n = juego_->naipalia;
    return "show TextoJugador.Text TextoComputadora.Text\n#> VALUE TextoJugador.Text=" +
           guion::Citar(n.TextoJugador.Text()) +
           "\n#> VALUE TextoComputadora.Text=" + guion::Citar(n.TextoComputadora.Text()) + "\n";
}

// The final scores, so that the recording is also a test: of a game that ended, its last
// two score writes and the end-of-game dialog; of one left by leaving the program, the
// scores before the way out and the exit after its steps; else the scores at the end.
std::string Grabadora::guion() const {
    if (preparacion_.empty()) return {};
    const std::string jugado = cuerpo_ + (grabando_ ? asentado() : std::string());
    if (!salio_) return preparacion_ + jugado + (final_.empty() ? verificacion() : final_);
    if (!final_.empty()) return preparacion_ + jugado + final_ + "#> EXIT\n";
    return preparacion_ + jugado.substr(0, inicioAccion_) + puntosAntes_ + jugado.substr(inicioAccion_) + "#> EXIT\n";
}

void Grabadora::antesDeModal(Ventana& ventana) {
    if (!grabando_ || enRegistro_) return;
    asentar();
    if (&ventana == &juego_->finJuegos) final_ = finDelJuego();
    if (&ventana == &juego_->jugador) enRegistro_ = true;
    ++modales_;
}

// The registry left with the player's name only; the end of a round or game is saved.
void Grabadora::despuesDeModal(Ventana& ventana) {
    if (!grabando_ || enRegistro_) return;
    // The dialog's last action stays open: what follows its closing is drawn before it.
    if (&ventana == &juego_->jugador)
        pendiente_ = {
            sangria() + "type TextoSeleccionJugador " + guion::Citar(NombreRecortado(juego_->estado.NombreJugador)),
            sangria() + "click BotonJugar"};
    --modales_;
    if (&ventana == &juego_->finRonda) copiaPendiente_ = true;
    if (&ventana == &juego_->finJuegos && alGuardar) alGuardar(partida_, guion());
}

// The player left the program: the way out is part of the game, to its exit.
void Grabadora::alSalir() {
    if (!grabando_) return;
    asentar();
    modales_ = 0;
    salio_ = true;
    if (alGuardar) alGuardar(partida_, guion());
    grabando_ = false;
}

// The program ends otherwise: an action it cut short inside a dialog is no part of the
// game, and the scores before it close the recording.
void Grabadora::terminar() {
    if (!grabando_) return;
    if (modales_ > 0) {
        pendiente_.clear();
        sorteos_.clear();
        lectura_.reset();
        cuerpo_.resize(inicioAccion_);
        if (final_.empty()) final_ = inicioAccion_ > 0 ? puntosAntes_ : Incompleta;
        modales_ = 0;
    }
    asentar();
    if (alGuardar) alGuardar(partida_, guion());
    grabando_ = false;
}

}  // namespace naipalia
