// A whole game in the test process: a level file and a word list of the test's
// choosing, the scripted keyboard and a manual clock at 60 frames per second.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "TestFiles.h"
#include "TestOutput.h"
#include "app/Session.h"
#include "gameplay/ScriptedTypist.h"
#include "platform/ScriptedInput.h"

namespace brindlemoor::test {

// A game in a 320 x 180 window (if the window opens now), run in a fresh
// directory with links to Resources/ and Shader/, so that depth shots and
// other files land there.
struct GameOptions {
    std::vector<std::string> levelCodes;          // written as the level file
    std::vector<std::string> words{"CAT"};        // written as the word list
    bool shadowShading = true;
    std::string history;                          // the history file; empty: none
    std::function<void(app::Session&)> prepare;   // settings, seeds, the day, before the first game

    static GameOptions small(std::vector<std::string> codes, bool shadowShading = true,
                             std::vector<std::string> words = {"CAT"}) {
        GameOptions o;
        o.levelCodes = std::move(codes);
        o.shadowShading = shadowShading;
        o.words = std::move(words);
        return o;
    }
};

class GameSession {
public:
    // Opens the test window if needed and sets up a new game (its output is
    // kept in setUpOutput).
    explicit GameSession(const GameOptions& options);
    // Ends the game and restores the real keyboard and clock.
    ~GameSession();
    GameSession(const GameSession&) = delete;
    GameSession& operator=(const GameSession&) = delete;

    // Runs frames at 60 per second; returns what they printed.
    std::string frames(int count);
    // Runs frames with a typist pressing a letter every `framesPerLetter`
    // frames until `done` holds (or `limit` frames); returns whether it held.
    template <class Predicate>
    bool typeUntil(int framesPerLetter, Predicate done, int limit, std::string* printed = nullptr) {
        gameplay::ScriptedTypist typist(framesPerLetter);
        return runUntil(
            [&] {
                typist.act(keyboard);
                return done();
            },
            limit, printed);
    }
    // Runs frames until `done` holds or `limit` frames have run; returns whether it held.
    template <class Predicate>
    bool runUntil(Predicate done, int limit, std::string* printed = nullptr) {
        for (int i = 0; i < limit && !done(); ++i) {
            step();
        }
        const std::string out = this->printed.take();
        if (printed != nullptr) {
            *printed += out;
        }
        return done();
    }
    // One frame of `frameSeconds`; what it prints stays in `printed`.
    void step();

    TempDir dir;
    CapturedOutput printed;
    platform::ManualClock clock{1000.0};
    platform::ScriptedKeyboard keyboard{clock};
    app::Session session;
    std::string setUpOutput;
    double frameSeconds = 1.0 / 60.0;

private:
    std::unique_ptr<ScopedWorkingDirectory> workingDirectory_;
};

}  // namespace brindlemoor::test
