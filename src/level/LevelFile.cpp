#include "level/LevelFile.h"

#include <fstream>

#include "io/TextLines.h"

namespace brindlemoor::level {

namespace {
constexpr int kLongestLevel = 99;
}  // namespace

bool readLevelCodes(const std::string& path, int length, std::vector<std::string>& codes) {
    // 0 is "no length configured"; a negative length cannot come from config.txt
    // and is treated the same rather than giving a corridor without blocks.
    if (length <= 0) {
        length = kLongestLevel;
    }
    codes.clear();
    std::ifstream file;
    if (!io::openTextFile(file, path)) {
        return false;
    }
    io::TextLineReader reader(file);
    std::string line;
    int count = 0;
    while (count < length && reader.next(line)) {
        if (!line.empty()) {
            codes.push_back(line);
            ++count;
        }
    }
    return true;
}

void printReadLevel(const std::vector<std::string>& codes, io::Output& out) {
    out.line("Printing read level:");
    for (const std::string& code : codes) {
        out.text(code, " . ");
    }
}

}  // namespace brindlemoor::level
