// The boy's walk kept for the ghost: small enough for any game, read back as
// it was, and refused when damaged; and where the adaptive pace starts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "Placements.h"
#include "gameplay/GhostWalk.h"
#include "gameplay/MovementState.h"
#include "gameplay/Pace.h"
#include "level/RandomLayout.h"

namespace {

using namespace brindlemoor;
using gameplay::Walk;

// `points` tenths of a second of `step(i)`.
template <class Step>
Walk walkOf(std::size_t points, Step step) {
    Walk walk;
    for (std::size_t i = 0; i < points; ++i) {
        walk.points.push_back(step(static_cast<double>(i)));
    }
    return walk;
}

// The boy's walk down a random corridor of 99 blocks at the design's pace and
// 60 frames a second, through every corner and down every stair, boards
// lifted in time.
Walk walkDownNinetyNineBlocks() {
    test::PlacedPieces sink;
    test::CapturedOutput out;
    level::CorridorBuilder builder(sink, out);
    unsigned int state = 12345u;
    builder.buildCorridor(level::generateLayoutCodes(99, [&state] {
        state = state * 1103515245u + 12345u;
        return static_cast<int>((state >> 16) & 0x7FFF);
    }));
    scene::PlacementList solid;  // no board in his way
    for (const scene::Placement* piece : sink.objects.list) {
        solid.push_back(piece->typeCode == scene::TypeCode::Blackboard ? &sink.ends.box({}, {}, piece->typeCode) : piece);
    }
    scene::Placement boy = test::PlacedObjects().piece(scene::TypeCode::Player);
    glm::vec3 eye(0.0f), centre(0.0f);
    const gameplay::MovementWorld world{boy, solid, eye, centre, 5.0f, out};
    gameplay::resetMovement();
    gameplay::WalkRecorder recorder;
    const float dt = 1.0f / 60.0f;
    const glm::vec3 end = sink.objects.list.back()->position;  // the final board
    for (int frame = 0; frame < 60 * 900 && glm::length(boy.position - end) > 6.0f; ++frame) {
        if (gameplay::movementState.transitionPhase == 0) {
            boy.translate(0.0f, 0.0f, -5.0f * dt);
        }
        const unsigned int hit = gameplay::testCollision(dt, world);
        if (hit != gameplay::kNoCollision && (scene::isCorner(solid[hit]->typeCode) ||
                                              solid[hit]->typeCode == scene::TypeCode::StairsDown)) {
            gameplay::startTransition(solid[hit]);
        }
        recorder.record(frame * dt, boy);
        out.take();
    }
    EXPECT_LT(glm::length(boy.position - end), 6.0f) << "he did not reach the final board";
    return recorder.walk();
}

TEST(GhostWalk, AnyGameFitsTheLimitAndComesBackAsItWalked) {
    struct Case {
        const char* walk;
        Walk value;
        std::size_t mostBytes;
        bool everyPoint;
    } cases[] = {
        {"straight on, standing at every board", walkOf(4800, [](double i) {
             const double walked = 48.0 * std::floor(i / 60.0) + std::min(std::fmod(i, 60.0), 48.0);
             return gameplay::WalkPoint{glm::vec3(0.0f, 0.0f, static_cast<float>(-0.5 * walked)), 0};
         }), 1024, true},
        {"99 blocks through corners and down stairs", walkDownNinetyNineBlocks(), gameplay::kMaxWalkBytes, true},
        {"an hour of stepping from side to side", walkOf(36000, [](double i) {
             return gameplay::WalkPoint{glm::vec3(static_cast<float>(std::fmod(i * 7.3, 9.0) - 4.5), 0.0f, 0.0f), 0};
         }), gameplay::kMaxWalkBytes, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.walk);
        const std::vector<unsigned char> bytes = gameplay::encodeWalk(c.value);
        EXPECT_LE(bytes.size(), c.mostBytes);
        const io::Result<Walk> read = gameplay::decodeWalk(bytes);
        ASSERT_TRUE(read) << read.reason();
        EXPECT_NEAR(read->duration(), c.value.duration(), read->interval);
        EXPECT_TRUE(!c.everyPoint || read->interval == c.value.interval) << "points were left out";
        // Wherever the ghost is, the boy was there then (within the kept
        // precision, when every point was kept).
        for (double t = 0.0; t < c.value.duration(); t += 7.3) {
            const auto kept = read->at(t);
            const auto walked = c.value.at(t);
            ASSERT_TRUE(kept && walked);
            if (read->interval == c.value.interval) {
                EXPECT_LE(glm::length(kept->position - walked->position), 0.05f) << t;
                EXPECT_EQ(kept->heading, walked->heading) << t;
            }
        }
        EXPECT_FALSE(read->at(c.value.duration() + 1.0)) << "past its end the ghost is gone";
    }
}

TEST(GhostWalk, ADamagedWalkIsRefused) {
    const std::vector<unsigned char> good = gameplay::encodeWalk(walkOf(300, [](double i) {
        return gameplay::WalkPoint{glm::vec3(static_cast<float>(std::sin(i)), 0.0f, static_cast<float>(-0.5 * i)), 1};
    }));
    auto flipped = [good](std::size_t at) {
        std::vector<unsigned char> bytes = good;
        bytes[at] ^= 0x04;
        return bytes;
    };
    const std::vector<std::vector<unsigned char>> damaged = {
        {}, {'G', 'W'}, flipped(1), flipped(good.size() / 2), flipped(good.size() - 1),
        std::vector<unsigned char>(good.begin(), good.end() - 7), std::vector<unsigned char>(20000, 0x80)};
    for (std::size_t i = 0; i < damaged.size(); ++i) {
        EXPECT_FALSE(gameplay::decodeWalk(damaged[i])) << "case " << i;
    }
}

TEST(Pace, AGameStartsFromTheMedianOfTheLatestEndPaces) {
    struct Case {
        std::vector<double> paces;
        double start;
    } cases[] = {
        {{}, 5.0},                          // no game yet: the design's pace
        {{0.0, 0.0}, 5.0},                  // games at the fixed pace say nothing
        {{2.0, 7.0, 9.0, 0.0, 6.0, 8.0, 30.0}, 8.0},  // the latest five adaptive games
        {{45.0}, 30.0},
        {{1.0}, 2.5},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(gameplay::startingPace(c.paces), c.start);
    }
}

}  // namespace
