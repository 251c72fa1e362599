#include "io/DataPaths.h"

namespace brindlemoor::io {

namespace {
std::string& folder() {
    static std::string directory;
    return directory;
}
}  // namespace

void setDataDirectory(const std::string& directory) { folder() = directory; }

const std::string& dataDirectory() { return folder(); }

std::string dataPath(const std::string& relative) {
    const std::string& directory = folder();
    if (directory.empty() || relative.empty() || relative.front() == '/') {
        return relative;
    }
    return directory.back() == '/' ? directory + relative : directory + "/" + relative;
}

}  // namespace brindlemoor::io
