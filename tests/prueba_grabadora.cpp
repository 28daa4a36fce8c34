// The recording's lines: what the face hands to the models becomes the driver's commands,
// each after the draws and clock reading it took; only the player who plays shows.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>

#include "base_falsa.h"
#include "game/archivos.h"
#include "guion/grabadora.h"
#include "platform/falsos.h"
#include "shell/juego.h"

namespace naipalia {
namespace {

// A name with a quote and a backslash, which the script's quoted words escape.
const std::string Pepe = R"(Pepe "el" O'Brien\)";

struct Mesa {
    explicit Mesa(bool conBase) {
        // Two players and Pepe's history: a lie on an envido, a falta envido won.
        base.jugadores = {Pepe, "Beto"};
        base.tantos = {{NombreRelleno(Pepe), "E", 27, true, false}, {NombreRelleno(Pepe), "FE", 30, false, true}};
        falsos.responder = [this](const std::string&) { return si ? Respuesta::Si : Respuesta::No; };
        falsos.alMostrarModal = [this](Ventana& v) {
            if (&v == &juego->jugador) {
                // Beto is looked at, Pepe chosen.
                for (int i : {1, 0}) {
                    juego->jugador.ListaJugadores.ListIndex(i);
                    juego->jugador.ListaJugadores.Click();
                }
                juego->jugador.BotonJugar.Click();
            } else if (&v == &juego->finRonda) {
                juego->finRonda.BotonMesa.Click();
            } else if (&v == &juego->finJuegos) {
                juego->finJuegos.BotonAceptar.Click();
            }
            v.Hide();
        };
        Puertos p = falsos.puertos;
        if (conBase) p.baseDatos = &base;
        grabadora = std::make_unique<Grabadora>(p);
        juego = std::make_unique<Juego>(grabadora->puertos());
        grabadora->enlazar(*juego);
        juego->arrancar();
    }

