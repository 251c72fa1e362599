// The frame loop: one pass per frame of movement, collision, letters, lights,
// drawing and the developer keys.
#pragma once

#include <optional>

#include "render/ScenePass.h"

namespace brindlemoor::app {

class Session;

struct FrameLoop {
    bool running = true;
    double previousTime = 0.0;
    double fpsTime = 0.0;
    int fpsFrames = 0;
    double sleptBefore = 0.0;  // the seconds slept on purpose when the previous frame began
    // A replay gives each frame the time step it was recorded with; otherwise
    // the step is measured on the clock.
    std::optional<double> recordedStep;
};

// No frame moves the player or a walk by more than this much time: a stalled
// frame (a slow disk, a suspended laptop) does not make up for the time lost.
// Within it, no step carries him further than gameplay::kLongestStepDistance
// (half a unit, a tenth of a second at 5 units a second): a faster pace splits
// the frame's motion into steps, each followed by the collision test.
constexpr double kLongestMotionStep = 0.1;

// Starts the loop's clock (just before the first game is set up).
void beginFrameLoop(Session& session);
// One pass of the loop, with the key events since the previous pass.
void runFramePass(Session& session);

// What the scene pass draws of the game as it stands.
render::SceneView currentSceneView();

}  // namespace brindlemoor::app
