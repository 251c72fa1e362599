// A linked GL program from one vertex and one fragment shader file. Building
// one either succeeds completely or ends the game with a message.
#pragma once

#include <string>

namespace brindlemoor::render {

class ShaderProgram {
public:
    ShaderProgram(const std::string& vertexPath, const std::string& fragmentPath);
    // Deletes the program, then the vertex and the fragment shader.
    ~ShaderProgram();
    ShaderProgram(const ShaderProgram&) = delete;
    ShaderProgram& operator=(const ShaderProgram&) = delete;

    // Callers use the names directly (glUseProgram, uniform and attribute look-ups).
    unsigned int programHandle = 0;
    unsigned int vertexHandle = 0;
    unsigned int fragmentHandle = 0;

private:
    void compileShader(const std::string& path, unsigned int type, unsigned int& handle);
    void link();
};

}  // namespace brindlemoor::render
