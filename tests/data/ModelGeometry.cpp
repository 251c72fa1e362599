#include "ModelGeometry.h"

#include <algorithm>

#include "TestOutput.h"
#include "scene/ModelData.h"

namespace brindlemoor::test {

ModelGeometry loadModelGeometry(const std::string& path) {
    ModelGeometry out;
    const io::Result<scene::SharedModel> imported = testAssets().models.import(path);
    if (!imported) {
        return out;
    }
    const scene::ModelData& model = *imported.value();
    for (const scene::MeshData& mesh : model.meshes) {
        auto corner = [&mesh](unsigned int index) {
            return glm::vec3(mesh.positions[3 * index], mesh.positions[3 * index + 1], mesh.positions[3 * index + 2]);
        };
        for (std::size_t i = 0; i + 2 < mesh.indices.size(); i += 3) {
            out.triangles.push_back({corner(mesh.indices[i]), corner(mesh.indices[i + 1]), corner(mesh.indices[i + 2])});
        }
    }
    out.lower = model.box.lower;
    out.upper = model.box.upper;
    out.loaded = true;
    return out;
}

namespace {

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

}  // namespace

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

}  // namespace brindlemoor::test
