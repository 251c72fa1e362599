#include "gl/FinishWhile.h"

#include "gl/Gl.h"

namespace brindlemoor::gl {

void finishWhile(void (*meanwhile)(), double interval) {
    GLsync fence = glFenceSync(GL_SYNC_GPU_COMMANDS_COMPLETE, 0);
    if (fence == nullptr) {
        meanwhile();
        return;
    }
    const auto timeout = static_cast<GLuint64>(interval * 1e9);
    GLbitfield flags = GL_SYNC_FLUSH_COMMANDS_BIT;  // the first wait sends the commands on their way
    for (;;) {
        const GLenum status = glClientWaitSync(fence, flags, timeout);
        flags = 0;
        meanwhile();
        if (status != GL_TIMEOUT_EXPIRED) {
            break;  // done, or the wait failed: never wait forever
        }
    }
    glDeleteSync(fence);
}

}  // namespace brindlemoor::gl
