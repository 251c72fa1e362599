// The geometry of a chalk text, built on the CPU before it is uploaded: one
// square per character, textured from the 8 x 8 character atlas.
#pragma once

#include <cstddef>
#include <vector>

namespace brindlemoor::scene {

// Chalk text longer than this is cut off: at this length a letter is already a
// thirtieth of a board unit wide, and a word list line of megabytes would
// otherwise take gigabytes of vertex data.
constexpr std::size_t kMaxChalkCharacters = 256;

struct TextMesh {
    std::vector<float> positions;        // 3 per vertex
    std::vector<float> normals;          // 3 per vertex
    std::vector<float> uvs;              // 2 per vertex
    std::vector<unsigned int> indices;   // one per vertex, in order
    int faceCount = 0;                   // 2 per character
    float textWidth = 0.0f;              // characters, up to the first zero
};

// Six vertices per character (two counter-clockwise triangles), letter size
// `size`, the first letter's lower-left corner at (x, y); at most
// kMaxChalkCharacters characters.
TextMesh buildTextMesh(const char* text, float size, float x, float y);

// A straight chalk stroke from (x0, y0) to (x1, y1).
struct ChalkStroke {
    float x0, y0, x1, y1;
};
// Strokes as thin quads `width` wide, drawn with the middle of the minus
// sign's bar, so lines and charts are in the same chalk as the letters.
TextMesh buildChalkStrokes(const std::vector<ChalkStroke>& strokes, float width);

}  // namespace brindlemoor::scene
