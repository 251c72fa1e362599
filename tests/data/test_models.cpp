// The committed data set is exactly what the generator writes: running it into
// an empty directory gives the same files, byte for byte, and no others. Its
// textures decode with the game's TGA loader at their budgeted sizes, normal
// maps are tangent-space blue, and the chalk atlas has every character in its
// own cell the right way up. The models of the data set: they import as the game imports them, carry
// what normal mapping needs, stay within their triangle budgets and fit the
// world geometry that collision, the walks and the lifted boards rely on; and
// the scripted walks through corners and down stairs pass no wall: sampled
// along the game's curves, no triangle of the piece comes within half a unit
// of the boy's path between his knees and the top of his head.
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <regex>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include <glm/glm.hpp>
#include <gtest/gtest.h>

#include "TestFiles.h"
#include "TestOutput.h"
#include "io/TgaImage.h"
#include "scene/BoyRig.h"
#include "scene/ModelData.h"
#include "scene/QuarterTurns.h"
#include "scene/WorldMeasures.h"

namespace brindlemoor::test {
namespace {

struct Triangle {
    glm::vec3 a, b, c;
};

// A model imported as the game does (its own model data), as plain
// triangles; none when it cannot be imported.
std::vector<Triangle> trianglesOf(const std::string& path) {
    std::vector<Triangle> out;
    const io::Result<scene::SharedModel> imported = testAssets().models.import(path);
    if (!imported) {
        return out;
    }
    for (const scene::MeshData& mesh : imported.value()->meshes) {
        auto corner = [&mesh](unsigned int index) {
            return glm::vec3(mesh.positions[3 * index], mesh.positions[3 * index + 1], mesh.positions[3 * index + 2]);
        };
        for (std::size_t i = 0; i + 2 < mesh.indices.size(); i += 3) {
            out.push_back(
                {corner(mesh.indices[i]), corner(mesh.indices[i + 1]), corner(mesh.indices[i + 2])});
        }
    }
    return out;
}

// Keeps the part of a convex polygon on the side of the plane y = limit that
// `keepAbove` names.
std::vector<glm::vec3> clipByHeight(const std::vector<glm::vec3>& polygon, float limit, bool keepAbove) {
    std::vector<glm::vec3> out;
    const std::size_t n = polygon.size();
    for (std::size_t i = 0; i < n; ++i) {
        const glm::vec3& p = polygon[i];
        const glm::vec3& q = polygon[(i + 1) % n];
        const bool pIn = keepAbove ? p.y >= limit : p.y <= limit;
        const bool qIn = keepAbove ? q.y >= limit : q.y <= limit;
        if (pIn) out.push_back(p);
        if (pIn != qIn) out.push_back(p + (q - p) * ((limit - p.y) / (q.y - p.y)));
    }
    return out;
}

float segmentDistance2d(glm::vec2 p, glm::vec2 a, glm::vec2 b) {
    const glm::vec2 ab = b - a;
    const float len2 = glm::dot(ab, ab);
    const float t = len2 > 0.0f ? std::clamp(glm::dot(p - a, ab) / len2, 0.0f, 1.0f) : 0.0f;
    return glm::length(p - (a + ab * t));
}

// Smallest horizontal (x, z) distance from `point` to the part of `t` whose
// height lies between yLow and yHigh; a large number when no part does.
float horizontalDistanceInBand(const Triangle& t, glm::vec3 point, float yLow, float yHigh) {
    std::vector<glm::vec3> polygon{t.a, t.b, t.c};
    polygon = clipByHeight(polygon, yLow, true);
    if (!polygon.empty()) polygon = clipByHeight(polygon, yHigh, false);
    if (polygon.empty()) return 1e9f;
    const glm::vec2 p{point.x, point.z};
    float best = 1e9f;
    bool inside = true;
    float sign = 0.0f;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const glm::vec2 a{polygon[i].x, polygon[i].z};
        const glm::vec2 b{polygon[(i + 1) % polygon.size()].x, polygon[(i + 1) % polygon.size()].z};
        best = std::min(best, segmentDistance2d(p, a, b));
        const float side = (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
        if (side != 0.0f) {
            if (sign == 0.0f) sign = side;
            if (side * sign < 0.0f) inside = false;
        }
    }
    return inside && sign != 0.0f ? 0.0f : best;
}

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

TEST(DataSetModels, ImportWithWhatNormalMappingNeedsWithinTheirBudgetsAndBoxesTheChalkTextInFrontOfTheBoard) {
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
        // The boy is in parts the game can move: one mesh per part of the rig,
        // in the rig's order, named as it names them.
        const auto& meshes = imported.value()->meshes;
        for (int p = 0; model.path == kBoy && p < boy::kPartCount; ++p) {
            ASSERT_EQ(meshes.size(), static_cast<std::size_t>(boy::kPartCount));
            EXPECT_EQ(meshes[p].name, boy::kParts[p].name);
            EXPECT_FALSE(meshes[p].indices.empty()) << boy::kParts[p].name;
        }
    }

