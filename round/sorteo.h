#pragma once

namespace naipalia {

// One card from one draw: k = r × 100 (0..99) maps onto 0..39, so the deck is not
// dealt uniformly (20 cards come from three values of k, 20 from two).
inline int CartaDeSorteo(double r) {
    const int k = static_cast<int>(r * 100);
    return static_cast<int>(k * 39.0 / 99.0 + 0.5);  // rounded as lround, k being positive
}

}  // namespace naipalia
