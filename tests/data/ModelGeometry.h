// Loading a model of the data set the way the game does, as plain triangles
// with a bounding box, for the data set tests.
#pragma once

#include <string>
#include <vector>

#include <glm/glm.hpp>

namespace brindlemoor::test {

struct Triangle {
    glm::vec3 a, b, c;
};

struct ModelGeometry {
    bool loaded = false;
    std::vector<Triangle> triangles;
    glm::vec3 lower{0.0f}, upper{0.0f};
};

// Imports as the game does (its own model data), so a file that loads here
// loads in the game.
ModelGeometry loadModelGeometry(const std::string& path);

// Smallest horizontal (x, z) distance from `point` to the part of `t` whose
// height lies between yLow and yHigh; a large number when no part does.
float horizontalDistanceInBand(const Triangle& t, glm::vec3 point, float yLow, float yHigh);

}  // namespace brindlemoor::test
