// The boy's animation without GL: his feet stay where they land at any pace
// and frame rate, his steps follow the distance he walks, he starts from the
// rest pose, and every change of what he does blends in without a jump.
#include <algorithm>

#include <glm/gtc/matrix_transform.hpp>
#include <gtest/gtest.h>

#include "scene/BoyAnimation.h"
#include "scene/QuarterTurns.h"

namespace {

using namespace brindlemoor;
using scene::BoyCue;

glm::vec3 pivot(int part) { return scene::toGlm(boy::kParts[part].pivot); }

glm::vec3 posed(const scene::BoyPose& pose, int part, glm::vec3 from = glm::vec3(0.0f)) {
    return glm::vec3(pose.parts[static_cast<std::size_t>(part)] * glm::vec4(pivot(part) + from, 1.0f));
}

// The ankle of a foot in the world, for a boy whose origin is at `placement`.
glm::vec3 ankle(const scene::BoyAnimator& boy, const glm::mat4& placement, int foot) {
    return glm::vec3(placement * glm::vec4(posed(boy.pose(), foot), 1.0f));
}

TEST(BoyAnimation, AFootOnTheFloorStaysPutAndStepsFollowTheDistanceWalked) {
    const float floorAnkle = static_cast<float>(boy::kAnkleY);
    for (float speed : {2.5f, 5.0f, 30.0f}) {
        int expectedSteps = -1;
        for (float fps : {24.0f, 60.0f, 144.0f}) {
            SCOPED_TRACE(testing::Message() << speed << " units a second at " << fps << " frames a second");
            scene::BoyAnimator boy;
            BoyCue cue;
            cue.walking = true;
            const float dt = 1.0f / fps;
            float z = 0.0f;
            glm::vec3 before[2];
            bool plantedBefore[2] = {false, false};
            int steps = 0, planted = 0;
            // A foot stands for a tenth of the cycle or more.
            const bool standsAFrame = fps * 0.1f * scene::BoyAnimator::strideFor(speed) / speed >= 2.0f;
            float worstSlide = 0.0f;
            for (int frame = 0; z > -60.0f; ++frame) {
                cue.walked = speed * dt;
                z -= cue.walked;
                const glm::mat4 placement = glm::translate(glm::mat4(1.0f), glm::vec3(0.0f, 0.0f, z));
                boy.update(cue, dt, placement);
                const bool blended = frame * dt > 0.3f;  // past the blend from standing
                int onFloor = 0;
                for (int f = 0; f < 2; ++f) {
                    const glm::vec3 now = ankle(boy, placement, f == 0 ? boy::FootLeft : boy::FootRight);
                    const bool down = now.y < floorAnkle + 1e-3f;
                    onFloor += down ? 1 : 0;
                    if (blended && down && plantedBefore[f]) {
                        worstSlide = std::max(worstSlide, glm::length(now - before[f]));
                        ++planted;
                    }
                    before[f] = now;
                    plantedBefore[f] = down;
                }
                if (z < -10.0f && boy.footContacts() > 0) {  // counted over the same 50 units
                    steps += boy.footContacts();
                    // (Running fast, a foot may stand for less than a frame.)
                    EXPECT_TRUE(onFloor > 0 || !standsAFrame) << "a footstep with no foot on the floor, frame " << frame;
                }
            }
            EXPECT_LT(worstSlide, 0.01f);
            EXPECT_TRUE(planted > 20 || !standsAFrame) << "no foot ever stood on the floor";
            if (expectedSteps < 0) expectedSteps = steps;
            EXPECT_NEAR(steps, expectedSteps, 1) << "steps depend on the frame rate";
            EXPECT_NEAR(steps, 2.0f * 50.0f / scene::BoyAnimator::strideFor(speed), 1.5f);
        }
    }
}

TEST(BoyAnimation, StartsAtRestAndEveryActivityBlendsInWithoutAJump) {
    struct Case {
        const char* what;
        void (*cue)(BoyCue&);
        int quarterTurn;
    };
    const Case cases[] = {
        {"walking", [](BoyCue& c) { c.walking = true; c.walked = 5.0f / 60.0f; }, 0},
        {"waiting at a board", [](BoyCue& c) { c.waiting = true; c.board = {3.0f, 4.0f, -5.0f}; }, 0},
        {"bumped", [](BoyCue& c) { c.bumped = true; }, 0},
        {"hopping up the stairs", [](BoyCue& c) { c.hopUp = true; }, 2},
        {"cheering", [](BoyCue& c) { c.cheer = true; }, 0},
        {"into a corner", [](BoyCue& c) {
             c.walking = true;
             c.walked = 5.0f / 60.0f;
             c.walk = BoyCue::Walk::Corner;
             c.walkSegment = 3;
             c.turn = 1;
         }, 1},
    };
    const float dt = 1.0f / 60.0f;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        scene::BoyAnimator boy, still;
        BoyCue idle;
        boy.update(idle, dt, glm::mat4(1.0f));
        for (int p = 0; p < boy::kPartCount; ++p) {
            EXPECT_LT(glm::length(posed(boy.pose(), p) - pivot(p)), 1e-3f) << boy::kParts[p].name << " not at rest";
        }
        // A point a little off each joint, in the world.
        const auto at = [](const scene::BoyPose& pose, const glm::mat4& placement, int p) {
            return glm::vec3(placement * glm::vec4(posed(pose, p, glm::vec3(0.1f, 0.1f, -0.1f)), 1.0f));
        };
        glm::mat4 placement(1.0f);
        glm::vec3 last[boy::kPartCount], speed[boy::kPartCount];
        float biggestJerk = 0.0f, farthest = 0.0f;
        for (int frame = 0; frame < 40; ++frame) {
            BoyCue cue;
            c.cue(cue);
            if (frame > 0) cue.bumped = cue.hopUp = cue.cheer = false;  // events happen once
            placement = glm::translate(placement, glm::vec3(0.0f, 0.0f, -cue.walked));
            if (frame == 0) {  // his placement snaps round; he must not
                placement = glm::rotate(placement, c.quarterTurn * glm::radians(90.0f), glm::vec3(0.0f, 1.0f, 0.0f));
            }
            boy.update(cue, dt, placement);
            still.update(idle, dt, placement);
            // Nothing jumps: a point a little off each joint changes its
            // speed by less than 7 units a second from one frame to the next
            // (a snap into a new pose changes it by its whole way at once).
            for (int p = 0; p < boy::kPartCount; ++p) {
                const glm::vec3 now = at(boy.pose(), placement, p);
                if (frame > 0) {
                    if (frame > 1) biggestJerk = std::max(biggestJerk, glm::length((now - last[p]) - speed[p]));
                    speed[p] = now - last[p];
                }
                last[p] = now;
                farthest = std::max(farthest, glm::length(now - at(still.pose(), placement, p)));
            }
        }
        EXPECT_LT(biggestJerk, 0.12f) << "a part jumped";
        EXPECT_GT(farthest, 0.1f) << "he did not do it";
    }
}

}  // namespace
