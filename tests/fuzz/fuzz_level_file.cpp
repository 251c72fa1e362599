// Level files of any content. The first byte chooses the configured length
// (as a signed number, so negative lengths are tried too); the rest is the file.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "level/LevelFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using brindlemoor::fuzz::require;
    const int length = size > 0 ? static_cast<int>(static_cast<std::int8_t>(data[0])) : 0;
    const std::uint8_t* content = size > 0 ? data + 1 : data;
    const std::size_t contentSize = size > 0 ? size - 1 : 0;

    std::vector<std::string> codes{"stale"};
    const bool read =
        brindlemoor::level::readLevelCodes(brindlemoor::fuzz::writeScratchFile(content, contentSize), length, codes);
    require(read, "a readable file is read");
    const std::size_t most = length > 0 ? static_cast<std::size_t>(length) : 99u;
    require(codes.size() <= most, "no more codes than the length allows");
    for (const std::string& code : codes) {
        require(!code.empty(), "no empty code");
        require(code.find('\n') == std::string::npos, "no line feed inside a code");
    }
    return 0;
}
