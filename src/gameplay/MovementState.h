// What the player may touch and how he is carried through corners and down
// stairs: the per-frame collision test against nearby pieces, and the scripted
// walks along Hermite curve segments with the camera swinging round.
#pragma once

#include <vector>

#include <glm/vec3.hpp>

#include "io/Output.h"
#include "scene/Placement.h"

namespace brindlemoor::gameplay {

// The collision test's answer when nothing is hit.
constexpr unsigned int kNoCollision = 999;

struct MovementState {
    bool godMode = false;
    int transitionPhase = 0;  // 0 none, 1 requested, 2..4 a curve segment is walked
    bool refreshPending = true;
    glm::vec3 regionCentre{0.0f, 0.0f, 0.0f};
    glm::vec3 regionHalfSize{8.0f, 5.0f, 8.0f};
    std::vector<unsigned int> collidables;  // indices into the level's objects, in list order
    // What the test checks: the collidables and the pieces just beyond the
    // region's edge. The region is rebuilt only when the boy is a unit past
    // its edge, so a board lying there would otherwise be walked through.
    std::vector<unsigned int> withinReach;
    int currentFloor = 0;
    float curveT = 0.0f;
    glm::vec3 segmentStart{0.0f};
    glm::vec3 startTangent{0.0f};
    glm::vec3 segmentEnd{0.0f};
    glm::vec3 endTangent{0.0f};
    const scene::Placement* transitionObject = nullptr;  // one of the level's objects
};

extern MovementState movementState;

// What a frame's test works on: the player, the level's objects in list
// order, the camera the walks steer, and the walking speed.
struct MovementWorld {
    scene::Placement& player;
    const scene::PlacementList& objects;
    glm::vec3& eye;
    glm::vec3& centre;
    float moveSpeed;
    io::Output& out;  // the collision test's debug lines
};

// Called at every new game: ends any transition and empties the nearby list.
void resetMovement();
// The frame's test: refreshes the nearby list, advances a running transition,
// and returns the index of the level object the player runs into, or 999.
unsigned int testCollision(float dt, const MovementWorld& world);
// Starts the walk through a corner or stairs-down piece (from the next test on).
void startTransition(const scene::Placement* piece);

// The steps of the above.
bool refreshCollidables(const scene::Placement& player, const scene::PlacementList& objects, io::Output& out);
void rebuildCollidables(const scene::PlacementList& objects, io::Output& out);
bool collidesWith(const scene::Placement& player, const scene::Placement& object, io::Output& out);
void advanceTransition(float dt, const MovementWorld& world);
void planSegment(scene::Placement& player);
void steerEye(const scene::Placement& player, const glm::vec3& move, glm::vec3& eye);

}  // namespace brindlemoor::gameplay
