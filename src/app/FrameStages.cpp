#include "app/FrameStages.h"

namespace brindlemoor::app {

namespace {
FrameStageListener currentListener = nullptr;
}

void setFrameStageListener(FrameStageListener listener) { currentListener = listener; }

void markFrameStage(FrameStage stage) {
    if (currentListener != nullptr) {
        currentListener(stage);
    }
}

}  // namespace brindlemoor::app
