// Move-only owners of OpenGL object names. The destructor deletes the object,
// copying is not allowed, and moving hands the name over, so every GL object
// has exactly one owner and is released exactly once.
#pragma once

#include <utility>

#include "platform/Gl.h"

namespace brindlemoor::gl {

template <class Kind>
class Handle {
public:
    Handle() = default;
    // Takes ownership of an existing name (0 owns nothing).
    explicit Handle(GLuint name) : name_(name) {}
    ~Handle() { reset(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    Handle(Handle&& other) noexcept : name_(std::exchange(other.name_, 0)) {}
    Handle& operator=(Handle&& other) noexcept {
        if (this != &other) {
            reset();
            name_ = std::exchange(other.name_, 0);
        }
        return *this;
    }

    // A new object of this kind.
    static Handle create() { return Handle(Kind::create()); }

    GLuint name() const { return name_; }
    explicit operator bool() const { return name_ != 0; }
    void reset() {
        if (name_ != 0) {
            Kind::destroy(name_);
            name_ = 0;
        }
    }

private:
    GLuint name_ = 0;
};

namespace kind {
struct Buffer {
    static GLuint create() { GLuint n = 0; glGenBuffers(1, &n); return n; }
    static void destroy(GLuint n) { glDeleteBuffers(1, &n); }
};
struct VertexArray {
    static GLuint create() { GLuint n = 0; glGenVertexArrays(1, &n); return n; }
    static void destroy(GLuint n) { glDeleteVertexArrays(1, &n); }
};
struct Texture {
    static GLuint create() { GLuint n = 0; glGenTextures(1, &n); return n; }
    static void destroy(GLuint n) { glDeleteTextures(1, &n); }
};
struct Framebuffer {
    static GLuint create() { GLuint n = 0; glGenFramebuffers(1, &n); return n; }
    static void destroy(GLuint n) { glDeleteFramebuffers(1, &n); }
};
struct Program {
    static GLuint create() { return glCreateProgram(); }
    static void destroy(GLuint n) { glDeleteProgram(n); }
};
struct Shader {
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