    // The chalk text floats in front of the board.
    // A word of three letters is the tallest the game writes: 8/3 high from
    // y = 2.2, 0.22 out from the board, leaning back 5 degrees. No part of the
    // board may stand in front of it, or the top of the letters would vanish.
    const std::vector<Triangle> board = trianglesOf(kBoard);
    ASSERT_FALSE(board.empty());
    const float height = 8.0f / 3.0f;
    const float lean = std::tan(glm::radians(5.0f));
    for (float fy = 0.0f; fy <= 1.0f; fy += 0.1f) {
        for (float x = -3.8f; x <= 4.1f; x += 0.5f) {
            const float up = fy * height;
            const glm::vec3 point{x, 2.2f + up, 0.22f - up * lean};
            for (const Triangle& t : board) {
                ASSERT_FALSE(hitFromBehind(point, t)) << "board in front of the text at x " << x << " y " << point.y;
            }
        }
    }
}

struct Segment {
    glm::vec3 p0, p1, t0, t1;
    glm::vec3 at(float t) const { return world::hermitePoint(p0, p1, t0, t1, t); }
};

// The game's walk through an unturned piece, entered at (entryX, 0, 0.3).
std::vector<Segment> gameWalk(std::vector<world::WalkSegment> plans, float entryX) {
    std::vector<Segment> walk;
    glm::vec3 start(entryX, 0, 0.3f);
    for (const world::WalkSegment& plan : plans) {
        walk.push_back({start, scene::toGlm(plan.endOffset), scene::toGlm(plan.startTangent),
                        scene::toGlm(plan.endTangent)});
        start = walk.back().p1;
    }
    return walk;
}

constexpr float kClearance = 0.5f;
constexpr float kKnee = 0.5f;  // a step or landing edge below his knees is not a wall
constexpr float kHeadTop = 1.8f;

// The closest approach of the piece to the walk, with where it happens.
struct Approach {
    float distance = 1e9f;
    glm::vec3 where{0.0f};
};

Approach closestApproach(const std::vector<Triangle>& piece, const std::vector<Segment>& walk) {
    Approach best;
    for (const Segment& segment : walk) {
        for (int i = 0; i <= 100; ++i) {
            const glm::vec3 feet = segment.at(i / 100.0f);
            for (const Triangle& t : piece) {
                const float d = horizontalDistanceInBand(t, feet, feet.y + kKnee, feet.y + kHeadTop);
                if (d < best.distance) best = {d, feet};
            }
        }
    }
    return best;
}

TEST(DataSetWalks, CornersAndStairsDownLeaveTheWayFree) {
    const auto& stairs = world::kStairsDownWalk;
    // Straight in, and after stepping aside as far as the walls allow. The
    // stairs' first curve swings out toward +x, so an entry further right
    // than about x = 3 would carry him through the well's right wall whatever
    // the model; entries from the left go across the middle.
    const struct {
        const char* file;
        std::vector<world::WalkSegment> walk;
        std::vector<float> entries;
    } pieces[] = {
        {"Corner_left.obj", {world::kCornerInWalk[0], world::kCornerLeftOutWalk[0]}, {-4.4f, 0.0f, 4.4f}},
        {"Corner_right.obj", {world::kCornerInWalk[0], world::kCornerRightOutWalk[0]}, {-4.4f, 0.0f, 4.4f}},
        {"stairs_down.obj", {stairs[0][0], stairs[1][0], stairs[2][0]}, {-4.4f, 0.0f, 2.5f}},
    };
    for (const auto& piece : pieces) {
        const std::vector<Triangle> model = trianglesOf(kCorridor + piece.file);
        ASSERT_FALSE(model.empty()) << piece.file;
        for (float entryX : piece.entries) {
            const Approach a = closestApproach(model, gameWalk(piece.walk, entryX));
            EXPECT_GE(a.distance, kClearance) << piece.file << " entered at x " << entryX << ", near (" << a.where.x
                                              << ", " << a.where.y << ", " << a.where.z << ")";
        }
    }
}

namespace fs = std::filesystem;

std::set<std::string> filesUnder(const fs::path& root) {
    std::set<std::string> out;
    if (!fs::exists(root)) return out;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (entry.is_regular_file()) out.insert(fs::relative(entry.path(), root).generic_string());
    return out;
}

TEST(DataSetGenerator, RegeneratesTheCommittedFilesExactlyTheDefaultWordListOfCommonCapitalWordsAmongThem) {
    TempDir dir;
    const CommandResult run = runCommand(std::string("'") + ASSETGEN_BINARY + "' '" + dir.path() + "'");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    const std::set<std::string> made = filesUnder(fs::path(dir.path()) / "Resources");
    const std::set<std::string> committed = filesUnder(fs::path(sourcePath("Resources")));
    ASSERT_FALSE(made.empty());
    EXPECT_EQ(made, committed) << "the generator and Resources/ disagree on which files exist";
    for (const std::string& file : made) {
        if (committed.count(file) == 0) continue;
        EXPECT_TRUE(readFile(dir.path() + "/Resources/" + file) == readFile(sourcePath("Resources/" + file)))
            << file << " differs from what the generator writes; run it with the repository root";
    }

    // The default word list holds common words in capitals.
    const std::string text = readFile(sourcePath("Resources/Wordlists/default.txt"));
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.back(), '\n');
    EXPECT_EQ(text.find('\r'), std::string::npos);
    const std::vector<std::string> words = lines(text);
    const std::regex shape("^[A-Z]{3,10}$");
    std::set<std::string> unique;
    for (const std::string& word : words) {
        EXPECT_TRUE(std::regex_match(word, shape)) << "'" << word << "'";
        EXPECT_TRUE(unique.insert(word).second) << "duplicate " << word;
    }
    EXPECT_GE(unique.size(), 500u);
}

