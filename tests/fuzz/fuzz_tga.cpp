// TGA decoding of arbitrary bytes: either a failure with nothing kept, or an
// image within the size limit whose pixel buffer is exactly width x height.
#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"
#include "io/TgaImage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using brindlemoor::fuzz::require;
    namespace p = brindlemoor::io;
    p::Image image;
    image.width = 7;  // stale values must not survive a failure
    if (!p::decodeTgaMemory(data, size, image)) {
        require(image.width == 0 && image.height == 0 && image.rgba.empty(), "a failure leaves no image");
        return 0;
    }
    require(image.width > 0 && image.width <= p::kMaxImageDimension, "width within the limit");
    require(image.height > 0 && image.height <= p::kMaxImageDimension, "height within the limit");
    require(image.rgba.size() == static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height) * 4u,
            "four bytes per pixel");
    // Touch the first and last pixel so a short buffer shows up at once.
    volatile unsigned char sum = static_cast<unsigned char>(image.rgba.front() + image.rgba.back());
    (void)sum;
    return 0;
}
