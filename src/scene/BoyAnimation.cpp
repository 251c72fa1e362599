#include "scene/BoyAnimation.h"

#include <algorithm>
#include <cmath>

#include <glm/gtc/matrix_transform.hpp>
#include <glm/mat3x3.hpp>

#include "scene/QuarterTurns.h"

namespace brindlemoor::scene {

namespace {

using Joints = std::array<JointMotion, boy::kPartCount>;

constexpr float kPi = 3.14159265f;
constexpr float kTwoPi = 2.0f * kPi;
constexpr double kTurnOfCircle = 6.283185307179586;
// How long a change of what he does takes to blend in, in seconds.
constexpr float kBlendTime = 0.2f;
// Short events, in seconds.
constexpr float kBumpTime = 1.1f;
constexpr float kHopTime = 0.7f;
constexpr float kCheerTime = 2.6f;
// The fastest he turns after a snap of his placement, in radians a second.
constexpr float kTurnRate = 10.0f;

constexpr float kThigh = static_cast<float>(boy::kThighLength);
constexpr float kShin = static_cast<float>(boy::kShinLength);
constexpr float kLeg = kThigh + kShin;
constexpr float kAnkleY = static_cast<float>(boy::kAnkleY);

glm::vec3 pivotOf(int part) { return toGlm(boy::kParts[part].pivot); }

float smoothstep(float edge0, float edge1, float x) {
    const float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3.0f - 2.0f * t);
}

// Moves `value` toward `target` by at most dt / kBlendTime.
float approach(float value, float target, float dt) {
    const float step = dt / kBlendTime;
    return value < target ? std::min(target, value + step) : std::max(target, value - step);
}

// A first-order lag with time constant tau.
float follow(float value, float target, float dt, float tau) {
    return value + (target - value) * (1.0f - std::exp(-dt / tau));
}

glm::mat4 rotation(const glm::vec3& a) {
    glm::mat4 m(1.0f);
    if (a.y != 0.0f) m = glm::rotate(m, a.y, glm::vec3(0.0f, 1.0f, 0.0f));
    if (a.z != 0.0f) m = glm::rotate(m, a.z, glm::vec3(0.0f, 0.0f, 1.0f));
    if (a.x != 0.0f) m = glm::rotate(m, a.x, glm::vec3(1.0f, 0.0f, 0.0f));
    return m;
}

void blendInto(Joints& into, const Joints& other, float w) {
    for (std::size_t p = 0; p < into.size(); ++p) {
        into[p].angles += (other[p].angles - into[p].angles) * w;
        into[p].shift += (other[p].shift - into[p].shift) * w;
    }
}

// Within this distance from hip to ankle a leg reaches exactly; beyond it,
// it stretches ever less toward straight, so the knee never flicks straight
// and back (standing feet are always kept within it).
constexpr float kExactReach = 0.985f * kLeg;

// A leg reaching from its hip to an ankle at `v` (hip to ankle, in the hips'
// frame): the thigh's pitch and roll, and the knee's bend (negative: the shin
// folds back).
struct LegAngles {
    float thighPitch, thighRoll, knee;
};
LegAngles reach(const glm::vec3& v) {
    const float q = std::sqrt(v.x * v.x + v.y * v.y);
    float d = std::sqrt(q * q + v.z * v.z);
    if (d > kExactReach) {
        const float give = kLeg - kExactReach;
        d = kExactReach + give * (1.0f - std::exp(-(d - kExactReach) / give));
    }
    d = std::max(d, 0.1f);
    const float atHip = std::acos(std::clamp((kThigh * kThigh + d * d - kShin * kShin) / (2.0f * kThigh * d), -1.0f, 1.0f));
    const float atKnee = std::acos(std::clamp((kThigh * kThigh + kShin * kShin - d * d) / (2.0f * kThigh * kShin), -1.0f, 1.0f));
    return {std::atan2(-v.z, q) + atHip, std::atan2(v.x, -v.y), -(kPi - atKnee)};
}

// Sets a leg's joints so that its ankle is at `ankle` (root space) and the
// foot has `footPitch` against the ground, given the hips' joint.
void placeLeg(Joints& j, bool left, const glm::vec3& ankle, float footPitch) {
    const int upper = left ? boy::UpperLegLeft : boy::UpperLegRight;
    const glm::vec3 hipsPivot = pivotOf(boy::Hips);
    const glm::mat3 hips(rotation(glm::vec3(0.0f, j[boy::Hips].angles.y, j[boy::Hips].angles.z)));
    const glm::vec3 hip = hipsPivot + j[boy::Hips].shift + hips * (pivotOf(upper) - hipsPivot);
    const LegAngles a = reach(glm::transpose(hips) * (ankle - hip));
    j[upper].angles = {a.thighPitch, 0.0f, a.thighRoll};
    j[upper + 1].angles = {a.knee, 0.0f, 0.0f};
    j[upper + 2].angles = {footPitch - a.thighPitch - a.knee, 0.0f, -a.thighRoll};
}

// The highest a hip joint at `hipX` may be for its leg to reach `ankle`.
float hipReaching(const glm::vec3& ankle, float hipX) {
    const float r = kExactReach;
    const float flat = (ankle.x - hipX) * (ankle.x - hipX) + ankle.z * ankle.z;
    return ankle.y + std::sqrt(std::max(r * r - flat, 0.0f));
}

}  // namespace

