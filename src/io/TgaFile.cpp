#include "io/TgaImage.h"

#include "io/FileBytes.h"

namespace brindlemoor::io {

bool decodeTgaFile(const std::string& path, Image& out) {
    out = Image{};
    std::vector<unsigned char> bytes;
    if (!readFileBytes(path, kMaxImageFileBytes, bytes)) {
        return false;
    }
    return decodeTgaMemory(bytes.data(), bytes.size(), out);
}

}  // namespace brindlemoor::io
