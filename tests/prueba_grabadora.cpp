// The recording's lines: what the face hands to the models becomes the driver's commands,
// each after the draws and clock reading it took; only the player who plays shows.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <sstream>

#include "base_falsa.h"
#include "game/archivos.h"
#include "platform/falsos.h"
#include "shell/grabadora.h"
#include "shell/juego.h"

namespace naipalia {
namespace {

// Every draw the game took, to be found again in the recording's random lines.
struct AzarContado : Azar {
    explicit AzarContado(Azar& a) : azar(a) {}
    double siguiente() override { return sorteos.emplace_back(azar.siguiente()); }
    std::optional<std::array<int, 6>> repartoFijado() override { return azar.repartoFijado(); }
    Azar& azar;
    std::vector<double> sorteos;
};

struct Mesa {
    explicit Mesa(bool conBase) {
        // Two players and Ana's envido history: two 27s, one of them a lie.
        base.jugadores = {"Ana", "Beto"};
        base.tantos = {{NombreRelleno("Ana"), "E", 27, true, false}, {NombreRelleno("Ana"), "E", 27, false, false}};
        falsos.responder = [this](const std::string&) { return si ? Respuesta::Si : Respuesta::No; };
        falsos.alMostrarModal = [this](Ventana& v) {
            if (&v == &juego->jugador) {
                // Beto is looked at, Ana chosen.
                for (int i : {1, 0}) {
                    juego->jugador.ListaJugadores.ListIndex(i);
                    juego->jugador.ListaJugadores.Click();
                }
                juego->jugador.BotonJugar.Click();
            } else if (&v == &juego->finRonda) {
                juego->finRonda.BotonMesa.Click();
            }
            v.Hide();
        };
        Puertos p = falsos.puertos;
        p.azar = &azar;
        if (conBase) p.baseDatos = &base;
        grabadora = std::make_unique<Grabadora>(p);
        juego = std::make_unique<Juego>(grabadora->puertos());
        grabadora->enlazar(*juego);
        juego->arrancar();
    }
    void nuevo(bool cartasFijas = true) {
        if (cartasFijas) falsos.proximasCartas = std::array<int, 6>{4, 5, 28, 0, 1, 2};
        desde = azar.sorteos.size();
        juego->naipalia.MenuNuevo.Click();
    }

    Falsos falsos{"/programa"};
    prueba::BaseFalsa base;
    AzarContado azar{*falsos.puertos.azar};
    std::unique_ptr<Grabadora> grabadora;
    std::unique_ptr<Juego> juego;
    bool si = false;
    std::size_t desde = 0;
};

struct Caso {
    const char* nombre;
    bool conBase;
    std::function<void(Mesa&)> jugar;
    std::vector<std::string> lineas;  // in this order
    std::vector<std::string> nunca;   // words
};

const std::vector<Caso> Casos = {
    {"reparto_y_boton",
     false,
     [](Mesa& m) {
         m.juego->naipalia.MenuMCompu.Click();
         m.juego->naipalia.MenuFlorOpcion(2).Click();
         m.nuevo(false);
         m.falsos.segundos = 50000.25;
         m.juego->naipalia.BotonCarta(1).Click();
     },
     {"screen 1024 768", "database none", "clock 43200", "date \"06/12/2026\"", "start", "click MenuFlorOpcion 1",
      "click MenuMCompu", "key F5", "clock 50000.25", "click BotonCarta 1",
      "show TextoJugador.Text TextoComputadora.Text"},
     {"6093"}},
    {"arrastre_pregunta_y_dialogo_sin_la_salida",
     false,
     [](Mesa& m) {
         m.nuevo();
         // Card 4, held at (1, 1), carried to (990, 980) with the right button.
         Control& c = m.juego->naipalia.Carta(4);
         c.MouseDown(BotonDerecho, 0, 1, 1);
         c.MouseMove(BotonDerecho, 0, 1, 1);
         c.MouseMove(BotonDerecho, 0, 1 + 990 - c.Left(), 1 + 980 - c.Top());
         c.MouseUp(BotonDerecho, 0, 1, 1);
         m.si = true;
         m.juego->naipalia.MenuFin.Click();
         for (int i = 0; i < 3; ++i) m.juego->naipalia.TiempoPropaganda.Timer();
         m.juego->naipalia.MenuSalir.Click();
     },
     {"key F5", "drag 4 990 980", "click MenuFin", "yes", "  click BotonMesa", "tick Naipalia.TiempoPropaganda 3",
      "#> VALUE TextoJugador.Text=\"0\"", "#> VALUE TextoComputadora.Text=\"0\""},
     {"MenuSalir"}},
    {"solo_el_jugador_sin_clave",
     true,
     [](Mesa& m) {
         m.nuevo();
         m.juego->naipalia.BotonJugador.Click();
     },
     {"database new", "config false false false false", "player \"Ana\"", "history \"Ana\" E 27 true false",
      "history \"Ana\" E 27 false false", "start", "  type TextoSeleccionJugador \"Ana\"", "  click BotonJugar",
      "key F5", "click BotonJugador", "  type TextoSeleccionJugador \"Ana\"", "  click BotonJugar"},
     {"Beto", archivos::ClaveBase}},
};

std::vector<std::string> palabras(const std::string& linea) {
    std::string limpia = linea;
    for (char& ch : limpia)
        if (ch == '"') ch = ' ';
    std::istringstream in(limpia);
    std::vector<std::string> w;
    for (std::string p; in >> p;) w.push_back(p);
    return w;
}

TEST(Grabadora, LineasDeCadaAccion) {
    for (const Caso& caso : Casos) {
        SCOPED_TRACE(caso.nombre);
        Mesa m(caso.conBase);
        caso.jugar(m);
        const std::string guion = m.grabadora->guion();
        std::istringstream in(guion);
        std::vector<double> grabados;
        std::size_t esperada = 0;
        for (std::string linea; std::getline(in, linea);) {
            if (esperada < caso.lineas.size() && linea == caso.lineas[esperada]) ++esperada;
            const auto w = palabras(linea);
            for (const std::string& nunca : caso.nunca) EXPECT_EQ(std::count(w.begin(), w.end(), nunca), 0) << linea;
            if (!w.empty() && w[0] == "random")
                for (std::size_t i = 1; i < w.size(); ++i) grabados.push_back(std::stod(w[i]));
        }
        EXPECT_EQ(esperada, caso.lineas.size())
            << "missing: " << caso.lineas[std::min(esperada, caso.lineas.size() - 1)] << "\n"
            << guion;
        // Every draw of the game, in order, and no other.
        const std::vector<double> tomados(m.azar.sorteos.begin() + static_cast<std::ptrdiff_t>(m.desde),
                                          m.azar.sorteos.end());
        EXPECT_EQ(grabados, tomados);
    }
}

}  // namespace
}  // namespace naipalia
