// Stands in for libFuzzer's main in ordinary builds: runs every file of the
// given directories (or the given files) through the harness once, so that the
// committed corpus and every crash ever found are re-checked by each test run.
// Arguments starting with '-' are libFuzzer options (such as -runs=0) and are
// ignored.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    std::vector<fs::path> inputs;
    bool ok = true;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        std::error_code error;
        if (!argument.empty() && argument[0] == '-') {
            continue;
        } else if (fs::is_directory(argument, error)) {
            std::vector<fs::path> files;
            for (const auto& entry : fs::directory_iterator(argument)) {
                if (entry.is_regular_file()) files.push_back(entry.path());
            }
            std::sort(files.begin(), files.end());
            inputs.insert(inputs.end(), files.begin(), files.end());
        } else if (fs::is_regular_file(argument, error)) {
            inputs.push_back(argument);
        } else {
            std::fprintf(stderr, "no such corpus: %s\n", argument.c_str());
            ok = false;
        }
    }
    for (const fs::path& path : inputs) {
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "cannot read %s\n", path.c_str());
            ok = false;
            continue;
        }
        const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        // A heap copy of exactly the input's size, so AddressSanitizer sees any
        // read past its end.
        std::vector<std::uint8_t> input(bytes.begin(), bytes.end());
        LLVMFuzzerTestOneInput(input.empty() ? nullptr : input.data(), input.size());
    }
    std::fprintf(stderr, "replayed %zu inputs\n", inputs.size());
    // An empty run means the corpus went missing, which must not pass quietly.
    return ok && !inputs.empty() ? 0 : 1;
}
