// The boy's texture, in 32-pixel blocks of the 128 x 128 image: which part of
// him each area dresses. Tubes wrap u once around, with the seam at the front
// (out of the camera's sight); the head wraps with the face in the middle.
#pragma once

#include "MeshShapes.h"

namespace assetgen::boy {

constexpr UvArea kHead{0.0, 0.5, 0.5, 1.0};        // skin, face at u = 0.25
constexpr UvArea kHair{0.5, 0.75, 0.75, 1.0};      // v from hairline to crown
constexpr UvArea kSkin{0.75, 0.75, 1.0, 1.0};      // neck, hands, ears, nose
constexpr UvArea kSleeve{0.5, 0.5, 0.75, 0.75};    // arms, shoulder to wrist
constexpr UvArea kPack{0.75, 0.5, 1.0, 0.75};      // backpack faces
constexpr UvArea kJumper{0.0, 0.25, 0.5, 0.5};     // torso, waist to neck
constexpr UvArea kTrousers{0.5, 0.25, 1.0, 0.5};   // legs and seat, ankle to waist
constexpr UvArea kShoe{0.0, 0.0, 0.25, 0.25};
constexpr UvArea kSole{0.25, 0.0, 0.5, 0.25};
constexpr UvArea kStrap{0.5, 0.0, 0.75, 0.25};     // backpack straps
constexpr UvArea kSock{0.75, 0.0, 1.0, 0.25};

}  // namespace assetgen::boy
