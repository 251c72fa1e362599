// Every model the game loads, as built meshes. Pieces are modelled from their
// own origin toward -z; nothing lies at z > 0.
#pragma once

#include <vector>

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
std::vector<NamedMesh> boyModel();  // one object per part of the rig
Mesh endWallsModel();
Mesh endFloorModel();

}  // namespace assetgen
