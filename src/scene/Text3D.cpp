#include "scene/Text3D.h"

#include <cctype>
#include <cstring>
#include <iostream>

#include <glm/gtc/matrix_transform.hpp>

#include "platform/Gl.h"
#include "scene/GlBuffers.h"
#include "render/ShaderProgram.h"
#include "scene/TextMesh.h"

namespace brindlemoor::scene {

const std::string Text3D::modelFile = "Resources/blackboard/models/blackboard_text.obj";

Text3D::Text3D(render::ShaderProgram* program_)
    : SceneObject(glm::mat4(1.0f), program_, modelFile, "Resources/blackboard/images/crayoncrumble.tga",
                  "Resources/blackboard/images/crayoncrumble_normal.tga") {
    typeCode = "T";
}

Text3D::~Text3D() { releaseTextMesh(); }

void Text3D::releaseTextMesh() {
    if (vertexArray == 0) {
        return;
    }
    const GLuint buffers[] = {indexBuffer, positionBuffer, uvBuffer, normalBuffer};
    glDeleteBuffers(4, buffers);
    glDeleteVertexArrays(1, &vertexArray);
    vertexArray = 0;
    indexBuffer = positionBuffer = uvBuffer = normalBuffer = 0;
}

void Text3D::setText(std::string text) {
    const std::size_t length = std::strlen(text.c_str());  // up to the first zero character
    std::string lower(length, '\0');
    for (std::size_t i = 0; i < length; ++i) {
        lower[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[i])));
    }
    buildMesh(lower.c_str(), 1.0f, 0.0f, 0.0f);
}

void Text3D::buildMesh(const char* text, float size, float x, float y) {
    const TextMesh mesh = buildTextMesh(text, size, x, y);
    faceCount = mesh.faceCount;
    textWidth = mesh.textWidth;
    reportGlError("after for");

    releaseTextMesh();
    const GLuint programHandle = program != nullptr ? program->programHandle : 0;
    glGenVertexArrays(1, &vertexArray);
    glBindVertexArray(vertexArray);
    indexBuffer = uploadBuffer(GL_ELEMENT_ARRAY_BUFFER, static_cast<std::size_t>(faceCount) * 12u, mesh.indices.data());
    reportGlError("after faces");
    positionBuffer = uploadBuffer(GL_ARRAY_BUFFER, mesh.positions.size() * sizeof(float), mesh.positions.data());
    enableFloatAttribute(programHandle, "position", 3);
    reportGlError("after posIndex");
    uvBuffer = uploadBuffer(GL_ARRAY_BUFFER, mesh.uvs.size() * sizeof(float), mesh.uvs.data());
    enableFloatAttribute(programHandle, "uv", 2);
    reportGlError("after uvIndex");
    normalBuffer = uploadBuffer(GL_ARRAY_BUFFER, mesh.normals.size() * sizeof(float), mesh.normals.data());
    enableFloatAttribute(programHandle, "normal", 3);
    glBindVertexArray(0);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
}

void Text3D::placeOn(const SceneObject& board) {
    // An empty text has no quads to show; placing it as one letter wide keeps
    // the matrix finite instead of dividing by zero.
    const float w = textWidth > 0.0f ? textWidth : 1.0f;
    modelMatrix = board.modelMatrix;
    modelMatrix = glm::translate(modelMatrix, glm::vec3(0.0f, 2.2f, 0.22f));
    modelMatrix = glm::scale(modelMatrix, glm::vec3(8.0f / w));
    modelMatrix = glm::translate(modelMatrix, glm::vec3(0.15f - 0.5f * w, 0.5f * (w / 3.0f - 1.0f), 0.0f));
    modelMatrix = glm::rotate(modelMatrix, glm::radians(5.0f), glm::vec3(-1.0f, 0.0f, 0.0f));
}

void Text3D::draw() {
    glBindVertexArray(vertexArray);
    glDrawElements(GL_TRIANGLES, 3 * faceCount, GL_UNSIGNED_INT, nullptr);
    glBindVertexArray(0);
    glUseProgram(0);
}

void Text3D::reportGlError(std::string label) {
    const GLenum error = glGetError();
    if (error != GL_NO_ERROR) {
        std::cout << "GL ERROR DETECTED!!! " << static_cast<unsigned int>(error) << " in Text3D @ " << label
                  << std::endl;
    }
}

}  // namespace brindlemoor::scene
