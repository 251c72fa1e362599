#include "gl/ShaderProgram.h"

#include <fstream>
#include <iterator>
#include <vector>


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

io::Result<ShaderProgram> ShaderProgram::load(const io::DataFolder& data, const std::string& vertexPath,
                                               const std::string& fragmentPath) {
    ShaderProgram built;
    built.program_ = Program::create();
    if (!built.program_) {
        // The message keeps the single byte 0xE4 players have always seen here.
        return io::fail("Error while creating shader program h\xE4ndl!");
    }
    io::Result<Shader> vertex = compileShader(data, vertexPath, GL_VERTEX_SHADER);
    if (!vertex) {
        return vertex.failure();
    }
    built.vertex_ = std::move(vertex.value());
    io::Result<Shader> fragment = compileShader(data, fragmentPath, GL_FRAGMENT_SHADER);
    if (!fragment) {
        return fragment.failure();
    }
    built.fragment_ = std::move(fragment.value());
    const io::Result<void> linked = built.link();
    if (!linked) {
        return linked.failure();
    }
    return built;
}

void ShaderProgram::use() const { glUseProgram(program_.name()); }

io::Result<Shader> ShaderProgram::compileShader(const io::DataFolder& data, const std::string& path, GLenum type) {
    // The file is read before any GL object exists for this stage.
    std::ifstream file(data.path(path));
    if (!file.good()) {
        return io::fail("Failed to open shader file: " + path);
    }
    const std::string source((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    file.close();

    Shader shader(glCreateShader(type));
    if (!shader) {
        return io::fail("Failed to create shader");
    }
    const char* text = source.c_str();
    glShaderSource(shader.name(), 1, &text, nullptr);
    glCompileShader(shader.name());

    GLint status = GL_FALSE;
    glGetShaderiv(shader.name(), GL_COMPILE_STATUS, &status);
    if (status == GL_FALSE || glIsShader(shader.name()) != GL_TRUE) {
        return io::fail("Failed to compile shader", infoLog(shader.name(), glGetShaderiv, glGetShaderInfoLog));
    }
    return shader;
}

io::Result<void> ShaderProgram::link() {
    glAttachShader(program_.name(), vertex_.name());
    glAttachShader(program_.name(), fragment_.name());
    glBindFragDataLocation(program_.name(), 0, "fragColor");
    glLinkProgram(program_.name());

    GLint status = GL_FALSE;
    glGetProgramiv(program_.name(), GL_LINK_STATUS, &status);
    if (status == GL_FALSE) {
        return io::fail("Failed to link shader program", infoLog(program_.name(), glGetProgramiv, glGetProgramInfoLog));
    }
    return {};
}

}  // namespace brindlemoor::gl
