#include "gl/GlError.h"

#include "gl/Gl.h"

namespace brindlemoor::gl {

unsigned int reportGlError(io::Output& out, const std::string& suffix) {
    const GLenum error = glGetError();
    if (error != GL_NO_ERROR) {
        out.line("GL ERROR DETECTED!!! ", static_cast<unsigned int>(error), suffix);
    }
    return error;
}

void checkGlError(io::Output& out, const std::string& place) { reportGlError(out, " @ Main in " + place); }

}  // namespace brindlemoor::gl
