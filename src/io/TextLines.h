// Line-by-line reading of the game's text files (config.txt, level files, word
// lists), tolerant of files saved on Windows.
#pragma once

#include <fstream>
#include <istream>
#include <string>

namespace brindlemoor::io {

// Opens a text file for reading. False when it cannot be opened or not be read
// at all (a directory opens on Linux but fails on the first read).
bool openTextFile(std::ifstream& file, const std::string& path);

class TextLineReader {
public:
    explicit TextLineReader(std::istream& in);

    // Reads the next line without its line feed. One carriage return before the
    // line end is dropped, and so is a UTF-8 byte order mark at the very start
    // of the stream. False at the end of the stream (or when it cannot be read).
    bool next(std::string& line);

private:
    std::istream& in_;
    bool atStart_ = true;
};

}  // namespace brindlemoor::io
