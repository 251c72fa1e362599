// What making a drawable object takes from the session, which outlives every
// game: the data folder its files are named in, the images and models that
// pieces share (each read once per session), and where to print.
#pragma once

#include "io/DataFolder.h"
#include "io/ImageCache.h"
#include "io/Output.h"
#include "scene/ModelData.h"

namespace brindlemoor::scene {

struct Assets {
    const io::DataFolder& data;
    io::ImageCache& images;
    ModelCache& models;
    io::Output& out;
};

}  // namespace brindlemoor::scene
