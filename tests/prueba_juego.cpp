// The players' subsystem over a database that can be made to fail at each step: the
// statistics, every failure told by its own message while the game goes on, a player's
// finished games. What the computer says and takes as a round or the game ends.
#include <gtest/gtest.h>

#include "base_falsa.h"
#include "puertos_prueba.h"
#include "players/estadistica.h"
#include "players/jugador.h"
#include "players/mis_partidas.h"
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

// The statistics over counts of several rows each are truncated to two decimals, never
// rounded; the computer's chance counts the ties only when it is mano.
TEST_F(RegistroYRecuerdos, LasCifrasDeLaEstadisticaYDeMisPartidas) {
    const Estadistica& d = juego->estadistica;
    juego->jugadores.RegistrosBase = {{20, 2, 2, 0}, {33, 1, 0, 1}};
    juego->jugadores.LlenarEstadistica();
    EXPECT_EQ(std::tie(d.TextoGanado.Text(), d.TextoMentira.Text(), d.TextoPromedio.Text()),
              std::make_tuple(" 33.33 %", " 66.66 %", " 24.33"));
    const std::vector<CuentaTanto> cuentas{{20, 7, 0, 0}, {30, 3, 0, 0}, {33, 10, 0, 0}};
    EXPECT_EQ(std::make_tuple(ChanceComputadora(cuentas, 30, false), ChanceComputadora(cuentas, 30, true),
                              ChanceComputadora(cuentas, 34, false), ChanceComputadora({}, 30, true)),
              std::make_tuple(0.35f, 0.5f, 1.0f, 0.0f));
    // 17 of 20 in single precision is the constant 0.85 itself.
    EXPECT_TRUE(ChanceComputadora({{20, 17, 0, 0}, {33, 3, 0, 0}}, 30, false) <= 0.85f);

    // My games: won and lost, the run the latest games make, the best win; the dialog shows
    // the last row's with each game's margin, read from the games kept under the name as listed.
    struct Caso {
        const char* caso;
        std::vector<std::array<int, 3>> partidas;  // PuntosJuego, the player's and the computer's points
        int ganadas, perdidas, racha, mejor;
    };
    const Caso casos[] = {
        {"la racha cuenta desde el último cambio", {{15, 15, 3}, {15, 2, 15}, {15, 15, 10}, {15, 15, 14}}, 3, 1, 2, 0},
        {"perdidas seguidas", {{15, 15, 3}, {15, 2, 15}, {30, 29, 30}}, 1, 2, -2, 0},
        {"un empate de diferencias no supera a la primera", {{15, 15, 3}, {15, 15, 3}, {30, 30, 18}}, 3, 0, 3, 0},
        {"la computadora en la meta gana aunque él también llegue", {{15, 15, 15}}, 0, 1, -1, -1},
        {"una diferencia mayor la supera", {{15, 15, 10}, {30, 0, 30}, {30, 30, 14}}, 2, 1, 1, 2},
    };
    const MisPartidas& m = juego->misPartidas;
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.caso);
        std::vector<FilaPartida> partidas;
        for (const auto& [meta, jugador, compu] : c.partidas)
            partidas.push_back({1, "06/12/2026", "12:00:00", meta, jugador, compu});
        const ResultadosPartidas r = ResumirPartidas(partidas);
        EXPECT_EQ(std::tie(r.ganadas, r.perdidas, r.racha, r.mejor), std::tie(c.ganadas, c.perdidas, c.racha, c.mejor));
        base.partidas["Ana"] = partidas;
    }
    juego->naipalia.MenuPartidas.Click();
    EXPECT_EQ(std::tie(m.TextoGanadas.Text(), m.TextoPerdidas.Text(), m.TextoRacha.Text(), m.TextoMejor.Text(),
                       m.GraficoPartidas.List()),
              std::make_tuple("2", "1", "1 ganada", "Por 16: 30 a 14, el 06/12/2026",
                              std::vector<std::string>{"5", "-30", "16"}));
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
    // Then the one row stored: the real 33, declared as 25 and lost to the computer's 31.
    std::tie(juego->estado.TantoRealJugador, juego->estado.TantoCantadoJugador, juego->estado.TantoCompu) =
        std::tuple(33, 25, 31);
    juego->jugadores.GrabarTantoJugador();
    ASSERT_EQ(base.tantos.size(), 1u);
    EXPECT_EQ(std::tie(base.tantos[0].Numero, base.tantos[0].MintioJugador, base.tantos[0].GanoJugador),
              std::make_tuple(33, true, false));

    // The registry's own messages, its list kept as it was; then a delete takes that name alone.
    auto& r = juego->jugador;
    base.jugadores = {"Ana", "Beto"};
    r.cargar();
    mensajes.clear();
    r.TextoNuevoJugador.Text("Ciro");
    base.falla = FalloBase{PasoBase::Recordar, "disco lleno"};
    r.BotonRegistrar.Click();
    EXPECT_EQ(mensajes, std::vector<std::string>{"No puedo recordar tu nombre.   Error : disco lleno"});
    r.ListaJugadores.ListIndex(1);
    r.ListaJugadores.Click();
    falsos.responder = [](const std::string&) { return Respuesta::Si; };
    base.falla = FalloBase{PasoBase::Recordar, "bloqueada"};
    r.BotonEliminar.Click();
    EXPECT_EQ(mensajes.back(), "El Jugador Beto no puede ser eliminado. Error : bloqueada");
    r.BotonEliminar.Click();
    // A name with a control character is refused; every other one registers.
    const std::string rechazo =
        "Tu nombre no puede llevar tabulaciones, saltos de línea ni otros caracteres invisibles. Escribilo de nuevo "
        "en la caja Nuevo Jugador, sin ellos.";
    const std::pair<std::string, bool> nombres[] = {
        {std::string("Ana\0Beto", 8), false},
        {"Ana\tBeto", false},
        {"Ana\n", false},
        {"\x1f", false},
        {"Beto\x7f", false},
        // Accents and the edges of the printable range included.
        {" José Ñandú ~", true},
    };
    std::vector<std::string> registrados{"Ana"};
    for (const auto& [nombre, vale] : nombres) {
        SCOPED_TRACE(nombre);
        mensajes.clear();
        r.TextoNuevoJugador.Text(nombre);
        r.BotonRegistrar.Click();
        EXPECT_EQ(mensajes.at(0) == rechazo, !vale);
        EXPECT_TRUE(juego->operacion.anotador.sucesos().empty()) << "the registry is no event of the round";
        if (vale) registrados.push_back(nombre);
    }
    EXPECT_EQ(std::tie(r.ListaJugadores.List(), base.jugadores), std::tie(registrados, registrados));
    // A list that cannot be read is left empty, with the message.
    r.Unload();
    mensajes.clear();
    base.falla = FalloBase{PasoBase::Abrir, "ilegible"};
    r.cargar();
    EXPECT_EQ(mensajes, std::vector<std::string>{"No es posible entrar a mis \"recuerdos\".   Error : ilegible"});
    EXPECT_TRUE(r.ListaJugadores.List().empty());
}

