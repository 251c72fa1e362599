// Whole-file reads with a size cap, so a damaged or enormous data file is
// refused instead of exhausting memory.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace brindlemoor::io {

// Reads the whole file into `out`. False (and `out` empty) when the file cannot
// be opened, is not a regular readable file, or is larger than `maxBytes`.
bool readFileBytes(const std::string& path, std::size_t maxBytes, std::vector<unsigned char>& out);

}  // namespace brindlemoor::io
