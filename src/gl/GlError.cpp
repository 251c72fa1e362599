#include "gl/GlError.h"

#include <iostream>

#include "gl/Gl.h"

namespace brindlemoor::gl {

unsigned int reportGlError(const std::string& suffix) {
    const GLenum error = glGetError();
    if (error != GL_NO_ERROR) {
        std::cout << "GL ERROR DETECTED!!! " << static_cast<unsigned int>(error) << suffix << std::endl;
    }
    return error;
}

void checkGlError(const std::string& place) { reportGlError(" @ Main in " + place); }

}  // namespace brindlemoor::gl
