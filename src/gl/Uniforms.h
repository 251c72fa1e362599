// Uniform uploads by name. Locations are looked up at every use, never cached:
// a program rebuilt for a new game can never be fed stale locations.
#pragma once

#include <glm/mat4x4.hpp>
#include <glm/vec4.hpp>

namespace brindlemoor::gl {

void uploadMatrix(unsigned int programHandle, const char* name, const glm::mat4& matrix);
void uploadInt(unsigned int programHandle, const char* name, int value);
void uploadVec4(unsigned int programHandle, const char* name, const glm::vec4& value);

}  // namespace brindlemoor::gl
