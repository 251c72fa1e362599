#include "app/EventEffects.h"

#include "app/GameState.h"
#include "app/NewGame.h"
#include "app/Session.h"
#include "gameplay/Rules.h"
#include "gameplay/WordState.h"
#include "level/Level.h"
#include "scene/Player.h"

namespace brindlemoor::app {

namespace {
// How long a wrong letter shows on the board before the word shows restarted.
constexpr double kMistakeFlash = 0.3;
}  // namespace

bool applyEvents(Session& session) {
    using Kind = gameplay::GameEventKind;
    GameState& game = gameState;
    bool newGame = false;
    for (const gameplay::GameEvent& event : session.events) {
        switch (event.kind) {
            case Kind::LetterRight:
            case Kind::LetterWrong: {
                const bool wrong = event.kind == Kind::LetterWrong;
                if (event.inPlay) {
                    session.statistics.letterTyped(event.time, event.timed, event.expected, event.typed);
                    session.sound.play(wrong ? audio::Sound::Scrape : audio::Sound::ChalkTap, event.where);
                }
                if (wrong) {
                    game.mistakeFlash = kMistakeFlash;
                }
                break;
            }
            case Kind::WordComplete:
                if (event.inPlay) {
                    session.statistics.wordCompleted(event.time);
                    wordCompletedForPace(session);
                }
                game.mistakeFlash = 0.0;
                break;
            case Kind::NextWord: session.statistics.wordShown(gameplay::wordState.currentWord); break;
            case Kind::BoardLifted: session.sound.play(audio::Sound::BoardLift, event.where); break;
            case Kind::FinalBoard:
                game.player->cue.cheer = true;
                session.statistics.finishGame(*game.level, finishRun(session, game.level->score));
                session.sound.play(audio::Sound::Chime, event.where);
                break;
            case Kind::Bumped:
                game.player->cue.bumped = true;
                session.statistics.boardBumped();
                bumpedForPace(session);
                session.sound.play(audio::Sound::Bump, event.where);
                break;
            case Kind::StairsUp: game.player->cue.hopUp = true; break;
            case Kind::NewGameDue: newGame = true; break;
        }
        session.input.sleep(event.pause);
    }
    session.events.clear();
    if (newGame) {
        session.input.sleep(gameplay::kBeforeNewGamePause);
        endGame(session);
        session.input.sleep(gameplay::kAfterEndGamePause);
        setUpNewGame(session);
        return false;
    }
    return true;
}

}  // namespace brindlemoor::app
