// Scene objects on the GPU: every kind of the catalogue builds with its files
// and type code, owns its own textures, and damaged models and textures draw
// nothing or sample nothing without a GL error. (That textures are complete
// shows in the pictures, that they are given back in the soak test.)
#include <gtest/gtest.h>

#include <memory>

#include "GlTestEnvironment.h"
#include "TestOutput.h"
#include "gl/ShaderProgram.h"
#include "io/TgaImage.h"
#include "scene/Catalogue.h"
#include "scene/SceneObject.h"

namespace {

using namespace brindlemoor;

class TestObject : public scene::SceneObject {
public:
    TestObject(const std::string& model, const std::string& colour = "Resources/corridor/images/floor.tga")
        : SceneObject(test::testAssets().assets(), glm::mat4(1.0f), test::sharedSceneProgram(), model, colour,
                      "Resources/corridor/images/floor_normal.tga") {}
    void update(double) override {}
};

struct Built {
    std::unique_ptr<scene::SceneObject> object;
    std::string out, err;
};

template <class Make>
Built build(Make make) {
    Built built;
    test::CapturedOutput& printed = test::testAssets().printed;
    printed.take();
    printed.takeErrors();
    built.object = make();
    built.out = printed.take();
    built.err = printed.takeErrors();
    return built;
}

// Everything a frame and the shadow pass do with an object.
void useEverywhere(scene::SceneObject& object) {
    const gl::ShaderProgram& program = *test::sharedSceneProgram();
    object.rotate(1);
    object.translate(1.0f, 2.0f, 3.0f);
    program.use();
    object.drawTextured(program.programHandle(), true);
    object.drawOutline(program.programHandle(), {1.02f});
    object.prepareShadow(program);
    object.drawForShadows();
}

GLint levelWidth(GLuint texture, GLint level) {
    GLint width = -1;
    glBindTexture(GL_TEXTURE_2D, texture);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &width);
    return width;
}

class SceneObjectTest : public testing::Test {
protected:
    void SetUp() override { test::ensureGlContext(); }
    void TearDown() override { EXPECT_EQ(test::takeGlError(), 0u); }
};

TEST_F(SceneObjectTest, EveryKindBuildsWithItsFilesAndOwnsItsGlObjects) {
    for (const scene::CatalogueEntry& entry : scene::catalogue()) {
        SCOPED_TRACE(entry.className);
        const auto program = test::sharedSceneProgram();
        Built a = build([&] { return scene::makeObject(test::testAssets().assets(), entry.code, program); });
        Built b = build([&] { return scene::makeObject(test::testAssets().assets(), entry.code, program); });
        // The importer's (empty) error string, but not for the end pieces,
        // which are not among the level's objects.
        const bool endPiece = entry.code == scene::TypeCode::EndWalls || entry.code == scene::TypeCode::EndFloor;
        EXPECT_EQ(a.out, endPiece ? "" : "\n");
        EXPECT_EQ(a.object->getTypeCode(), entry.code);
        EXPECT_EQ(a.object->modelPath, entry.model);
        EXPECT_GT(a.object->meshCount(), 0u);
        EXPECT_FALSE(a.object->localBox.empty);
        EXPECT_NE(a.object->colorTexture(), b.object->colorTexture());
        useEverywhere(*b.object);
    }
}

TEST_F(SceneObjectTest, AModelThatCannotBeImportedDrawsNothingAndSaysSoOnStandardError) {
    const std::string missing = "tests/robustness/data/missing.obj";
    Built built = build([&] { return std::make_unique<TestObject>(missing); });
    EXPECT_EQ(built.err, "assimp: importer.readfile failed to read the file:" + missing + "\n");
    EXPECT_EQ(built.out, "");
    EXPECT_EQ(built.object->meshCount(), 0u);
    useEverywhere(*built.object);
    EXPECT_EQ(built.object->boxUpper, glm::vec4(0.0f));
    EXPECT_TRUE(glIsTexture(built.object->colorTexture()));
}

TEST_F(SceneObjectTest, TexturesThatCannotBeReadStayWithoutAnImageAndAreNotReported) {
    for (const char* name : {"empty.tga", "truncated_header.tga", "huge_dimensions.tga", "wrong_image_type.tga",
                             "rle_past_end.tga", "truncated_pixels.tga"}) {
        SCOPED_TRACE(name);
        const std::string path = std::string("tests/robustness/data/") + name;
        io::Image image;
        EXPECT_FALSE(io::decodeTgaFile(path, image));
        Built built = build([&] { return std::make_unique<TestObject>("Resources/blackboard/models/blackboard_text.obj", path); });
        EXPECT_EQ(built.err, "");
        EXPECT_EQ(levelWidth(built.object->colorTexture(), 0), 0);
        EXPECT_GT(levelWidth(built.object->normalTexture(), 0), 0);
        useEverywhere(*built.object);
    }
}

}  // namespace