float BoyAnimator::strideFor(float speed) {
    const float v = std::max(speed, 0.0f);
    return std::max(1.0f, v / (1.0f + 0.5f * std::sqrt(v)));
}

void BoyAnimator::update(const BoyCue& cue, float dt, const glm::mat4& placement) {
    dt = std::isfinite(dt) ? std::max(dt, 0.0f) : 0.0f;
    time_ += dt;
    contacts_ = 0;

    // A snap of the placement (a quarter or half turn) is turned through
    // over a few frames instead.
    const glm::vec3 forward = glm::vec3(placement * glm::vec4(0.0f, 0.0f, -1.0f, 0.0f));
    if (glm::dot(lastForward_, lastForward_) > 0.0f) {
        const float turned = std::atan2(lastForward_.x * forward.z - lastForward_.z * forward.x,
                                        lastForward_.x * forward.x + lastForward_.z * forward.z);
        if (std::fabs(turned) > 0.5f) yawLag_ += turned;
    }
    lastForward_ = forward;
    const float unwound = follow(yawLag_, 0.0f, dt, 0.08f) - yawLag_;
    yawLag_ += std::clamp(unwound, -kTurnRate * dt, kTurnRate * dt);

    // Events restart their clocks; a teleport is not walked.
    sinceBump_ = cue.bumped ? 0.0f : sinceBump_ + dt;
    sinceHop_ = cue.hopUp ? 0.0f : sinceHop_ + dt;
    sinceCheer_ = cue.cheer ? 0.0f : sinceCheer_ + dt;
    const bool teleported = cue.bumped || cue.hopUp;
    const float walked = teleported || !std::isfinite(cue.walked) ? 0.0f : std::max(cue.walked, 0.0f);

    // The walk cycle, by distance.
    if (walked > 0.0f && dt > 0.0f) {
        speed_ = walked / dt;
        stride_ = strideFor(speed_);
        stance_ = std::clamp(0.5f + 0.05f * speed_, 0.6f, 0.75f) / stride_;
        if (moving_ == 0.0f) phase_ = stance_ * 0.5f;  // setting off: the left foot under him
        const float before = phase_;
        phase_ += walked / stride_;
        const int left = static_cast<int>(std::floor(phase_) - std::floor(before));
        const int right = static_cast<int>(std::floor(phase_ + 0.5f) - std::floor(before + 0.5f));
        contacts_ = std::min(left + right, 2);
        phase_ -= std::floor(phase_);
        const float climb = std::isfinite(cue.climbed) ? cue.climbed : 0.0f;
        slope_ = follow(slope_, std::clamp(climb / walked, -1.0f, 1.0f), dt, 0.1f);
    }
    moving_ = approach(moving_, (cue.walking || walked > 0.0f) ? 1.0f : 0.0f, dt);
    if (moving_ == 0.0f) slope_ = 0.0f;
    waiting_ = approach(waiting_, cue.waiting ? 1.0f : 0.0f, dt);

    // Looking at the board: yaw and pitch from his eyes, within what a neck turns.
    glm::vec2 look(0.0f);
    if (cue.waiting) {
        const glm::vec3 d = glm::vec3(glm::inverse(placement) * glm::vec4(cue.board, 1.0f)) - glm::vec3(0.0f, 1.6f, 0.0f);
        look = {std::clamp(std::atan2(-d.x, -d.z), -0.9f, 0.9f),
                std::clamp(std::atan2(d.y, std::sqrt(d.x * d.x + d.z * d.z)), -0.3f, 0.45f)};
    }
    look_.x = follow(look_.x, look.x, dt, 0.15f);
    look_.y = follow(look_.y, look.y, dt, 0.15f);

    // Into a corner: more toward its end, less on the way out.
    float lean = 0.0f;
    if (cue.walk == BoyCue::Walk::Corner) {
        lean = static_cast<float>(cue.turn) * (cue.walkSegment <= 1 ? smoothstep(0.55f, 1.0f, cue.walkProgress)
                                                                    : 1.0f - smoothstep(0.0f, 0.5f, cue.walkProgress));
    }
    lean_ = follow(lean_, lean, dt, 0.1f);

    Joints joints;
    JointMotion root;
    standLayer(joints);
    if (moving_ > 0.0f) {
        Joints walk;
        walkLayer(walk);
        blendInto(joints, walk, smoothstep(0.0f, 1.0f, moving_));
    }
    overlays(joints, root);
    compose(joints, root);
}

