#include "scene/Text3D.h"

#include <cctype>
#include <cstring>
#include <iostream>
#include <vector>

#include <glm/gtc/matrix_transform.hpp>

#include "platform/Gl.h"
#include "render/ShaderProgram.h"

namespace brindlemoor::scene {

const std::string Text3D::modelFile = "Resources/blackboard/models/blackboard_text.obj";

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

void enableAttribute(GLuint programHandle, const char* name, GLint components) {
    const GLint location = glGetAttribLocation(programHandle, name);
    if (location < 0) {
        return;
    }
    glEnableVertexAttribArray(static_cast<GLuint>(location));
    glVertexAttribPointer(static_cast<GLuint>(location), components, GL_FLOAT, GL_FALSE, 0, nullptr);
}

GLuint uploadBuffer(GLenum target, std::size_t bytes, const void* data) {
    GLuint buffer = 0;
    glGenBuffers(1, &buffer);
    glBindBuffer(target, buffer);
    glBufferData(target, static_cast<GLsizeiptr>(bytes), data, GL_STATIC_DRAW);
    return buffer;
}

}  // namespace

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
    faceCount = 0;
    textWidth = static_cast<float>(std::strlen(text));

    std::vector<float> positions;
    std::vector<unsigned int> indices;
    std::vector<float> normals;
    std::vector<float> uvs;
    const std::size_t count = std::strlen(text);
    positions.reserve(count * 18);
    indices.reserve(count * 6);
    normals.reserve(count * 18);
    uvs.reserve(count * 12);
    for (std::size_t i = 0; static_cast<float>(i) < textWidth; ++i) {
        const float x0 = static_cast<float>(i) * size + x;
        const float x1 = x0 + size;
        const float y0 = y;
        const float y1 = y + size;
        float u0 = 0, u1 = 0, vTop = 0, vBottom = 0;
        cellOf(static_cast<signed char>(text[i]), u0, u1, vTop, vBottom);
        // Two counter-clockwise triangles per character.
        const float corners[6][4] = {{x0, y1, u0, vTop},    {x0, y0, u0, vBottom}, {x1, y1, u1, vTop},
                                     {x1, y0, u1, vBottom}, {x1, y1, u1, vTop},    {x0, y0, u0, vBottom}};
        for (const auto& corner : corners) {
            indices.push_back(static_cast<unsigned int>(positions.size() / 3));
            positions.insert(positions.end(), {corner[0], corner[1], 0.0f});
            normals.insert(normals.end(), {kNormal[0], kNormal[1], kNormal[2]});
            uvs.insert(uvs.end(), {corner[2], corner[3]});
        }
        faceCount += 2;
    }
    reportGlError("after for");

    releaseTextMesh();
    const GLuint programHandle = program != nullptr ? program->programHandle : 0;
    glGenVertexArrays(1, &vertexArray);
    glBindVertexArray(vertexArray);
    indexBuffer = uploadBuffer(GL_ELEMENT_ARRAY_BUFFER, static_cast<std::size_t>(faceCount) * 12u, indices.data());
    reportGlError("after faces");
    positionBuffer = uploadBuffer(GL_ARRAY_BUFFER, positions.size() * sizeof(float), positions.data());
    enableAttribute(programHandle, "position", 3);
    reportGlError("after posIndex");
    uvBuffer = uploadBuffer(GL_ARRAY_BUFFER, uvs.size() * sizeof(float), uvs.data());
    enableAttribute(programHandle, "uv", 2);
    reportGlError("after uvIndex");
    normalBuffer = uploadBuffer(GL_ARRAY_BUFFER, normals.size() * sizeof(float), normals.data());
    enableAttribute(programHandle, "normal", 3);
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
