// The draws of one object in the scene pass, shared by the player, the level's
// pieces and the chalk texts.
#pragma once

#include <initializer_list>

namespace brindlemoor::scene {
class SceneObject;
}

namespace brindlemoor::render {

// Cel outline: copies of the object scaled about its origin, drawn with their
// front faces culled and no texture (which the cel shader turns black).
void drawOutline(scene::SceneObject& object, unsigned int programHandle, std::initializer_list<float> scales);

// The object with its colour texture on unit 0 and, when asked, its normal map
// on unit 1; the program is made current again afterwards, since a chalk
// text's draw leaves none in use.
void drawTextured(scene::SceneObject& object, unsigned int programHandle, bool withNormalMap);

}  // namespace brindlemoor::render
