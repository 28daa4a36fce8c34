// Where the cards lie on the table, in twips.
#pragma once

#include <array>

namespace naipalia {

constexpr double AnchoCarta = 1065;
constexpr double AltoCarta = 1440;

// Player's hand, slots 1..3 (element 0 unused).
constexpr double TopMano = 3390;
constexpr std::array<double, 4> LeftMano{0, 3210, 4760, 6310};

// The places of each hand 1..3 on the table.
constexpr double TopMesaJugador = 980;
constexpr std::array<double, 4> LeftMesaJugador{0, 990, 3650, 6270};
constexpr double TopMesaCompu = 500;
constexpr std::array<double, 4> LeftMesaCompu{0, 250, 2860, 5510};

// The computer's face-down cards during play, slots 4..6.
constexpr double TopFondos = 4160;
constexpr std::array<double, 7> LeftFondo{0, 0, 0, 0, 240, 1170, 2100};

// Where a card dragged by its top-left corner is accepted for each hand 1..3: Left in
// [desde, hasta), Top in [TopZonaDesde, TopZonaHasta).
struct ZonaJugada {
    double desde, hasta;
};
constexpr double TopZonaDesde = 700;
constexpr double TopZonaHasta = 960;
constexpr std::array<ZonaJugada, 4> ZonasJugada{{{0, 0}, {990, 1250}, {3650, 3900}, {6260, 6530}}};
inline bool EnZonaJugada(int mano, double left, double top) {
    const ZonaJugada& z = ZonasJugada.at(static_cast<std::size_t>(mano));
    return top >= TopZonaDesde && top < TopZonaHasta && left >= z.desde && left < z.hasta;
}

// The slot of a card in the hand, from its Left.
inline int SlotPorLeft(double left) { return left == LeftMano[1] ? 1 : left == LeftMano[2] ? 2 : 3; }
inline bool EnLaMano(double left) { return left == LeftMano[1] || left == LeftMano[2] || left == LeftMano[3]; }

}  // namespace naipalia
