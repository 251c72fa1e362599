// A shader pair that cannot be built says why and leaves no GL object behind.
// (The game's own three pairs are built by every game the other tests play;
// what each exposes shows in the pictures and the shadow map they draw.)
#include <gtest/gtest.h>

#include <string>

#include "GlTestEnvironment.h"
#include "TestFiles.h"
#include "gl/ShaderProgram.h"

namespace {

using namespace brindlemoor;

TEST(ShaderProgram, APairThatCannotBeBuiltSaysWhyAndLeavesNothingBehind) {
    test::ensureGlContext();
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
