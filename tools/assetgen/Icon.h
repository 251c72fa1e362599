// The game's icon for desktops and menus: a blackboard in its wooden frame
// with a chalk "B".
#pragma once

#include "Canvas.h"

namespace assetgen {

constexpr int kIconSize = 128;

Canvas iconPicture();

}  // namespace assetgen