using io::Image;

struct Texel {
    int r, g, b, a;
};

Texel texel(const Image& image, int x, int row) {  // row 0 is the bottom row
    const unsigned char* p = &image.rgba[(static_cast<std::size_t>(row) * image.width + x) * 4];
    return {p[0], p[1], p[2], p[3]};
}

Image decode(const std::string& path) {
    Image image;
    EXPECT_TRUE(io::decodeTgaFile(path, image)) << path;
    return image;
}

const std::string kPieces = "Resources/corridor/images/";
const std::string kSlate = "Resources/blackboard/images/";
const std::string kAtlas = kSlate + "crayoncrumble.tga";

const std::vector<std::string> kMaps = {
    kPieces + "wall_texture_bumpmapready.tga", kPieces + "wall_window_texture.tga", kPieces + "floor.tga",
    kPieces + "staircase_texture.tga", kSlate + "blackboard_own.tga", "Resources/boy/images/boy_texture.tga",
    kPieces + "wall_texture_normal.tga", kPieces + "floor_normal.tga", kPieces + "staircase_normal.tga",
    kSlate + "blackboard_own_normal.tga", kSlate + "crayoncrumble_normal.tga", "Resources/boy/images/boy_normal.tga",
};

// Colour maps and normal maps 64 to 128 texels square (the chalk's normal map
// up to 256), the atlas 512; normal maps point out of the surface, and exactly
// so where there is no relief.
// Glyph texels (alpha over half) of the cell of character c, as counts and
// extent; cells run row by row from the top, rows of texels count upward.
struct Ink {
    int count = 0;
    int minX = 64, maxX = -1, minRow = 64, maxRow = -1;
    double meanRow = 0.0;
};
Ink inkOf(const Image& atlas, int c) {
    const int x0 = (c - 32) % 8 * 64, row0 = 512 - ((c - 32) / 8 + 1) * 64;
    Ink ink;
    for (int r = 0; r < 64; ++r) {
        for (int x = 0; x < 64; ++x) {
            if (texel(atlas, x0 + x, row0 + r).a <= 128) continue;
            ++ink.count;
            ink.minX = std::min(ink.minX, x);
            ink.maxX = std::max(ink.maxX, x);
            ink.minRow = std::min(ink.minRow, r);
            ink.maxRow = std::max(ink.maxRow, r);
            ink.meanRow += r;
        }
    }
    if (ink.count > 0) ink.meanRow /= ink.count;
    return ink;
}

