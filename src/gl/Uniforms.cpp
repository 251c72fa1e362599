#include "gl/Uniforms.h"

#include <glm/gtc/type_ptr.hpp>

#include "gl/Gl.h"

namespace brindlemoor::gl {

void uploadMatrix(unsigned int programHandle, const char* name, const glm::mat4& matrix) {
    glUniformMatrix4fv(glGetUniformLocation(programHandle, name), 1, GL_FALSE, glm::value_ptr(matrix));
}

void uploadInt(unsigned int programHandle, const char* name, int value) {
    glUniform1i(glGetUniformLocation(programHandle, name), value);
}


void uploadVec4(unsigned int programHandle, const char* name, const glm::vec4& value) {
    glUniform4fv(glGetUniformLocation(programHandle, name), 1, glm::value_ptr(value));
}

}  // namespace brindlemoor::gl
