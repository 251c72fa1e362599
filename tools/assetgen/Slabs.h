// Floor and ceiling slabs shared by the straight blocks and the corners.
#pragma once

#include "Mesh.h"

namespace assetgen {

// A floor slab y -0.2..0 over x0..x1, z0..z1 (z0 < z1), tiled one repeat per
// 4 units with the tile joints on whole x from -5 to 5, so they meet the walls evenly.
void addFloorSlab(Mesh& mesh, double x0, double x1, double z0, double z1);

// A ceiling slab y 12..12.2. Its underside is cut into strips across z, each
// showing the plain plaster band of the wall textures at wall scale.
void addCeilingSlab(Mesh& mesh, double x0, double x1, double z0, double z1);

}  // namespace assetgen
