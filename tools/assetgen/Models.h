// Every model the game loads, as built meshes. Pieces are modelled from their
// own origin toward -z; nothing lies at z > 0.
#pragma once

#include "Mesh.h"

namespace assetgen {

Mesh floorModel();
Mesh ceilingModel();
Mesh wallPlainLeftModel();
Mesh wallDoorLeftModel();
Mesh wallWindowLeftModel();
Mesh cornerLeftModel();
Mesh cornerLeftFloorModel();
Mesh stairsDownModel();
Mesh stairsUpModel();
Mesh blackboardModel();
Mesh blackboardTextModel();
Mesh boyModel();
Mesh endWallsModel();
Mesh endFloorModel();

}  // namespace assetgen
