// The models of the data set: they import as the game imports them, carry
// what normal mapping needs, stay within their triangle budgets and fit the
// world geometry that collision, the walks and the lifted boards rely on.
#include <cmath>
#include <string>
#include <vector>

#include <glm/glm.hpp>
#include <gtest/gtest.h>

#include "ModelGeometry.h"
#include "Placements.h"
#include "TestOutput.h"
#include "scene/BoyRig.h"
#include "scene/ModelData.h"

namespace brindlemoor::test {
namespace {

const std::string kCorridor = "Resources/corridor/models/";
const std::string kBoard = "Resources/blackboard/models/blackboard.obj";
const std::string kBoy = "Resources/boy/boy.obj";

constexpr float kExact = 1e-4f;

// Every model with its triangle budget and, where the world geometry fixes
// it, its box: straight pieces span one block and corners end where the next
// block starts. (The others' boxes are checked below.)
struct Model {
    std::string path;
    glm::vec3 lower{0.0f}, upper{0.0f};
    std::size_t maxTriangles = 600;
};
const Model kModels[] = {
    {kCorridor + "floor.obj", {-5.5f, -0.2f, -24}, {5.5f, 0, 0}},
    {kCorridor + "ceiling.obj", {-5.5f, 12, -24}, {5.5f, 12.2f, 0}},
    {kCorridor + "wall_plain_left.obj", {-5.5f, 0, -24}, {-5, 12, 0}},
    {kCorridor + "wall_door_left.obj", {-5.5f, 0, -24}, {-5, 12, 0}},
    {kCorridor + "wall_window_left.obj", {-5.5f, 0, -24}, {-5, 12, 0}},
    {kCorridor + "wall_plain_right.obj", {5, 0, -24}, {5.5f, 12, 0}},
    {kCorridor + "wall_door_right.obj", {5, 0, -24}, {5.5f, 12, 0}},
    {kCorridor + "wall_window_right.obj", {5, 0, -24}, {5.5f, 12, 0}},
    {kCorridor + "Corner_left.obj", {-17.4f, 0, -22.9f}, {5.5f, 12.2f, 0}},
    {kCorridor + "Corner_left_floor.obj", {-17.4f, -0.2f, -22.9f}, {5.5f, 0, 0}},
    {kCorridor + "Corner_right.obj", {-5.5f, 0, -22.9f}, {17.4f, 12.2f, 0}},
    {kCorridor + "Corner_right_floor.obj", {-5.5f, -0.2f, -22.9f}, {17.4f, 0, 0}},
    {kCorridor + "end_walls.obj", {-5.5f, 0, -16}, {5.5f, 12.2f, 0}},
    {kCorridor + "end_floor.obj", {-5.5f, -0.2f, -16}, {5.5f, 0, 0}},
    {kCorridor + "stairs_down.obj"},
    {kCorridor + "stairs_up.obj"},
    {kBoard},
    {"Resources/blackboard/models/blackboard_text.obj"},
    {kBoy, {}, {}, 3000},
};

TEST(DataSetModels, ImportWithEverythingNormalMappingNeedsWithinTheirBudgetsAndBoxes) {
    for (const Model& model : kModels) {
        SCOPED_TRACE(model.path);
        const io::Result<scene::SharedModel> imported = test::testAssets().models.import(model.path);
        ASSERT_TRUE(imported) << imported.reason();
        ASSERT_FALSE(imported.value()->meshes.empty());
        std::size_t triangles = 0;
        for (const scene::MeshData& mesh : imported.value()->meshes) {
            const std::size_t vertices = mesh.vertexCount();
            ASSERT_EQ(mesh.normals.size(), 3 * vertices);
            ASSERT_EQ(mesh.uvs.size(), 2 * vertices);
            ASSERT_EQ(mesh.tangents.size(), 3 * vertices);
            triangles += mesh.indices.size() / 3;
            // Texture u must run to the right and v upward as seen from the
            // front of every face: a mirrored piece that forgot to flip u would
            // light its bumps from the wrong side.
            std::size_t leftHanded = 0;
            for (std::size_t v = 0; v < vertices; ++v) {
                const glm::vec3 t(mesh.tangents[3 * v], mesh.tangents[3 * v + 1], mesh.tangents[3 * v + 2]);
                const glm::vec3 b(mesh.bitangents[3 * v], mesh.bitangents[3 * v + 1], mesh.bitangents[3 * v + 2]);
                const glm::vec3 n(mesh.normals[3 * v], mesh.normals[3 * v + 1], mesh.normals[3 * v + 2]);
                ASSERT_TRUE(std::isfinite(t.x) && std::isfinite(t.y) && std::isfinite(t.z)) << "vertex " << v;
                leftHanded += glm::dot(glm::cross(t, b), n) < 0.0f ? 1 : 0;
            }
            EXPECT_EQ(leftHanded, 0u) << "vertices with a mirrored texture frame";
        }
        EXPECT_GT(triangles, 0u);
        EXPECT_LE(triangles, model.maxTriangles);
        if (model.lower != model.upper) {
            expectNear(imported.value()->box.lower, model.lower, kExact);
            expectNear(imported.value()->box.upper, model.upper, kExact);
        }
    }
}

TEST(DataSetModels, StairsSpanTheWellAndOneStorey) {
    const ModelGeometry down = loadModelGeometry(kCorridor + "stairs_down.obj");
    const ModelGeometry up = loadModelGeometry(kCorridor + "stairs_up.obj");
    ASSERT_TRUE(down.loaded && up.loaded);
    EXPECT_NEAR(down.lower.x, -5.5f, kExact);
    EXPECT_NEAR(down.upper.x, 5.5f, kExact);
    EXPECT_NEAR(down.lower.z, -35.0f, 0.5f);
    EXPECT_NEAR(down.lower.y, -18.0f, 0.05f);
    EXPECT_NEAR(down.upper.y, 12.2f, kExact);
    EXPECT_LE(down.upper.z, kExact);
    // Stairs up are the same well one storey higher.
    EXPECT_NEAR(up.lower.y, down.lower.y + 17.8f, kExact);
    EXPECT_NEAR(up.upper.y, down.upper.y + 17.8f, kExact);
    EXPECT_EQ(up.triangles.size(), down.triangles.size());
}

TEST(DataSetModels, BoyIsAboutOnePointEightTallAndSlimInPartsTheGameCanMove) {
    // One mesh per part of the rig, in the rig's order, named as it names them.
    const io::Result<scene::SharedModel> imported = testAssets().models.import(kBoy);
    ASSERT_TRUE(imported);
    const auto& meshes = imported.value()->meshes;
    const scene::Box& boy = imported.value()->box;
    ASSERT_EQ(meshes.size(), static_cast<std::size_t>(boy::kPartCount));
    for (int p = 0; p < boy::kPartCount; ++p) {
        EXPECT_EQ(meshes[p].name, boy::kParts[p].name);
        EXPECT_FALSE(meshes[p].indices.empty()) << boy::kParts[p].name;
    }
    EXPECT_NEAR(boy.lower.y, 0.0f, 0.005f);
    EXPECT_NEAR(boy.upper.y, 1.8f, 0.05f);
    EXPECT_GE(boy.lower.x, -0.5f);
    EXPECT_LE(boy.upper.x, 0.5f);
    EXPECT_GE(boy.lower.z, -0.3f);
    EXPECT_LE(boy.upper.z, 0.3f);
}

// Standing on the floor, it clears the boy (1.8 tall) when lifted by 4.
TEST(DataSetModels, BoardStandsWithinItsBoxAndClearsTheBoyWhenLifted) {
    const ModelGeometry board = loadModelGeometry(kBoard);
    ASSERT_TRUE(board.loaded);
    EXPECT_NEAR(board.lower.y, 0.0f, kExact);
    EXPECT_LE(board.upper.y, 7.5f);
    EXPECT_GE(board.lower.x, -4.8f);
    EXPECT_LE(board.upper.x, 4.8f);
    EXPECT_GE(board.lower.z, -0.5f);
    EXPECT_LE(board.upper.z, 0.2f + kExact);  // nothing lies in front of a piece's origin but the board's face
    // Wide enough that a boy stepped aside as far as the walls allow still hits it.
    EXPECT_GT(board.upper.x, 4.5f);
    EXPECT_LT(board.lower.x, -4.5f);
}

// Möller-Trumbore, for rays toward +z only.
bool hitFromBehind(glm::vec3 origin, const Triangle& t) {
    const glm::vec3 dir{0.0f, 0.0f, 1.0f};
    const glm::vec3 e1 = t.b - t.a, e2 = t.c - t.a;
    const glm::vec3 p = glm::cross(dir, e2);
    const float det = glm::dot(e1, p);
    if (std::fabs(det) < 1e-9f) return false;
    const glm::vec3 s = origin - t.a;
    const float u = glm::dot(s, p) / det;
    if (u < 0.0f || u > 1.0f) return false;
    const glm::vec3 q = glm::cross(s, e1);
    const float v = glm::dot(dir, q) / det;
    if (v < 0.0f || u + v > 1.0f) return false;
    return glm::dot(e2, q) / det > 0.0f;
}

TEST(DataSetModels, ChalkTextFloatsInFrontOfTheBoard) {
    // A word of three letters is the tallest the game writes: 8/3 high from
    // y = 2.2, 0.22 out from the board, leaning back 5 degrees. No part of the
    // board may stand in front of it, or the top of the letters would vanish.
    const ModelGeometry board = loadModelGeometry(kBoard);
    ASSERT_TRUE(board.loaded);
    const float height = 8.0f / 3.0f;
    const float lean = std::tan(glm::radians(5.0f));
    for (float fy = 0.0f; fy <= 1.0f; fy += 0.1f) {
        for (float x = -3.8f; x <= 4.1f; x += 0.5f) {
            const float up = fy * height;
            const glm::vec3 point{x, 2.2f + up, 0.22f - up * lean};
            for (const Triangle& t : board.triangles) {
                ASSERT_FALSE(hitFromBehind(point, t)) << "board in front of the text at x " << x << " y " << point.y;
            }
        }
    }
}

}  // namespace
}  // namespace brindlemoor::test
