// brindlemoor_assetgen <output-root>: writes every model, texture, word list
// and sound of the game under <output-root>/Resources. The same bytes on every run.
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "Outputs.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: brindlemoor_assetgen <output-root>\n";
        return 2;
    }
    const std::filesystem::path root = argv[1];
    try {
        for (const assetgen::OutputFile& file : assetgen::outputFiles()) {
            const std::filesystem::path path = root / file.path;
            std::filesystem::create_directories(path.parent_path());
            const std::vector<std::uint8_t> bytes = file.make();
            std::ofstream out(path, std::ios::binary | std::ios::trunc);
            out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
            if (!out) {
                std::cerr << "cannot write " << path.string() << "\n";
                return 1;
            }
            std::cout << file.path << " (" << bytes.size() << " bytes)\n";
        }
    } catch (const std::exception& e) {
        std::cerr << "asset generation failed: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
