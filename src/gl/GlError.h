// Reports of pending OpenGL errors. Every report has the same shape,
// "GL ERROR DETECTED!!! <code>" followed by where it was noticed.
#pragma once

#include <string>

#include "io/Output.h"

namespace brindlemoor::gl {

// Prints "GL ERROR DETECTED!!! <code><suffix>" when an error is pending and
// returns the error (0 when there was none).
unsigned int reportGlError(io::Output& out, const std::string& suffix);

// The report with " @ Main in <place>".
void checkGlError(io::Output& out, const std::string& place);

}  // namespace brindlemoor::gl
