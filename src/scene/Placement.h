// Where an object stands in the world, apart from anything drawn: its model
// matrix, its position and quarter-turn orientation kept beside it, and its
// world-space box, derived from the box of its model (computed once per model
// file). The corridor builder, collision, the walks and the camera work on
// placements alone, so none of them needs a GL context.
#pragma once

#include <vector>

#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>
#include <glm/vec4.hpp>

#include "scene/TypeCode.h"

namespace brindlemoor::scene {

// An axis-aligned box in model space; empty for a model without vertices.
struct Box {
    glm::vec3 lower{0.0f};
    glm::vec3 upper{0.0f};
    bool empty = true;

    // Widens the box to take in `point`.
    void include(const glm::vec3& point);
};

// Whether two boxes, given by their corners, overlap on every axis; boxes
// that only touch do not.
bool overlaps(const glm::vec3& lowerA, const glm::vec3& upperA, const glm::vec3& lowerB, const glm::vec3& upperB);

class Placement {
public:
    Placement() = default;
    Placement(TypeCode code, const Box& localBox, const glm::mat4& initialMatrix = glm::mat4(1.0f));

    // Moves along the object's own axes.
    void translate(float x, float y, float z);
    // Turns by k quarter turns about +y (k from 0 to 3; 0 only recomputes the box).
    void rotate(int k);
    // The world box of the model box under modelMatrix; all zero when the
    // model has no vertices.
    void computeBoundingBox();
    TypeCode getTypeCode() const { return typeCode; }

    glm::mat4 modelMatrix{1.0f};
    glm::vec3 position{0.0f};
    glm::vec4 boxLower{0.0f};  // w is 1 for a non-empty box
    glm::vec4 boxUpper{0.0f};
    glm::vec3 boxCentre{0.0f};
    int orientation = 0;
    TypeCode typeCode = TypeCode::None;
    Box localBox;
};

// The placements of a level's objects, in the order of its object list (an
// object's index is how collision and the frame loop name it).
using PlacementList = std::vector<const Placement*>;

}  // namespace brindlemoor::scene
