// Deterministic randomness for the painters and the chalk brush: a SplitMix64
// stream and hashed value noise that can wrap around a texture's edges.
#pragma once

#include <cstdint>

namespace assetgen {

// SplitMix64: a fixed seed gives the same stream on every machine.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next();
    // Uniform in [0, 1).
    double uniform();
    // Uniform in [lo, hi).
    double range(double lo, double hi) { return lo + (hi - lo) * uniform(); }

private:
    std::uint64_t state_;
};

// A hash of integer coordinates and a seed to [0, 1).
double hash01(std::int64_t x, std::int64_t y, std::uint32_t seed);

// Smooth value noise in [0, 1) on a lattice of `cell` pixels. When periodX or
// periodY is positive the lattice wraps after that many cells, so the noise
// tiles across a texture whose size is period * cell.
double valueNoise(double x, double y, double cell, int periodX, int periodY, std::uint32_t seed);

// Several octaves of valueNoise, each half the cell size of the one before,
// normalised back to [0, 1). Periods double with each octave, so tiling holds.
double fractalNoise(double x, double y, double cell, int periodX, int periodY, int octaves,
                    std::uint32_t seed);

}  // namespace assetgen
