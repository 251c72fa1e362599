#include "stats/StatsSettings.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace brindlemoor::stats {

std::string dataHomeFromEnvironment() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg != nullptr && xdg[0] == '/') {
        return xdg;  // relative values are to be ignored
    }
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] == '\0') {
        const passwd* user = ::getpwuid(::getuid());
        home = user != nullptr ? user->pw_dir : nullptr;
    }
    return home != nullptr && home[0] != '\0' ? std::string(home) + "/.local/share" : std::string();
}

std::optional<std::string> historyFile(const std::string& value, const std::string& dataHome) {
    if (value == "off") {
        return std::nullopt;
    }
    if (!value.empty()) {
        return value;
    }
    if (dataHome.empty()) {
        return std::nullopt;
    }
    return dataHome + "/brindlemoor/history.sqlite3";
}

WordChoice wordChoice(const std::string& value) {
    return value == "adaptive" ? WordChoice::Adaptive : WordChoice::Random;
}

}  // namespace brindlemoor::stats
