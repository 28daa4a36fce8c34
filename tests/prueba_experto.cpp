// The expert engine decides from what its side may see and learns from the computer's
// moves; its calls and answers follow the chance of the game.
#include <gtest/gtest.h>

#include "opponent/experto.h"

using namespace naipalia;

namespace {

// A round dealt: the player's cards in slots 1-3, the computer's in 4-6.
Estado Reparto(std::array<int, 6> cartas, Lado mano) {
    Estado e;
    e.CartasRepartidas = cartas;
    e.QuienMano = mano;
    return e;
}

// A hand played from these slots.
void Jugada(Estado& e, int mano, int slotJugador, int slotCompu) {
    const auto h = static_cast<std::size_t>(mano);
    e.PosicionJugador[h] = slotJugador;
    e.JerarquiaJugador[h] = JerarquiaTruco(e.carta(slotJugador));
    e.PosicionCompu[h] = slotCompu;
    e.JerarquiaCompu[h] = JerarquiaTruco(e.carta(slotCompu));
}

}  // namespace

TEST(Experto, NoVeLasCartasOcultasYElTantoDichoAcotaLosRepartos) {
    // Whatever the player holds, the computer's view and choice are the same: every hand
    // of three among the 37 cards it cannot see.
    const Consejo a = MejorCarta(VistaDe(Reparto({36, 32, 20, 34, 22, 21}, Lado::Jugador), Lado::Computadora, 1));
    const Consejo b = MejorCarta(VistaDe(Reparto({0, 1, 2, 34, 22, 21}, Lado::Jugador), Lado::Computadora, 1));
    EXPECT_EQ(a.repartos, 7770);
    EXPECT_EQ(std::tie(a.carta, a.repartos, a.ganados), std::tie(b.carta, b.repartos, b.ganados));
    // So for the player's view of the computer's cards.
    const Consejo c = MejorCarta(VistaDe(Reparto({36, 32, 20, 34, 22, 21}, Lado::Jugador), Lado::Jugador, 1));
    const Consejo d = MejorCarta(VistaDe(Reparto({36, 32, 20, 0, 1, 2}, Lado::Jugador), Lado::Jugador, 1));
    EXPECT_EQ(std::tie(c.carta, c.repartos, c.ganados), std::tie(d.carta, d.repartos, d.ganados));

    // A stated 33 is a 7 and a 6 of one suit, with any third card: 4 suits by 35.
    Estado e = Reparto({36, 32, 20, 34, 37, 21}, Lado::Jugador);
    e.TantoCantadoJugador = 33;
    EXPECT_EQ(MejorCarta(VistaDe(e, Lado::Computadora, 1)).repartos, 140);
    // So for the player's view of what the computer stated; a stated flor of 38 is the 7,
    // 6 and 5 of a suit, and the computer holds the 5 de copa.
    Estado f = Reparto({36, 32, 20, 34, 37, 21}, Lado::Jugador);
    f.TantoCantadoCompu = 33;
    EXPECT_EQ(MejorCarta(VistaDe(f, Lado::Jugador, 1)).repartos, 140);
    f.FlorCantadaJugador = 38;
    EXPECT_EQ(MejorCarta(VistaDe(f, Lado::Computadora, 1)).repartos, 3);
    // With a 4 de espada and a 5 de oro down, a 33 is a lie: in hand 3 any card left may
    // be his.
    Jugada(e, 1, 1, 4);
    Jugada(e, 2, 2, 5);
    EXPECT_EQ(MejorCarta(VistaDe(e, Lado::Computadora, 3)).repartos, 35);
}

