#include "scene/Text3D.h"

#include <cctype>
#include <cstring>

#include <glm/common.hpp>
#include <glm/gtc/matrix_transform.hpp>

#include "gl/GlError.h"
#include "gl/ShaderProgram.h"
#include "scene/TextMesh.h"

namespace brindlemoor::scene {

Text3D::Text3D(const Assets& assets, const gl::ShaderProgram* program_, ImportReport report)
    : SceneObject(assets, TypeCode::Text, program_, report), out_(assets.out) {}

void Text3D::setText(std::string text) {
    const std::size_t length = std::strlen(text.c_str());  // up to the first zero character
    std::string lower(length, '\0');
    for (std::size_t i = 0; i < length; ++i) {
        lower[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[i])));
    }
    buildMesh(lower.c_str(), 1.0f, 0.0f, 0.0f);
}

void Text3D::buildMesh(const char* text, float size, float x, float y) { setMesh(buildTextMesh(text, size, x, y)); }

void Text3D::setMesh(const TextMesh& mesh) {
    faceCount_ = mesh.faceCount;
    textWidth_ = mesh.textWidth;
    // The box culling goes by is the text's own, not the imported model's.
    localBox = Box{};
    for (std::size_t i = 0; i + 2 < mesh.positions.size(); i += 3) {
        localBox.include(glm::vec3(mesh.positions[i], mesh.positions[i + 1], mesh.positions[i + 2]));
    }
    computeBoundingBox();
    gl::reportGlError(out_, " in Text3D @ after for");

    const GLuint programHandle = program != nullptr ? program->programHandle() : 0;
    const std::size_t vertices = mesh.positions.size() / 3;
    textMesh_ = gl::Mesh::begin();
    textMesh_.setIndices(mesh.indices.data(), mesh.indices.size());
    gl::reportGlError(out_, " in Text3D @ after faces");
    textMesh_.addAttribute(programHandle, "position", mesh.positions.data(), vertices, 3);
    gl::reportGlError(out_, " in Text3D @ after posIndex");
    textMesh_.addAttribute(programHandle, "uv", mesh.uvs.data(), vertices, 2);
    gl::reportGlError(out_, " in Text3D @ after uvIndex");
    textMesh_.addAttribute(programHandle, "normal", mesh.normals.data(), vertices, 3);
    textMesh_.finish();
}

void Text3D::placeOn(const Placement& board, float lowered) {
    // An empty text has no quads to show; placing it as one letter wide keeps
    // the matrix finite instead of dividing by zero.
    const float w = textWidth_ > 0.0f ? textWidth_ : 1.0f;
    modelMatrix = board.modelMatrix;
    modelMatrix = glm::translate(modelMatrix, glm::vec3(0.0f, 2.2f - lowered, 0.22f));
    modelMatrix = glm::scale(modelMatrix, glm::vec3(8.0f / w));
    modelMatrix = glm::translate(modelMatrix, glm::vec3(0.15f - 0.5f * w, 0.5f * (w / 3.0f - 1.0f), 0.0f));
    modelMatrix = glm::rotate(modelMatrix, glm::radians(5.0f), glm::vec3(-1.0f, 0.0f, 0.0f));
    computeBoundingBox();
}

void Text3D::placeAt(const Placement& board, float x, float y, float scale) {
    modelMatrix = glm::translate(board.modelMatrix, glm::vec3(x, y, 0.22f));
    modelMatrix = glm::rotate(modelMatrix, glm::radians(5.0f), glm::vec3(-1.0f, 0.0f, 0.0f));
    modelMatrix = glm::scale(modelMatrix, glm::vec3(scale));
    computeBoundingBox();
}

void Text3D::drawLetters(std::size_t first, std::size_t count) {
    constexpr std::size_t kIndicesPerLetter = 6;
    textMesh_.drawElements(first * kIndicesPerLetter, count * kIndicesPerLetter);
    glBindVertexArray(0);
}

void Text3D::draw() {
    textMesh_.drawElements();
    glBindVertexArray(0);
    glUseProgram(0);
}

}  // namespace brindlemoor::scene
