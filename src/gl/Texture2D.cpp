#include "gl/Texture2D.h"

#include "platform/DataPaths.h"
#include "platform/Texture.h"

namespace brindlemoor::gl {

Texture loadTexture(const std::string& path) {
    Texture texture = Texture::create();
    glBindTexture(GL_TEXTURE_2D, texture.name());
    const bool loaded = platform::loadTexture2D(platform::dataPath(path), 0);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    // A texture without an image gets no mipmaps, which would only raise a GL error.
    if (loaded) {
        glGenerateMipmap(GL_TEXTURE_2D);
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
