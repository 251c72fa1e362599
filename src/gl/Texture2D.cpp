#include "gl/Texture2D.h"

#include "gl/TextureUpload.h"

namespace brindlemoor::gl {

Texture loadTexture(io::ImageCache& images, const std::string& file) {
    Texture texture = Texture::create();
    glBindTexture(GL_TEXTURE_2D, texture.name());
    // The filters come before the image: a texture whose minification filter
    // is still the initial one when its base level arrives gets storage for
    // that level alone from Mesa, and the levels below then go to a second
    // allocation, the base level left behind in the first until the texture is
    // first drawn (most pieces of a corridor never are).
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    // A texture without an image gets no mipmaps either.
    if (const io::CachedImage* image = images.imageWithLevels(file)) {
        uploadImage(image->image);
        uploadSmallerLevels(*image);
    }
    return texture;
}

void applyMinFilter(int mode) {
    static const GLint filters[] = {GL_NEAREST,
                                    GL_LINEAR,
                                    GL_NEAREST_MIPMAP_NEAREST,
                                    GL_LINEAR_MIPMAP_NEAREST,
                                    GL_NEAREST_MIPMAP_LINEAR,
                                    GL_LINEAR_MIPMAP_LINEAR};
    const GLint filter = (mode >= 0 && mode <= 5) ? filters[mode] : GL_LINEAR_MIPMAP_LINEAR;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
}

}  // namespace brindlemoor::gl
