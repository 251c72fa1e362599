// The kinds of scene objects, by which the builder, collision and the frame
// loop tell pieces apart. Each prints as its short code ("BB", "LD", ...).
#pragma once

#include <string>

namespace brindlemoor::scene {

enum class TypeCode {
    None,  // no object: the collision test hit nothing
    Blackboard,
    Ceiling,
    Floor,
    CornerLeftFloor,
    CornerRightFloor,
    CornerLeft,
    CornerRight,
    StairsDown,
    StairsUp,
    WallDoorLeft,
    WallPlainLeft,
    WallWindowLeft,
    WallDoorRight,
    WallPlainRight,
    WallWindowRight,
    Player,
    Text,
    EndWalls,  // the closed stretches at both ends of a corridor, not among
    EndFloor,  // the level's objects
};

// The printed code: "BB", "C", "F", "F<", "F>", "<", ">", "-", "+", "LD", "LP",
// "LW", "RD", "RP", "RW", "P", "T", "E", "EF", and "none" for None.
const char* codeText(TypeCode code);
std::string toString(TypeCode code);

// Codes that begin with "L" block the Left arrow, with "R" the Right arrow.
bool isLeftWall(TypeCode code);
bool isRightWall(TypeCode code);
// The three floor kinds ("F", "F<", "F>").
bool isFloor(TypeCode code);
bool isCorner(TypeCode code);

}  // namespace brindlemoor::scene
