// brindlemoor_docgen MANPAGE COMPLETION VERSION DATE DATADIR: writes the
// manual page and the bash completion at build time.
#include <fstream>
#include <iostream>

#include "DocGen.h"

namespace {

bool write(const char* path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    out.close();
    if (!out) {
        std::cerr << "brindlemoor_docgen: cannot write " << path << '\n';
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 6) {
        std::cerr << "usage: brindlemoor_docgen MANPAGE COMPLETION VERSION DATE DATADIR\n";
        return 2;
    }
    const brindlemoor::docgen::Release release{argv[3], argv[4], argv[5]};
    return write(argv[1], brindlemoor::docgen::manPage(release)) &&
                   write(argv[2], brindlemoor::docgen::bashCompletion())
               ? 0
               : 1;
}
