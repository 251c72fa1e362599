#include "GlTestEnvironment.h"

#include <gtest/gtest.h>

#include "platform/Gl.h"
#include "platform/Window.h"
#include "render/ShaderProgram.h"

namespace brindlemoor::test {

namespace {
bool opened = false;
}

void ensureGlContext(int width, int height) {
    if (opened) {
        return;
    }
    namespace p = brindlemoor::platform;
    ASSERT_EQ(p::init(), 1) << "GLFW cannot start: is there a display (xvfb-run)?";
    p::openWindowHint(p::hint::OpenglVersionMajor, 3);
    p::openWindowHint(p::hint::OpenglVersionMinor, 3);
    p::openWindowHint(p::hint::OpenglProfile, p::hint::OpenglCoreProfile);
    p::openWindowHint(p::hint::Visible, 0);
    ASSERT_EQ(p::openWindow(width, height, 0, 0, 0, 0, 32, 0, p::WindowMode::Window), 1);
    glewExperimental = GL_TRUE;
    ASSERT_EQ(glewInit(), GLEW_OK);
    while (glGetError() != GL_NO_ERROR) {
    }
    opened = true;
}

render::ShaderProgram* sharedSceneProgram() {
    ensureGlContext();
    static render::ShaderProgram* program =
        new render::ShaderProgram("Shader/LightsNormalShadowShader.vert", "Shader/LightsNormalShadowShader.frag");
    return program;
}

bool GlObjectCounts::operator==(const GlObjectCounts& o) const {
    return buffers == o.buffers && vertexArrays == o.vertexArrays && textures == o.textures &&
           programs == o.programs && shaders == o.shaders && framebuffers == o.framebuffers;
}

GlObjectCounts countGlObjects(unsigned int maxName) {
    GlObjectCounts counts;
    for (GLuint name = 1; name <= maxName; ++name) {
        counts.buffers += glIsBuffer(name) ? 1 : 0;
        counts.vertexArrays += glIsVertexArray(name) ? 1 : 0;
        counts.textures += glIsTexture(name) ? 1 : 0;
        counts.programs += glIsProgram(name) ? 1 : 0;
        counts.shaders += glIsShader(name) ? 1 : 0;
        counts.framebuffers += glIsFramebuffer(name) ? 1 : 0;
    }
    return counts;
}

unsigned int takeGlError() {
    GLenum first = glGetError();
    while (glGetError() != GL_NO_ERROR) {
    }
    return first;
}

}  // namespace brindlemoor::test
