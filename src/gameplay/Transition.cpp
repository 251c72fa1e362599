// The scripted walks through corners and down stairs: up to three cubic
// Hermite segments per piece, sampled at steps of 0.05 and walked at the
// player's speed, with quarter turns between segments and the camera eye
// swung round behind the player in the last one.
#include <cmath>
#include <string>

#include "app/GameState.h"
#include "gameplay/MovementState.h"
#include "scene/SceneObject.h"

namespace brindlemoor::gameplay {

namespace {

// One planned segment, for a piece turned by f quarter turns.
struct SegmentPlan {
    glm::vec3 startTangent;
    glm::vec3 endOffset;  // from the piece's position
    glm::vec3 endTangent;
};

// Stairs down: the first flight, the landing, the second flight back.
const SegmentPlan kStairsDown[3][4] = {
    {{{10, -1, -1}, {3, -7.9f, -30}, {0, -1, -1}},
     {{-1, -1, -10}, {-30, -7.9f, -3}, {-1, -1, 0}},
     {{-10, -1, 1}, {-3, -7.9f, 30}, {0, -1, 1}},
     {{1, -1, 10}, {30, -7.9f, 3}, {1, -1, 0}}},
    {{{-1, 0, 0}, {-3, -7.9f, -32}, {-1, 0, 0}},
     {{0, 0, 1}, {-32, -7.9f, 3}, {0, 0, 1}},
     {{1, 0, 0}, {3, -7.9f, 32}, {1, 0, 0}},
     {{0, 0, -1}, {32, -7.9f, -3}, {0, 0, -1}}},
    {{{-10, -5, -1}, {0, -17.6f, 3}, {10, 5, -1}},
     {{1, -5, 10}, {3, -17.6f, 0}, {0, 5, -10}},
     {{10, -5, 1}, {0, -17.6f, -3}, {-10, 5, 0}},
     {{-1, -5, -10}, {-3, -17.6f, 0}, {0, 5, 10}}},
};

// Corners: into the corner (the same for both turns), then out of it.
const SegmentPlan kCornerIn[4] = {
    {{0, 0, -1}, {0, 0, -18}, {0, 0, -1}},
    {{-1, 0, 0}, {-18, 0, 0}, {1, 0, 0}},
    {{0, 0, 1}, {0, 0, 18}, {0, 0, 1}},
    {{1, 0, 0}, {18, 0, 0}, {1, 0, 0}},
};
const SegmentPlan kCornerLeftOut[4] = {
    {{-1, 0, 0}, {-20, 0, -18}, {-1, 0, 0}},
    {{0, 0, 1}, {-18, 0, 20}, {0, 0, 1}},
    {{1, 0, 0}, {20, 0, 18}, {1, 0, 0}},
    {{0, 0, -1}, {18, 0, -20}, {0, 0, -1}},
};
const SegmentPlan kCornerRightOut[4] = {
    {{1, 0, 0}, {20, 0, -18}, {1, 0, 0}},
    {{0, 0, -1}, {-18, 0, -20}, {0, 0, -1}},
    {{-1, 0, 0}, {-20, 0, 18}, {-1, 0, 0}},
    {{0, 0, 1}, {18, 0, 20}, {0, 0, 1}},
};

void applyPlan(const SegmentPlan& plan, const scene::SceneObject& player, const glm::vec3& origin) {
    MovementState& m = movementState;
    m.segmentStart = player.position;
    m.startTangent = plan.startTangent;
    m.segmentEnd = origin + plan.endOffset;
    m.endTangent = plan.endTangent;
}

// The player's own-frame translation that moves him by `m` in the world.
glm::vec3 ownFrameMove(const glm::vec3& m, int orientation) {
    switch (orientation) {
        case 1: return {-m.z, m.y, m.x};
        case 2: return {-m.x, m.y, -m.z};
        case 3: return {m.z, m.y, -m.x};
        default: return m;
    }
}

void moveToward(scene::SceneObject& player, const glm::vec3& target, float dt, float speed) {
    const glm::vec3 p = player.position;
    const glm::vec3 d = target - p;
    const float length = std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);
    if (!(length > 0.0f)) {
        return;  // no direction to walk in this frame
    }
    const glm::vec3 m = (d / length) * dt * speed;
    app::gameState.centre += m;
    steerEye(player, m);
    const glm::vec3 own = ownFrameMove(m, player.orientation);
    player.translate(own.x, own.y, own.z);
}

}  // namespace

glm::vec3 hermitePoint(const MovementState& s, float t) {
    const float t2 = t * t;
    const float t3 = t2 * t;
    return (2 * t3 - 3 * t2 + 1) * s.segmentStart + (-2 * t3 + 3 * t2) * s.segmentEnd +
           (t3 - 2 * t2 + t) * s.startTangent + (t3 - t2) * s.endTangent;
}

void advanceTransition(scene::SceneObject& player, float dt, float speed) {
    MovementState& m = movementState;
    const float step = dt * speed;
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
        const glm::vec3 h = hermitePoint(m, m.curveT);
        const glm::vec3 p = player.position;
        if (std::fabs(h.z - p.z) >= step || std::fabs(h.y - p.y) >= step || std::fabs(h.x - p.x) >= step) {
            moveToward(player, h, dt, speed);
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

void planSegment(scene::SceneObject& player) {
    MovementState& m = movementState;
    if (m.transitionObject == nullptr) {
        return;
    }
    const glm::vec3 origin = m.transitionObject->position;
    const int f = m.transitionObject->orientation;
    const int k = m.transitionPhase;
    const std::string& code = m.transitionObject->typeCode;
    if (f < 0 || f > 3) {
        return;
    }
    if (code == "-" && k >= 1 && k <= 3) {
        applyPlan(kStairsDown[k - 1][f], player, origin);
        if (k >= 2) {
            player.rotate(1);
        }
    } else if ((code == "<" || code == ">") && k == 1) {
        applyPlan(kCornerIn[f], player, origin);
    } else if ((code == "<" || code == ">") && k == 2) {
        applyPlan(code == "<" ? kCornerLeftOut[f] : kCornerRightOut[f], player, origin);
        m.transitionPhase = 3;  // the increment that follows makes the exit run as phase 4
        player.rotate(code == "<" ? 1 : 3);
    }
}

void steerEye(const scene::SceneObject& player, const glm::vec3& move) {
    const MovementState& m = movementState;
    glm::vec3& e = app::gameState.eye;
    const glm::vec3 p = player.position;
    const int f = m.transitionObject != nullptr ? m.transitionObject->orientation : 0;
    const std::string code = m.transitionObject != nullptr ? m.transitionObject->typeCode : std::string();
    const bool lastSegment = m.transitionPhase == 4;

    if (code == "-") {
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
    if (!lastSegment || !behind || (code != "<" && code != ">")) {
        e += move;
        return;
    }
    // Swing the eye round the player into the new walking direction.
    const float sign = code == ">" ? -1.0f : 1.0f;
    e.y += move.y;
    if (f == 0 || f == 2) {
        e.z += sign * move.x;
    } else {
        e.x -= sign * move.z;
    }
}

}  // namespace brindlemoor::gameplay
