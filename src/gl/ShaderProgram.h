// A linked GL program from one vertex and one fragment shader file. Building
// one either succeeds completely or says why not, with the lines the caller
// prints before the game ends: nothing half built is ever used.
#pragma once

#include <string>

#include "gl/Handle.h"
#include "io/DataFolder.h"
#include "io/Result.h"

namespace brindlemoor::gl {

class ShaderProgram {
public:
    // Reads, compiles and links both files (named relative to the data
    // folder). The first failure ends the build (a missing vertex file is
    // reported before the fragment file is opened): its message, and for
    // compile and link failures the driver's log as the second line.
    static io::Result<ShaderProgram> load(const io::DataFolder& data, const std::string& vertexPath,
                                          const std::string& fragmentPath);

    GLuint programHandle() const { return program_.name(); }
    GLuint vertexHandle() const { return vertex_.name(); }
    GLuint fragmentHandle() const { return fragment_.name(); }

    // Makes the program current.
    void use() const;

private:
    ShaderProgram() = default;
    static io::Result<Shader> compileShader(const io::DataFolder& data, const std::string& path, GLenum type);
    io::Result<void> link();

    // Destroyed in reverse order: the program, then the vertex and the
    // fragment shader.
    Shader fragment_;
    Shader vertex_;
    Program program_;
};

}  // namespace brindlemoor::gl
