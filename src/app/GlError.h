// Reports of pending OpenGL errors, labelled with where they were noticed.
#pragma once

#include <string>

namespace brindlemoor::app {

// Prints "GL ERROR DETECTED!!! <code> @ Main in <place>" when an error is pending.
void checkGlError(const std::string& place);

}  // namespace brindlemoor::app