// Standing: his weight shifts from foot to foot, he breathes, glances about
// and looks at the board he waits at. It all grows from nothing in his first
// second, so a new game starts from the rest pose.
void BoyAnimator::standLayer(Joints& j) const {
    const double t = time_;  // in double: a game may be left standing for hours
    const float settle = smoothstep(0.0f, 1.0f, static_cast<float>(std::min(t, 1.0)));
    // The glance runs a quarter period behind the weight shift, so one of
    // them is always under way.
    const float breathe = static_cast<float>(std::sin(kTurnOfCircle * t / 3.1)) * settle;
    const float shift = static_cast<float>(std::sin(kTurnOfCircle * t / 4.3)) * settle;
    const float glance = static_cast<float>(std::cos(kTurnOfCircle * t / 4.3)) * settle;

    j[boy::Hips].shift = {0.04f * shift, -0.013f * settle - 0.012f * std::fabs(shift), 0.0f};
    j[boy::Hips].angles = {0.0f, 0.05f * glance, 0.04f * shift};
    j[boy::Torso].angles = {-0.015f * breathe, 0.25f * look_.x * waiting_ - 0.05f * glance, -0.06f * shift};
    j[boy::Torso].shift = {0.0f, 0.004f * breathe, 0.0f};
    j[boy::Head].angles = {look_.y * waiting_ + 0.02f * breathe, 0.75f * look_.x * waiting_ + 0.15f * glance,
                           0.03f * shift};
    for (bool left : {true, false}) {
        const float side = left ? -1.0f : 1.0f;
        const int upper = left ? boy::UpperArmLeft : boy::UpperArmRight;
        j[upper].angles = {0.04f * glance * side + 0.03f * breathe, 0.0f, side * (0.05f + 0.02f * breathe) * settle};
        j[upper + 1].angles = {0.12f * settle, 0.0f, 0.0f};
        const glm::vec3 ankle(side * static_cast<float>(boy::kHipX), kAnkleY, 0.0f);
        placeLeg(j, left, ankle, 0.0f);
        for (int p = 0; p < 3; ++p) {
            const int leg = (left ? boy::UpperLegLeft : boy::UpperLegRight) + p;
            j[leg].angles *= settle;
        }
    }
}

