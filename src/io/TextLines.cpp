#include "io/TextLines.h"

namespace brindlemoor::io {

namespace {
constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";
constexpr std::string::size_type kByteOrderMarkSize = 3;
}  // namespace

bool openTextFile(std::ifstream& file, const std::string& path) {
    file.open(path);
    if (!file.is_open()) {
        return false;
    }
    file.peek();
    if (file.bad()) {
        file.close();
        return false;
    }
    file.clear();  // an empty file only sets eof
    return true;
}

TextLineReader::TextLineReader(std::istream& in) : in_(in) {}

bool TextLineReader::next(std::string& line) {
    if (!std::getline(in_, line)) {
        return false;
    }
    // Notepad puts a byte order mark in front of the first line; left there it
    // would make the first key, code or word unmatchable.
    if (atStart_) {
        atStart_ = false;
        if (line.compare(0, kByteOrderMarkSize, kByteOrderMark) == 0) {
            line.erase(0, kByteOrderMarkSize);
        }
    }
    // Windows line ends: the stream is read as on Linux, so the CR stays.
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return true;
}

}  // namespace brindlemoor::io
