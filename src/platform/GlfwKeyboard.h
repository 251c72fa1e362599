// The keyboard of the game window (see Window.cpp for how keys are tracked).
#pragma once

#include "platform/Input.h"

namespace brindlemoor::platform {

class GlfwKeyboard : public Keyboard {
public:
    bool isPressed(int key) override;
};

}  // namespace brindlemoor::platform
