// Collision of the player's box with the pieces near him. Only pieces within a
// region around the player are tested; the region is rebuilt when he leaves it.
#include "gameplay/MovementState.h"

namespace brindlemoor::gameplay {

MovementState movementState;

namespace {
// How far past the region's edge the test looks: the window's unit, the boy's
// half depth and a motion step, with room to spare.
constexpr float kReachBeyondRegion = 2.0f;
}  // namespace

void resetMovement() {
    MovementState& m = movementState;
    m.godMode = false;
    m.transitionPhase = 0;
    m.refreshPending = true;
    m.regionCentre = glm::vec3(0.0f);
    m.regionHalfSize = glm::vec3(8.0f, 5.0f, 8.0f);
    m.collidables.clear();
    m.withinReach.clear();
    m.currentFloor = 0;
}

void startTransition(const scene::Placement* piece) {
    movementState.transitionObject = piece;
    movementState.transitionPhase = 1;
}

unsigned int testCollision(float dt, const MovementWorld& world) {
    MovementState& m = movementState;
    const scene::Placement& player = world.player;
    refreshCollidables(player, world.objects, world.out);
    if (m.transitionPhase != 0) {
        advanceTransition(dt, world);
    }
    if (m.godMode || m.transitionPhase != 0) {
        return kNoCollision;
    }
    for (unsigned int index : m.withinReach) {
        const scene::Placement& object = *world.objects[index];
        // The cheap test first: most nearby pieces lie wholly ahead.
        if (player.boxUpper.z > object.boxLower.z && collidesWith(player, object, world.out)) {
            return index;
        }
    }
    return kNoCollision;
}

bool collidesWith(const scene::Placement& player, const scene::Placement& o, io::Output& out) {
    // The caller has tested the far side (player.boxUpper.z > o.boxLower.z)
    // already, to pass over the pieces wholly ahead cheaply.
    const bool hit = scene::overlaps(player.boxLower, player.boxUpper, o.boxLower, o.boxUpper);
    if (hit) {
        out.line("collide with: ", scene::codeText(o.typeCode), " ", o.position.x, " ", o.position.y, " ", o.position.z);
        out.line("p: ", scene::codeText(player.typeCode), " ", player.position.x, " ", player.position.y, " ",
                 player.position.z);
    }
    return hit;
}

bool refreshCollidables(const scene::Placement& player, const scene::PlacementList& objects, io::Output& out) {
    MovementState& m = movementState;
    if (m.refreshPending) {
        m.regionCentre = player.boxCentre;
        rebuildCollidables(objects, out);
        m.refreshPending = false;
    }
    const glm::vec3 c = m.regionCentre;
    const glm::vec3 h = m.regionHalfSize;
    const glm::vec3 q = player.boxCentre;
    bool inside = true;
    for (int a = 0; a < 3; ++a) {
        // The window is shifted by -1 on both sides: -9..+7 around the centre
        // on x and z, -6..+4 on y.
        inside = inside && c[a] - h[a] - 1.0f <= q[a] && q[a] <= c[a] + h[a] - 1.0f;
    }
    if (inside) {
        return false;
    }
    m.regionCentre = q;
    rebuildCollidables(objects, out);
    return true;
}

void rebuildCollidables(const scene::PlacementList& objects, io::Output& out) {
    MovementState& m = movementState;
    m.collidables.clear();
    m.withinReach.clear();
    const glm::vec3 c = m.regionCentre;
    const glm::vec3 h = m.regionHalfSize;
    auto overlaps = [&](const scene::Placement& o, float beyond) {
        return scene::overlaps(o.boxLower, o.boxUpper, c - h - glm::vec3(beyond), c + h + glm::vec3(beyond));
    };
    for (std::size_t i = 0; i < objects.size(); ++i) {
        const scene::Placement& o = *objects[i];
        if (o.typeCode == scene::TypeCode::Ceiling) {
            continue;
        }
        const bool inRegion = overlaps(o, 0.0f);
        if (o.typeCode == scene::TypeCode::Floor) {
            if (inRegion) {
                m.currentFloor = static_cast<int>(i);
                out.line("Current Floor = ", static_cast<unsigned int>(i));
            }
        } else if (!scene::isFloor(o.typeCode)) {
            if (inRegion) {
                m.collidables.push_back(static_cast<unsigned int>(i));
            }
            if (overlaps(o, kReachBeyondRegion)) {
                m.withinReach.push_back(static_cast<unsigned int>(i));
            }
        }
    }
    out.line("Collidable objects: ");
    for (unsigned int index : m.collidables) {
        const scene::Placement& o = *objects[index];
        out.line(scene::codeText(o.typeCode), ": ", o.boxLower.x, " ", o.boxUpper.x, ", ", o.boxLower.y, " ", o.boxUpper.y,
                 ", ", o.boxLower.z, " ", o.boxUpper.z);
    }
}

}  // namespace brindlemoor::gameplay