TEST_F(RegistroYRecuerdos, UnaConsultaFallidaDejaResponderALasReglasPropias) {
    jugar({2, 5, 14, 3, 4, 15});
    // 20 declarations of 20: the history would raise to falta.
    base.tantos.assign(20, {juego->estado.NombreJugador, "E", 20, false, false});
    base.falla = FalloBase{PasoBase::Abrir, "sin acceso"};
    juego->naipalia.BotonEnvido.Click();
    EXPECT_EQ(mensajes.front(), "No es posible entrar a mis \"recuerdos\".   Error : sin acceso");
    // The built-in rules: 30 raises a plain envido to real envido; no statistics.
    EXPECT_EQ(std::tuple(modales, juego->estado.CadenaEnvido, juego->jugadores.RegistrosBase.empty(),
                         juego->estado.ErrorBaseDatos),
              std::tuple(std::vector<std::string>{"Tanto"}, Cadena::EnvidoRealEnvido, true, true));
}

// The file still opening at start-up: the registry opens at once with an empty list, which
// fills in once the file is ready; a file that then fails closes it with its message, and
// the game goes on without recuerdos.
TEST(Registro, AbreAntesQueElArchivoYLaListaLlegaDespues) {
    for (const bool abre : {true, false}) {
        prueba::BaseFalsa base;
        base.listoYa = false;
        base.abre = abre;
        std::string visto;
        const prueba::Plataforma p(&base, [&](Juego& j, Ventana& v) {
            Jugador& r = j.jugador;
            if (&v != &r) return v.Hide();
            const auto ver = [&] {
                visto += std::to_string(r.ListaJugadores.List().size()) + (r.TiempoBase.Enabled() ? "+ " : " ");
            };
            for (const bool listo : {false, true}) {
                ver();
                base.listoYa = listo;
                r.TiempoBase.Timer();
            }
            if (r.cargada()) ver(), r.Unload();
        });
        SCOPED_TRACE(abre);
        EXPECT_EQ(visto, abre ? "0+ 0+ 1 " : "0+ 0+ ");
        EXPECT_EQ(std::tuple(p.juego->estado.SinRecuerdos, p.juego->naipalia.MenuRecuerdo.Enabled(), p.mensajes.size()),
                  std::tuple(!abre, abre, abre ? 0u : 1u));
    }
}

