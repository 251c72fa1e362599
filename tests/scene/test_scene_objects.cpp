// Scene objects on small models written by the test: placement by quarter
// turns, the bounding box, failed imports and the GL objects an object owns.
#include <gtest/gtest.h>

#include <memory>

#include "GlTestEnvironment.h"
#include "TestFiles.h"
#include "platform/Gl.h"
#include "render/ShaderProgram.h"
#include "scene/SceneObject.h"

namespace {

using namespace brindlemoor;

class TestObject : public scene::SceneObject {
public:
    TestObject(render::ShaderProgram* program, const std::string& model)
        : SceneObject(glm::mat4(1.0f), program, model, test::sourcePath("Resources/corridor/images/floor.tga"),
                      test::sourcePath("Resources/corridor/images/floor_normal.tga")) {}
    void update(double) override {}
};

// Two meshes: a unit cube corner at the origin and a second box far out.
const char* const kTwoMeshes =
    "o first\n"
    "v 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 -1\n"
    "vt 0 0\nvt 1 0\nvt 1 1\n"
    "vn 0 0 1\n"
    "f 1/1/1 2/2/1 3/3/1\nf 1/1/1 3/3/1 4/2/1\n"
    "o second\n"
    "v 4 2 -6\nv 5 2 -6\nv 5 3 -6\n"
    "f 5/1/1 6/2/1 7/3/1\n";

const char* const kNoUvs =
    "v 0 0 0\nv 1 0 0\nv 0 1 0\n"
    "vn 0 0 1\n"
    "f 1//1 2//1 3//1\n";

class SceneObjectTest : public testing::Test {
protected:
    static void SetUpTestSuite() { program = test::sharedSceneProgram(); }
    void SetUp() override {
        test::writeFile(dir.file("two.obj"), kTwoMeshes);
        test::writeFile(dir.file("nouv.obj"), kNoUvs);
        test::takeGlError();
    }
    void TearDown() override { EXPECT_EQ(test::takeGlError(), 0u); }

    std::unique_ptr<TestObject> make(const std::string& name) {
        std::unique_ptr<TestObject> object;
        test::captureStdout([&] { object = std::make_unique<TestObject>(program, dir.file(name)); });
        return object;
    }

