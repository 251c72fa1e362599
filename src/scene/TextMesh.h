// The geometry of a chalk text, built on the CPU before it is uploaded: one
// square per character, textured from the 8 x 8 character atlas.
#pragma once

#include <vector>

namespace brindlemoor::scene {

struct TextMesh {
    std::vector<float> positions;        // 3 per vertex
    std::vector<float> normals;          // 3 per vertex
    std::vector<float> uvs;              // 2 per vertex
    std::vector<unsigned int> indices;   // one per vertex, in order
    int faceCount = 0;                   // 2 per character
    float textWidth = 0.0f;              // characters, up to the first zero
};

// Six vertices per character (two counter-clockwise triangles), letter size
// `size`, the first letter's lower-left corner at (x, y).
TextMesh buildTextMesh(const char* text, float size, float x, float y);

}  // namespace brindlemoor::scene
