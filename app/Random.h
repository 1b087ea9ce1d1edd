#pragma once
// The game's random numbers: a linear congruential generator, seeded once from
// the clock at start. Every chance in the game follows from it, so tests seed it
// and pin its exact outputs.

#include <cstdint>

namespace zb {

class Random {
  public:
    std::uint32_t seed = 0;

    void randomize(std::uint32_t clock) { seed = clock; }
    // Next value in 0..n-1 (0 when n is 0).
    std::uint32_t operator()(std::uint32_t n) {
        seed = seed * 134775813u + 1u;
        return static_cast<std::uint32_t>((static_cast<std::uint64_t>(seed) * n) >> 32);
    }
};

} // namespace zb