// Its deck left pending (by a flor it could not play) closes the round for two; a refused
// call's taunt. The end of the game's remark and face by the winner and the margin, on both
// sides of 5 and 8; only the middle margins toss the coin.
TEST(Cierre, ElMazoPendienteLasBurlasYElRemateDelJuego) {
    prueba::Plataforma p;
    Juego& j = p.jugar({30, 26, 15, 14, 16, 17});
    Estado& e = j.estado;
    p.modales.clear();
    j.ronda.MazoEnSuTurno();
    j.ronda.TurnoComputadora();
    EXPECT_EQ(std::tie(e.PuntosJugador, p.modales.at(0)), std::make_tuple(2, "FinRonda"));
    // A refused call's taunt, by fifths of the draw.
    const std::pair<double, const char*> burlas[] = {{0.19, "Te achicaste!!"},
                                                     {0.2, "No te gustó?\?!"},
                                                     {0.4, "Te sentis bien???"},
                                                     {0.79, "Te asustaste!!"},
                                                     {0.8, "Es mucho para ti?\?!"}};
    for (const auto& [r, linea] : burlas) {
        p.sorteos = {r};
        j.computadora.SubTrucoNoQueridoJugador();
        EXPECT_EQ(j.finRonda.EtiquetaMensaje.Caption(), linea + SufijoFinRonda);
    }
    struct Caso {
        int jugador, compu;
        double moneda;  // -1: no coin is tossed
        std::string mensaje;
        int cara;
    } casos[] = {
        {11, 15, -1, "JE!! TE GANE EL JUEGO!!", 3},
        {10, 15, 0.49, "La próxima vez te dejo ganar... TE GANE EL JUEGO!!", 1},
        {8, 15, 0.5, " TE GANE EL JUEGO!!", 2},
        {7, 15, -1, "DI CATEDRA!! TE GANE EL JUEGO!!", 0},
        {15, 11, -1, "No puedo perder así!! Me ganaste el juego.", 7},
        {15, 10, 0.49, "Ok!! Me ganaste el juego.", 5},
        {15, 8, 0.5, "Quiero llorar. Me ganaste el juego.", 6},
        {15, 7, -1, "Me aplastaste!! Me ganaste el juego.", 4},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(testing::Message() << c.jugador << "-" << c.compu);
        e.PuntosJugador = c.jugador;
        e.PuntosComputadora = c.compu;
        p.sorteos = {c.moneda < 0 ? 0.0 : c.moneda};
        j.finJuegos.Unload();
        j.finJuegos.cargar();
        EXPECT_EQ(j.finJuegos.EtiquetaMensaje.Caption(), c.mensaje);
        EXPECT_EQ(j.finJuegos.Imagen.Picture(), j.operacion.ruta(archivos::Caras[static_cast<std::size_t>(c.cara)]));
        EXPECT_EQ(p.sorteos.size(), c.moneda < 0 ? 1u : 0u);
    }
}

