// Move-only owners of OpenGL objects (see io::UniqueName): buffers,
// vertex arrays, textures, framebuffers, programs and shaders.
#pragma once

#include "gl/Gl.h"
#include "io/UniqueName.h"

namespace brindlemoor::gl {

// A GL object of one kind, owned; `create()` makes a new one.
template <class Kind>
class Handle : public io::UniqueName<Kind> {
public:
    using io::UniqueName<Kind>::UniqueName;
    static Handle create() { return Handle(Kind::create()); }
};

namespace kind {
// Every GL object is named by a GLuint, 0 for none.
struct GlName {
    using Name = GLuint;
    static constexpr GLuint kNone = 0;
};
struct Buffer : GlName {
    static GLuint create() { GLuint n = 0; glGenBuffers(1, &n); return n; }
    static void destroy(GLuint n) { glDeleteBuffers(1, &n); }
};
struct VertexArray : GlName {
    static GLuint create() { GLuint n = 0; glGenVertexArrays(1, &n); return n; }
    static void destroy(GLuint n) { glDeleteVertexArrays(1, &n); }
};
struct Texture : GlName {
    static GLuint create() { GLuint n = 0; glGenTextures(1, &n); return n; }
    static void destroy(GLuint n) { glDeleteTextures(1, &n); }
};
struct Framebuffer : GlName {
    static GLuint create() { GLuint n = 0; glGenFramebuffers(1, &n); return n; }
    static void destroy(GLuint n) { glDeleteFramebuffers(1, &n); }
};
struct Program : GlName {
    static GLuint create() { return glCreateProgram(); }
    static void destroy(GLuint n) { glDeleteProgram(n); }
};
struct Shader : GlName {
    static void destroy(GLuint n) { glDeleteShader(n); }  // created with a type: Shader(glCreateShader(type))
};
}  // namespace kind

using Buffer = Handle<kind::Buffer>;
using VertexArray = Handle<kind::VertexArray>;
using Texture = Handle<kind::Texture>;
using Framebuffer = Handle<kind::Framebuffer>;
using Program = Handle<kind::Program>;
using Shader = Handle<kind::Shader>;

}  // namespace brindlemoor::gl
