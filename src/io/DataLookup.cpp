#include "io/DataLookup.h"

#include <algorithm>
#include <vector>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace brindlemoor::io {

namespace fs = std::filesystem;

namespace {

std::string executablePath() {
    std::error_code error;
    const fs::path path = fs::read_symlink("/proc/self/exe", error);
    return error ? "" : path.string();
}

// What the message shows for a candidate: the working folder by its name.
std::string shownPath(const std::string& folder) {
    std::error_code error;
    const fs::path absolute = folder.empty() ? fs::current_path(error) : fs::absolute(folder, error);
    return error ? folder : absolute.lexically_normal().string();
}

}  // namespace

DataSearch dataSearchFor(const std::string& option) {
    DataSearch search;
    search.option = option;
    const char* environment = std::getenv("BRINDLEMOOR_DATA");
    search.environment = environment != nullptr ? environment : "";
    search.executable = executablePath();
#ifdef BRINDLEMOOR_INSTALL_DATADIR
    search.installed = BRINDLEMOOR_INSTALL_DATADIR;
#endif
    return search;
}

bool holdsGameData(const std::string& folder) {
    const fs::path base = folder.empty() ? fs::path(".") : fs::path(folder);
    std::error_code error;
    return fs::is_directory(base / "Resources", error) && fs::is_directory(base / "Shader", error);
}

Result<std::string> findDataFolder(const DataSearch& search) {
    std::vector<std::string> candidates;
    for (const std::string* given : {&search.option, &search.environment}) {
        if (!given->empty()) {
            candidates.push_back(*given);
        }
    }
    candidates.emplace_back();  // the working folder
    if (!search.executable.empty()) {
        // bin/ and share/brindlemoor, or Debian's games/ and share/games/brindlemoor
        const fs::path prefix = fs::path(search.executable).parent_path().parent_path();
        candidates.push_back((prefix / "share" / "brindlemoor").lexically_normal().string());
        candidates.push_back((prefix / "share" / "games" / "brindlemoor").lexically_normal().string());
    }
    if (!search.installed.empty()) {
        candidates.push_back(search.installed);
    }

    std::vector<std::string> tried;
    for (const std::string& candidate : candidates) {
        if (holdsGameData(candidate)) {
            return candidate;
        }
        const std::string shown = shownPath(candidate);
        if (std::find(tried.begin(), tried.end(), shown) == tried.end()) {
            tried.push_back(shown);
        }
    }
    std::string message = "Cannot find the game's data (Resources/ and Shader/); looked in:";
    for (std::size_t i = 0; i < tried.size(); ++i) {
        message += (i == 0 ? " " : ", ") + tried[i];
    }
    return fail(message);
}

}  // namespace brindlemoor::io
