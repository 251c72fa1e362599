// Turns the distance the boy walks into footsteps: one per stride, so their
// pace follows his speed on straights, corners and stairs alike.
#pragma once

namespace brindlemoor::audio {

class Footsteps {
public:
    // The first step comes after half a stride: a foot lifts as soon as he sets off.
    explicit Footsteps(float stride) : stride_(stride), travelled_(stride / 2.0f) {}

    // Adds the distance walked since the last call; true when it completes a
    // stride. At most one step per call, so a hitch or a jump in position
    // gives one step instead of a burst. Negative or non-finite distances are ignored.
    bool walked(float distance);

    // Steps taken so far (the feet alternate on it).
    unsigned steps() const { return steps_; }

private:
    float stride_;
    float travelled_;
    unsigned steps_ = 0;
};

}  // namespace brindlemoor::audio
