// The boy's joints, shared by the data-set generator (which writes each part
// of the model as its own named object) and the game (which turns each part
// about its joint). Plain constexpr C++, like the world's measures, so both
// read the same numbers. Pivots are in model space at the rest pose: he
// stands on y = 0 facing -z, his left side toward -x.
#pragma once

#include "scene/WorldMeasures.h"

namespace brindlemoor::boy {

enum Part : int {
    Hips,
    Torso,
    Head,
    UpperArmLeft,
    LowerArmLeft,
    UpperArmRight,
    LowerArmRight,
    UpperLegLeft,
    LowerLegLeft,
    FootLeft,
    UpperLegRight,
    LowerLegRight,
    FootRight,
    kPartCount
};

struct PartInfo {
    const char* name;     // the object's name in the OBJ file
    int parent;           // a part earlier in the list, or -1 for the hips
    world::Vec3d pivot;   // the joint it turns about
};

// Joints lie straight above one another in a limb, so a limb at rest hangs
// with every joint angle zero.
constexpr double kHipX = 0.1;
constexpr double kHipY = 0.9;
constexpr double kKneeY = 0.47;
constexpr double kAnkleY = 0.11;
constexpr double kShoulderX = 0.205;
constexpr double kShoulderY = 1.395;
constexpr double kElbowX = 0.245;
constexpr double kElbowY = 1.12;
constexpr double kWristY = 0.85;

constexpr PartInfo kParts[kPartCount] = {
    {"hips", -1, {0.0, 0.95, 0.0}},
    {"torso", Hips, {0.0, 1.0, 0.0}},
    {"head", Torso, {0.0, 1.45, 0.0}},
    {"arm_upper_left", Torso, {-kShoulderX, kShoulderY, 0.0}},
    {"arm_lower_left", UpperArmLeft, {-kElbowX, kElbowY, 0.012}},
    {"arm_upper_right", Torso, {kShoulderX, kShoulderY, 0.0}},
    {"arm_lower_right", UpperArmRight, {kElbowX, kElbowY, 0.012}},
    {"leg_upper_left", Hips, {-kHipX, kHipY, 0.0}},
    {"leg_lower_left", UpperLegLeft, {-kHipX, kKneeY, 0.0}},
    {"foot_left", LowerLegLeft, {-kHipX, kAnkleY, 0.0}},
    {"leg_upper_right", Hips, {kHipX, kHipY, 0.0}},
    {"leg_lower_right", UpperLegRight, {kHipX, kKneeY, 0.0}},
    {"foot_right", LowerLegRight, {kHipX, kAnkleY, 0.0}},
};

// Thigh and shin, hip to knee and knee to ankle.
constexpr double kThighLength = kHipY - kKneeY;
constexpr double kShinLength = kKneeY - kAnkleY;

}  // namespace brindlemoor::boy
