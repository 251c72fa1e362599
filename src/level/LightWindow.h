// The five light positions sent to the scene shader, starting at one light of
// the level's list. Where the window runs past the end of the list, the
// missing lights are parked far above the corridor, where their attenuated
// contribution is nil, so nothing is read past the list.
#pragma once

#include <array>
#include <vector>

#include "scene/WorldMeasures.h"

namespace brindlemoor::level {

constexpr int kLightWindow = world::kLightWindow;

constexpr float kUnusedLight[3] = {0.0f, 1.0e6f, 0.0f};

std::array<float, 3 * kLightWindow> lightWindow(const std::vector<float>& lightPositions, int first);

}  // namespace brindlemoor::level