// The round lets through only the calls the player may make, and each one it lets through
// is answered by a message or a dialog: the truco at the next level while nobody or he
// holds the quiero; the envido and the flor before his first card, while neither was
// called and no truco accepted, the flor only in a game with flor.
TEST(Cantos, LaRondaSoloDejaPasarLoQueLeToca) {
    prueba::Plataforma p;
    const auto contesta = [&p](bool conFlor, const auto& preparar, const auto& cantar) {
        if (p.juego->naipalia.opcion(Opcion::Flor) != conFlor) p.juego->naipalia.MenuFlorOpcion(1).Click();
        Juego& j = p.jugar({30, 26, 15, 14, 16, 17});
        preparar(j.estado);
        p.mensajes.clear();
        p.modales.clear();
        cantar(j.ronda);
        return !p.mensajes.empty() || !p.modales.empty();
    };
    const struct {
        NivelTruco estado;
        Lado quien;
        NivelTruco canto;
        bool contesta;
    } trucos[] = {
        {NivelTruco::Nada, Lado::Nadie, NivelTruco::Truco, true},
        {NivelTruco::Nada, Lado::Nadie, NivelTruco::ReTruco, false},
        {NivelTruco::Truco, Lado::Computadora, NivelTruco::ReTruco, false},
        {NivelTruco::Truco, Lado::Jugador, NivelTruco::ReTruco, true},
        {NivelTruco::Truco, Lado::Jugador, NivelTruco::Vale4, false},
        {NivelTruco::ReTruco, Lado::Jugador, NivelTruco::Vale4, true},
        {NivelTruco::ReTruco, Lado::Computadora, NivelTruco::Vale4, false},
        {NivelTruco::Vale4, Lado::Jugador, NivelTruco::Vale4, false},
    };
    for (const auto& c : trucos) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(c.estado) << " " << static_cast<int>(c.canto));
        const auto preparar = [&c](Estado& e) {
            e.EstadoTruco = c.estado;
            e.QuienTruco = c.quien;
        };
        EXPECT_EQ(contesta(false, preparar, [&c](Ronda& r) { r.CantarTruco(c.canto); }), c.contesta);
    }
    const struct {
        const char* caso;
        void (*preparar)(Estado&);
        bool conFlor, contesta;
    } tantos[] = {
        {"nothing called", [](Estado&) {}, true, true},
        {"a game without flor", [](Estado&) {}, false, true},
        {"his first card down", [](Estado& e) { e.PosicionJugador[1] = 2; }, true, false},
        {"the computer's envido", [](Estado& e) { e.QuienEnvido = Lado::Computadora; }, true, false},
        {"an envido accepted", [](Estado& e) { e.EnvidoQuerido = Cadena::Envido; }, true, false},
        {"the computer's flor", [](Estado& e) { e.QuienFlor = Lado::Computadora; }, true, false},
        {"a flor at stake", [](Estado& e) { e.EstadoFlor = NivelFlor::Flor; }, true, false},
        {"a truco accepted", [](Estado& e) { e.EstadoTruco = NivelTruco::Truco; }, true, false},
    };
    for (const auto& c : tantos) {
        SCOPED_TRACE(c.caso);
        EXPECT_EQ(contesta(c.conFlor, c.preparar, [](Ronda& r) { r.CantarEnvidoJugador(Cadena::Envido); }), c.contesta);
        EXPECT_EQ(contesta(c.conFlor, c.preparar, [](Ronda& r) { r.CantarFlorJugador(); }), c.contesta && c.conFlor);
    }
}
