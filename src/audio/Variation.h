// Small deterministic variation for repeated sounds, so a fast word does not
// sound like a machine gun. An LCG of our own: the game's word choice and
// corridors depend on the sequence of rand(), which sound must never touch.
#pragma once

#include <cstdint>

namespace brindlemoor::audio {

class Variation {
public:
    explicit Variation(std::uint32_t seed) : state_(seed) {}

    // The next value, uniform in [lo, hi).
    float next(float lo, float hi);

private:
    std::uint32_t state_;
};

}  // namespace brindlemoor::audio
