#include "TestFiles.h"

#include "session/Recording.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace brindlemoor::test {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "brindlemoor-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary directory");
    }
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

ScopedWorkingDirectory::ScopedWorkingDirectory(const std::string& dir)
    : previous_(std::filesystem::current_path().string()) {
    std::filesystem::current_path(dir);
}

ScopedWorkingDirectory::~ScopedWorkingDirectory() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
}

void writeFile(const std::string& path, const std::string& content) {
    std::filesystem::path p(path);
    if (p.has_parent_path()) {
        std::filesystem::create_directories(p.parent_path());
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool fileExists(const std::string& path) { return std::filesystem::exists(path); }

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        result.push_back(line);
    }
    return result;
}

CommandResult runCommand(const std::string& command) {
    CommandResult result;
    std::FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr) {
        return result;
    }
    std::array<char, 4096> buffer{};
    std::size_t got = 0;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) {
        result.output.append(buffer.data(), got);
    }
    const int status = ::pclose(pipe);
    if (status != -1 && WIFEXITED(status)) {
        result.exitStatus = WEXITSTATUS(status);
    }
    return result;
}

std::string startGameScript(const std::string& command) {
    // Other test programs may have windows of the same title on this display.
    return command + " </dev/null >game.log 2>&1 &\n"
                     "pid=$!\n"
                     "for i in $(seq 1 300); do\n"
                     "  kill -0 $pid 2>/dev/null || break\n"
                     "  id=$(xdotool search --onlyvisible --pid $pid --name '^Brindlemoor$' 2>/dev/null | head -n1)\n"
                     "  [ -n \"$id\" ] && grep -q 'finished setting up a new game!' game.log && break; sleep 0.1\n"
                     "done\n"
                     "[ -n \"$id\" ] || { echo no-window; kill $pid; exit 1; }\n";
}

void writeTypedRecording(const TempDir& dir, const std::string& typed, int frames, std::uint64_t seed) {
    writeFile(dir.file("level.txt"), "PP\n");
    writeFile(dir.file("words.txt"), "CAT\n");
    session::RecordingWriter writer;
    const session::RecordingHeader header{seed, {{"width", "320"}, {"height", "180"}, {"level", dir.file("level.txt")},
                                             {"wordlist", dir.file("words.txt")}, {"sound", "off"},
                                             {"history", dir.file("recorded-history.sqlite3")}}};
    const io::Result<void> opened = writer.open(dir.file("game.rec"), header);
    EXPECT_TRUE(opened.ok()) << opened.reason();
    for (int f = 0; f < frames; ++f) {
        std::vector<platform::KeyEvent> events;
        const auto letter = static_cast<std::size_t>((f - 30) / 6);
        if (f >= 30 && (f - 30) % 6 == 0 && letter < typed.size()) {
            const char c = typed[letter];
            const double time = 1.0 + f / 60.0;
            events = {{c, true, c, time}, {c, false, c, time + 0.01}};
        }
        const io::Result<void> written = writer.writeFrame(1.0 / 60.0, events);
        EXPECT_TRUE(written.ok()) << written.reason();
    }
    EXPECT_TRUE(writer.finish().ok());
}

std::string sourcePath(const std::string& relative) { return std::string(BRINDLEMOOR_SOURCE_DIR) + "/" + relative; }

}  // namespace brindlemoor::test
