// A scene object that is just an axis-aligned box with a chosen type code, for
// tests that need exact extents.
#pragma once

#include <string>

#include "TestFiles.h"
#include "scene/SceneObject.h"

namespace brindlemoor::test {

// Writes an OBJ cube spanning `lower`..`upper` and returns its path in `dir`.
std::string writeBoxModel(const TempDir& dir, const glm::vec3& lower, const glm::vec3& upper);

class BoxObject : public scene::SceneObject {
public:
    BoxObject(render::ShaderProgram* program, const std::string& modelPath, const std::string& code);
    void update(double) override {}
};

}  // namespace brindlemoor::test
