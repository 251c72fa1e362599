#include "audio/Variation.h"

namespace brindlemoor::audio {

float Variation::next(float lo, float hi) {
    state_ = state_ * 1664525u + 1013904223u;  // Numerical Recipes constants
    // The top 24 bits are the well-mixed ones and fit a float exactly.
    const float unit = static_cast<float>(state_ >> 8) / 16777216.0f;
    return lo + (hi - lo) * unit;
}

}  // namespace brindlemoor::audio
