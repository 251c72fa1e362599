#include "app/DepthShot.h"

#include <array>
#include <fstream>
#include <vector>

#include "gl/GlError.h"
#include "gl/Gl.h"

namespace brindlemoor::app {

void writeDepthShot(io::Output& out, const char* fileName, int width, int height) {
    if (width <= 0 || height <= 0) {
        return;  // nothing to read; a negative size would be a bad allocation
    }
    std::vector<unsigned char> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    // Rows are packed without padding so that any width fits the buffer exactly.
    GLint previousAlignment = 4;
    glGetIntegerv(GL_PACK_ALIGNMENT, &previousAlignment);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_DEPTH_COMPONENT, GL_UNSIGNED_BYTE, pixels.data());
    glPixelStorei(GL_PACK_ALIGNMENT, previousAlignment);
    gl::checkGlError(out, "after depthshot read Pixels");

    const std::array<unsigned char, 18> header = {
        0, 0, 3,                      // no image ID, no colour map, uncompressed greyscale
        0, 0, 0, 0, 0,                // colour map (none)
        0, 0, 0, 0,                   // origin
        static_cast<unsigned char>(width % 256), static_cast<unsigned char>(width / 256),
        static_cast<unsigned char>(height % 256), static_cast<unsigned char>(height / 256),
        8,                            // bits per pixel
        0};                           // lower-left origin, no alpha bits
    std::ofstream file(fileName, std::ios::binary | std::ios::trunc);
    if (!file) {
        return;
    }
    file.write(reinterpret_cast<const char*>(header.data()), static_cast<std::streamsize>(header.size()));
    file.write(reinterpret_cast<const char*>(pixels.data()), static_cast<std::streamsize>(pixels.size()));
}

}  // namespace brindlemoor::app
