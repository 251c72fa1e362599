// The list of files the generator writes, relative to the output root, each
// with the function that makes its bytes.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace assetgen {

struct OutputFile {
    std::string path;
    std::function<std::vector<std::uint8_t>()> make;
};

std::vector<OutputFile> outputFiles();

}  // namespace assetgen
