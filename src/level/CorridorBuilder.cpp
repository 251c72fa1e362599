#include "level/CorridorBuilder.h"


#include "scene/QuarterTurns.h"

namespace brindlemoor::level {

using scene::TypeCode;

namespace {
const float kBlockLength = static_cast<float>(world::kBlockLength);
const float kCornerOffset = static_cast<float>(world::kCornerOffset);
const float kStoreyHeight = static_cast<float>(world::kStoreyHeight);
const float kLightDistance = static_cast<float>(world::kLightDistance);
const float kLightHeight = static_cast<float>(world::kLightHeight);
const float kBoardDistance = static_cast<float>(world::kBoardDistance);
}  // namespace

scene::Placement& CorridorBuilder::place(TypeCode code) {
    scene::Placement& piece = sink_.add(code);
    ++objectCount;
    piece.translate(cursor.x, cursor.y, cursor.z);
    piece.rotate(heading);
    return piece;
}

void CorridorBuilder::placeWall(char letter, bool leftSide) {
    switch (letter) {
        case 'P': place(leftSide ? TypeCode::WallPlainLeft : TypeCode::WallPlainRight); break;
        case 'D': place(leftSide ? TypeCode::WallDoorLeft : TypeCode::WallDoorRight); break;
        case 'W': place(leftSide ? TypeCode::WallWindowLeft : TypeCode::WallWindowRight); break;
        default: break;  // any other letter leaves that side open
    }
}

void CorridorBuilder::placeEndPiece(const glm::vec3& at, int facing) {
    for (TypeCode code : {TypeCode::EndFloor, TypeCode::EndWalls}) {
        scene::Placement& piece = sink_.addEndPiece(code);
        piece.translate(at.x, at.y, at.z);
        piece.rotate(facing);
    }
}

void CorridorBuilder::buildCorridor(const std::vector<std::string>& codes) {
    placeEndPiece(cursor, scene::reversed(heading));  // behind the start, where the camera stands
    const glm::vec3 first = scene::toGlm(world::kFirstLight);
    lightPositions.insert(lightPositions.end(), {first.x, first.y, first.z});
    for (std::size_t i = 0; i < codes.size(); ++i) {
        const std::string& code = codes[i];
        out_.line("pushing block index: ", objectCount);
        if (code == "+") {
            out_.line("Stairs up");
            advanceCursor(place(TypeCode::StairsUp));
        } else if (code == "-") {
            out_.line("Stairs down");
            advanceCursor(place(TypeCode::StairsDown));
        } else if (code == "<") {
            out_.line("Corner left");
            place(TypeCode::CornerLeftFloor);
            advanceCursor(place(TypeCode::CornerLeft));
        } else if (code == ">") {
            place(TypeCode::CornerRightFloor);
            advanceCursor(place(TypeCode::CornerRight));
        } else {
            place(TypeCode::Floor);
            place(TypeCode::Ceiling);
            placeWall(code.empty() ? '\0' : code[0], true);
            placeWall(code.size() > 1 ? code[1] : '\0', false);
            out_.line("blackboard");
            placeBlackboard(sink_.add(TypeCode::Blackboard));
            out_.line("Finished building block: ", static_cast<int>(i));
        }
    }
    placeEndPiece(cursor, heading);
    placeBlackboard(sink_.add(TypeCode::Blackboard));  // the final board, for the score

    out_.line("Objects created: ", objectCount);
    out_.line("Blackboards created: ", blackboards.size());
    for (std::size_t j = 0; j + 2 < lightPositions.size(); j += 3) {
        out_.line("Light", j / 3, ": ", lightPositions[j], " ", lightPositions[j + 1], " ", lightPositions[j + 2]);
    }
}

void CorridorBuilder::placeBlackboard(scene::Placement& board) {
    const glm::vec3 f = scene::forwardOf(heading);
    lightPositions.insert(lightPositions.end(), {cursor.x + kLightDistance * f.x, cursor.y + kLightHeight,
                                                 cursor.z + kLightDistance * f.z});
    board.translate(cursor.x + kBoardDistance * f.x, cursor.y, cursor.z + kBoardDistance * f.z);
    board.rotate(heading);
    blackboards.push_back(objectCount);
    ++objectCount;
    advanceCursor(board);
}

void CorridorBuilder::advanceCursor(const scene::Placement& piece) {
    switch (piece.typeCode) {
        case TypeCode::Blackboard: cursor += kBlockLength * scene::forwardOf(heading); break;
        case TypeCode::StairsUp:
        case TypeCode::StairsDown:
            cursor.y += piece.typeCode == TypeCode::StairsUp ? kStoreyHeight : -kStoreyHeight;
            heading = scene::reversed(heading);
            break;
        case TypeCode::CornerLeft:
        case TypeCode::CornerRight: {
            const int next =
                piece.typeCode == TypeCode::CornerLeft ? scene::turnedLeft(heading) : scene::turnedRight(heading);
            cursor += kCornerOffset * scene::forwardOf(heading) + kCornerOffset * scene::forwardOf(next);
            heading = next;
            break;
        }
        default: break;
    }
}

}  // namespace brindlemoor::level