// Walking or running, by the place in the cycle: a foot on the floor goes
// back under him exactly as far as he goes forward, so it stays put; the
// other swings forward, lifted. Hips bob and sway, arms swing against the
// legs, and the faster he goes the more he leans and bends his arms.
void BoyAnimator::walkLayer(Joints& j) const {
    const float v = speed_;
    const float span = stance_ * stride_;  // ground covered while a foot stands
    const float lift = std::min(0.06f + 0.035f * v, 0.45f);
    const float cycle = kTwoPi * phase_;
    const float midStance = kTwoPi * (phase_ - stance_ * 0.5f);

    // Hips: lower when running, lowest when a foot is under him. A foot
    // stands farthest from under the hips where it lands and where it lifts,
    // so the hips are kept low enough there for the leg to reach (it reaches
    // all the more in between, where the bob is lower).
    const float hipX = static_cast<float>(boy::kHipX);
    const float reachable = std::min(hipReaching({hipX, kAnkleY + slope_ * span * 0.5f, -span * 0.5f}, hipX),
                                     hipReaching({hipX, kAnkleY - slope_ * span * 0.5f, span * 0.5f}, hipX)) -
                            static_cast<float>(boy::kHipY);
    const float bob = std::min(0.01f + 0.006f * v, 0.06f);
    const float edge = std::max(-std::cos(kTwoPi * stance_), -1.0f);
    const float hipsY = std::min(-std::min(0.015f * v, 0.08f), reachable - bob * edge) - bob * std::cos(2.0f * midStance);
    j[boy::Hips].shift = {-0.02f * std::cos(midStance) / (1.0f + 0.2f * v), hipsY, 0.0f};
    j[boy::Hips].angles = {0.0f, -0.12f * std::cos(cycle), 0.04f * std::cos(midStance)};

    glm::vec3 ankles[2];
    float pitches[2];
    for (int foot = 0; foot < 2; ++foot) {
        const float side = foot == 0 ? -1.0f : 1.0f;
        const float u = foot == 0 ? phase_ : phase_ + 0.5f - std::floor(phase_ + 0.5f);
        float z = 0.0f;
        float y = 0.0f;
        float pitch = 0.0f;
        if (u < stance_) {
            z = -span * 0.5f + u * stride_;
        } else {
            // Forward through the air, leaving and meeting the floor at the
            // floor's own speed, so a foot neither jerks off it nor stamps.
            const float s = (u - stance_) / (1.0f - stance_);
            const float s2 = s * s, s3 = s2 * s;
            const float carried = std::min((1.0f - stance_) * stride_, 1.5f * span);
            z = (2.0f * s3 - 3.0f * s2 + 1.0f) * span * 0.5f - (-2.0f * s3 + 3.0f * s2) * span * 0.5f +
                (s3 - 2.0f * s2 + s) * carried + (s3 - s2) * carried;
            y = lift * std::sin(kPi * s);
            pitch = 0.8f * std::sin(kPi * s) * (s - 0.55f);
        }
        ankles[foot] = {side * hipX, kAnkleY + y - slope_ * z, z};
        pitches[foot] = pitch;
    }
    placeLeg(j, true, ankles[0], pitches[0]);
    placeLeg(j, false, ankles[1], pitches[1]);

    const float run = std::min(v / 5.0f, 1.0f);
    const float lean = std::min(0.03f + 0.025f * v, 0.35f);
    j[boy::Torso].angles = {-lean, 0.2f * std::cos(cycle), -0.02f * std::cos(midStance)};
    j[boy::Head].angles = {0.6f * lean, -0.1f * std::cos(cycle), 0.0f};
    const float swing = std::min(0.25f + 0.08f * v, 0.9f);
    for (bool left : {true, false}) {
        const float side = left ? -1.0f : 1.0f;
        const float forward = (left ? -1.0f : 1.0f) * std::cos(cycle);  // +1 fully forward
        const int upper = left ? boy::UpperArmLeft : boy::UpperArmRight;
        j[upper].angles = {swing * forward + 0.1f * run, 0.0f, side * (0.06f + 0.06f * run)};
        j[upper + 1].angles = {0.2f + 1.1f * run + 0.2f * std::max(forward, 0.0f), 0.0f, 0.0f};
    }
}

