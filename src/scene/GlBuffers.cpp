#include "scene/GlBuffers.h"

#include "platform/Gl.h"

namespace brindlemoor::scene {

unsigned int uploadBuffer(unsigned int target, std::size_t bytes, const void* data) {
    GLuint buffer = 0;
    glGenBuffers(1, &buffer);
    glBindBuffer(target, buffer);
    glBufferData(target, static_cast<GLsizeiptr>(bytes), data, GL_STATIC_DRAW);
    return buffer;
}

void enableFloatAttribute(unsigned int programHandle, const char* name, int components) {
    const GLint location = glGetAttribLocation(programHandle, name);
    if (location < 0) {
        return;
    }
    glEnableVertexAttribArray(static_cast<GLuint>(location));
    glVertexAttribPointer(static_cast<GLuint>(location), components, GL_FLOAT, GL_FALSE, 0, nullptr);
}

}  // namespace brindlemoor::scene
