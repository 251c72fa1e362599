#include "scene/Catalogue.h"

#include <stdexcept>

#include "scene/Blackboard.h"
#include "scene/Player.h"
#include "scene/Text3D.h"
#include "scene/corridor/CorridorPieces.h"

namespace brindlemoor::scene {

namespace {
#define CORRIDOR "Resources/corridor/"
#define BOARD "Resources/blackboard/"
constexpr const char* kWall = CORRIDOR "images/wall_texture_bumpmapready.tga";
constexpr const char* kWallNormal = CORRIDOR "images/wall_texture_normal.tga";
constexpr const char* kWindowWall = CORRIDOR "images/wall_window_texture.tga";
constexpr const char* kFloor = CORRIDOR "images/floor.tga";
constexpr const char* kFloorNormal = CORRIDOR "images/floor_normal.tga";
constexpr const char* kStairs = CORRIDOR "images/staircase_texture.tga";
constexpr const char* kStairsNormal = CORRIDOR "images/staircase_normal.tga";
}  // namespace

const std::vector<CatalogueEntry>& catalogue() {
    static const std::vector<CatalogueEntry> entries = {
        {TypeCode::Blackboard, "Blackboard", BOARD "models/blackboard.obj", BOARD "images/blackboard_own.tga",
         BOARD "images/blackboard_own_normal.tga"},
        {TypeCode::Ceiling, "Ceiling", CORRIDOR "models/ceiling.obj", kWall, kWallNormal},
        {TypeCode::CornerLeft, "Corner_left", CORRIDOR "models/Corner_left.obj", kWindowWall, kWallNormal},
        {TypeCode::CornerLeftFloor, "Corner_left_floor", CORRIDOR "models/Corner_left_floor.obj", kFloor, kFloorNormal},
        {TypeCode::CornerRight, "Corner_right", CORRIDOR "models/Corner_right.obj", kWindowWall, kWallNormal},
        {TypeCode::CornerRightFloor, "Corner_right_floor", CORRIDOR "models/Corner_right_floor.obj", kFloor,
         kFloorNormal},
        {TypeCode::StairsDown, "Stairs_down", CORRIDOR "models/stairs_down.obj", kStairs, kStairsNormal},
        {TypeCode::StairsUp, "Stairs_up", CORRIDOR "models/stairs_up.obj", kStairs, kStairsNormal},
        {TypeCode::WallDoorLeft, "Wall_door_left", CORRIDOR "models/wall_door_left.obj", kWall, kWallNormal},
        {TypeCode::WallDoorRight, "Wall_door_right", CORRIDOR "models/wall_door_right.obj", kWall, kWallNormal},
        {TypeCode::Floor, "Floor", CORRIDOR "models/floor.obj", kFloor, kFloorNormal},
        {TypeCode::WallPlainLeft, "Wall_plain_left", CORRIDOR "models/wall_plain_left.obj", kWall, kWallNormal},
        {TypeCode::WallPlainRight, "Wall_plain_right", CORRIDOR "models/wall_plain_right.obj", kWall, kWallNormal},
        {TypeCode::WallWindowLeft, "Wall_window_left", CORRIDOR "models/wall_window_left.obj", kWindowWall,
         kWallNormal},
        {TypeCode::WallWindowRight, "Wall_window_right", CORRIDOR "models/wall_window_right.obj", kWindowWall,
         kWallNormal},
        {TypeCode::Player, "Player", "Resources/boy/boy.obj", "Resources/boy/images/boy_texture.tga",
         "Resources/boy/images/boy_normal.tga"},
        {TypeCode::EndWalls, "End_walls", CORRIDOR "models/end_walls.obj", kWall, kWallNormal},
        {TypeCode::EndFloor, "End_floor", CORRIDOR "models/end_floor.obj", kFloor, kFloorNormal},
        {TypeCode::Text, "Text3D", BOARD "models/blackboard_text.obj", BOARD "images/crayoncrumble.tga",
         BOARD "images/crayoncrumble_normal.tga"},
    };
    return entries;
}
#undef CORRIDOR
#undef BOARD

const CatalogueEntry& entry(TypeCode code) {
    for (const CatalogueEntry& e : catalogue()) {
        if (e.code == code) {
            return e;
        }
    }
    throw std::invalid_argument("no catalogue entry for this type code");
}

std::unique_ptr<SceneObject> makeObject(const Assets& assets, TypeCode code, const gl::ShaderProgram* program) {
    namespace c = corridor;
    switch (code) {
        case TypeCode::Blackboard: return std::make_unique<Blackboard>(assets, program);
        case TypeCode::Player: return std::make_unique<Player>(assets, program);
        case TypeCode::Text: return std::make_unique<Text3D>(assets, program);
        case TypeCode::Ceiling: return std::make_unique<c::Ceiling>(assets, program);
        case TypeCode::Floor: return std::make_unique<c::Floor>(assets, program);
        case TypeCode::CornerLeft: return std::make_unique<c::Corner_left>(assets, program);
        case TypeCode::CornerLeftFloor: return std::make_unique<c::Corner_left_floor>(assets, program);
        case TypeCode::CornerRight: return std::make_unique<c::Corner_right>(assets, program);
        case TypeCode::CornerRightFloor: return std::make_unique<c::Corner_right_floor>(assets, program);
        case TypeCode::StairsDown: return std::make_unique<c::Stairs_down>(assets, program);
        case TypeCode::StairsUp: return std::make_unique<c::Stairs_up>(assets, program);
        case TypeCode::WallDoorLeft: return std::make_unique<c::Wall_door_left>(assets, program);
        case TypeCode::WallDoorRight: return std::make_unique<c::Wall_door_right>(assets, program);
        case TypeCode::WallPlainLeft: return std::make_unique<c::Wall_plain_left>(assets, program);
        case TypeCode::WallPlainRight: return std::make_unique<c::Wall_plain_right>(assets, program);
        case TypeCode::WallWindowLeft: return std::make_unique<c::Wall_window_left>(assets, program);
        case TypeCode::WallWindowRight: return std::make_unique<c::Wall_window_right>(assets, program);
        case TypeCode::EndWalls: return std::make_unique<c::End_walls>(assets, program);
        case TypeCode::EndFloor: return std::make_unique<c::End_floor>(assets, program);
        case TypeCode::None: break;
    }
    throw std::invalid_argument("no object class for this type code");
}

}  // namespace brindlemoor::scene
