// The scripted walks through corners and down stairs: up to three cubic
// Hermite segments per piece, sampled at steps of 0.05 and walked at the
// player's speed, with quarter turns between segments and the camera eye
// swung round behind the player in the last one.
#include <cmath>

#include "gameplay/MovementState.h"
#include "scene/QuarterTurns.h"

namespace brindlemoor::gameplay {

using scene::TypeCode;

namespace {

void applyPlan(const world::WalkSegment& plan, const scene::Placement& player, const glm::vec3& origin) {
    MovementState& m = movementState;
    m.segmentStart = player.position;
    m.startTangent = scene::toGlm(plan.startTangent);
    m.segmentEnd = origin + scene::toGlm(plan.endOffset);
    m.endTangent = scene::toGlm(plan.endTangent);
}

void moveToward(const glm::vec3& target, float dt, const MovementWorld& world) {
    scene::Placement& player = world.player;
    const glm::vec3 p = player.position;
    const glm::vec3 d = target - p;
    const float length = std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);
    if (!(length > 0.0f)) {
        return;  // no direction to walk in this frame
    }
    const glm::vec3 m = (d / length) * dt * world.moveSpeed;
    world.centre += m;
    steerEye(player, m, world.eye);
    const glm::vec3 own = scene::toOwnFrame(m, player.orientation);
    player.translate(own.x, own.y, own.z);
}

glm::vec3 currentCurvePoint(const MovementState& s) {
    return world::hermitePoint(s.segmentStart, s.segmentEnd, s.startTangent, s.endTangent, s.curveT);
}

}  // namespace

void advanceTransition(float dt, const MovementWorld& world) {
    MovementState& m = movementState;
    scene::Placement& player = world.player;
    const float step = dt * world.moveSpeed;
    if (m.transitionPhase == 1) {
        m.godMode = !m.godMode;
        planSegment(player);
        m.transitionPhase = 2;
        return;
    }
    if (m.transitionPhase < 2 || m.transitionPhase > 4) {
        return;
    }
    if (!(step > 0.0f)) {
        return;  // a frame without time moves nothing and reaches nothing
    }
    while (m.curveT <= 1.0f) {
        const glm::vec3 h = currentCurvePoint(m);
        const glm::vec3 p = player.position;
        if (std::fabs(h.z - p.z) >= step || std::fabs(h.y - p.y) >= step || std::fabs(h.x - p.x) >= step) {
            moveToward(h, dt, world);
            return;
        }
        m.curveT = static_cast<float>(static_cast<double>(m.curveT) + 0.05);
    }
    planSegment(player);
    if (m.transitionPhase == 4) {
        m.transitionPhase = 0;
        m.godMode = !m.godMode;
    } else {
        m.transitionPhase += 1;
    }
    m.curveT = 0.0f;
}

void planSegment(scene::Placement& player) {
    MovementState& m = movementState;
    if (m.transitionObject == nullptr) {
        return;
    }
    const glm::vec3 origin = m.transitionObject->position;
    const int f = m.transitionObject->orientation;
    const int k = m.transitionPhase;
    const TypeCode code = m.transitionObject->typeCode;
    if (f < 0 || f > 3) {
        return;
    }
    if (code == TypeCode::StairsDown && k >= 1 && k <= 3) {
        applyPlan(world::kStairsDownWalk[k - 1][f], player, origin);
        if (k >= 2) {
            player.rotate(1);
        }
    } else if (scene::isCorner(code) && k == 1) {
        applyPlan(world::kCornerInWalk[f], player, origin);
    } else if (scene::isCorner(code) && k == 2) {
        const bool left = code == TypeCode::CornerLeft;
        applyPlan(left ? world::kCornerLeftOutWalk[f] : world::kCornerRightOutWalk[f], player, origin);
        m.transitionPhase = 3;  // the increment that follows makes the exit run as phase 4
        player.rotate(left ? 1 : 3);
    }
}

void steerEye(const scene::Placement& player, const glm::vec3& move, glm::vec3& e) {
    const MovementState& m = movementState;
    const glm::vec3 p = player.position;
    const int f = m.transitionObject != nullptr ? m.transitionObject->orientation : 0;
    const TypeCode code = m.transitionObject != nullptr ? m.transitionObject->typeCode : TypeCode::None;
    const bool lastSegment = m.transitionPhase == 4;

    if (code == TypeCode::StairsDown) {
        const bool swing = lastSegment && ((f == 0 && e.z > p.z - 6) || (f == 1 && e.x > p.x - 6) ||
                                           (f == 2 && e.z < p.z + 6) || (f == 3 && e.x < p.x + 6));
        e.y += move.y;
        if (!swing) {
            // On the stairs the eye never moves across the walking direction.
            if (f == 0 || f == 2) {
                e.z += move.z;
            } else {
                e.x += move.x;
            }
        }
        return;
    }
    const bool behind = (f == 0 && e.z > p.z) || (f == 1 && e.x > p.x) || (f == 2 && e.z < p.z) ||
                        (f == 3 && e.x < p.x);
    if (!lastSegment || !behind || !scene::isCorner(code)) {
        e += move;
        return;
    }
    // Swing the eye round the player into the new walking direction.
    const float sign = code == TypeCode::CornerRight ? -1.0f : 1.0f;
    e.y += move.y;
    if (f == 0 || f == 2) {
        e.z += sign * move.x;
    } else {
        e.x -= sign * move.z;
    }
}

}  // namespace brindlemoor::gameplay
