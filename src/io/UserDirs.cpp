#include "io/UserDirs.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace brindlemoor::io {

namespace {

std::string homeFolder() {
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/') {
        return home;
    }
    // Services and some sandboxes run without HOME.
    const passwd* entry = ::getpwuid(::getuid());
    return entry != nullptr && entry->pw_dir != nullptr ? entry->pw_dir : "";
}

std::string baseFolder(const char* variable, const char* underHome) {
    const char* value = std::getenv(variable);
    if (value != nullptr && value[0] == '/') {
        return value;
    }
    const std::string home = homeFolder();
    return home.empty() ? "" : home + underHome;
}

}  // namespace

std::string configHome() { return baseFolder("XDG_CONFIG_HOME", "/.config"); }

std::string dataHome() { return baseFolder("XDG_DATA_HOME", "/.local/share"); }

}  // namespace brindlemoor::io
