#include "scene/corridor/CorridorPieces.h"

namespace brindlemoor::scene::corridor {

namespace {
const char* const kWall = "Resources/corridor/images/wall_texture_bumpmapready.tga";
const char* const kWallNormal = "Resources/corridor/images/wall_texture_normal.tga";
const char* const kWindowWall = "Resources/corridor/images/wall_window_texture.tga";
const char* const kFloor = "Resources/corridor/images/floor.tga";
const char* const kFloorNormal = "Resources/corridor/images/floor_normal.tga";
const char* const kStairs = "Resources/corridor/images/staircase_texture.tga";
const char* const kStairsNormal = "Resources/corridor/images/staircase_normal.tga";
}  // namespace

// One row per piece: class, model file, colour texture, normal map, type code.
#define BRINDLEMOOR_DEFINE_PIECE(Name, model, color, normal, code)                                    \
    const glm::mat4 Name::initialMatrix{1.0f};                                                       \
    const std::string Name::modelFile = model;                                                       \
    Name::Name(render::ShaderProgram* program) : SceneObject(initialMatrix, program, modelFile, color, normal) { \
        typeCode = code;                                                                             \
    }

BRINDLEMOOR_DEFINE_PIECE(Ceiling, "Resources/corridor/models/ceiling.obj", kWall, kWallNormal, "C")
BRINDLEMOOR_DEFINE_PIECE(Corner_left, "Resources/corridor/models/Corner_left.obj", kWindowWall, kWallNormal, "<")
BRINDLEMOOR_DEFINE_PIECE(Corner_left_floor, "Resources/corridor/models/Corner_left_floor.obj", kFloor, kFloorNormal, "F<")
BRINDLEMOOR_DEFINE_PIECE(Corner_right, "Resources/corridor/models/Corner_right.obj", kWindowWall, kWallNormal, ">")
BRINDLEMOOR_DEFINE_PIECE(Corner_right_floor, "Resources/corridor/models/Corner_right_floor.obj", kFloor, kFloorNormal, "F>")
BRINDLEMOOR_DEFINE_PIECE(Stairs_down, "Resources/corridor/models/stairs_down.obj", kStairs, kStairsNormal, "-")
BRINDLEMOOR_DEFINE_PIECE(Stairs_up, "Resources/corridor/models/stairs_up.obj", kStairs, kStairsNormal, "+")
BRINDLEMOOR_DEFINE_PIECE(Wall_door_left, "Resources/corridor/models/wall_door_left.obj", kWall, kWallNormal, "LD")
BRINDLEMOOR_DEFINE_PIECE(Wall_door_right, "Resources/corridor/models/wall_door_right.obj", kWall, kWallNormal, "RD")
BRINDLEMOOR_DEFINE_PIECE(Floor, "Resources/corridor/models/floor.obj", kFloor, kFloorNormal, "F")
BRINDLEMOOR_DEFINE_PIECE(Wall_plain_left, "Resources/corridor/models/wall_plain_left.obj", kWall, kWallNormal, "LP")
BRINDLEMOOR_DEFINE_PIECE(Wall_plain_right, "Resources/corridor/models/wall_plain_right.obj", kWall, kWallNormal, "RP")
BRINDLEMOOR_DEFINE_PIECE(Wall_window_left, "Resources/corridor/models/wall_window_left.obj", kWindowWall, kWallNormal, "LW")
BRINDLEMOOR_DEFINE_PIECE(Wall_window_right, "Resources/corridor/models/wall_window_right.obj", kWindowWall, kWallNormal, "RW")

#undef BRINDLEMOOR_DEFINE_PIECE

}  // namespace brindlemoor::scene::corridor
