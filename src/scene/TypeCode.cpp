#include "scene/TypeCode.h"

namespace brindlemoor::scene {

const char* codeText(TypeCode code) {
    switch (code) {
        case TypeCode::None: return "none";
        case TypeCode::Blackboard: return "BB";
        case TypeCode::Ceiling: return "C";
        case TypeCode::Floor: return "F";
        case TypeCode::CornerLeftFloor: return "F<";
        case TypeCode::CornerRightFloor: return "F>";
        case TypeCode::CornerLeft: return "<";
        case TypeCode::CornerRight: return ">";
        case TypeCode::StairsDown: return "-";
        case TypeCode::StairsUp: return "+";
        case TypeCode::WallDoorLeft: return "LD";
        case TypeCode::WallPlainLeft: return "LP";
        case TypeCode::WallWindowLeft: return "LW";
        case TypeCode::WallDoorRight: return "RD";
        case TypeCode::WallPlainRight: return "RP";
        case TypeCode::WallWindowRight: return "RW";
        case TypeCode::Player: return "P";
        case TypeCode::Text: return "T";
        case TypeCode::EndWalls: return "E";
        case TypeCode::EndFloor: return "EF";
    }
    return "";
}

std::string toString(TypeCode code) { return codeText(code); }

bool isLeftWall(TypeCode code) { return codeText(code)[0] == 'L'; }
bool isRightWall(TypeCode code) { return codeText(code)[0] == 'R'; }
bool isFloor(TypeCode code) { return codeText(code)[0] == 'F'; }
bool isCorner(TypeCode code) { return code == TypeCode::CornerLeft || code == TypeCode::CornerRight; }

}  // namespace brindlemoor::scene
