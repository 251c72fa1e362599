// Seeds of the games of a seeded session: game k of a session started with
// --seed N gets its own seed, so the second game differs from the first but
// is the same on every run (and in a replay).
#pragma once

#include <cstdint>

namespace brindlemoor::app {

// SplitMix64's step and finaliser over N and k: neighbouring N or k give
// unrelated seeds. Folded to the unsigned int that srand takes.
constexpr unsigned int gameSeed(std::uint64_t sessionSeed, std::uint64_t game) {
    std::uint64_t z = sessionSeed + (game + 1) * 0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return static_cast<unsigned int>(z ^ (z >> 32));
}

}  // namespace brindlemoor::app
