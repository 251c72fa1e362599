#include "io/FileBytes.h"

#include <sys/stat.h>

#include <cstdio>

namespace brindlemoor::io {

bool readFileBytes(const std::string& path, std::size_t maxBytes, std::vector<unsigned char>& out) {
    out.clear();
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return false;
    }
    if (info.st_size < 0 || static_cast<unsigned long long>(info.st_size) > maxBytes) {
        return false;
    }
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return false;
    }
    out.resize(static_cast<std::size_t>(info.st_size));
    const std::size_t got = out.empty() ? 0 : std::fread(out.data(), 1, out.size(), file);
    std::fclose(file);
    if (got != out.size()) {
        out.clear();
        return false;
    }
    return true;
}

}  // namespace brindlemoor::io
