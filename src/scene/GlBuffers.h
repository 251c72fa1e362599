// Vertex data uploads shared by models and chalk text.
#pragma once

#include <cstddef>

namespace brindlemoor::scene {

// A new buffer bound to `target` holding `bytes` bytes (static draw).
unsigned int uploadBuffer(unsigned int target, std::size_t bytes, const void* data);

// Points a float attribute of the bound vertex array at the bound array
// buffer. Attributes the program does not use (location -1) are skipped
// instead of raising a GL error.
void enableFloatAttribute(unsigned int programHandle, const char* name, int components);

}  // namespace brindlemoor::scene
