#include "gl/ShaderProgram.h"

#include <fstream>
#include <iterator>
#include <vector>

#include "io/DataPaths.h"

namespace brindlemoor::gl {

namespace {

// Info logs are fetched into a buffer of the length GL reports; one extra byte
// keeps it terminated even when a driver reports 0.
template <class GetLength, class GetLog>
std::string infoLog(GLuint name, GetLength getLength, GetLog getLog) {
    GLint length = 0;
    getLength(name, GL_INFO_LOG_LENGTH, &length);
    std::vector<char> log(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
    getLog(name, length, nullptr, log.data());
    return std::string(log.data());
}

}  // namespace

ShaderProgram::ShaderProgram(const std::string& vertexPath, const std::string& fragmentPath) {
    program_ = Program::create();
    if (!program_) {
        // The message keeps the single byte 0xE4 players have always seen here.
        throw ShaderError("Error while creating shader program h\xE4ndl!");
    }
    vertex_ = compileShader(vertexPath, GL_VERTEX_SHADER);
    fragment_ = compileShader(fragmentPath, GL_FRAGMENT_SHADER);
    link();
}

void ShaderProgram::use() const { glUseProgram(program_.name()); }

Shader ShaderProgram::compileShader(const std::string& path, GLenum type) {
    // The file is read before any GL object exists for this stage.
    std::ifstream file(io::dataPath(path));
    if (!file.good()) {
        throw ShaderError("Failed to open shader file: " + path);
    }
    const std::string source((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    file.close();

    Shader shader(glCreateShader(type));
    if (!shader) {
        throw ShaderError("Failed to create shader");
    }
    const char* text = source.c_str();
    glShaderSource(shader.name(), 1, &text, nullptr);
    glCompileShader(shader.name());

    GLint status = GL_FALSE;
    glGetShaderiv(shader.name(), GL_COMPILE_STATUS, &status);
    if (status == GL_FALSE || glIsShader(shader.name()) != GL_TRUE) {
        throw ShaderError("Failed to compile shader", true,
                          infoLog(shader.name(), glGetShaderiv, glGetShaderInfoLog));
    }
    return shader;
}

void ShaderProgram::link() {
    glAttachShader(program_.name(), vertex_.name());
    glAttachShader(program_.name(), fragment_.name());
    glBindFragDataLocation(program_.name(), 0, "fragColor");
    glLinkProgram(program_.name());

    GLint status = GL_FALSE;
    glGetProgramiv(program_.name(), GL_LINK_STATUS, &status);
    if (status == GL_FALSE) {
        throw ShaderError("Failed to link shader program", true,
                          infoLog(program_.name(), glGetProgramiv, glGetProgramInfoLog));
    }
}

}  // namespace brindlemoor::gl
