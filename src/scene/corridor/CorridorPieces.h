// The prefabricated corridor pieces. Each differs only in its files (see the
// catalogue) and the type code by which the builder, collision and the frame
// loop recognise it.
#pragma once

#include "scene/SceneObject.h"
#include "scene/TypeCode.h"

namespace brindlemoor::scene::corridor {

// A piece built from the catalogue entry of its code, doing nothing per frame.
template <TypeCode Code>
class Piece : public SceneObject {
public:
    Piece(const Assets& assets, const gl::ShaderProgram* program);
    void update(double) override {}
};

// The end pieces print nothing when they are made: they are not among the
// level's objects, and the level's messages stay as they are.
template <TypeCode Code>
class QuietPiece : public SceneObject {
public:
    QuietPiece(const Assets& assets, const gl::ShaderProgram* program);
    void update(double) override {}
};

using Ceiling = Piece<TypeCode::Ceiling>;
using Floor = Piece<TypeCode::Floor>;
using Corner_left = Piece<TypeCode::CornerLeft>;
using Corner_left_floor = Piece<TypeCode::CornerLeftFloor>;
using Corner_right = Piece<TypeCode::CornerRight>;
using Corner_right_floor = Piece<TypeCode::CornerRightFloor>;
using Stairs_down = Piece<TypeCode::StairsDown>;
using Stairs_up = Piece<TypeCode::StairsUp>;
using Wall_door_left = Piece<TypeCode::WallDoorLeft>;
using Wall_door_right = Piece<TypeCode::WallDoorRight>;
using Wall_plain_left = Piece<TypeCode::WallPlainLeft>;
using Wall_plain_right = Piece<TypeCode::WallPlainRight>;
using Wall_window_left = Piece<TypeCode::WallWindowLeft>;
using Wall_window_right = Piece<TypeCode::WallWindowRight>;
using End_walls = QuietPiece<TypeCode::EndWalls>;
using End_floor = QuietPiece<TypeCode::EndFloor>;

}  // namespace brindlemoor::scene::corridor
