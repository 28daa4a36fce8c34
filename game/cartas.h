// The 40-card Spanish deck, numbered in truco order of strength (0 strongest).
#pragma once

#include <array>

namespace naipalia {

constexpr int CantidadCartas = 40;
constexpr int SinJugar = 40;    // class of a hand not played yet
constexpr int SinDeducir = 14;  // deduced class when nothing is known

struct DatosCarta {
    int cara;       // 1-7, 10-12
    char palo;      // 'E' espada, 'B' basto, 'O' oro, 'C' copa
    int jerarquia;  // truco class: lower wins, equal ties
    int envido;     // face for 1-7, 0 for the figures
};

inline constexpr std::array<DatosCarta, CantidadCartas> TablaCartas{{
    {1, 'E', 0, 1},  {1, 'B', 1, 1},  {7, 'E', 2, 7},  {7, 'O', 3, 7},  {3, 'O', 4, 3},  {3, 'E', 4, 3},
    {3, 'C', 4, 3},  {3, 'B', 4, 3},  {2, 'O', 5, 2},  {2, 'E', 5, 2},  {2, 'C', 5, 2},  {2, 'B', 5, 2},
    {1, 'O', 6, 1},  {1, 'C', 6, 1},  {12, 'O', 7, 0}, {12, 'E', 7, 0}, {12, 'C', 7, 0}, {12, 'B', 7, 0},
    {11, 'O', 8, 0}, {11, 'E', 8, 0}, {11, 'C', 8, 0}, {11, 'B', 8, 0}, {10, 'E', 9, 0}, {10, 'O', 9, 0},
    {10, 'B', 9, 0}, {10, 'C', 9, 0}, {7, 'C', 10, 7}, {7, 'B', 10, 7}, {6, 'O', 11, 6}, {6, 'E', 11, 6},
    {6, 'C', 11, 6}, {6, 'B', 11, 6}, {5, 'O', 12, 5}, {5, 'E', 12, 5}, {5, 'C', 12, 5}, {5, 'B', 12, 5},
    {4, 'E', 13, 4}, {4, 'C', 13, 4}, {4, 'B', 13, 4}, {4, 'O', 13, 4},
}};

inline constexpr int JerarquiaTruco(int carta) { return TablaCartas.at(static_cast<std::size_t>(carta)).jerarquia; }
inline constexpr int ValorEnvido(int carta) { return TablaCartas.at(static_cast<std::size_t>(carta)).envido; }
inline constexpr char PaloCarta(int carta) { return TablaCartas.at(static_cast<std::size_t>(carta)).palo; }

// The card of a suit with a given envido value and the class it has, for the deduction
// of the player's unplayed card (a 0 stands for any figure: class 8).
int ClaseCartaPorValor(int valor, char palo);

}  // namespace naipalia
