// The window of five lights the scene shader receives; it moves along the
// corridor one light at a time as the player reaches new floors.
#include "level/LightWindow.h"
#include "level/Level.h"
#include "gl/ShaderProgram.h"

namespace brindlemoor::level {

std::array<float, 3 * kLightWindow> lightWindow(const std::vector<float>& lightPositions, int first) {
    std::array<float, 3 * kLightWindow> window{};
    const long long lights = static_cast<long long>(lightPositions.size() / 3);
    for (int k = 0; k < kLightWindow; ++k) {
        const long long light = static_cast<long long>(first) + k;
        for (int c = 0; c < 3; ++c) {
            window[3 * k + c] = (light >= 0 && light < lights)
                                    ? lightPositions[static_cast<std::size_t>(3 * light + c)]
                                    : kUnusedLight[c];
        }
    }
    return window;
}

void Level::advanceLights() {
    lightIndex += 1;
    assets_.out.line("lightIndex: ", static_cast<unsigned int>(lightIndex));
    const GLuint programHandle = shader != nullptr ? shader->programHandle() : 0;
    glUseProgram(programHandle);
    const std::array<float, 3 * kLightWindow> window = lightWindow(lightPositions, lightIndex);
    glUniform3fv(glGetUniformLocation(programHandle, "lightposition_ws"), kLightWindow, window.data());
}

}  // namespace brindlemoor::level
