// What the player may touch and how he is carried through corners and down
// stairs: the per-frame collision test against nearby pieces, and the scripted
// walks along Hermite curve segments with the camera swinging round.
#pragma once

#include <vector>

#include <glm/vec3.hpp>

namespace brindlemoor::scene {
class SceneObject;
}
namespace brindlemoor::level {
class Level;
}

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
    int currentFloor = 0;
    float curveT = 0.0f;
    glm::vec3 segmentStart{0.0f};
    glm::vec3 startTangent{0.0f};
    glm::vec3 segmentEnd{0.0f};
    glm::vec3 endTangent{0.0f};
    scene::SceneObject* transitionObject = nullptr;  // lives in the level's objects
};

extern MovementState movementState;

// Called at every new game: ends any transition and empties the nearby list.
void resetMovement();
// The frame's test: refreshes the nearby list, advances a running transition,
// and returns the index of the level object the player runs into, or 999.
unsigned int testCollision(float dt);
// Starts the walk through a corner or stairs-down piece (from the next test on).
void startTransition(scene::SceneObject* piece);

// The steps of the above, for tests.
bool refreshCollidables(const scene::SceneObject& player, const level::Level& level);
void rebuildCollidables(const level::Level& level);
bool collidesWith(const scene::SceneObject& player, const scene::SceneObject& object);
void advanceTransition(scene::SceneObject& player, float dt, float speed);
void planSegment(scene::SceneObject& player);
void steerEye(const scene::SceneObject& player, const glm::vec3& move);

// The point of the current segment at parameter t.
glm::vec3 hermitePoint(const MovementState& state, float t);

}  // namespace brindlemoor::gameplay
