// The three shader pairs build on this driver and expose the names the game
// binds, with the types it uploads.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "GlTestEnvironment.h"
#include "platform/Gl.h"
#include "render/ShaderProgram.h"

namespace {

using namespace brindlemoor;

struct Active {
    GLenum type;
    GLint size;
};

std::map<std::string, Active> activeNames(GLuint program, GLenum countQuery, bool attributes) {
    std::map<std::string, Active> names;
    GLint count = 0;
    glGetProgramiv(program, countQuery, &count);
    for (GLint i = 0; i < count; ++i) {
        char name[256] = {};
        GLint size = 0;
        GLenum type = 0;
        if (attributes) {
            glGetActiveAttrib(program, static_cast<GLuint>(i), sizeof(name), nullptr, &size, &type, name);
        } else {
            glGetActiveUniform(program, static_cast<GLuint>(i), sizeof(name), nullptr, &size, &type, name);
        }
        std::string key(name);
        if (key.size() > 3 && key.compare(key.size() - 3, 3, "[0]") == 0) {
            key.resize(key.size() - 3);  // arrays are reported by their first element
        }
        names[key] = Active{type, size};
    }
    return names;
}

void expectNames(const std::map<std::string, Active>& actual, const std::map<std::string, Active>& expected) {
    for (const auto& [name, wanted] : expected) {
        auto found = actual.find(name);
        ASSERT_NE(found, actual.end()) << name << " is not active";
        EXPECT_EQ(found->second.type, wanted.type) << name;
        EXPECT_EQ(found->second.size, wanted.size) << name;
    }
}

class ShaderProgramTest : public testing::Test {
protected:
    void SetUp() override { test::ensureGlContext(); }
};

TEST_F(ShaderProgramTest, NormalMappingProgramExposesEveryAttributeAndSceneUniform) {
    render::ShaderProgram program("Shader/LightsNormalShadowShader.vert", "Shader/LightsNormalShadowShader.frag");
    expectNames(activeNames(program.programHandle, GL_ACTIVE_ATTRIBUTES, true),
                {{"position", {GL_FLOAT_VEC3, 1}},
                 {"normal", {GL_FLOAT_VEC3, 1}},
                 {"uv", {GL_FLOAT_VEC2, 1}},
                 {"tangent", {GL_FLOAT_VEC3, 1}},
                 {"bitangent", {GL_FLOAT_VEC3, 1}}});
    expectNames(activeNames(program.programHandle, GL_ACTIVE_UNIFORMS, false),
                {{"projectionMatrix", {GL_FLOAT_MAT4, 1}},
                 {"viewMatrix", {GL_FLOAT_MAT4, 1}},
                 {"modelMatrix", {GL_FLOAT_MAT4, 1}},
                 {"depthBiasVP", {GL_FLOAT_MAT4, 1}},
                 {"colorTexture", {GL_SAMPLER_2D, 1}},
                 {"normalTexture", {GL_SAMPLER_2D, 1}},
                 {"shadowMap", {GL_SAMPLER_2D_SHADOW, 1}},
                 {"lightposition_ws", {GL_FLOAT_VEC3, 5}}});
    EXPECT_EQ(glGetFragDataLocation(program.programHandle, "fragColor"), 0);
}

TEST_F(ShaderProgramTest, CelProgramExposesWhatCelShadingUses) {
    render::ShaderProgram program("Shader/celShader.vert", "Shader/celShader.frag");
    expectNames(activeNames(program.programHandle, GL_ACTIVE_ATTRIBUTES, true),
                {{"position", {GL_FLOAT_VEC3, 1}}, {"normal", {GL_FLOAT_VEC3, 1}}, {"uv", {GL_FLOAT_VEC2, 1}}});
    expectNames(activeNames(program.programHandle, GL_ACTIVE_UNIFORMS, false),
                {{"projectionMatrix", {GL_FLOAT_MAT4, 1}},
                 {"viewMatrix", {GL_FLOAT_MAT4, 1}},
                 {"modelMatrix", {GL_FLOAT_MAT4, 1}},
                 {"colorTexture", {GL_SAMPLER_2D, 1}},
                 {"lightposition_ws", {GL_FLOAT_VEC3, 5}}});
    EXPECT_EQ(glGetFragDataLocation(program.programHandle, "fragColor"), 0);
}

TEST_F(ShaderProgramTest, DepthProgramExposesPositionAndItsTwoMatrices) {
    render::ShaderProgram program("Shader/depthShader.vert", "Shader/depthShader.frag");
    expectNames(activeNames(program.programHandle, GL_ACTIVE_ATTRIBUTES, true), {{"position", {GL_FLOAT_VEC3, 1}}});
    expectNames(activeNames(program.programHandle, GL_ACTIVE_UNIFORMS, false),
                {{"depthVP", {GL_FLOAT_MAT4, 1}}, {"objectM", {GL_FLOAT_MAT4, 1}}});
}

TEST_F(ShaderProgramTest, DestroyingAProgramDeletesItAndItsTwoShaders) {
    GLuint program = 0;
    GLuint vertex = 0;
    GLuint fragment = 0;
    {
        render::ShaderProgram built("Shader/depthShader.vert", "Shader/depthShader.frag");
        program = built.programHandle;
        vertex = built.vertexHandle;
        fragment = built.fragmentHandle;
        EXPECT_TRUE(glIsProgram(program));
        EXPECT_TRUE(glIsShader(vertex));
        EXPECT_TRUE(glIsShader(fragment));
    }
    EXPECT_FALSE(glIsProgram(program));
    EXPECT_FALSE(glIsShader(vertex));
    EXPECT_FALSE(glIsShader(fragment));
    EXPECT_EQ(test::takeGlError(), 0u);
}

}  // namespace
