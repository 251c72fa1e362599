// The frame loop: one pass per frame of movement, collision, letters, lights,
// drawing and the developer keys.
#pragma once

#include "platform/KeyLatch.h"

namespace brindlemoor::app {

struct FrameLoop {
    bool running = true;
    double previousTime = 0.0;
    double fpsTime = 0.0;
    int fpsFrames = 0;
};

// Starts the loop's clock (just before the first game is set up).
void beginFrameLoop(FrameLoop& loop);
// One pass of the loop, with the key events since the previous pass.
void runFramePass(FrameLoop& loop);

}  // namespace brindlemoor::app
