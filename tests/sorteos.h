// The decision tables' scaffolding: each row runs on exactly the draws it expects; a draw
// past the queue answers 0.999 and is marked as one too many.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <deque>
#include <vector>

#include "game/cartas.h"
#include "game/estado.h"
#include "platform/puertos.h"

struct Sorteos : naipalia::Azar {
    std::deque<double> cola;
    bool demas = false;
    explicit Sorteos(const std::vector<double>& s) : cola(s.begin(), s.end()) {}
    double siguiente() override {
        if (cola.empty()) {
            demas = true;
            return 0.999;
        }
        const double r = cola.front();
        cola.pop_front();
        return r;
    }
};

// Checks each row under its index; a row with `sorteos` gets them queued and must take
// them all and no more.
template <typename Filas, typename Revisar>
void revisarFilas(const Filas& filas, Revisar revisar) {
    int indice = 0;
    for (const auto& f : filas) {
        SCOPED_TRACE(::testing::Message() << "row " << indice++);
        if constexpr (requires { f.sorteos; }) {
            Sorteos azar(f.sorteos);
            revisar(f, azar);
            EXPECT_TRUE(azar.cola.empty()) << azar.cola.size() << " draws not taken";
            EXPECT_FALSE(azar.demas) << "a draw too many";
        } else {
            revisar(f);
        }
    }
}

inline int cartaDeClase(int clase) {
    for (int c = 0; c < naipalia::CantidadCartas; ++c)
        if (naipalia::JerarquiaTruco(c) == clase) return c;
    return -1;
}

// The computer's slots 4, 5, 6 hold cards of these classes; the player's are not read.
inline naipalia::Estado conClases(std::array<int, 3> mias) {
    naipalia::Estado e;
    e.CartasRepartidas = {36, 37, 38, cartaDeClase(mias[0]), cartaDeClase(mias[1]), cartaDeClase(mias[2])};
    return e;
}
