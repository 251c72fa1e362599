// Seeds of the games of a seeded session: game k of a session started with
// --seed N gets its own seeds, so the second game differs from the first but
// is the same on every run (and in a replay).
#pragma once

#include <cstdint>

namespace brindlemoor::app {

// The two places a game seeds the C generator, each with the time when the
// session has no seed: the level (its random layout) and the word choice.
enum class SeedUse : std::uint64_t { Level = 0, Words = 1 };

// SplitMix64's step and finaliser over N, k and the use: neighbouring values
// give unrelated seeds. Folded to the unsigned int that srand takes.
constexpr unsigned int gameSeed(std::uint64_t sessionSeed, std::uint64_t game, SeedUse use) {
    const std::uint64_t stream = 2 * game + static_cast<std::uint64_t>(use);
    std::uint64_t z = sessionSeed + (stream + 1) * 0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return static_cast<unsigned int>(z ^ (z >> 32));
}

}  // namespace brindlemoor::app
