// Small helpers shared by the test suites: temporary directories, file
// contents, a scoped working directory, commands and recordings.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace brindlemoor::test {

// A fresh directory under /tmp, removed with everything in it on destruction.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// Changes the working directory for the lifetime of the object.
class ScopedWorkingDirectory {
public:
    explicit ScopedWorkingDirectory(const std::string& dir);
    ~ScopedWorkingDirectory();
    ScopedWorkingDirectory(const ScopedWorkingDirectory&) = delete;
    ScopedWorkingDirectory& operator=(const ScopedWorkingDirectory&) = delete;

private:
    std::string previous_;
};

void writeFile(const std::string& path, const std::string& content);
std::string readFile(const std::string& path);
bool fileExists(const std::string& path);

// Text split into lines (line feeds removed; a last unterminated line kept).
std::vector<std::string> lines(const std::string& text);

// Result of running a command through the shell.
struct CommandResult {
    int exitStatus = -1;  // the process's exit status (0..255), -1 if it did not exit normally
    std::string output;   // standard output and standard error together
};
CommandResult runCommand(const std::string& command);

// The start of a shell script that runs `command` (the game, writing to
// game.log) in the background and waits, up to 30 s, for its own visible
// window ($id) and its first game; $pid is the game's.
std::string startGameScript(const std::string& command);

// Writes `dir`/game.rec, the recording of a 320 x 180 game in the corridor
// "PP" with the one word CAT (level.txt and words.txt in `dir`): `frames`
// frames of 1/60 s, with the letters of `typed` pressed and released one
// every 6 frames from frame 30. Its history setting names `dir`/recorded-history.sqlite3.
void writeTypedRecording(const TempDir& dir, const std::string& typed, int frames, std::uint64_t seed = 42);

// Absolute path of a file in the source tree.
std::string sourcePath(const std::string& relative);

}  // namespace brindlemoor::test
