// Queued draws for the decision tables: each row gives exactly the draws it expects; a
// draw past the queue answers 0.999 and is marked as one too many.
#pragma once

#include <deque>
#include <vector>

#include "platform/puertos.h"

struct Sorteos : naipalia::Azar {
    std::deque<double> cola;
    int tomados = 0;
    bool demas = false;
    Sorteos() = default;
    explicit Sorteos(const std::vector<double>& s) : cola(s.begin(), s.end()) {}
    double siguiente() override {
        ++tomados;
        if (cola.empty()) {
            demas = true;
            return 0.999;
        }
        const double r = cola.front();
        cola.pop_front();
        return r;
    }
    bool justos() const { return cola.empty() && !demas; }
};
