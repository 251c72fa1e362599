// A linked GL program from one vertex and one fragment shader file. Building
// one either succeeds completely or throws ShaderError, whose lines the caller
// prints before the game ends: nothing half built is ever used.
#pragma once

#include <stdexcept>
#include <string>

#include "gl/Handle.h"

namespace brindlemoor::gl {

// Why a program could not be built: the message line, and for compile and
// link failures the driver's log for the line after it.
class ShaderError : public std::runtime_error {
public:
    ShaderError(const std::string& message, bool hasLog = false, std::string log = {})
        : std::runtime_error(message), hasLog_(hasLog), log_(std::move(log)) {}
    bool hasLog() const { return hasLog_; }
    const std::string& log() const { return log_; }

private:
    bool hasLog_;
    std::string log_;
};

class ShaderProgram {
public:
    // Reads, compiles and links both files; throws ShaderError on the first
    // failure (a missing vertex file is reported before the fragment file is
    // opened).
    ShaderProgram(const std::string& vertexPath, const std::string& fragmentPath);

    GLuint programHandle() const { return program_.name(); }
    GLuint vertexHandle() const { return vertex_.name(); }
    GLuint fragmentHandle() const { return fragment_.name(); }

    // Makes the program current.
    void use() const;

private:
    static Shader compileShader(const std::string& path, GLenum type);
    void link();

    // Destroyed in reverse order: the program, then the vertex and the
    // fragment shader.
    Shader fragment_;
    Shader vertex_;
    Program program_;
};

}  // namespace brindlemoor::gl
