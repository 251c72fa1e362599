// Optional timing marks inside a frame, for the benchmark: after the game
// update, after the shadow pass, after the scene pass and after the swap.
// Without a listener the marks cost nothing.
#pragma once

namespace brindlemoor::app {

enum class FrameStage { UpdateDone, ShadowPassDone, ScenePassDone, FrameDone };

using FrameStageListener = void (*)(FrameStage stage);

}  // namespace brindlemoor::app