    static render::ShaderProgram* program;
    test::TempDir dir;
};

render::ShaderProgram* SceneObjectTest::program = nullptr;

void expectVec3(const glm::vec3& actual, const glm::vec3& expected) {
    EXPECT_NEAR(actual.x, expected.x, 1e-4f);
    EXPECT_NEAR(actual.y, expected.y, 1e-4f);
    EXPECT_NEAR(actual.z, expected.z, 1e-4f);
}

TEST_F(SceneObjectTest, TranslateMovesAlongTheObjectsOwnAxesForEveryOrientation) {
    // translate(1, 2, 3) seen in the world for each quarter turn.
    const glm::vec3 expected[4] = {{1, 2, 3}, {3, 2, -1}, {-1, 2, -3}, {-3, 2, 1}};
    for (int f = 0; f < 4; ++f) {
        SCOPED_TRACE(f);
        auto object = make("two.obj");
        object->translate(10, 0, -20);
        object->rotate(f);
        object->translate(1, 2, 3);
        expectVec3(object->position, glm::vec3(10, 0, -20) + expected[f]);
        // The position is always where the matrix puts the object's origin.
        expectVec3(object->position, glm::vec3(object->modelMatrix[3]));
    }
}

TEST_F(SceneObjectTest, QuarterTurnsAddUpModuloFour) {
    auto object = make("two.obj");
    for (int i = 0; i < 4; ++i) {
        object->rotate(1);
    }
    EXPECT_EQ(object->orientation, 0);
    object->rotate(1);
    object->rotate(2);
    EXPECT_EQ(object->orientation, 3);
    object->rotate(3);
    EXPECT_EQ(object->orientation, 2);
    object->rotate(0);
    EXPECT_EQ(object->orientation, 2);

    auto turned = make("two.obj");
    turned->rotate(1);
    turned->translate(1, 0, 0);
    expectVec3(turned->position, glm::vec3(0, 0, -1));
    expectVec3(glm::vec3(turned->modelMatrix[3]), glm::vec3(0, 0, -1));
}

TEST_F(SceneObjectTest, BoundingBoxCoversEveryMeshThroughTheMatrix) {
    auto object = make("two.obj");
    ASSERT_EQ(object->meshEntries.size(), 2u);
    EXPECT_EQ(object->boxLower, glm::vec4(0.0f));  // not computed before the first placement
    object->translate(2, 0, -3);
    object->rotate(1);  // x -> -z, z -> x about the object's origin
    // Model extents x 0..5, y 0..3, z -6..0 turned: x' = z, z' = -x.
    expectVec3(glm::vec3(object->boxLower), glm::vec3(2 - 6, 0, -3 - 5));
    expectVec3(glm::vec3(object->boxUpper), glm::vec3(2 + 0, 3, -3 - 0));
    expectVec3(object->boxCentre, glm::vec3(-1, 1.5f, -5.5f));
    EXPECT_FLOAT_EQ(object->boxLower.w, 1.0f);
}

TEST_F(SceneObjectTest, AModelThatCannotBeImportedDrawsNothingButKeepsItsTextures) {
    std::unique_ptr<TestObject> object;
    testing::internal::CaptureStderr();
    const std::string out = test::captureStdout([&] { object = std::make_unique<TestObject>(program, dir.file("missing.obj")); });
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(err, "assimp: importer.readfile failed to read the file:" + dir.file("missing.obj") + "\n");
    EXPECT_EQ(out, "");
    EXPECT_EQ(object->scene, nullptr);
    EXPECT_TRUE(object->meshEntries.empty());
    object->translate(5, 5, 5);
    object->rotate(1);
    EXPECT_EQ(object->boxLower, glm::vec4(0.0f));
    EXPECT_EQ(object->boxUpper, glm::vec4(0.0f));
    EXPECT_TRUE(glIsTexture(object->colorTexture));
    EXPECT_TRUE(glIsTexture(object->normalTexture));
    object->draw();
    object->prepareShadow(program);
    object->drawForShadows();
}

TEST_F(SceneObjectTest, ASuccessfulImportPrintsTheEmptyErrorStringAndBuildsEveryBuffer) {
    std::unique_ptr<TestObject> object;
    const std::string out = test::captureStdout([&] { object = std::make_unique<TestObject>(program, dir.file("two.obj")); });
    EXPECT_EQ(out, "\n");
    EXPECT_NE(object->uvBuffer, 0u);
    EXPECT_NE(object->tangentBuffer, 0u);
    EXPECT_NE(object->bitangentBuffer, 0u);
    EXPECT_EQ(object->meshEntries[0].faceCount, 2u);
    EXPECT_EQ(object->meshEntries[1].faceCount, 1u);
}

TEST_F(SceneObjectTest, TexturesCarryEveryMipmapLevelDownToOnePixel) {
    auto object = make("two.obj");
    for (GLuint texture : {object->colorTexture, object->normalTexture}) {
        glBindTexture(GL_TEXTURE_2D, texture);
        GLint base = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &base);
        ASSERT_GT(base, 1);
        int levels = 0;
        while ((base >> levels) > 1) {
            ++levels;
        }
        GLint last = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, levels, GL_TEXTURE_WIDTH, &last);
        EXPECT_EQ(last, 1);
        GLint filter = 0;
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filter);
        EXPECT_EQ(filter, GL_LINEAR_MIPMAP_LINEAR);
    }
}

TEST_F(SceneObjectTest, AMeshWithoutTextureCoordinatesGetsNoUvOrTangentBuffers) {
    auto object = make("nouv.obj");
    ASSERT_EQ(object->meshEntries.size(), 1u);
    EXPECT_NE(object->positionBuffer, 0u);
    EXPECT_NE(object->normalBuffer, 0u);
    EXPECT_EQ(object->uvBuffer, 0u);
    EXPECT_EQ(object->tangentBuffer, 0u);
    EXPECT_EQ(object->bitangentBuffer, 0u);
}

TEST_F(SceneObjectTest, DestroyingObjectsReleasesEveryGlObjectTheyMade) {
    const test::GlObjectCounts before = test::countGlObjects();
    for (int i = 0; i < 200; ++i) {
        auto object = make(i % 2 == 0 ? "two.obj" : "nouv.obj");
        object->prepareShadow(program);
    }
    EXPECT_TRUE(test::countGlObjects() == before);
}

}  // namespace
