#include "app/Fatal.h"

#include <cstdlib>
#include <iostream>

#include "gl/ShaderProgram.h"
#include "platform/Console.h"

namespace brindlemoor::app {

void fatal(const std::string& message) {
    std::cout << message << std::endl;
    platform::pauseConsole();
    std::exit(-1);
}

void fatal(const std::string& message, const std::string& detail) {
    std::cout << message << std::endl;
    std::cout << detail << std::endl;
    platform::pauseConsole();
    std::exit(-1);
}

void fatal(const gl::ShaderError& error) {
    if (error.hasLog()) {
        fatal(error.what(), error.log());
    }
    fatal(error.what());
}

}  // namespace brindlemoor::app
