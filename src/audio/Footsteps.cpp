#include "audio/Footsteps.h"

#include <cmath>

namespace brindlemoor::audio {

bool Footsteps::walked(float distance) {
    if (!(distance > 0.0f) || !std::isfinite(distance)) return false;
    travelled_ += distance;
    if (travelled_ < stride_) return false;
    travelled_ = std::fmod(travelled_, stride_);
    ++steps_;
    return true;
}

}  // namespace brindlemoor::audio
