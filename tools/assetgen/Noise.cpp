#include "Noise.h"

#include <cmath>

namespace assetgen {

std::uint64_t Rng::next() {
    state_ += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

double Rng::uniform() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }

double hash01(std::int64_t x, std::int64_t y, std::uint32_t seed) {
    std::uint64_t h = static_cast<std::uint64_t>(x) * 0x9E3779B97F4A7C15ULL;
    h ^= static_cast<std::uint64_t>(y) * 0xC2B2AE3D27D4EB4FULL + 0x165667B19E3779F9ULL;
    h ^= static_cast<std::uint64_t>(seed) * 0xD6E8FEB86659FD93ULL;
    h = (h ^ (h >> 32)) * 0xD6E8FEB86659FD93ULL;
    h = (h ^ (h >> 32)) * 0xD6E8FEB86659FD93ULL;
    h ^= h >> 32;
    return static_cast<double>(h >> 11) * (1.0 / 9007199254740992.0);
}

namespace {

std::int64_t wrap(std::int64_t v, int period) {
    if (period <= 0) return v;
    const std::int64_t m = v % period;
    return m < 0 ? m + period : m;
}

double fade(double t) { return t * t * (3.0 - 2.0 * t); }

}  // namespace

double valueNoise(double x, double y, double cell, int periodX, int periodY, std::uint32_t seed) {
    const double fx = x / cell;
    const double fy = y / cell;
    const double flx = std::floor(fx);
    const double fly = std::floor(fy);
    const auto ix = static_cast<std::int64_t>(flx);
    const auto iy = static_cast<std::int64_t>(fly);
    const double tx = fade(fx - flx);
    const double ty = fade(fy - fly);
    const std::int64_t x0 = wrap(ix, periodX), x1 = wrap(ix + 1, periodX);
    const std::int64_t y0 = wrap(iy, periodY), y1 = wrap(iy + 1, periodY);
    const double a = hash01(x0, y0, seed), b = hash01(x1, y0, seed);
    const double c = hash01(x0, y1, seed), d = hash01(x1, y1, seed);
    const double top = a + (b - a) * tx;
    const double bottom = c + (d - c) * tx;
    return top + (bottom - top) * ty;
}

double fractalNoise(double x, double y, double cell, int periodX, int periodY, int octaves,
                    std::uint32_t seed) {
    double sum = 0.0;
    double weight = 1.0;
    double total = 0.0;
    for (int o = 0; o < octaves; ++o) {
        sum += weight * valueNoise(x, y, cell, periodX, periodY, seed + 977u * static_cast<std::uint32_t>(o));
        total += weight;
        weight *= 0.5;
        cell *= 0.5;
        if (periodX > 0) periodX *= 2;
        if (periodY > 0) periodY *= 2;
    }
    return sum / total;
}

}  // namespace assetgen