// What plays over standing and walking: the lean into a corner, the rest of
// a snap turn, the stagger back from a board, the hop up the stairs and the cheer.
void BoyAnimator::overlays(Joints& j, JointMotion& root) const {
    root.angles.z += 0.22f * lean_;
    j[boy::Torso].angles.z += 0.06f * lean_;
    root.angles.y += yawLag_;

    if (sinceBump_ < kBumpTime) {
        // Knocked back off balance: leaning back and wobbling from side to
        // side, arms flung out, one foot stepping back to catch himself.
        const float t = sinceBump_;
        const float e = smoothstep(0.0f, 0.15f, t) * (1.0f - smoothstep(0.6f, kBumpTime, t));
        const float wobble = std::sin(kTwoPi * 2.0f * t);
        root.angles += e * glm::vec3(0.18f + 0.05f * wobble, 0.12f * wobble, 0.09f * wobble);
        root.shift.z += 0.1f * e;
        j[boy::Torso].angles.y -= 0.2f * wobble * e;
        j[boy::Head].angles += e * glm::vec3(-0.3f, 0.15f * wobble, -0.1f * wobble);
        for (bool left : {true, false}) {
            const float side = left ? -1.0f : 1.0f;
            const int arm = left ? boy::UpperArmLeft : boy::UpperArmRight;
            j[arm].angles += glm::vec3(0.7f, 0.0f, (0.9f + 0.2f * side * wobble) * side) * e;
            j[arm + 1].angles.x += 0.6f * e;
            const int leg = left ? boy::UpperLegLeft : boy::UpperLegRight;
            j[leg].angles.x += (left ? 0.15f : -0.35f) * e;
            j[leg + 1].angles.x -= (left ? 0.3f : 0.5f) * e;
        }
    }
    if (sinceHop_ < kHopTime) {
        const float t = sinceHop_;
        const float e = smoothstep(0.0f, 0.05f, t) * (1.0f - smoothstep(0.55f, kHopTime, t));
        const float crouch = e * (std::exp(-std::pow((t - 0.08f) / 0.07f, 2.0f)) + std::exp(-std::pow((t - 0.5f) / 0.1f, 2.0f)));
        const float rise = t > 0.1f && t < 0.48f ? std::sin(kPi * (t - 0.1f) / 0.38f) : 0.0f;
        const float flight = rise * rise;
        root.shift.y += 0.45f * flight;
        j[boy::Hips].shift.y -= 0.15f * crouch;
        j[boy::Torso].angles.x -= 0.3f * crouch;
        for (bool left : {true, false}) {
            const int leg = left ? boy::UpperLegLeft : boy::UpperLegRight;
            j[leg].angles.x += 0.5f * crouch + 0.7f * flight;
            j[leg + 1].angles.x -= 1.0f * crouch + 1.1f * flight;
            j[leg + 2].angles.x += 0.5f * crouch + 0.3f * flight;
            const int arm = left ? boy::UpperArmLeft : boy::UpperArmRight;
            j[arm].angles.x += 2.4f * flight - 0.4f * crouch;
        }
    }
    if (sinceCheer_ < kCheerTime) {
        const float t = sinceCheer_;
        const float e = smoothstep(0.0f, 0.25f, t) * (1.0f - smoothstep(2.2f, kCheerTime, t));
        const float wave = std::sin(kTwoPi * 2.2f * t);
        for (bool left : {true, false}) {
            const float side = left ? -1.0f : 1.0f;
            const int arm = left ? boy::UpperArmLeft : boy::UpperArmRight;
            const glm::vec3 up(0.3f, 0.0f, side * (2.5f - 0.25f * wave));
            j[arm].angles += (up - j[arm].angles) * e;
            j[arm + 1].angles += (glm::vec3(0.5f + 0.3f * wave, 0.0f, 0.0f) - j[arm + 1].angles) * e;
        }
        j[boy::Head].angles.x += 0.25f * e;
        root.shift.y += e * (1.0f - moving_) * 0.1f * std::fabs(std::sin(kTwoPi * 1.5f * t));
    }
}

void BoyAnimator::compose(const Joints& j, const JointMotion& root) {
    const glm::mat4 base = glm::translate(glm::mat4(1.0f), root.shift) * rotation(root.angles);
    for (int p = 0; p < boy::kPartCount; ++p) {
        const glm::vec3 pivot = pivotOf(p);
        const glm::mat4 local = glm::translate(glm::mat4(1.0f), pivot + j[p].shift) * rotation(j[p].angles) *
                                glm::translate(glm::mat4(1.0f), -pivot);
        const int parent = boy::kParts[p].parent;
        pose_.parts[p] = (parent < 0 ? base : pose_.parts[parent]) * local;
    }
}

}  // namespace brindlemoor::scene
