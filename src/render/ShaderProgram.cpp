#include "render/ShaderProgram.h"

#include <fstream>
#include <iterator>
#include <vector>

#include "app/Fatal.h"
#include "platform/Gl.h"

namespace brindlemoor::render {

namespace {

// Info logs are fetched into a buffer of the length GL reports; one extra byte
// keeps it terminated even when a driver reports 0.
std::string shaderLog(GLuint shader) {
    GLint length = 0;
    glGetShaderiv(shader, GL_INFO_LOG_LENGTH, &length);
    std::vector<char> log(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
    glGetShaderInfoLog(shader, length, nullptr, log.data());
    return std::string(log.data());
}

std::string programLog(GLuint program) {
    GLint length = 0;
    glGetProgramiv(program, GL_INFO_LOG_LENGTH, &length);
    std::vector<char> log(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
    glGetProgramInfoLog(program, length, nullptr, log.data());
    return std::string(log.data());
}

}  // namespace

ShaderProgram::ShaderProgram(const std::string& vertexPath, const std::string& fragmentPath) {
    programHandle = 0;
    vertexHandle = 0;
    fragmentHandle = 0;
    programHandle = glCreateProgram();
    if (programHandle == 0) {
        // The message keeps the single byte 0xE4 players have always seen here.
        app::fatal("Error while creating shader program h\xE4ndl!");
    }
    compileShader(vertexPath, GL_VERTEX_SHADER, vertexHandle);
    compileShader(fragmentPath, GL_FRAGMENT_SHADER, fragmentHandle);
    link();
}

ShaderProgram::~ShaderProgram() {
    glDeleteProgram(programHandle);
    glDeleteShader(vertexHandle);
    glDeleteShader(fragmentHandle);
}

void ShaderProgram::compileShader(const std::string& path, unsigned int type, unsigned int& handle) {
    // The file is read before any GL object exists for this stage.
    std::ifstream file(path);
    if (!file.good()) {
        app::fatal("Failed to open shader file: " + path);
    }
    const std::string source((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    file.close();

    handle = glCreateShader(type);
    if (handle == 0) {
        app::fatal("Failed to create shader");
    }
    const char* text = source.c_str();
    glShaderSource(handle, 1, &text, nullptr);
    glCompileShader(handle);

    GLint status = GL_FALSE;
    glGetShaderiv(handle, GL_COMPILE_STATUS, &status);
    if (status != GL_FALSE && glIsShader(handle) == GL_TRUE) {
        return;
    }
    app::fatal("Failed to compile shader", shaderLog(handle));
}

void ShaderProgram::link() {
    glAttachShader(programHandle, vertexHandle);
    glAttachShader(programHandle, fragmentHandle);
    glBindFragDataLocation(programHandle, 0, "fragColor");
    glLinkProgram(programHandle);

    GLint status = GL_FALSE;
    glGetProgramiv(programHandle, GL_LINK_STATUS, &status);
    if (status != GL_FALSE) {
        return;
    }
    app::fatal("Failed to link shader program", programLog(programHandle));
}

}  // namespace brindlemoor::render
