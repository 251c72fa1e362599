// Turns a list of block codes into placed corridor pieces, blackboards and
// lights, laying each block at the build cursor and moving the cursor on.
#include <iostream>

#include "level/Headings.h"
#include "level/Level.h"
#include "scene/Blackboard.h"
#include "scene/Text3D.h"
#include "scene/corridor/CorridorPieces.h"

namespace brindlemoor::level {

namespace corridor = scene::corridor;

template <class Piece>
scene::SceneObject& Level::place() {
    auto piece = std::make_unique<Piece>(shader);
    piece->translate(cursor.x, cursor.y, cursor.z);
    piece->rotate(heading);
    objects.push_back(std::move(piece));
    return *objects.back();
}

void Level::placeWall(char letter, bool leftSide) {
    switch (letter) {
        case 'P': leftSide ? place<corridor::Wall_plain_left>() : place<corridor::Wall_plain_right>(); break;
        case 'D': leftSide ? place<corridor::Wall_door_left>() : place<corridor::Wall_door_right>(); break;
        case 'W': leftSide ? place<corridor::Wall_window_left>() : place<corridor::Wall_window_right>(); break;
        default: break;  // any other letter leaves that side open
    }
}

void Level::buildCorridor(std::vector<std::string> codes) {
    for (auto* text : {&evenText, &oddText}) {
        *text = std::make_unique<scene::Text3D>(shader);
        (*text)->buildMesh("text", 1.0f, 0.0f, 0.0f);
        (*text)->translate(0.0f, -10.0f, 0.0f);  // parked below the floor until a word is shown
    }
    lightPositions.insert(lightPositions.end(), {0.0f, kLightHeight, 16.0f});

    for (std::size_t i = 0; i < codes.size(); ++i) {
        const std::string& code = codes[i];
        std::cout << "pushing block index: " << objects.size() << std::endl;
        if (code == "+") {
            std::cout << "Stairs up" << std::endl;
            advanceCursor(place<corridor::Stairs_up>());
        } else if (code == "-") {
            std::cout << "Stairs down" << std::endl;
            advanceCursor(place<corridor::Stairs_down>());
        } else if (code == "<") {
            std::cout << "Corner left" << std::endl;
            place<corridor::Corner_left_floor>();
            advanceCursor(place<corridor::Corner_left>());
        } else if (code == ">") {
            place<corridor::Corner_right_floor>();
            advanceCursor(place<corridor::Corner_right>());
        } else {
            place<corridor::Floor>();
            place<corridor::Ceiling>();
            placeWall(code[0], true);
            if (code.size() > 1) {
                placeWall(code[1], false);
            }
            std::cout << "blackboard" << std::endl;
            placeBlackboard(std::make_unique<scene::Blackboard>(shader));
            std::cout << "Finished building block: " << static_cast<int>(i) << std::endl;
        }
    }
    placeBlackboard(std::make_unique<scene::Blackboard>(shader));  // the final board, for the score

    std::cout << "Objects created: " << objects.size() << std::endl;
    std::cout << "Blackboards created: " << blackboards.size() << std::endl;
    for (std::size_t j = 0; j + 2 < lightPositions.size(); j += 3) {
        std::cout << "Light" << j / 3 << ": " << lightPositions[j] << " " << lightPositions[j + 1] << " "
                  << lightPositions[j + 2] << std::endl;
    }
}

void Level::placeBlackboard(std::unique_ptr<scene::Blackboard> board) {
    const glm::vec3 f = forwardOf(heading);
    lightPositions.insert(lightPositions.end(), {cursor.x + kLightDistance * f.x, cursor.y + kLightHeight,
                                                 cursor.z + kLightDistance * f.z});
    board->translate(cursor.x + kBoardDistance * f.x, cursor.y, cursor.z + kBoardDistance * f.z);
    board->rotate(heading);
    blackboards.push_back(board.get());
    objects.push_back(std::move(board));
    advanceCursor(*objects.back());
}

void Level::advanceCursor(const scene::SceneObject& piece) {
    const std::string code = piece.getTypeCode();
    if (code == "BB") {
        cursor += kBlockLength * forwardOf(heading);
    } else if (code == "+" || code == "-") {
        cursor.y += code == "+" ? kStoreyHeight : -kStoreyHeight;
        heading = reversed(heading);
    } else if (code == "<" || code == ">") {
        const int next = code == "<" ? turnedLeft(heading) : turnedRight(heading);
        cursor += kCornerOffset * forwardOf(heading) + kCornerOffset * forwardOf(next);
        heading = next;
    }
}

}  // namespace brindlemoor::level
