// Model data and views without GL: models that are damaged or cannot be
// imported, and what a view can see of a box (the frustum the draws are culled
// with). Placements are tried where the corridor is built and walked.
#include <gtest/gtest.h>

#include <glm/gtc/matrix_transform.hpp>

#include "Placements.h"
#include "TestFiles.h"
#include "render/ScenePass.h"
#include "render/ShadowMap.h"
#include "scene/Frustum.h"
#include "scene/ModelData.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace {

using namespace brindlemoor;
using test::expectNear;

std::string damaged(const std::string& name) { return test::sourcePath("tests/robustness/data/" + name); }

TEST(ModelData, FilesThatCannotBeImportedGiveNoModel) {
    test::TempDir dir;
    std::string vertices;  // over the 32 MiB model limit, though every line of it is sound
    while (vertices.size() < 40u * 1000u * 1000u) {
        vertices += "v 0.125 0.25 0.5\n";
    }
    test::writeFile(dir.file("oversized.obj"), vertices + "f 1 2 3\n");
    for (const std::string& path : {damaged("index_out_of_range.obj"), damaged("index_negative.obj"),
                                    damaged("index_zero.obj"), damaged("empty.obj"), damaged("garbage.obj"),
                                    damaged("compressed_binary.obj"), dir.file("oversized.obj"), dir.path(),
                                    dir.file("missing.obj")}) {
        SCOPED_TRACE(path);
#if defined(__SANITIZE_ADDRESS__)
        __lsan_disable();  // Assimp 5.2 loses the mesh it was building on a bad index: its loss, not ours
#endif
        const io::Result<scene::SharedModel> imported = test::testAssets().models.import(path);
        EXPECT_TRUE(test::testAssets().models.box(path).empty);  // a failure is tried again
#if defined(__SANITIZE_ADDRESS__)
        __lsan_enable();
#endif
        EXPECT_TRUE(!imported || imported.value()->meshes.empty());
    }
}

TEST(ModelData, BrokenMeshesAreLeftOutAndTheSoundTriangleKept) {
    // Both hold the unit triangle first, then lines and points, or a cut-off face.
    for (const char* name : {"lines_and_points.obj", "truncated.obj"}) {
        SCOPED_TRACE(name);
        const io::Result<scene::SharedModel> imported = test::testAssets().models.import(damaged(name));
        ASSERT_TRUE(imported);
        const scene::ModelData& model = *imported.value();
        ASSERT_EQ(model.meshes.size(), 1u);
        EXPECT_EQ(model.meshes[0].indices.size(), 3u);
        expectNear(model.box.upper - model.box.lower, glm::vec3(1, 1, 0));
    }
}

// The game's camera at the origin looking down -z with the short far plane (75).
const scene::Frustum cameraView(render::projectionFor(1280, 720, true) *
                                glm::lookAt(glm::vec3(0.0f), glm::vec3(0, 0, -1), glm::vec3(0, 1, 0)));

TEST(Frustum, KeepsEveryBoxThatReachesIntoTheCamerasOrTheShadowLightsViewAndNoOther) {
    const scene::Frustum light(render::lightViewProjection(glm::vec3(0, 9, -8)));  // 2 to 15 below, in its cone
    const struct {
        const scene::Frustum& view;
        const char* what;
        glm::vec3 lower, upper;
        bool kept;
    } cases[] = {{cameraView, "ahead", {-1, -1, -12}, {1, 1, -10}, true},
                 {cameraView, "around the camera", {-1, -1, -1}, {1, 1, 1}, true},
                 {cameraView, "behind the camera", {-1, -1, 2}, {1, 1, 5}, false},
                 {cameraView, "left of the view", {-30, -1, -12}, {-20, 1, -10}, false},
                 {cameraView, "across the left edge", {-30, -1, -12}, {-5, 1, -10}, true},
                 {cameraView, "above the view", {-1, 10, -12}, {1, 12, -10}, false},
                 {cameraView, "past the far plane", {-1, -1, -90}, {1, 1, -76}, false},
                 {cameraView, "across the far plane", {-1, -1, -90}, {1, 1, -70}, true},
                 {cameraView, "around the whole view", {-100, -100, -100}, {100, 100, 100}, true},
                 {light, "the floor below the light", {-5.5f, -0.2f, -20}, {5.5f, 0, 4}, true},
                 {light, "the ceiling above it", {-5.5f, 12, -20}, {5.5f, 12.2f, 4}, false},
                 {light, "the storey below", {-5.5f, -18.2f, -20}, {5.5f, -18, 4}, false},
                 {light, "a board far ahead", {-4.8f, 0, -40.5f}, {4.8f, 7.5f, -39.8f}, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(c.view.mayContain(c.lower, c.upper), c.kept) << c.what;
    }
}

TEST(Frustum, OutlineCopiesScaledAboutTheOriginCanReachIntoTheView) {
    // Just right of the view 10 ahead, with its origin 110 units to its left:
    // the copy scaled by 0.99 moves a unit into the view.
    scene::Placement piece(scene::TypeCode::WallPlainRight, scene::Box{{110.3f, -1, -0.01f}, {111, 1, 0}, false});
    piece.translate(-100, 0, -10);
    EXPECT_FALSE(cameraView.mayShow(piece));
    EXPECT_TRUE(cameraView.mayShow(piece, 0.99f, 1.01f));
}

}  // namespace
