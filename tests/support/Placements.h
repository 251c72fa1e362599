// Placements for the GL-free tests: boxes of a chosen size, or the real pieces
// with their models' boxes, and a vector comparison.
#pragma once

#include <gtest/gtest.h>

#include <deque>

#include "TestOutput.h"
#include "level/CorridorBuilder.h"
#include "scene/Catalogue.h"
#include "scene/ModelData.h"
#include "scene/Placement.h"

namespace brindlemoor::test {

// Owns placements (stable addresses) and lists them in order, as a level does.
struct PlacedObjects {
    std::deque<scene::Placement> owned;
    scene::PlacementList list;

    scene::Placement& box(const glm::vec3& lower, const glm::vec3& upper, scene::TypeCode code) {
        return add(scene::Placement(code, scene::Box{lower, upper, false}));
    }
    // A real piece of the catalogue, moved to `at` and turned by `turns`.
    scene::Placement& piece(scene::TypeCode code, const glm::vec3& at = glm::vec3(0.0f), int turns = 0) {
        scene::Placement& p = add(scene::Placement(code, testAssets().models.box(scene::entry(code).model)));
        p.translate(at.x, at.y, at.z);
        p.rotate(turns);
        return p;
    }
    scene::Placement& add(const scene::Placement& placement) {
        owned.push_back(placement);
        owned.back().computeBoundingBox();
        list.push_back(&owned.back());
        return owned.back();
    }
};

// What the corridor builder makes, as placements: the level's objects and,
// apart from them, the end pieces.
struct PlacedPieces : level::PieceSink {
    scene::Placement& add(scene::TypeCode code) override { return objects.piece(code); }
    scene::Placement& addEndPiece(scene::TypeCode code) override { return ends.piece(code); }
    PlacedObjects objects, ends;
};

inline void expectNear(const glm::vec3& actual, const glm::vec3& expected, float tolerance = 1e-4f) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

}  // namespace brindlemoor::test
