// The models of the data set: they import as the game imports them, carry
// what normal mapping needs, stay within their triangle budgets and fit the
// world geometry that collision, the walks and the lifted boards rely on.
#include <cmath>
#include <string>

#include <glm/glm.hpp>
#include <gtest/gtest.h>

#include "ModelGeometry.h"
#include "TestOutput.h"
#include "scene/BoyRig.h"
#include "scene/ModelData.h"

namespace brindlemoor::test {
namespace {

const std::string kCorridor = "Resources/corridor/models/";
const std::string kBoard = "Resources/blackboard/models/blackboard.obj";
const std::string kBoy = "Resources/boy/boy.obj";

constexpr float kExact = 1e-4f;

// Where a corner of a model's box may lie: each coordinate from..to.
struct Range {
    glm::vec3 from{-1e9f}, to{1e9f};
};
Range exact(float x, float y, float z) { return {{x, y, z}, {x, y, z}}; }

// Every model with its triangle budget and its box: straight pieces span one
// block, corners end where the next block starts, the stairs span the well
// and one storey, the boy is about 1.8 tall and slim, and the board stands on
// the floor within its box, clear of the boy (1.8 tall) when lifted by 4 and
// wide enough that a boy stepped aside as far as the walls allow still hits it.
struct Model {
    std::string path;
    Range lower, upper;
    std::size_t maxTriangles = 600;
};
const Model kModels[] = {
    {kCorridor + "floor.obj", exact(-5.5f, -0.2f, -24), exact(5.5f, 0, 0)},
    {kCorridor + "ceiling.obj", exact(-5.5f, 12, -24), exact(5.5f, 12.2f, 0)},
    {kCorridor + "wall_plain_left.obj", exact(-5.5f, 0, -24), exact(-5, 12, 0)},
    {kCorridor + "wall_door_left.obj", exact(-5.5f, 0, -24), exact(-5, 12, 0)},
    {kCorridor + "wall_window_left.obj", exact(-5.5f, 0, -24), exact(-5, 12, 0)},
    {kCorridor + "wall_plain_right.obj", exact(5, 0, -24), exact(5.5f, 12, 0)},
    {kCorridor + "wall_door_right.obj", exact(5, 0, -24), exact(5.5f, 12, 0)},
    {kCorridor + "wall_window_right.obj", exact(5, 0, -24), exact(5.5f, 12, 0)},
    {kCorridor + "Corner_left.obj", exact(-17.4f, 0, -22.9f), exact(5.5f, 12.2f, 0)},
    {kCorridor + "Corner_left_floor.obj", exact(-17.4f, -0.2f, -22.9f), exact(5.5f, 0, 0)},
    {kCorridor + "Corner_right.obj", exact(-5.5f, 0, -22.9f), exact(17.4f, 12.2f, 0)},
    {kCorridor + "Corner_right_floor.obj", exact(-5.5f, -0.2f, -22.9f), exact(17.4f, 0, 0)},
    {kCorridor + "end_walls.obj", exact(-5.5f, 0, -16), exact(5.5f, 12.2f, 0)},
    {kCorridor + "end_floor.obj", exact(-5.5f, -0.2f, -16), exact(5.5f, 0, 0)},
    {kCorridor + "stairs_down.obj", {{-5.5f, -18, -35.5f}, {-5.5f, -18, -34.5f}}, exact(5.5f, 12.2f, 0)},
    {kCorridor + "stairs_up.obj", {{-5.5f, -0.2f, -35.5f}, {-5.5f, -0.2f, -34.5f}}, exact(5.5f, 30, 0)},
    {kBoard, {{-4.8f, 0, -0.5f}, {-4.5f, 0, 0}}, {{4.5f, 7, 0}, {4.8f, 7.5f, 0.2f}}},
    {"Resources/blackboard/models/blackboard_text.obj", {}, {}},
    {kBoy, {{-0.5f, -0.005f, -0.3f}, {0, 0.005f, 0}}, {{0, 1.75f, 0}, {0.5f, 1.85f, 0.3f}}, 3000},
};

void expectWithin(const glm::vec3& corner, const Range& range, const char* which) {
    for (int i = 0; i < 3; ++i) {
        EXPECT_GE(corner[i], range.from[i] - kExact) << which << " " << "xyz"[i];
        EXPECT_LE(corner[i], range.to[i] + kExact) << which << " " << "xyz"[i];
    }
}

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
        expectWithin(imported.value()->box.lower, model.lower, "lower");
        expectWithin(imported.value()->box.upper, model.upper, "upper");
    }
}

// One mesh per part of the rig, in the rig's order, named as it names them.
TEST(DataSetModels, TheBoyIsInPartsTheGameCanMove) {
    const io::Result<scene::SharedModel> imported = testAssets().models.import(kBoy);
    ASSERT_TRUE(imported);
    const auto& meshes = imported.value()->meshes;
    ASSERT_EQ(meshes.size(), static_cast<std::size_t>(boy::kPartCount));
    for (int p = 0; p < boy::kPartCount; ++p) {
        EXPECT_EQ(meshes[p].name, boy::kParts[p].name);
        EXPECT_FALSE(meshes[p].indices.empty()) << boy::kParts[p].name;
    }
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
