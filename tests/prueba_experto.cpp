// The expert engine decides from what its side may see, and plays the card that takes the
// round in the most deals, the weakest among equals.
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

TEST(Experto, JuegaLaCartaQueGanaLaRondaYGuardaLaFuerte) {
    struct Caso {
        std::array<int, 6> cartas;
        int carta;  // the engine's card in hand 2
        bool siempre;
    } casos[] = {
        // Having taken hand 1 with the 7 de espada, the 4 de copa and then the 1 de espada
        // take the round in every deal: the 4 goes first.
        {{2, 0, 37, 14, 22, 21}, 37, true},
        // After a tie in hand 1 the next hand decides: only the 1 de espada always takes it.
        {{5, 0, 37, 4, 22, 21}, 0, true},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.carta);
        Estado e = Reparto(c.cartas, Lado::Jugador);
        Jugada(e, 1, 1, 4);
        const Consejo consejo = MejorCarta(VistaDe(e, Lado::Jugador, 2));
        EXPECT_EQ(consejo.carta, c.carta);
        EXPECT_EQ(consejo.repartos, 630);
        EXPECT_EQ(consejo.ganados == consejo.repartos, c.siempre);
    }
}
