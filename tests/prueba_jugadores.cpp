// The players' subsystem over a database that can be made to fail at each step: the
// statistics' arithmetic, and every failure reported by its own message while the game
// goes on; a player's results from his finished games.
#include <gtest/gtest.h>

#include "base_falsa.h"
#include "puertos_prueba.h"
#include "players/estadistica.h"
#include "players/jugador.h"
#include "shell/juego.h"

using namespace naipalia;

namespace {

// The history on: the registry opens at the start.
struct ConRecuerdos {
    prueba::BaseFalsa base;
    ConRecuerdos() { base.opciones[Opcion::Recuerdos] = true; }
};

struct RegistroYRecuerdos : ::testing::Test, ConRecuerdos, prueba::Plataforma {
    RegistroYRecuerdos() : Plataforma(&base) {
        mensajes.clear();
        modales.clear();
    }
};

}  // namespace

// The statistics' figures are truncated to two decimals, never rounded; the computer's
// chance counts the ties only when it is mano.
TEST(Recuerdos, CifrasTruncadasYChanceDeLaComputadora) {
    EXPECT_EQ(std::make_tuple(Estadisticas{.filas = 3, .ganadas = 1}.porcentajeGanado(),
                              Estadisticas{.filas = 3, .mentidas = 2}.porcentajeMentira(),
                              Estadisticas{.filas = 3, .sumaNumero = 100}.promedio()),
              std::make_tuple(33.33, 66.66, 33.33f));
    const std::vector<CuentaTanto> cuentas{{20, 7, 0, 0}, {30, 3, 0, 0}, {33, 10, 0, 0}};
    EXPECT_EQ(std::make_tuple(ChanceComputadora(cuentas, 30, false), ChanceComputadora(cuentas, 30, true),
                              ChanceComputadora(cuentas, 34, false), ChanceComputadora({}, 30, true)),
              std::make_tuple(0.35f, 0.5f, 1.0f, 0.0f));
    // 17 of 20 in single precision is the constant 0.85 itself.
    EXPECT_TRUE(ChanceComputadora({{20, 17, 0, 0}, {33, 3, 0, 0}}, 30, false) <= 0.85f);
}

TEST_F(RegistroYRecuerdos, CadaPasoFallidoDaSuMensajeYNoGuardaNada) {
    const std::pair<PasoBase, const char*> pasos[] = {
        {PasoBase::Abrir, "No es posible entrar a mis \"recuerdos\".   Error : uno"},
        {PasoBase::Interpretar, "No puedo interpretar tus datos.   Error : uno"},
        {PasoBase::Recordar, "No puedo recordar tus datos.   Error : uno"},
    };
    for (const auto& [paso, mensaje] : pasos) {
        mensajes.clear();
        base.falla = FalloBase{paso, "uno"};
        juego->jugadores.GrabarTantoJugador();
        EXPECT_EQ(mensajes, std::vector<std::string>{mensaje});
    }
    EXPECT_TRUE(base.tantos.empty());

    // The registry's own messages; its list is kept as it was.
    auto& r = juego->jugador;
    r.cargar();
    mensajes.clear();
    r.TextoNuevoJugador.Text("Beto");
    base.falla = FalloBase{PasoBase::Recordar, "disco lleno"};
    r.BotonRegistrar.Click();
    EXPECT_EQ(mensajes, std::vector<std::string>{"No puedo recordar tu nombre.   Error : disco lleno"});
    EXPECT_EQ(r.ListaJugadores.List(), std::vector<std::string>{"Ana"});
    r.ListaJugadores.ListIndex(0);
    r.ListaJugadores.Click();
    mensajes.clear();
    falsos.responder = [](const std::string&) { return Respuesta::Si; };
    base.falla = FalloBase{PasoBase::Recordar, "bloqueada"};
    r.BotonEliminar.Click();
    EXPECT_EQ(mensajes.back(), "El Jugador Ana no puede ser eliminado. Error : bloqueada");
    EXPECT_EQ(r.ListaJugadores.List(), std::vector<std::string>{"Ana"});
    // A list that cannot be read is left empty, with the message.
    r.Unload();
    mensajes.clear();
    base.falla = FalloBase{PasoBase::Abrir, "ilegible"};
    r.cargar();
    EXPECT_EQ(mensajes, std::vector<std::string>{"No es posible entrar a mis \"recuerdos\".   Error : ilegible"});
    EXPECT_TRUE(r.ListaJugadores.List().empty());
}

