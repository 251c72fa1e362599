// The one table of what each kind of object is made of: its model file and
// its two textures. Pieces, the builder (which needs each model's box), the
// benchmark and the tests all read it here.
#pragma once

#include <memory>
#include <vector>

#include "scene/TypeCode.h"

namespace brindlemoor::gl {
class ShaderProgram;
}

namespace brindlemoor::scene {

class SceneObject;
struct Assets;

struct CatalogueEntry {
    TypeCode code;
    const char* className;
    const char* model;
    const char* colorTexture;
    const char* normalTexture;
};

// Every kind that has files, in a fixed order; entry(code) for one of them.
const std::vector<CatalogueEntry>& catalogue();
const CatalogueEntry& entry(TypeCode code);

// A new object of the class of `code` (a corridor piece, a blackboard, the
// player or a chalk text), built against `program`.
std::unique_ptr<SceneObject> makeObject(const Assets& assets, TypeCode code, const gl::ShaderProgram* program);

}  // namespace brindlemoor::scene
