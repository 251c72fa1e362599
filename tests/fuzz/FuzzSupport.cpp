#include "FuzzSupport.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>

namespace brindlemoor::fuzz {

const std::string& writeScratchFile(const std::uint8_t* data, std::size_t size) {
    static const std::string path = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "brindlemoor-fuzz-XXXXXX").string();
        const int fd = ::mkstemp(pattern.data());
        require(fd >= 0, "cannot create the scratch file");
        ::close(fd);
        return pattern;
    }();
    // Registered once the path is made, so that it runs before the path is destroyed.
    static const bool removedAtExit = std::atexit([] { std::remove(path.c_str()); }) == 0;
    (void)removedAtExit;
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    file.close();
    require(!file.fail(), "cannot write the scratch file");
    return path;
}

io::Output& nowhere() {
    static std::ostream stream(nullptr);  // no buffer: every write is dropped
    static io::Output output(stream, stream);
    return output;
}

void require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "fuzz invariant broken: %s\n", what);
        std::abort();
    }
}

}  // namespace brindlemoor::fuzz
