// One hidden window with an OpenGL 3.3 core context per test program, opened
// on first use and kept until the program ends, and what GL tests check.
#pragma once

#include <array>

namespace brindlemoor::gl {
class ShaderProgram;
}

namespace brindlemoor::test {

// Opens the hidden window (1280 x 720 unless a size was requested before the
// first call) and makes its context current; fails the calling test when no
// context can be had. GL errors the driver reports are counted (takeGlError).
void ensureGlContext(int width = 1280, int height = 720);

// A normal-mapping scene program built once per test program and kept.
const gl::ShaderProgram* sharedSceneProgram();

// Live GL object names of each kind (kGlObjectKinds), counted with glIsBuffer
// and friends over every name handed out so far: a leak check for code that
// creates and deletes.
using GlObjectCounts = std::array<int, 6>;
constexpr const char* kGlObjectKinds[] = {"buffers",  "vertex arrays", "textures",
                                          "programs", "shaders",       "framebuffers"};
GlObjectCounts countGlObjects();

// The GL error queue drained: the first error found (0 for none).
unsigned int takeGlError();

// The minification filter of a 2D texture.
int minFilterOf(unsigned int texture);

}  // namespace brindlemoor::test
