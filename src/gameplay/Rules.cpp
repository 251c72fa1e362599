#include "gameplay/Rules.h"

#include <string>

#include "gameplay/CameraFollow.h"
#include "gameplay/MovementState.h"
#include "gameplay/WordState.h"
#include "scene/Blackboard.h"
#include "scene/WorldMeasures.h"

namespace brindlemoor::gameplay {

namespace {

// The word's next letter, or 0 past its end.
char expectedLetter() {
    const auto next = static_cast<std::size_t>(wordState.typedCount);
    return next < wordState.currentWord.size() ? wordState.currentWord[next] : 0;
}

// Where the sounds of a board come from: the middle of its box (the boy, past
// the last board).
glm::vec3 boardCentre(const Play& play, int index) {
    const auto& boards = play.level.blackboards;
    if (index < 0 || index >= static_cast<int>(boards.size())) {
        return play.player.position;
    }
    return boards[static_cast<std::size_t>(index)]->boxCentre;
}

void printDebugLine(io::Output& out, const char* label, const scene::Placement& player) {
    out.line(label, " currentPos: ", player.position.x, " ", player.position.y, " ", player.position.z,
             " boundingBox: ", player.boxLower.z, ", ", player.boxUpper.z,
             " rotation: ", static_cast<unsigned int>(player.orientation));
}

}  // namespace

void takeLetter(char letter, double time, bool timed, Play& play, GameEvents& events) {
    const char expected = expectedLetter();
    const bool inPlay = !play.newGamePending;
    const int board = play.level.currentBlackboard;
    const LetterResult result = applyLetter(letter, play.out);
    const GameEventKind kind = result == LetterResult::Wrong ? GameEventKind::LetterWrong : GameEventKind::LetterRight;
    events.push_back({kind, boardCentre(play, board), time, timed, expected, letter, inPlay});
    if (result != LetterResult::Completed) {
        return;
    }
    events.push_back({GameEventKind::WordComplete, boardCentre(play, board), time, timed, 0, 0, inPlay});
    play.out.line("flip blackboard");
    play.walking = true;
    if (play.newGamePending) {
        return;
    }
    const bool finalBoard = play.level.nextBlackboard(chooseWord(play.out));
    if (play.level.currentBlackboard != board) {
        events.push_back({GameEventKind::BoardLifted, boardCentre(play, board)});
    }
    if (finalBoard) {
        play.out.line("setting up a new game");
        play.newGamePending = true;
        events.push_back({GameEventKind::FinalBoard, boardCentre(play, play.level.currentBlackboard)});
    } else {
        events.push_back({GameEventKind::NextWord, boardCentre(play, play.level.currentBlackboard)});
    }
}

void reactToCollision(scene::TypeCode code, const scene::Placement* object, Play& play, GameEvents& events) {
    using scene::TypeCode;
    scene::Placement& player = play.player;
    if (code == TypeCode::Blackboard && play.newGamePending) {
        play.newGamePending = false;
        events.push_back({GameEventKind::NewGameDue, player.position});
        return;
    }
    switch (code) {
        case TypeCode::Blackboard: {
            const float push = static_cast<float>(world::kBounceDistance);
            printDebugLine(play.out, "blackboard...!!!", player);
            player.translate(0.0f, 0.0f, push);
            player.rotate(0);
            followCamera(glm::vec3(0.0f, 0.0f, push), player.orientation, play.moveSpeed, play.eye, play.centre);
            play.walking = false;
            play.level.score -= 1;
            GameEvent bump{GameEventKind::Bumped, player.position};
            bump.pause = kBumpPause;
            events.push_back(bump);
            break;
        }
        case TypeCode::StairsDown:
            printDebugLine(play.out, "stairs...!!!", player);
            startTransition(object);
            break;
        case TypeCode::StairsUp: {
            printDebugLine(play.out, "stairs up!!!", player);
            player.translate(0.0f, static_cast<float>(world::kStoreyHeight), static_cast<float>(world::kStairsUpStep));
            player.rotate(2);
            // Up one storey and turned round: the camera goes back to where it
            // stands at the start of a game, behind the turned player.
            placeCameraBehind(player.position, player.orientation, play.eye, play.centre);
            GameEvent up{GameEventKind::StairsUp, player.position};
            up.pause = kStairsUpPause;
            events.push_back(up);
            break;
        }
        case TypeCode::CornerLeft:
        case TypeCode::CornerRight:
            printDebugLine(play.out, "corner left", player);
            startTransition(object);
            break;
        default: break;
    }
}

}  // namespace brindlemoor::gameplay