TEST(DataSetTextures, DecodeAtTheirBudgetedSizesNormalMapsOutOfTheSurfaceAndEveryCharacterUprightInItsCell) {
    for (const std::string& path : kMaps) {
        const Image image = decode(path);
        EXPECT_GE(image.width, 64) << path;
        EXPECT_LE(image.width, path == kSlate + "crayoncrumble_normal.tga" ? 256 : 128) << path;
        EXPECT_EQ(image.width, image.height) << path;
        if (path.find("_normal.tga") == std::string::npos) continue;
        double sumZ = 0.0;
        int steep = 0;
        const int count = image.width * image.height;
        for (int row = 0; row < image.height; ++row) {
            for (int x = 0; x < image.width; ++x) {
                const double nz = texel(image, x, row).b / 127.5 - 1.0;
                sumZ += nz;
                if (nz < 0.5) ++steep;
            }
        }
        EXPECT_GT(sumZ / count, 0.9) << path;
        EXPECT_LT(steep, count / 50) << path;
    }
    const Texel flat = texel(decode(kSlate + "crayoncrumble_normal.tga"), 0, 255);
    EXPECT_EQ(std::make_tuple(flat.r, flat.g, flat.b), std::make_tuple(128, 128, 255));

    // The atlas has every character upright inside its cell, cells from the top.
    const Image atlas = decode(kAtlas);
    ASSERT_EQ(std::make_tuple(atlas.width, atlas.height), std::make_tuple(512, 512));
    constexpr int kMargin = 5;  // keeps filtering and mipmaps from bleeding across cells
    for (int c = 33; c <= 95; ++c) {
        const Ink ink = inkOf(atlas, c);
        EXPECT_GT(ink.count, 40) << "character " << static_cast<char>(c);
        EXPECT_GE(ink.minX, kMargin) << static_cast<char>(c);
        EXPECT_LT(ink.maxX, 64 - kMargin) << static_cast<char>(c);
        EXPECT_GE(ink.minRow, kMargin) << static_cast<char>(c);
        EXPECT_LT(ink.maxRow, 64 - kMargin) << static_cast<char>(c);
    }
    // The top-left cell of the picture (the space) is empty; 'X' fills the
    // bottom-left one.
    EXPECT_EQ(inkOf(atlas, ' ').count, 0);
    // Underscore low, caret high, minus in the middle (rows count upward).
    EXPECT_LT(inkOf(atlas, '_').meanRow, 20.0);
    EXPECT_GT(inkOf(atlas, '^').meanRow, 38.0);
    EXPECT_NEAR(inkOf(atlas, '-').meanRow, 32.0, 6.0);
    // The foot of an 'L' pulls its ink below the middle of the cell.
    EXPECT_LT(inkOf(atlas, 'L').meanRow, 30.0);
}

}  // namespace
}  // namespace brindlemoor::test
