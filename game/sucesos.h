// What happened at the table, told by the rule that made it happen. The anotador keeps
// it and the face shows it; neither has to guess it from the controls or the messages.
#pragma once

#include <cstdint>
#include <variant>

#include "game/estado.h"

namespace naipalia {

// Why points were credited.
enum class Motivo : std::uint8_t { Envido, Flor, Truco, Penalidad, Mazo };

namespace suceso {

// A new round's cards are dealt.
struct Reparto {};
// A card put down in hand 1-3 from the side's hand slot (1-6); `abre` when it leads.
struct CartaJugada {
    Lado lado;
    int mano;
    int carta;
    int slot;
    bool abre;
};
// The envido's chain as called, accepted at this level.
struct EnvidoQuerido {
    Cadena cadena;
    Cadena nivel;
};
struct EnvidoGanado {
    Lado lado;
};
// The side that accepted the truco at this level holds the quiero.
struct TrucoQuerido {
    Lado lado;
    NivelTruco nivel;
};
struct FlorGanada {
    Lado lado;
};
// A side states its envido's or its flor's points.
struct TantoDeclarado {
    Lado lado;
    int puntos;
};
// A hand decided: its winner, or a tie.
struct ResultadoDeMano {
    int mano;
    ResultadoMano resultado;
};
// A side goes to the deck.
struct AlMazo {
    Lado lado;
};
// Another player sits at the table (a new name in the shared state).
struct JugadorElegido {};
// Points about to be added to a side, and why.
struct Puntos {
    Lado lado;
    int puntos;
    Motivo motivo;
};

}  // namespace suceso

using Suceso = std::variant<suceso::Reparto, suceso::CartaJugada, suceso::ResultadoDeMano, suceso::EnvidoQuerido,
                            suceso::EnvidoGanado, suceso::TrucoQuerido, suceso::FlorGanada, suceso::TantoDeclarado,
                            suceso::AlMazo, suceso::JugadorElegido, suceso::Puntos>;

}  // namespace naipalia
