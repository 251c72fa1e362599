// The boy's motion: what he is doing in a frame (a cue the game fills in) turns
// into a pose, one matrix per part of his rig. The walk is driven by the
// distance he covers, not by time, so a planted foot stays where it is on the
// floor at any pace and any frame rate; the rest (standing, looking at the
// board, the stagger after a bump, the hop up the stairs, the cheer, leaning
// into corners) is driven by time and blended over about a fifth of a second.
// No GL and no allocation: the player has one animator, and any other boy
// drawn in the world can own another.
#pragma once

#include <array>

#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>

#include "scene/BoyRig.h"

namespace brindlemoor::scene {

// What the boy is doing this frame.
struct BoyCue {
    enum class Walk { None, Corner, StairsDown };

    bool walking = false;   // on his way, on his own or carried through a corner or down stairs
    float walked = 0.0f;    // ground distance covered this frame (along the floor, any direction)
    float climbed = 0.0f;   // height gained this frame (negative on the way down)
    bool waiting = false;   // standing before the board in play...
    glm::vec3 board{0.0f};  // ...which stands here (world space)
    Walk walk = Walk::None;  // the scripted walk he is on, if any
    int walkSegment = 0;     // its segment: 1 the first, 2 the stairs' landing, 3 the last
    float walkProgress = 0.0f;  // how far along that segment, 0 to 1
    int turn = 0;            // a corner's turn: +1 left, -1 right
    bool bumped = false;     // he ran into a board and is pushed back (this frame)
    bool hopUp = false;      // he went up the stairs (this frame)
    bool cheer = false;      // the last word was typed (this frame)
};

// One matrix per part, in model space: a rest-pose vertex of part p is drawn
// at parts[p] * vertex. All identity is the rest pose.
struct BoyPose {
    BoyPose() { parts.fill(glm::mat4(1.0f)); }
    std::array<glm::mat4, boy::kPartCount> parts;
};

// A joint's turn (pitch about x, yaw about y, roll about z, in radians,
// applied as yaw * roll * pitch) about its pivot, and a shift of the pivot.
struct JointMotion {
    glm::vec3 angles{0.0f};
    glm::vec3 shift{0.0f};
};

class BoyAnimator {
public:
    // Advances by `dt` seconds with what the boy did in that time; `placement`
    // is his model matrix this frame (his turns show as a body that turns
    // after them, and the board is looked at from where he stands).
    void update(const BoyCue& cue, float dt, const glm::mat4& placement);

    const BoyPose& pose() const { return pose_; }
    // Feet that met the floor during the last update (0, 1, or 2 in a long frame).
    int footContacts() const { return contacts_; }
    // Cycle length (two steps) for a ground speed in units a second.
    static float strideFor(float speed);

private:
    void standLayer(std::array<JointMotion, boy::kPartCount>& joints) const;
    void walkLayer(std::array<JointMotion, boy::kPartCount>& joints) const;
    void overlays(std::array<JointMotion, boy::kPartCount>& joints, JointMotion& root) const;
    void compose(const std::array<JointMotion, boy::kPartCount>& joints, const JointMotion& root);

    BoyPose pose_;
    double time_ = 0.0;
    int contacts_ = 0;
    // The walk: the left foot's place in the cycle (0 it lands, then stance,
    // then swing), the cycle's length and the share of it a foot stands.
    float phase_ = 0.0f;
    float stride_ = 2.0f;
    float stance_ = 0.5f;
    float speed_ = 0.0f;
    float slope_ = 0.0f;  // height per ground distance, smoothed
    // Weights of what he is doing, each moving toward 0 or 1 within the blend time.
    float moving_ = 0.0f;
    float waiting_ = 0.0f;
    float lean_ = 0.0f;  // into a corner, signed: + left
    glm::vec2 look_{0.0f};  // head yaw and pitch toward the board
    // What is left to turn of a snap of his placement, and since when events ran.
    float yawLag_ = 0.0f;
    float sinceBump_ = 1e9f;
    float sinceHop_ = 1e9f;
    float sinceCheer_ = 1e9f;
    glm::vec3 lastForward_{0.0f};
};

}  // namespace brindlemoor::scene
