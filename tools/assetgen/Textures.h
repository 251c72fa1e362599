// Every texture the game loads, painted on canvases.
#pragma once

#include "Canvas.h"

namespace assetgen {

Canvas wallTexture();
Canvas wallNormalMap();
Canvas windowWallTexture();
Canvas floorTexture();
Canvas floorNormalMap();
Canvas staircaseTexture();
Canvas staircaseNormalMap();
Canvas blackboardTexture();
Canvas blackboardNormalMap();
Canvas chalkAtlas();
Canvas chalkNormalMap();
Canvas boyTexture();
Canvas boyNormalMap();

}  // namespace assetgen
