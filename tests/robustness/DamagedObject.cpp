#include "DamagedObject.h"

#include <gtest/gtest.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#define BRINDLEMOOR_LSAN 1
#endif

#include "GlTestEnvironment.h"
#include "TestFiles.h"

namespace brindlemoor::test {

DamagedObject::DamagedObject(render::ShaderProgram* program, const std::string& model, const std::string& colourTexture)
    : SceneObject(glm::mat4(1.0f), program, model, colourTexture, soundTexture()) {}

BuiltObject buildObject(render::ShaderProgram* program, const std::string& model, const std::string& colourTexture) {
    BuiltObject built;
    testing::internal::CaptureStderr();
    built.out = captureStdout([&] { built.object = std::make_unique<DamagedObject>(program, model, colourTexture); });
    built.err = testing::internal::GetCapturedStderr();
    return built;
}

#if defined(BRINDLEMOOR_LSAN)
LibraryLeakScope::LibraryLeakScope() { __lsan_disable(); }
LibraryLeakScope::~LibraryLeakScope() { __lsan_enable(); }
#else
LibraryLeakScope::LibraryLeakScope() = default;
LibraryLeakScope::~LibraryLeakScope() = default;
#endif

std::string damagedFile(const std::string& name) { return sourcePath("tests/robustness/data/" + name); }

std::string soundModel() { return sourcePath("Resources/blackboard/models/blackboard_text.obj"); }

std::string soundTexture() { return sourcePath("Resources/corridor/images/floor_normal.tga"); }

render::ShaderProgram* DamagedDataTest::program = nullptr;

void DamagedDataTest::SetUpTestSuite() {
    ensureGlContext();
    captureStdout([] {
        program = new render::ShaderProgram("Shader/LightsNormalShadowShader.vert",
                                            "Shader/LightsNormalShadowShader.frag");
    });
}

void DamagedDataTest::TearDownTestSuite() {
    delete program;
    program = nullptr;
}

void DamagedDataTest::SetUp() { takeGlError(); }

void DamagedDataTest::TearDown() { EXPECT_EQ(takeGlError(), 0u) << "a GL error was left pending"; }

}  // namespace brindlemoor::test
