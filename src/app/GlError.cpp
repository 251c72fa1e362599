#include "app/GlError.h"

#include <iostream>

#include "platform/Gl.h"

namespace brindlemoor::app {

void checkGlError(const std::string& place) {
    const GLenum error = glGetError();
    if (error != GL_NO_ERROR) {
        std::cout << "GL ERROR DETECTED!!! " << static_cast<unsigned int>(error) << " @ Main in " << place
                  << std::endl;
    }
}

}  // namespace brindlemoor::app
