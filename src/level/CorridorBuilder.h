// Turns a list of block codes into placed corridor pieces, blackboards and
// lights, laying each block at the build cursor and moving the cursor on. The
// builder only places; whoever receives the pieces decides what they are (the
// level makes drawable objects, tests plain placements), so the corridor's
// geometry needs no GL context.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include <glm/vec3.hpp>

#include "io/Output.h"
#include "scene/Placement.h"

namespace brindlemoor::level {

// Receives the pieces in the order they are made.
class PieceSink {
public:
    virtual ~PieceSink() = default;
    // Makes a piece of kind `code` at the origin, unturned, appends it to the
    // level's objects and returns its placement for the builder to move.
    virtual scene::Placement& add(scene::TypeCode code) = 0;
    // The same for the pieces of an end piece, which are kept apart from the
    // level's objects (nothing counts, names or collides with them).
    virtual scene::Placement& addEndPiece(scene::TypeCode code) = 0;
};

class CorridorBuilder {
public:
    CorridorBuilder(PieceSink& sink, io::Output& out) : sink_(sink), out_(out) {}

    // Builds every block and the final board, printing the builder's messages,
    // and closes the corridor with an end piece behind its start and one
    // around the final board.
    void buildCorridor(const std::vector<std::string>& codes);
    // Adds the board's light, places it and moves the cursor past it.
    void placeBlackboard(scene::Placement& board);
    // Moves the cursor and heading past a piece just placed.
    void advanceCursor(const scene::Placement& piece);

    int heading = 0;
    glm::vec3 cursor{0.0f};
    std::vector<float> lightPositions;    // x, y, z per light
    std::vector<std::size_t> blackboards;  // indices of the boards among the objects, in corridor order
    std::size_t objectCount = 0;

private:
    scene::Placement& place(scene::TypeCode code);
    void placeWall(char letter, bool leftSide);
    void placeEndPiece(const glm::vec3& at, int facing);

    PieceSink& sink_;
    io::Output& out_;
};

}  // namespace brindlemoor::level
