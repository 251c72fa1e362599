#include "GlTestEnvironment.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "gl/ShaderProgram.h"
#include "gl/Gl.h"
#include "platform/Window.h"

namespace brindlemoor::test {

namespace {

bool opened = false;

// The driver's own words for every error, where the test sees them; the error
// still reaches takeGlError and the game's own reports.
void GLAPIENTRY onDebugMessage(GLenum source, GLenum type, GLuint id, GLenum, GLsizei, const GLchar* message,
                               const void*) {
    // Compiler messages are the shader tests' business; API errors are bugs.
    if (source == GL_DEBUG_SOURCE_API && type == GL_DEBUG_TYPE_ERROR) {
        ADD_FAILURE() << "GL reports (" << id << "): " << message;
    }
}

}  // namespace

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
    p::openWindowHint(p::hint::DebugContext, 1);
    ASSERT_EQ(p::openWindow(width, height, 0, 0, 0, 0, 32, 0, p::WindowMode::Window), 1);
    glewExperimental = GL_TRUE;
    ASSERT_EQ(glewInit(), GLEW_OK);
    takeGlError();
    if (GLEW_KHR_debug) {
        glEnable(GL_DEBUG_OUTPUT);
        glEnable(GL_DEBUG_OUTPUT_SYNCHRONOUS);
        glDebugMessageCallback(onDebugMessage, nullptr);
    }
    opened = true;
}

const gl::ShaderProgram* sharedSceneProgram() {
    ensureGlContext();
    static const gl::ShaderProgram* program = [] {
        io::Result<gl::ShaderProgram> loaded = gl::ShaderProgram::load(
            io::DataFolder(), "Shader/LightsNormalShadowShader.vert", "Shader/LightsNormalShadowShader.frag");
        return new gl::ShaderProgram(std::move(loaded.value()));
    }();
    return program;
}

GlObjectCounts countGlObjects() {
    // Names are handed out upward and not always reused: look at every name
    // given out so far.
    GLuint probe[3] = {0, 0, 0};
    glGenBuffers(1, &probe[0]);
    glGenVertexArrays(1, &probe[1]);
    glGenTextures(1, &probe[2]);
    const GLuint highest = std::max({probe[0], probe[1], probe[2], 2000u}) + 64;
    glDeleteBuffers(1, &probe[0]);
    glDeleteVertexArrays(1, &probe[1]);
    glDeleteTextures(1, &probe[2]);
    GlObjectCounts counts{};
    for (GLuint name = 1; name <= highest; ++name) {
        const bool live[] = {glIsBuffer(name) == GL_TRUE,  glIsVertexArray(name) == GL_TRUE,
                             glIsTexture(name) == GL_TRUE, glIsProgram(name) == GL_TRUE,
                             glIsShader(name) == GL_TRUE,  glIsFramebuffer(name) == GL_TRUE};
        for (std::size_t kind = 0; kind < counts.size(); ++kind) {
            counts[kind] += live[kind] ? 1 : 0;
        }
    }
    return counts;
}

unsigned int takeGlError() {
    GLenum first = glGetError();
    while (glGetError() != GL_NO_ERROR) {
    }
    return first;
}

int minFilterOf(unsigned int texture) {
    glBindTexture(GL_TEXTURE_2D, texture);
    GLint filter = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filter);
    return filter;
}

}  // namespace brindlemoor::test
