// Chalk text geometry from arbitrary bytes (negative character codes included):
// six vertices per character up to the first zero byte (or the length cap), indices in order, and
// every texture coordinate within one atlas width of the texture.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "scene/TextMesh.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using brindlemoor::fuzz::require;
    const std::string text(reinterpret_cast<const char*>(data), size);  // zero-terminated copy
    const std::size_t characters =
        std::min(std::string(text.c_str()).size(), brindlemoor::scene::kMaxChalkCharacters);
    const brindlemoor::scene::TextMesh mesh = brindlemoor::scene::buildTextMesh(text.c_str(), 1.0f, 0.0f, 0.0f);

    require(mesh.textWidth == static_cast<float>(characters), "width counts the characters");
    require(mesh.faceCount == static_cast<int>(2 * characters), "two triangles per character");
    require(mesh.positions.size() == 18 * characters, "three floats per position");
    require(mesh.normals.size() == 18 * characters, "three floats per normal");
    require(mesh.uvs.size() == 12 * characters, "two floats per texture coordinate");
    require(mesh.indices.size() == 6 * characters, "one index per vertex");
    for (std::size_t i = 0; i < mesh.indices.size(); ++i) {
        require(mesh.indices[i] == i, "indices in vertex order");
    }
    for (float uv : mesh.uvs) {
        require(std::isfinite(uv) && uv >= -1.0f && uv <= 3.5f, "texture coordinates near the atlas");
    }
    // The other build parameters are plain arithmetic; a non-finite size must
    // still give the same counts.
    const brindlemoor::scene::TextMesh odd = brindlemoor::scene::buildTextMesh(text.c_str(), NAN, -1e30f, INFINITY);
    require(odd.indices.size() == mesh.indices.size(), "counts do not depend on size or origin");
    return 0;
}