TEST_F(RegistroYRecuerdos, UnNombreConCaracteresDeControlNoSeRegistra) {
    const std::string rechazo =
        "Tu nombre no puede llevar tabulaciones, saltos de línea ni otros caracteres invisibles. Escribilo de nuevo "
        "en la caja Nuevo Jugador, sin ellos.";
    const std::string recordado =
        "Tu nombre de jugador ha sido \"recordado\" con éxito. Se recomienda que tu nombre solo sea usado por ti.";
    const std::pair<std::string, bool> nombres[] = {
        {std::string("Ana\0Beto", 8), false},
        {"Ana\tBeto", false},
        {"Ana\n", false},
        {"\x1f", false},
        {"Beto\x7f", false},
        // Every other character, accents and the edges of the printable range included.
        {" José Ñandú ~", true},
    };
    auto& r = juego->jugador;
    r.cargar();
    for (const auto& [nombre, vale] : nombres) {
        SCOPED_TRACE(nombre);
        mensajes.clear();
        base.jugadores = {"Ana"};
        r.TextoNuevoJugador.Text(nombre);
        r.BotonRegistrar.Click();
        EXPECT_EQ(mensajes, std::vector<std::string>{vale ? recordado : rechazo});
        EXPECT_TRUE(juego->operacion.anotador.sucesos().empty()) << "the registry is no event of the round";
        EXPECT_EQ(base.jugadores.size(), vale ? 2u : 1u);
        EXPECT_EQ(r.ListaJugadores.List().back(), vale ? nombre : "Ana");
        r.ListaJugadores.List({"Ana"});
    }
}

TEST_F(RegistroYRecuerdos, UnaConsultaFallidaDejaResponderALasReglasPropias) {
    falsos.proximasCartas = std::array<int, 6>{2, 5, 14, 3, 4, 15};
    juego->principal.MenuMJugador_Click();
    juego->ronda.MenuNuevo_Click();
    // 20 declarations of 20: the history would raise to falta.
    base.tantos.assign(20, {juego->estado.NombreJugador, "E", 20, false, false});
    modales.clear();
    base.falla = FalloBase{PasoBase::Abrir, "sin acceso"};
    juego->naipalia.BotonEnvido.Click();
    EXPECT_TRUE(juego->estado.ErrorBaseDatos);
    EXPECT_EQ(mensajes.front(), "No es posible entrar a mis \"recuerdos\".   Error : sin acceso");
    // The built-in rules: 30 raises a plain envido to real envido; no statistics.
    EXPECT_EQ(std::tuple(modales, juego->estado.CadenaEnvido, juego->jugadores.RegistrosBase.empty()),
              std::tuple(std::vector<std::string>{"Tanto"}, Cadena::EnvidoRealEnvido, true));
}

// Won and lost, the run the latest games make, the best win; and the menu entry without a
// database.
TEST(MisPartidas, LasCifrasSalenDeLasPartidasEnOrden) {
    struct Caso {
        const char* caso;
        std::vector<std::array<int, 3>> partidas;  // PuntosJuego, the player's and the computer's points
        int ganadas, perdidas, racha, mejor;
    };
    const Caso casos[] = {
        {"ninguna", {}, 0, 0, 0, -1},
        {"una perdida", {{15, 7, 15}}, 0, 1, -1, -1},
        {"la racha cuenta desde el último cambio", {{15, 15, 3}, {15, 2, 15}, {15, 15, 10}, {15, 15, 14}}, 3, 1, 2, 0},
        {"perdidas seguidas", {{15, 15, 3}, {15, 2, 15}, {30, 29, 30}}, 1, 2, -2, 0},
        {"un empate de diferencias no supera a la primera", {{15, 15, 3}, {15, 15, 3}, {30, 30, 18}}, 3, 0, 3, 0},
        {"una diferencia mayor la supera", {{15, 15, 10}, {30, 0, 30}, {30, 30, 14}}, 2, 1, 1, 2},
        {"la computadora en la meta gana aunque él también llegue", {{15, 15, 15}}, 0, 1, -1, -1},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.caso);
        std::vector<FilaPartida> partidas;
        for (const auto& [meta, jugador, compu] : c.partidas)
            partidas.push_back({1, "06/12/2026", "12:00:00", meta, jugador, compu});
        const ResultadosPartidas r = ResumirPartidas(partidas);
        EXPECT_EQ(std::tie(r.ganadas, r.perdidas, r.racha, r.mejor), std::tie(c.ganadas, c.perdidas, c.racha, c.mejor));
        ASSERT_EQ(r.margenes.size(), partidas.size());
        for (std::size_t i = 0; i < partidas.size(); ++i)
            EXPECT_EQ(r.margenes[i], partidas[i].PuntosJugador - partidas[i].PuntosComputadora);
    }
}
