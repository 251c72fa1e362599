// The keyboard of the game window: a latch fed by GLFW's key and focus events
// (see Window.cpp).
#pragma once

#include "platform/Input.h"

namespace brindlemoor::platform {

class GlfwKeyboard : public Keyboard {
public:
    InputFrame take() override;
    bool held(int key) override;
};

}  // namespace brindlemoor::platform
