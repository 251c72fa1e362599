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
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        std::error_code error;
        if (argv[i][0] == '-') {
            continue;
        } else if (fs::is_directory(argv[i], error)) {
            inputs.insert(inputs.end(), fs::directory_iterator(argv[i]), fs::directory_iterator());
        } else {
            inputs.push_back(argv[i]);
        }
    }
    std::sort(inputs.begin(), inputs.end());
    for (const fs::path& path : inputs) {
        std::error_code error;
        std::ifstream in(path, std::ios::binary);
        if (!fs::is_regular_file(path, error) || !in) {
            std::fprintf(stderr, "cannot read %s\n", path.c_str());
            return 1;
        }
        const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        // A heap copy of exactly the input's size, so AddressSanitizer sees any
        // read past its end.
        std::vector<std::uint8_t> input(bytes.begin(), bytes.end());
        LLVMFuzzerTestOneInput(input.empty() ? nullptr : input.data(), input.size());
    }
    std::fprintf(stderr, "replayed %zu inputs\n", inputs.size());
    // An empty run means the corpus went missing, which must not pass quietly.
    return inputs.empty() ? 1 : 0;
}
