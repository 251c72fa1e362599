#include "FuzzSupport.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <ostream>

namespace brindlemoor::fuzz {

namespace {

std::string scratchPath;

void removeScratchFile() {
    if (!scratchPath.empty()) {
        std::remove(scratchPath.c_str());
    }
}

}  // namespace

const std::string& writeScratchFile(const std::uint8_t* data, std::size_t size) {
    if (scratchPath.empty()) {
        std::string pattern = (std::filesystem::temp_directory_path() / "brindlemoor-fuzz-XXXXXX").string();
        const int fd = ::mkstemp(pattern.data());
        require(fd >= 0, "cannot create the scratch file");
        ::close(fd);
        scratchPath = pattern;
        std::atexit(removeScratchFile);
    }
    std::FILE* file = std::fopen(scratchPath.c_str(), "wb");
    require(file != nullptr, "cannot open the scratch file");
    const std::size_t written = size == 0 ? 0 : std::fwrite(data, 1, size, file);
    require(std::fclose(file) == 0 && written == size, "cannot write the scratch file");
    return scratchPath;
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