    Falsos falsos{"/programa"};
    prueba::BaseFalsa base;
    std::unique_ptr<Grabadora> grabadora;
    std::unique_ptr<Juego> juego;
    bool si = false;
};

// The script holds `lineas` in this order and none of the words `nunca`, and replays
// through the driver, names and closing checks included.
void Comprobar(Mesa& m, const std::vector<std::string>& lineas, const std::vector<std::string>& nunca = {}) {
    const std::string guion = m.grabadora->guion();
    std::istringstream in(guion);
    std::size_t esperada = 0;
    for (std::string linea; std::getline(in, linea);) {
        if (esperada < lineas.size() && linea == lineas[esperada]) ++esperada;
        std::string limpia = linea;
        std::ranges::replace(limpia, '"', ' ');
        std::istringstream palabras(limpia);
        for (std::string w; palabras >> w;) EXPECT_EQ(std::count(nunca.begin(), nunca.end(), w), 0) << linea;
    }
    EXPECT_EQ(esperada, lineas.size()) << "missing: " << lineas[std::min(esperada, lineas.size() - 1)] << "\n" << guion;
    const std::string archivo = ::testing::TempDir() + "grabacion-" + std::to_string(getpid()) + ".guion";
    std::ofstream(archivo) << guion;
    EXPECT_EQ(std::system((std::string(NAIPALIA_GUION) + " " + archivo + " > /dev/null").c_str()), 0) << guion;
}

TEST(Grabadora, RepartoBotonArrastrePreguntaDialogoYSalida) {
    Mesa m(false);
    m.juego->naipalia.MenuMCompu.Click();
    m.juego->naipalia.MenuFlorOpcion(2).Click();
    m.juego->naipalia.MenuNuevo.Click();
    for (int vez = 0; vez < 2; ++vez) m.juego->naipalia.MenuMCompu.Click();  // two lines, not one
    m.falsos.segundos = 50000.25;
    m.juego->naipalia.BotonCarta(1).Click();
    // The next card, held at (1, 1), carried to (990, 980) with the right button.
    Control& c = m.juego->naipalia.Carta(m.juego->estado.carta(2));
    c.MouseDown(BotonDerecho, 0, 1, 1);
    c.MouseMove(BotonDerecho, 0, 1, 1);
    c.MouseMove(BotonDerecho, 0, 1 + 990 - c.Left(), 1 + 980 - c.Top());
    c.MouseUp(BotonDerecho, 0, 1, 1);
    m.si = true;
    m.juego->naipalia.MenuFin.Click();
    m.juego->naipalia.MenuAcerca.Click();
    for (int i = 0; i < 3; ++i) m.juego->naipalia.TiempoPropaganda.Timer();
    m.juego->naipalia.BotonAcercaDe.Click();
    m.juego->naipalia.MenuSalir.Click();
    Comprobar(m,
              {"screen 1024 768", "database none", "clock 43200", "date \"06/12/2026\"", "start",
               "click MenuFlorOpcion 1", "click MenuMCompu", "key F5", "click MenuMCompu", "click MenuMCompu",
               "clock 50000.25", "click BotonCarta 1", "drag 37 990 980", "click MenuFin", "yes", "  click BotonMesa",
               // The about window; the program left, its scores written before the way out.
               "click MenuAcerca", "tick Naipalia.TiempoPropaganda 3", "click BotonAcercaDe",
               "show TextoJugador.Text TextoComputadora.Text", "#> VALUE TextoJugador.Text=\"0\"",
               "#> VALUE TextoComputadora.Text=\"0\"", "click MenuSalir", "yes", "#> EXIT"},
              {"6093"});
}

TEST(Grabadora, SoloElJugadorSinClave) {
    Mesa m(true);
    m.juego->naipalia.MenuNuevo.Click();
    m.si = true;
    m.juego->naipalia.BotonMazo.Click();
    m.juego->naipalia.BotonJugador.Click();
    Comprobar(
        m,
        {"database new", "config 30Puntos=false Multimedia=false Recuerdo=false ConFlor=false",
         R"(player "Pepe \"el\" O'Brien\\")", R"(history "Pepe \"el\" O'Brien\\" E 27 true false)",
         R"(history "Pepe \"el\" O'Brien\\" FE 30 false true)", "start",
         R"(  type TextoSeleccionJugador "Pepe \"el\" O'Brien\\")", "  click BotonJugar", "key F5", "click BotonMazo",
         "yes", "click BotonJugador", R"(  type TextoSeleccionJugador "Pepe \"el\" O'Brien\\")", "  click BotonJugar",
         "show TextoJugador.Text TextoComputadora.Text", "#> VALUE TextoJugador.Text=\"0\"",
         "#> VALUE TextoComputadora.Text=\"1\""},
        {"Beto", archivos::ClaveBase});
}

// A game that ended with its round's end is saved whole, and the table's next tick saves
// no copy marked incomplete over it.
TEST(Grabadora, UnJuegoTerminadoQuedaEntero) {
    Mesa m(false);
    std::map<int, std::string> guardados;
    m.grabadora->alGuardar = [&](int partida, const std::string& guion) { guardados[partida] = guion; };
    Naipalia& n = m.juego->naipalia;
    n.MenuNuevo.Click();
    m.si = true;
    for (int ronda = 0; ronda < 40 && !n.TiempoBaile.Enabled(); ++ronda) n.BotonMazo.Click();
    m.si = false;
    for (int tic = 0; tic < 100 && n.TiempoBaile.Enabled(); ++tic) n.TiempoBaile.Timer();
    ASSERT_TRUE(m.juego->estado.FinJuego);
    n.TiempoPropaganda.Timer();
    const std::string& guion = guardados[1];
    EXPECT_NE(guion.find("#> OPEN FinJuegos"), std::string::npos) << guion;
    EXPECT_EQ(guion.find("# incomplete"), std::string::npos) << guion;
}

}  // namespace
}  // namespace naipalia
