#include "gl/Mesh.h"

#include <algorithm>

namespace brindlemoor::gl {

namespace {

Buffer upload(GLenum target, std::size_t bytes, const void* data) {
    Buffer buffer = Buffer::create();
    glBindBuffer(target, buffer.name());
    glBufferData(target, static_cast<GLsizeiptr>(bytes), data, GL_STATIC_DRAW);
    return buffer;
}

}  // namespace

Mesh Mesh::begin() {
    Mesh mesh;
    mesh.vertexArray_ = VertexArray::create();
    glBindVertexArray(mesh.vertexArray_.name());
    return mesh;
}

void Mesh::setIndices(const unsigned int* indices, std::size_t count) {
    buffers_.push_back(upload(GL_ELEMENT_ARRAY_BUFFER, count * sizeof(unsigned int), indices));
    indexCount_ = count;
}

void Mesh::addAttribute(GLuint program, const char* name, const float* data, std::size_t vertices, int components) {
    const GLint location = glGetAttribLocation(program, name);
    if (location < 0 || vertices == 0) {
        return;
    }
    buffers_.push_back(upload(GL_ARRAY_BUFFER, vertices * static_cast<std::size_t>(components) * sizeof(float), data));
    glEnableVertexAttribArray(static_cast<GLuint>(location));
    glVertexAttribPointer(static_cast<GLuint>(location), components, GL_FLOAT, GL_FALSE, 0, nullptr);
}

void Mesh::finish() {
    glBindVertexArray(0);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
}

void Mesh::drawElements() const { drawElements(0, indexCount_); }

void Mesh::drawElements(std::size_t first, std::size_t count) const {
    if (!vertexArray_ || first >= indexCount_ || count == 0) {
        return;  // nothing built: drawing without a vertex array is an error in a core context
    }
    count = std::min(count, indexCount_ - first);
    glBindVertexArray(vertexArray_.name());
    glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(count), GL_UNSIGNED_INT,
                   reinterpret_cast<const void*>(first * sizeof(unsigned int)));
}

}  // namespace brindlemoor::gl
