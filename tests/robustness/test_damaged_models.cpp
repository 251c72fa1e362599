// Damaged OBJ files: a model that cannot be imported draws nothing and says
// so on standard error; one that imports with broken meshes draws only its
// sound meshes. Nothing crashes, reads out of bounds or leaks GL objects.
#include <gtest/gtest.h>

#include <assimp/scene.h>

#include "DamagedObject.h"
#include "GlTestEnvironment.h"
#include "TestFiles.h"
#include "platform/Gl.h"

namespace {

using namespace brindlemoor;
using test::DamagedDataTest;

// Everything a frame and the shadow pass do with an object.
void useEverywhere(scene::SceneObject& object, render::ShaderProgram* program) {
    object.rotate(1);
    object.translate(1.0f, 2.0f, 3.0f);
    glUseProgram(program->programHandle);
    object.draw();
    object.prepareShadow(program);
    object.drawForShadows();
    glUseProgram(0);
}

TEST_F(DamagedDataTest, ModelsThatCannotBeImportedDrawNothingAndSaySo) {
    test::TempDir dir;
    // Over the 32 MiB model limit, though every line of it is sound.
    const std::string oversized = dir.file("oversized.obj");
    std::string vertices;
    while (vertices.size() < 40u * 1000u * 1000u) {
        vertices += "v 0.125 0.25 0.5\n";
    }
    test::writeFile(oversized, vertices + "f 1 2 3\n");
    vertices = std::string();

    const test::GlObjectCounts before = test::countGlObjects();
    for (const std::string& model :
         {test::damagedFile("index_out_of_range.obj"), test::damagedFile("index_negative.obj"),
          test::damagedFile("index_zero.obj"), test::damagedFile("empty.obj"), oversized, dir.path()}) {
        SCOPED_TRACE(model);
        test::BuiltObject built;
        if (model.find("index_out_of_range") != std::string::npos || model.find("index_negative") != std::string::npos) {
            const test::LibraryLeakScope assimpLosesTheMesh;
            built = build(model);
        } else {
            built = build(model);
        }
        EXPECT_EQ(built.err, "assimp: importer.readfile failed to read the file:" + model + "\n");
        EXPECT_EQ(built.out, "");
        EXPECT_EQ(built.object->scene, nullptr);
        EXPECT_TRUE(built.object->meshEntries.empty());
        useEverywhere(*built.object, program);
        EXPECT_EQ(built.object->boxLower, glm::vec4(0.0f));
        EXPECT_EQ(built.object->boxUpper, glm::vec4(0.0f));
        EXPECT_TRUE(glIsTexture(built.object->colorTexture));
    }
    EXPECT_TRUE(test::countGlObjects() == before);
}

TEST_F(DamagedDataTest, ModelsWithBrokenMeshesDrawOnlyTheirSoundTriangles) {
    // Both files hold the unit triangle (0,0,0) (1,0,0) (0,1,0) first; after it
    // come line and point primitives, or a face cut off in the middle.
    const test::GlObjectCounts before = test::countGlObjects();
    for (const char* name : {"lines_and_points.obj", "truncated.obj"}) {
        SCOPED_TRACE(name);
        test::BuiltObject built = build(test::damagedFile(name));
        EXPECT_EQ(built.err, "");
        ASSERT_NE(built.object->scene, nullptr);
        EXPECT_GT(built.object->scene->mNumMeshes, 1u);
        ASSERT_EQ(built.object->meshEntries.size(), 1u);
        EXPECT_EQ(built.object->meshEntries[0].faceCount, 1u);
        EXPECT_EQ(built.object->meshEntries[0].mesh->mPrimitiveTypes, unsigned{aiPrimitiveType_TRIANGLE});
        useEverywhere(*built.object, program);
        EXPECT_EQ(built.object->shadowMeshEntries.size(), 1u);
        // The box is the triangle's alone, turned and moved: x' = z, z' = -x.
        built.object->rotate(3);
        built.object->translate(0.0f, 0.0f, 0.0f);
        EXPECT_NEAR(built.object->boxUpper.y - built.object->boxLower.y, 1.0f, 1e-5f);
        EXPECT_NEAR(built.object->boxUpper.x - built.object->boxLower.x, 1.0f, 1e-5f);
    }
    EXPECT_TRUE(test::countGlObjects() == before);
}

TEST_F(DamagedDataTest, GarbageAndBinaryFilesNamedObjDrawNothing) {
    for (const char* name : {"garbage.obj", "compressed_binary.obj"}) {
        SCOPED_TRACE(name);
        test::BuiltObject built = build(test::damagedFile(name));
        EXPECT_TRUE(built.object->meshEntries.empty());
        useEverywhere(*built.object, program);
        EXPECT_EQ(built.object->boxUpper, glm::vec4(0.0f));
    }
}

}  // namespace
