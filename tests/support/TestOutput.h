// What the game printed, in a test: an io::Output on string buffers, and the
// assets (data folder, image and model caches) GL tests make objects with.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "io/DataFolder.h"
#include "io/ImageCache.h"
#include "io/Output.h"
#include "scene/Assets.h"
#include "scene/ModelData.h"

namespace brindlemoor::test {

class CapturedOutput {
public:
    io::Output& output() { return output_; }
    operator io::Output&() { return output_; }  // NOLINT: handed where the game takes an Output
    // Standard output's text since the last take.
    std::string take();
    // Standard error's text since the last take.
    std::string takeErrors();

private:
    std::ostringstream out_;
    std::ostringstream err_;
    io::Output output_{out_, err_};
};

// The lines of `text` that begin with `prefix`, in order.
std::vector<std::string> linesStarting(const std::string& text, const std::string& prefix);

// The data of the source tree (tests run from its root) with caches kept for
// the whole test program, and what making objects prints.
struct TestAssets {
    CapturedOutput printed;
    io::DataFolder data;
    io::ImageCache images;
    scene::ModelCache models{data};
    scene::Assets assets() { return scene::Assets{data, images, models, printed.output()}; }
};
TestAssets& testAssets();

}  // namespace brindlemoor::test
