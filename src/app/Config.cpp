#include "app/Config.h"

#include <fstream>

#include "io/TextLines.h"
#include "io/UserDirs.h"

namespace brindlemoor::app {

namespace {

bool canRead(const std::string& path) {
    std::ifstream file;
    return io::openTextFile(file, path);
}

}  // namespace

std::string configFileToRead(const std::string& configOption) {
    if (!configOption.empty()) {
        return configOption;
    }
    const std::string home = io::configHome();
    const std::string personal = home + "/brindlemoor/config.txt";
    if (!canRead("config.txt") && !home.empty() && canRead(personal)) {
        return personal;
    }
    return "config.txt";
}

void readConfigFile(const std::string& path, SettingsTarget& target, io::Output& out) {
    std::ifstream file;
    if (!io::openTextFile(file, path)) {
        out.line("Cannot open 'config.txt' file. Falling back to standard settings");
        return;
    }
    out.line("reading config file...");

    io::TextLineReader reader(file);
    std::string line;
    // Counts every line except comments; wide so that no file can overflow it.
    long long lineNumber = 0;
    while (reader.next(line)) {
        if (line.compare(0, 2, "//") == 0) {
            continue;
        }
        if (!line.empty()) {
            const std::string::size_type equals = line.find('=');
            if (equals == std::string::npos) {
                out.line("Error at reading line: ", lineNumber, "in file config.txt");
            } else {
                applySetting({line.substr(0, equals), line.substr(equals + 1)}, target, out);
            }
        }
        ++lineNumber;
    }
}

void readConfig(const std::string& configOption, const std::vector<Setting>& commandLine, SettingsTarget& target,
                io::Output& out) {
    readConfigFile(configFileToRead(configOption), target, out);
    for (const Setting& setting : commandLine) {
        applySetting(setting, target, out);
    }
}

}  // namespace brindlemoor::app
