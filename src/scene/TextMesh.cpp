#include "scene/TextMesh.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace brindlemoor::scene {

namespace {

// Every vertex faces nearly along +z, tilted like the letters by the 5 degrees
// they lean back.
constexpr float kNormal[3] = {0.000001f, 0.087156f, 0.996195f};

// Atlas cell of a character: 8 x 8 cells holding the characters 32 to 95 from
// the top row down. Codes of 96 and above (lower case) land below the texture
// and wrap onto the cell 32 codes lower, their capital.
void cellOf(signed char c, float& u0, float& u1, float& vTop, float& vBottom) {
    u0 = static_cast<float>(c % 8) * 0.125f;
    u1 = u0 + 0.125f;
    float v = static_cast<float>(c / 8) * 0.125f;
    if (c < 96) {
        v -= 0.5f;
    }
    vTop = 1.0f - v;
    vBottom = 1.0f - (v + 0.125f);
}

void addQuad(TextMesh& mesh, const float corners[6][4]) {
    for (int k = 0; k < 6; ++k) {
        const float* corner = corners[k];
        mesh.indices.push_back(static_cast<unsigned int>(mesh.positions.size() / 3));
        mesh.positions.insert(mesh.positions.end(), {corner[0], corner[1], 0.0f});
        mesh.normals.insert(mesh.normals.end(), {kNormal[0], kNormal[1], kNormal[2]});
        mesh.uvs.insert(mesh.uvs.end(), {corner[2], corner[3]});
    }
    mesh.faceCount += 2;
}

}  // namespace

TextMesh buildTextMesh(const char* text, float size, float x, float y) {
    TextMesh mesh;
    const std::size_t count = text != nullptr ? std::min(std::strlen(text), kMaxChalkCharacters) : 0;
    mesh.textWidth = static_cast<float>(count);
    mesh.positions.reserve(count * 18);
    mesh.normals.reserve(count * 18);
    mesh.uvs.reserve(count * 12);
    mesh.indices.reserve(count * 6);
    for (std::size_t i = 0; i < count; ++i) {
        const float x0 = static_cast<float>(i) * size + x;
        const float x1 = x0 + size;
        const float y0 = y;
        const float y1 = y + size;
        float u0 = 0, u1 = 0, vTop = 0, vBottom = 0;
        cellOf(static_cast<signed char>(text[i]), u0, u1, vTop, vBottom);
        const float corners[6][4] = {{x0, y1, u0, vTop},    {x0, y0, u0, vBottom}, {x1, y1, u1, vTop},
                                     {x1, y0, u1, vBottom}, {x1, y1, u1, vTop},    {x0, y0, u0, vBottom}};
        addQuad(mesh, corners);
    }
    return mesh;
}

TextMesh buildChalkStrokes(const std::vector<ChalkStroke>& strokes, float width) {
    // The bar of '-' runs across the middle of its cell: a strip of the cell
    // from a third to two thirds of its width, and from a quarter to three
    // quarters of its height, so the bar is about a third of the quad wide.
    float u0 = 0, u1 = 0, vTop = 0, vBottom = 0;
    cellOf('-', u0, u1, vTop, vBottom);
    const float uA = u0 + (u1 - u0) / 3.0f, uB = u1 - (u1 - u0) / 3.0f;
    const float vA = vTop + (vBottom - vTop) * 0.25f, vB = vBottom - (vBottom - vTop) * 0.25f;
    TextMesh mesh;
    for (const ChalkStroke& s : strokes) {
        float dx = s.x1 - s.x0, dy = s.y1 - s.y0;
        const float length = std::sqrt(dx * dx + dy * dy);
        if (!(length > 0.0f)) {
            dx = 1.0f;  // a dot: a short stroke across
            dy = 0.0f;
        } else {
            dx /= length;
            dy /= length;
        }
        // Half a width past each end, so strokes that meet overlap.
        const float h = 0.5f * width;
        const float ax = s.x0 - dx * h, ay = s.y0 - dy * h, bx = s.x1 + dx * h, by = s.y1 + dy * h;
        const float nx = -dy * h, ny = dx * h;
        const float corners[6][4] = {{ax + nx, ay + ny, uA, vA}, {ax - nx, ay - ny, uA, vB}, {bx + nx, by + ny, uB, vA},
                                     {bx - nx, by - ny, uB, vB}, {bx + nx, by + ny, uB, vA}, {ax - nx, ay - ny, uA, vB}};
        addQuad(mesh, corners);
    }
    return mesh;
}

}  // namespace brindlemoor::scene
