// The generator's own small random source (SplitMix64), so that the speckle
// textures are the same bytes on every machine and every run.
#pragma once

#include <cstdint>

namespace artgen {

class Prng {
public:
    explicit Prng(uint64_t seed) : state_(seed) {}
    uint64_t Next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // A value from 0 to bound - 1 (bound > 0); the tiny modulo bias is harmless here.
    uint32_t Below(uint32_t bound) { return uint32_t((Next() >> 32) % bound); }

private:
    uint64_t state_;
};

} // namespace artgen
