#include "tests/autojuego/autojuego.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <exception>
#include <numeric>
#include <optional>
#include <string_view>

#include "game/mesa.h"
#include "guion/grabadora.h"
#include "platform/falsos.h"
#include "shell/jugador_experto.h"
#include "tests/autojuego/juez.h"

namespace naipalia::autojuego {

namespace {

// Far more than any game draws or needs: past them a loop of the game does not end.
constexpr long MaximoSorteos = 1000000;
constexpr long MaximoAccionesPartida = 2000;
// Around the window's client area, a margin where a drag may still end.
constexpr double Margen = 500;

bool usable(const Control& c) { return c.Enabled() && c.Visible(); }

// SplitMix64: the player's choices and the seeds of a series, nearly free to seed.
std::uint32_t Mezcla(std::uint64_t& estado) {
    std::uint64_t z = (estado += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return static_cast<std::uint32_t>((z ^ (z >> 31)) >> 32);
}

// The game's numbers: a seed per game keeps each game replayable, and this one costs
// nothing to reseed. A deal that draws a million numbers is a loop that does not end.
struct AzarDePartida : Azar {
    double siguiente() override {
        if (++sorteos > MaximoSorteos) Fallar("a deal drew a million random numbers: a loop does not end");
        return static_cast<double>(Mezcla(estado)) * 0x1p-32;
    }
    // The game reseeds from the clock at every deal, which changes nothing here.
    void sembrar(double) override { sorteos = 0; }
    std::optional<std::array<int, 6>> repartoFijado() override { return std::nullopt; }
    std::uint64_t estado = 0;
    long sorteos = 0;
};

using Cuatro = std::array<Control*, 4>;

// The usable ones among `controles`, first in `elegidos`; how many.
template <std::size_t N>
int usables(const std::array<Control*, N>& controles, Cuatro& elegidos) {
    int cuantos = 0;
    for (Control* c : controles)
        if (usable(*c)) elegidos[static_cast<std::size_t>(cuantos++)] = c;
    return cuantos;
}

// A point of the table, in twips.
struct Punto {
    double left, top;
};
std::ostream& operator<<(std::ostream& o, Punto p) { return o << '(' << p.left << ", " << p.top << ')'; }

// The program ended itself, as a way out asked.
struct ProgramaTerminado {};

// The program with silent, cheap fakes (no file is touched), the game's numbers seeded
// per game, and the random player behind the table, every question and every dialog;
// recording its games, as the desktop program does, when told of their saves.
class Mesa {
public:
    explicit Mesa(bool revisar, const AlGuardar& alGuardar = nullptr, bool conHuella = false)
        : revisar_(revisar), grabadora_(alGuardar ? std::make_unique<Grabadora>(puertos_) : nullptr) {
        falsos_.alMensaje = [this](const std::string& texto, Icono icono) {
            if (icono == Icono::Critico) Fallar("critical message: ", texto);
            if (mensajes_ == textos_.size()) textos_.emplace_back();
            textos_[mensajes_++].assign(texto);
            if (huella_) huella_->mezclar(texto);
        };
        falsos_.responder = [this](const std::string& pregunta) {
            const std::optional<bool> experta = experto_ && !saliendo_ ? experto_->responder(pregunta) : std::nullopt;
            respuestas_.push_back(experta ? *experta : saliendo_ || Mezcla(azar_) < 0x80000000U);
            return respuestas_.back() ? Respuesta::Si : Respuesta::No;
        };
        falsos_.alMostrarModal = [this](Ventana& dialogo) { jugarDialogo(dialogo); };
        falsos_.alTerminar = [this] {
            if (!saliendo_) Fallar("the program ended itself in the middle of play");
            throw ProgramaTerminado{};
        };
        if (grabadora_) {
            grabadora_->alGuardar = alGuardar;
            grabadora_->enlazar(juego_);
        }
        if (conHuella) tomarHuella();
        juego_.arrancar();
    }

    std::uint64_t huella() const { return huella_ ? huella_->valor() : 0; }

    // The computer's cards come from the engine from now on.
    void contraExperta() {
        if (!n_.opcion(Opcion::Experto)) n_.MenuExpertoOpcion(1).Click();
    }

    // The player's seat is the engine's from now on; games go to 30 points with the
    // mano alternating, unless `opcionesAlAzar`.
    void jugadorExperto(bool opcionesAlAzar) {
        experto_.emplace(juego_);
        opcionesAlAzar_ = opcionesAlAzar;
    }
    // Games taken by the player; the time of each of the engine's decisions, in seconds.
    long ganadas() const { return ganadas_; }
    const Tiempos& tiempos() const { return tiempos_; }

    // Games of the series `base` in a row, each left as `salidas` says (to its end when
    // none is given), until the first broken rule or the program's end.
    Resultado serie(std::uint32_t base, long cantidad, const std::vector<Salida>& salidas = {}) {
        Resultado r;
        std::uint64_t serie = base;
        try {
            for (long i = 0; i < cantidad && r.fallo.empty(); ++i) {
                const Salida salida = salidas.empty() ? Salida::Final : salidas[static_cast<std::size_t>(i)];
                const long movidas = salida == Salida::Final ? MaximoAccionesPartida : 4 + Mezcla(serie) % 40;
                jugar({Mezcla(serie), Mezcla(serie), e_.QuienMano == Lado::Computadora}, r, salida, movidas);
            }
        } catch (const ProgramaTerminado&) {
        }
        return r;
    }

    // One game, counted in `r`, or its broken rule and the seeds that replay it.
    void jugar(const Semillas& s, Resultado& r, Salida salida = Salida::Final, long movidas = MaximoAccionesPartida) {
        const long antes = acciones_;
        try {
            e_.QuienMano = s.manoPreviaComputadora ? Lado::Computadora : Lado::Jugador;  // all a game hands on
            azarPartida_.estado = s.juego;
            azar_ = s.jugador;
            mensajes_ = 0;
            respuestas_.clear();
            accionesPartida_ = 0;
            if (experto_ && !opcionesAlAzar_)
                opcionesDelDuelo(r.partidas);
            else if (n_.MenuCantidadPuntos(1).Enabled())
                elegirOpciones();  // else a new game by F5 mid-game
            juez_.reset();
            if (revisar_) juez_.emplace(juego_);
            // Through the end-of-game dialog's timer when it was answered yes, else the menu
            // (a game in play abandoned).
            saliendo_ = n_.MenuFin.Enabled() && !e_.FinJuego;
            n_.TiempoComienzo.Enabled() ? n_.TiempoComienzo.Timer() : n_.MenuNuevo.Click();
            saliendo_ = false;
            if (juez_) juez_->revisar();
            while (!e_.FinJuego && accionesPartida_ < movidas) {
                if (juez_) juez_->revisarTurno();
                jugarTurno();
                if (juez_) juez_->revisar();
            }
            if (!e_.FinJuego) salir(salida);
            if (huella_) {
                mezclarAnotador();
                for (const std::string& linea : juego_.operacion.anotador.lineas()) huella_->mezclar(linea);
            }
            if (e_.FinJuego && juez_) juez_->terminarPartida(respuestas_);
            ++r.partidas;
        } catch (const std::exception& ex) {
            r.fallo = describir(s, (dynamic_cast<const Fallo*>(&ex) ? "" : "exception: ") + std::string(ex.what()));
        }
        r.acciones += acciones_ - antes;
    }

private:
    struct Momento {
        std::size_t mano;
        int ronda;
    };
    enum Gesto { Clic, ArrastreIzquierdo, Dentro, Fuera };

    // Every change of a control and every sound go into the digest; messages and dialogs
    // as they come, the anotador's entries at each dialog and each game's end, and its
    // lines at the end. A draw more or less shows in the cards and the choices that follow.
    void tomarHuella() {
        huella_.emplace();
        for (Ventana* v : juego_.ventanas()) v->alCambiar = [this](Control& c) { huella_->mezclar(c); };
        falsos_.alReproducir = [this](const std::string& reproductor, const std::string& archivo) {
            huella_->mezclar(reproductor);
            huella_->mezclar(archivo);
        };
    }

    // The anotador's entries of this round not yet in the digest.
    void mezclarAnotador() {
        const Anotador& a = juego_.operacion.anotador;
        const auto& sucesos = a.sucesos();
        if (e_.RondasJugadas != rondaVista_ || sucesos.size() < sucesosVistos_) sucesosVistos_ = 0;
        rondaVista_ = e_.RondasJugadas;
        for (; sucesosVistos_ < sucesos.size(); ++sucesosVistos_) huella_->mezclar(sucesos[sucesosVistos_]);
    }

    // Leaves the game in play; a new game needs nothing: the next one starts by F5.
    void salir(Salida salida) {
        saliendo_ = salida != Salida::NuevoJuego;
        if (salida == Salida::Finalizar) n_.MenuFin.Click();
        if (salida == Salida::Salir) n_.MenuSalir.Click();
        if (salida == Salida::Cerrar && n_.Unload(true)) throw ProgramaTerminado{};
        if (salida == Salida::FinDelPrograma) {
            grabadora_->terminar();
            throw ProgramaTerminado{};
        }
        saliendo_ = false;
    }

    std::string describir(const Semillas& s, const std::string& motivo) const {
        const std::string semillas = std::to_string(s.juego) + " " + std::to_string(s.jugador) + " " +
                                     (s.manoPreviaComputadora ? "computadora" : "jugador");
        std::string texto = "broken rule: " + motivo + "\n  replay: naipalia-bench-autojuego --repetir " + semillas;
        for (std::size_t i = 0; i < mensajes_; ++i) texto += "\n  message: " + textos_[i];
        return texto;
    }

    // The high bits of a product: cheaper than a distribution, and unbiased enough.
    int elegir(int cuantos) {
        return static_cast<int>((std::uint64_t{Mezcla(azar_)} * static_cast<std::uint64_t>(cuantos)) >> 32);
    }
    template <typename T, std::size_t N>
    T& elegir(std::array<T, N>& entre, int cuantos) {
        return entre[static_cast<std::size_t>(elegir(cuantos))];
    }

    void contar() {
        ++acciones_;
        if (++accionesPartida_ > MaximoAccionesPartida)
            Fallar("the game is still on after ", accionesPartida_, " moves");
    }

    Momento momento() const { return {static_cast<std::size_t>(juego_.ronda.ManoActual), e_.RondasJugadas}; }

    // Every draw is made whatever the menus show, so the options depend on the seed
    // alone: the mano, 15 or 30 points, the flor (either item flips it).
    void elegirOpciones() {
        std::array<Control*, 3> manos{&n_.MenuMJugador, &n_.MenuMCompu, &n_.MenuMAleatorio};
        elegir(manos, 3)->Click();
        n_.MenuCantidadPuntos(1 + elegir(2)).Click();
        const bool conFlor = elegir(2) == 1;
        Control& flor = n_.MenuFlorOpcion(1 + elegir(2));
        if (n_.MenuFlorOpcion(1).Checked() != conFlor) flor.Click();
    }

    // A duel's game: to 30 points, the mano alternating.
    void opcionesDelDuelo(long partida) {
        (partida % 2 ? n_.MenuMCompu : n_.MenuMJugador).Click();
        n_.MenuCantidadPuntos(2).Click();
    }

    // One of the engine's decisions, timed: at the table, or in a dialog.
    template <typename F>
    auto decidir(bool enLaMesa, F&& f) {
        const auto inicio = std::chrono::steady_clock::now();
        auto decision = f();
        const double segundos = std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
        (enLaMesa ? tiempos_.enLaMesa : tiempos_.enDialogos).push_back(segundos);
        return decision;
    }

    // Clicks buttons until the dialog closes.
    void jugarDialogo(Ventana& dialogo) {
        if (huella_) {
            huella_->mezclar(dialogo.nombre());
            mezclarAnotador();
        }
        if (juez_) juez_->abrir(dialogo);
        // The end of the game's dialog opens on the final score.
        if (&dialogo == &juego_.finJuegos && e_.PuntosJugador >= e_.PuntosJuego) ++ganadas_;
        while (dialogo.mostrada()) {
            contar();
            BotonesUsables(dialogo, botones_);
            if (botones_.empty()) Fallar(dialogo.nombre(), " waits with no button to press");
            Control* elegido = experto_ ? decidir(false, [&] { return experto_->enDialogo(dialogo); }) : nullptr;
            Control& boton =
                elegido ? *elegido : *botones_[static_cast<std::size_t>(elegir(static_cast<int>(botones_.size())))];
            if (juez_) juez_->pulsado(boton);
            boton.Click();
            if (juez_) juez_->revisar();
        }
        if (juez_) juez_->cerrar(dialogo);
    }

    // One move among what the table lets the player do, by weights: a card button; a
    // click, a left drag, a drop inside and outside of a card of the hand; a click and a
    // drag of a card on the table (which must do nothing); envido, truco, the deck.
    void jugarTurno() {
        contar();
        if (experto_) {
            Control* boton = decidir(true, [&] { return experto_->turno(); });
            if (!boton) Fallar("the engine's card waits on no button");
            return pulsar(boton);
        }
        Cuatro botones{}, cantos{}, trucos{};
        const int nb = usables(cartas_, botones), nc = usables(envidos_, cantos), nr = usables(trucos_, trucos);
        std::array<int, 6> enMano{}, enMesa{};
        int nm = 0, nt = 0;
        for (int c : e_.CartasRepartidas) {
            const Control& carta = n_.Carta(c);
            if (carta.Visible() && carta.Top() == TopMano && EnLaMano(carta.Left()))
                enMano[static_cast<std::size_t>(nm++)] = c;
            else if (carta.Visible())
                enMesa[static_cast<std::size_t>(nt++)] = c;
        }
        if (nb == 0 && nm == 0) Fallar("the table waits for the player but offers no card to play");
        // Having put the envido first, the player calls it before anything else.
        if (e_.TantoPrimero && nc == 0) Fallar("the envido was put first but cannot be called");
        if (e_.TantoPrimero) return pulsar(elegir(cantos, nc));
        const int m = nm > 0, t = nt > 0;
        const std::array<int, 10> pesos{
            nb > 0 ? 6 : 0, 3 * m, m, 4 * m, 4 * m, t, t, nc > 0 ? 4 : 0, nr > 0 ? 4 : 0, usable(n_.BotonMazo) ? 2 : 0};
        int r = elegir(std::accumulate(pesos.begin(), pesos.end(), 0));
        std::size_t movida = 0;
        while (r >= pesos[movida]) r -= pesos[movida++];
        if (movida == 0) return pulsar(elegir(botones, nb));
        if (movida <= 4) return tocarCarta(elegir(enMano, nm), static_cast<Gesto>(movida - 1));
        if (movida <= 6) return tocarCarta(elegir(enMesa, nt), movida == 5 ? Clic : Dentro);
        pulsar(movida == 7 ? elegir(cantos, nc) : movida == 8 ? elegir(trucos, nr) : &n_.BotonMazo);
    }

    // After a move: with a slot, its card went down in this hand unless that closed the
    // round; with none, nothing was played and the round goes on.
    void exigir(Momento antes, int slot, std::string_view como) const {
        const bool cerro = e_.FinJuego || e_.RondasJugadas != antes.ronda;
        if (slot != 0 && cerro) return;
        const int jugado = e_.PosicionJugador[antes.mano];
        if (cerro || jugado != slot || (slot == 0 && momento().mano != antes.mano))
            Fallar(como, " in hand ", antes.mano, " played slot ", jugado, " for ", slot, cerro ? ", closing" : "");
    }

    // A button of the table. A card's plays it; the deck asks first, then ends the round,
    // and a No leaves it all as it was; a call plays nothing (the judge holds the buttons
    // it leaves to the rules at the next turn).
    void pulsar(Control* boton) {
        const Momento antes = momento();
        const bool mazo = boton == &n_.BotonMazo;
        const std::size_t preguntaMazo = respuestas_.size();
        if (juez_) juez_->jugadorAlMazo = mazo;
        boton->Click();
        if (juez_) juez_->jugadorAlMazo = false;
        if (std::find(cartas_.begin(), cartas_.end(), boton) != cartas_.end())
            return exigir(antes, boton->indice(), boton->nombre());
        const bool cerro = e_.FinJuego || e_.RondasJugadas != antes.ronda;
        if (mazo && (respuestas_.size() == preguntaMazo || respuestas_[preguntaMazo] != cerro))
            Fallar("the deck asked nothing, or did not do as answered");
        if (!cerro) exigir(antes, 0, mazo ? "a deck refused" : boton->nombre());
    }

    // A left click or drag plays a card of the hand; so does a right drag dropped inside
    // the hand's place, else the card glides home in 30 steps, exactly to its place.
    // Cards on the table stay where they are. Drags hold the card at (1, 1).
    void tocarCarta(int carta, Gesto gesto) {
        Control& imagen = n_.Carta(carta);
        const Punto desde{imagen.Left(), imagen.Top()};
        const bool enMano = desde.top == TopMano && EnLaMano(desde.left);
        const int slot = enMano ? SlotPorLeft(desde.left) : 0;
        if (enMano && e_.carta(slot) != carta) Fallar("card ", carta, " lies in the hand but is not the player's");
        const Momento antes = momento();
        const Punto p = gesto == Clic ? desde : gesto == Dentro ? puntoDentro(antes.mano) : puntoFuera(antes.mano);
        const double x = 1 + p.left - desde.left, y = 1 + p.top - desde.top;
        const int boton = gesto < Dentro ? BotonIzquierdo : BotonDerecho;
        imagen.MouseDown(boton, 0, 1, 1);
        if (boton == BotonDerecho) imagen.MouseMove(boton, 0, 1, 1);
        if (gesto != Clic) imagen.MouseMove(boton, 0, x, y);
        imagen.MouseUp(boton, 0, x, y);
        constexpr std::array<const char*, 4> nombres{"a click", "a left drag", "a drop inside", "a drop outside"};
        const char* como = nombres[gesto];
        if (n_.TiempoCarta.Enabled() != (enMano && gesto == Fuera)) Fallar(como, " to ", p, ": TiempoCarta is wrong");
        if (enMano && gesto != Fuera) return exigir(antes, slot, como);
        for (int tic = 0; tic < 31 && n_.TiempoCarta.Enabled(); ++tic) n_.TiempoCarta.Timer();
        if (n_.TiempoCarta.Enabled() || imagen.Left() != desde.left || imagen.Top() != desde.top)
            Fallar(como, " to ", p, " left card ", carta, " at ", Punto{imagen.Left(), imagen.Top()}, ", not ", desde);
        exigir(antes, 0, como);
    }

    Punto puntoDentro(std::size_t mano) {
        const ZonaJugada& z = ZonasJugada[mano];
        return {z.desde + elegir(static_cast<int>(z.hasta - z.desde)),
                TopZonaDesde + elegir(static_cast<int>(TopZonaHasta - TopZonaDesde))};
    }

    // Just past an edge of the place, on another hand's place, or anywhere else.
    Punto puntoFuera(std::size_t mano) {
        const ZonaJugada& z = ZonasJugada[mano];
        const Punto dentro = puntoDentro(mano);
        const std::array<Punto, 4> bordes{{{z.desde - 1, dentro.top},
                                           {z.hasta, dentro.top},
                                           {dentro.left, TopZonaDesde - 1},
                                           {dentro.left, TopZonaHasta}}};
        const int caso = elegir(6);
        if (caso < 4) return bordes[static_cast<std::size_t>(caso)];
        if (caso == 4) return puntoDentro(1 + (mano + static_cast<std::size_t>(elegir(2))) % 3);
        for (const Control& ventana = n_.forma();;) {
            const Punto p{elegir(static_cast<int>(ventana.Width() + 2 * Margen)) - Margen,
                          elegir(static_cast<int>(ventana.Height() + 2 * Margen)) - Margen};
            if (!EnZonaJugada(static_cast<int>(mano), p.left, p.top)) return p;
        }
    }

    Falsos falsos_{"programa"};
    AzarDePartida azarPartida_;
    const Puertos puertos_ = [this] {
        Puertos p = falsos_.puertos;
        p.azar = &azarPartida_;
        return p;
    }();
    const bool revisar_;
    std::unique_ptr<Grabadora> grabadora_;
    Juego juego_{grabadora_ ? grabadora_->puertos() : puertos_};
    Estado& e_ = juego_.estado;
    Naipalia& n_ = juego_.naipalia;
    // This game's messages, the first mensajes_ of textos_, whose storage games reuse.
    std::vector<std::string> textos_;
    std::size_t mensajes_ = 0;
    std::optional<Juez> juez_;  // this game's, when judged
    const std::array<Control*, 3> cartas_{&n_.BotonCarta(1), &n_.BotonCarta(2), &n_.BotonCarta(3)};
    const Cuatro envidos_{&n_.BotonEnvido, &n_.BotonRealEnvido, &n_.BotonFaltaEnvido, &n_.BotonFlor};
    const std::array<Control*, 3> trucos_{&n_.BotonTruco, &n_.BotonRetruco, &n_.BotonVale4};
    std::uint64_t azar_ = 0;
    std::vector<bool> respuestas_;  // this game's Yes/No answers
    bool saliendo_ = false;         // a way out answers yes and may end the program
    long acciones_ = 0;
    long accionesPartida_ = 0;
    std::vector<Control*> botones_;  // a dialog's usable buttons, kept to reuse their storage
    std::optional<Huella> huella_;
    std::optional<JugadorExperto> experto_;
    bool opcionesAlAzar_ = false;
    long ganadas_ = 0;
    Tiempos tiempos_;
    int rondaVista_ = -1;
    std::size_t sucesosVistos_ = 0;
};

}  // namespace

void BotonesUsables(const Ventana& dialogo, std::vector<Control*>& botones) {
    botones.clear();
    for (Control* c : dialogo.botones())
        if (usable(*c)) botones.push_back(c);
}

Resultado Jugar(std::uint32_t base, long cantidad, bool revisar, bool conHuella) {
    Mesa mesa(revisar, nullptr, conHuella);
    Resultado r = mesa.serie(base, cantidad);
    r.huella = mesa.huella();
    return r;
}

Resultado JugarContraExperta(std::uint32_t base, long cantidad) {
    Mesa mesa(true);
    mesa.contraExperta();
    return mesa.serie(base, cantidad);
}

Duelo Enfrentar(std::uint32_t base, long cantidad, bool experto, bool revisar) {
    Mesa mesa(revisar);
    if (experto) mesa.jugadorExperto(false);
    Duelo d;
    d.resultado = mesa.serie(base, cantidad);
    d.ganadas = mesa.ganadas();
    d.tiempos = mesa.tiempos();
    return d;
}

Resultado JugarComoExperto(std::uint32_t base, long cantidad) {
    Mesa mesa(true);
    mesa.jugadorExperto(true);
    return mesa.serie(base, cantidad);
}

Resultado Repetir(const Semillas& semillas) {
    Resultado r;
    Mesa(true).jugar(semillas, r);
    return r;
}

Resultado Grabar(std::uint32_t base, const std::vector<Salida>& salidas, const AlGuardar& alGuardar) {
    return Mesa(false, alGuardar).serie(base, static_cast<long>(salidas.size()), salidas);
}

}  // namespace naipalia::autojuego