TEST(Experto, CantaYContestaPorLaChanceDelJuego) {
    // The same falta with the same chance of the tanto: refused at 3-4, where losing it
    // loses the game and a refusal costs a point; taken up at 28-27, where winning it
    // wins the game and losing it does not lose it.
    struct Caso {
        double chance;
        Marcador marcador;
        Cadena cadena, subida;
        Contesta respuesta;
    } casos[] = {
        {0.4, {3, 4, 30}, Cadena::FaltaEnvido, Cadena::Nada, Contesta::NoQuiero},
        {0.4, {28, 27, 30}, Cadena::FaltaEnvido, Cadena::Nada, Contesta::Quiero},
        {0.1, {0, 0, 30}, Cadena::Envido, Cadena::Nada, Contesta::NoQuiero},
        {0.6, {0, 0, 30}, Cadena::Envido, Cadena::Nada, Contesta::Quiero},
        {0.95, {0, 0, 30}, Cadena::Envido, Cadena::EnvidoRealEnvido, Contesta::Sube},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.marcador.mios);
        EXPECT_EQ(ContestarEnvidoExperto(c.chance, c.marcador, c.cadena, c.subida), c.respuesta);
    }

    // The mano's 30 takes every tie; the other side's, none.
    Tantos treintas{};
    treintas[30] = 5;
    EXPECT_EQ(ChanceTanto(treintas, 30, true), 1);
    EXPECT_EQ(ChanceTanto(treintas, 30, false), 0);
    // The computer's rules open a real envido with high tantos: a 28 beats fewer of those.
    const Estado e = Reparto({36, 32, 20, 34, 37, 21}, Lado::Computadora);
    const Tantos todos = TantosPosibles(VistaDe(e, Lado::Jugador, 1));
    const Tantos tras = TantosTrasSuEnvido(todos, Cadena::RealEnvido, true, true, 10, {0, 0, 30});
    EXPECT_LT(ChanceTanto(tras, 28, false) + 0.2, ChanceTanto(todos, 28, false));
    // With 31 the computer's rules raise an envido: that takes it up too.
    Tantos treintaiuno{};
    treintaiuno[31] = 1;
    EXPECT_EQ(ChanceDeQuererEnvido(treintaiuno, Cadena::Envido, 10, {0, 0, 30}), 1);
    // A 33 as mano opens an envido.
    EXPECT_NE(AbrirEnvidoExperto(todos, 33, true, 10, {0, 0, 30}), Cadena::Nada);
}

TEST(Experto, AprendeDeLasJugadasDeLaComputadora) {
    // Answering his 1 de espada, which nothing beats, the computer's rules give up their
    // weakest card: its 7 de oro says its other two are better.
    Estado e = Reparto({0, 36, 38, 3, 1, 2}, Lado::Jugador);
    Jugada(e, 1, 1, 4);
    e.ResultadoManos[1] = ResultadoMano::Jugador;
    const Creencia creencia = TrasSuCarta(e, VistaDe(e, Lado::Jugador, 2), 1);
    EXPECT_EQ(creencia.peso({3, 1, 2}), 1);
    EXPECT_EQ(creencia.peso({3, 1, 4}), 0);  // a 3 de oro would have gone down first

    // Hand 3 decides, his last card down, and the computer calls truco: against his 1 de
    // basto it can hardly win, against his 4 it can hardly lose. Against his 3 de basto its
    // rules call only with a better card, for a tie is his: what looks like good odds is not.
    for (const auto& [suya, acepta] : {std::pair{1, true}, std::pair{36, false}, std::pair{7, false}}) {
        SCOPED_TRACE(suya);
        Estado t = Reparto({suya, 8, 9, 26, 0, 28}, Lado::Jugador);
        Jugada(t, 1, 2, 4);
        Jugada(t, 2, 3, 5);
        t.ResultadoManos[1] = ResultadoMano::Jugador;
        t.ResultadoManos[2] = ResultadoMano::Computadora;
        t.PosicionJugador[3] = 1;
        t.JerarquiaJugador[3] = JerarquiaTruco(suya);
        Vista w = VistaDe(t, Lado::Jugador, 3);
        if (suya == 7) {
            EXPECT_GT(ChanceRonda(w), 0.5);
        }
        const Creencia tras = TrasSuTruco(t, w, NivelTruco::Truco, NivelTruco::Nada);
        w.creencia = &tras;
        EXPECT_EQ(ContestarTrucoContraClasico(t, w, NivelTruco::Truco, true) != Contesta::NoQuiero, acepta);
    }
    // His flor is called only when he holds one.
    const Estado flor = Reparto({5, 9, 15, 0, 1, 2}, Lado::Jugador);
    const Estado sinFlor = Reparto({5, 9, 14, 0, 1, 2}, Lado::Jugador);
    EXPECT_EQ(MovidaDelJugador(flor, VistaDe(flor, Lado::Jugador, 1), true, true, NivelTruco::Nada).tipo,
              Movida::Tipo::Flor);
    EXPECT_NE(MovidaDelJugador(sinFlor, VistaDe(sinFlor, Lado::Jugador, 1), true, true, NivelTruco::Nada).tipo,
              Movida::Tipo::Flor);
}
