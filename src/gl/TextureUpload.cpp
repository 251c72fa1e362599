#include "gl/TextureUpload.h"

#include "gl/Gl.h"

namespace brindlemoor::gl {

void uploadImage(const io::Image& image) {
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, image.width, image.height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 image.rgba.data());
}

void uploadSmallerLevels(const io::CachedImage& image) {
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    GLint level = 1;
    for (const io::Image& smaller : image.smallerLevels) {
        glTexImage2D(GL_TEXTURE_2D, level++, GL_RGBA8, smaller.width, smaller.height, 0, GL_RGBA,
                     GL_UNSIGNED_BYTE, smaller.rgba.data());
    }
}

}  // namespace brindlemoor::gl
