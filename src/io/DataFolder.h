// Where the game's own files (Resources/, Shader/) are read from. They keep
// the relative names the game has always used ("Resources/...", "Shader/...")
// and are resolved against one data folder, found at start-up.
#pragma once

#include <string>

namespace brindlemoor::io {

class DataFolder {
public:
    // An empty folder is the working folder.
    explicit DataFolder(std::string folder = {}) : folder_(std::move(folder)) {}

    const std::string& folder() const { return folder_; }

    // The path to open for a data file named by its relative path. Absolute
    // paths, and every name when the folder is the working one, come back
    // unchanged.
    std::string path(const std::string& relative) const {
        if (folder_.empty() || relative.empty() || relative.front() == '/') {
            return relative;
        }
        return folder_.back() == '/' ? folder_ + relative : folder_ + "/" + relative;
    }

private:
    std::string folder_;
};

}  // namespace brindlemoor::io
