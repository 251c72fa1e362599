#include "scene/TextMesh.h"

#include <algorithm>
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
        for (const auto& corner : corners) {
            mesh.indices.push_back(static_cast<unsigned int>(mesh.positions.size() / 3));
            mesh.positions.insert(mesh.positions.end(), {corner[0], corner[1], 0.0f});
            mesh.normals.insert(mesh.normals.end(), {kNormal[0], kNormal[1], kNormal[2]});
            mesh.uvs.insert(mesh.uvs.end(), {corner[2], corner[3]});
        }
        mesh.faceCount += 2;
    }
    return mesh;
}

}  // namespace brindlemoor::scene
