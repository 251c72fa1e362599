// The three shader pairs build on this driver and expose the names the game
// binds, with the types it uploads; a pair that cannot be built says why.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "GlTestEnvironment.h"
#include "TestFiles.h"
#include "gl/ShaderProgram.h"

namespace {

using namespace brindlemoor;

struct Active {
    GLenum type;
    GLint size;
};
using Names = std::map<std::string, Active>;

gl::ShaderProgram load(const std::string& vertex, const std::string& fragment) {
    io::Result<gl::ShaderProgram> program = gl::ShaderProgram::load(io::DataFolder(), vertex, fragment);
    EXPECT_TRUE(program.ok()) << program.reason();
    return std::move(program.value());
}

Names activeNames(GLuint program, bool attributes) {
    Names names;
    GLint count = 0;
    glGetProgramiv(program, attributes ? GL_ACTIVE_ATTRIBUTES : GL_ACTIVE_UNIFORMS, &count);
    for (GLint i = 0; i < count; ++i) {
        char name[256] = {};
        GLint size = 0;
        GLenum type = 0;
        (attributes ? glGetActiveAttrib : glGetActiveUniform)(program, static_cast<GLuint>(i), sizeof(name), nullptr,
                                                              &size, &type, name);
        std::string key(name);
        if (key.size() > 3 && key.compare(key.size() - 3, 3, "[0]") == 0) {
            key.resize(key.size() - 3);  // arrays are reported by their first element
        }
        names[key] = Active{type, size};
    }
    return names;
}

class ShaderProgramTest : public testing::Test {
protected:
    void SetUp() override { test::ensureGlContext(); }
};

TEST_F(ShaderProgramTest, EveryPairExposesTheNamesTheGameBinds) {
    const Active vec3{GL_FLOAT_VEC3, 1}, mat4{GL_FLOAT_MAT4, 1}, sampler{GL_SAMPLER_2D, 1};
    const Active lights{GL_FLOAT_VEC3, 5};
    struct Pair {
        const char* name;
        Names attributes;
        Names uniforms;
    };
    const Pair pairs[] = {
        {"LightsNormalShadowShader",
         {{"position", vec3}, {"normal", vec3}, {"uv", {GL_FLOAT_VEC2, 1}}, {"tangent", vec3}, {"bitangent", vec3}},
         {{"projectionMatrix", mat4}, {"viewMatrix", mat4}, {"modelMatrix", mat4}, {"depthBiasVP", mat4},
          {"colorTexture", sampler}, {"normalTexture", sampler}, {"shadowMap", {GL_SAMPLER_2D_SHADOW, 1}},
          {"lightposition_ws", lights}}},
        {"celShader",
         {{"position", vec3}, {"normal", vec3}, {"uv", {GL_FLOAT_VEC2, 1}}},
         {{"projectionMatrix", mat4}, {"viewMatrix", mat4}, {"modelMatrix", mat4}, {"colorTexture", sampler},
          {"lightposition_ws", lights}}},
        {"depthShader", {{"position", vec3}}, {{"depthVP", mat4}, {"objectM", mat4}}},
    };
    for (const Pair& pair : pairs) {
        SCOPED_TRACE(pair.name);
        const std::string base = std::string("Shader/") + pair.name;
        const gl::ShaderProgram program = load(base + ".vert", base + ".frag");
        for (bool attributes : {true, false}) {
            const Names actual = activeNames(program.programHandle(), attributes);
            for (const auto& [name, wanted] : attributes ? pair.attributes : pair.uniforms) {
                const auto found = actual.find(name);
                ASSERT_NE(found, actual.end()) << name << " is not active";
                EXPECT_EQ(found->second.type, wanted.type) << name;
                EXPECT_EQ(found->second.size, wanted.size) << name;
            }
        }
        EXPECT_EQ(glGetFragDataLocation(program.programHandle(), "fragColor"), 0);
    }
}

TEST_F(ShaderProgramTest, DestroyingAProgramDeletesItAndItsTwoShaders) {
    GLuint names[3] = {0, 0, 0};
    {
        const gl::ShaderProgram built = load("Shader/depthShader.vert", "Shader/depthShader.frag");
        names[0] = built.programHandle();
        names[1] = built.vertexHandle();
        names[2] = built.fragmentHandle();
        EXPECT_TRUE(glIsProgram(names[0]) && glIsShader(names[1]) && glIsShader(names[2]));
    }
    EXPECT_FALSE(glIsProgram(names[0]) || glIsShader(names[1]) || glIsShader(names[2]));
}

TEST_F(ShaderProgramTest, APairThatCannotBeBuiltSaysWhyAndLeavesNothingBehind) {
    test::TempDir dir;
    const std::string vertex = "#version 330 core\nin vec3 position;\nout vec3 shade;\n"
                               "void main() { shade = position; gl_Position = vec4(position, 1.0); }\n";
    // Each stage compiles, but they disagree on the type of the value passed between them.
    const std::string mismatched = "#version 330 core\nin vec4 shade;\nout vec4 fragColor;\n"
                                   "void main() { fragColor = shade; }\n";
    test::writeFile(dir.file("good.vert"), vertex);
    test::writeFile(dir.file("empty.frag"), "");
    test::writeFile(dir.file("mismatched.frag"), mismatched);
    struct Case {
        std::string vertex, fragment, message;
        bool hasLog;
    };
    const Case cases[] = {
        {dir.file("missing.vert"), dir.file("missing.frag"), "Failed to open shader file: " + dir.file("missing.vert"),
         false},
        {dir.file("good.vert"), dir.file("empty.frag"), "Failed to compile shader", true},
        {dir.file("good.vert"), dir.file("mismatched.frag"), "Failed to link shader program", true},
    };
    const test::GlObjectCounts before = test::countGlObjects();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        const io::Result<gl::ShaderProgram> program = gl::ShaderProgram::load(io::DataFolder(), c.vertex, c.fragment);
        ASSERT_FALSE(program.ok());
        EXPECT_EQ(program.reason(), c.message);
        // The driver's log follows compile and link failures.
        EXPECT_EQ(program.failure().detail.has_value(), c.hasLog);
        EXPECT_EQ(program.failure().detail.value_or("").empty(), !c.hasLog);
    }
    EXPECT_TRUE(test::countGlObjects() == before);
}

}  // namespace
