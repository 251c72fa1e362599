#include "session/Recording.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string_view>

namespace brindlemoor::session {

namespace {

namespace limits = recording_limits;

constexpr const char* kMagic = "brindlemoor recording";
constexpr std::uint64_t kVersion = 1;
constexpr int kUnknownKey = -1;  // GLFW_KEY_UNKNOWN
constexpr int kFirstKey = 32;    // GLFW_KEY_SPACE
constexpr int kLastKey = 348;    // GLFW_KEY_LAST

// ---- text of one item ----------------------------------------------------

bool escaped(unsigned char c) { return c < 0x20 || c >= 0x7F || c == '%' || c == '='; }

std::string escape(const std::string& text) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (escaped(byte)) {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else {
            out += c;
        }
    }
    return out;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

bool unescape(std::string_view text, std::string& out) {
    out.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        if (i + 2 >= text.size()) return false;
        const int high = hexDigit(text[i + 1]);
        const int low = hexDigit(text[i + 2]);
        if (high < 0 || low < 0) return false;
        out += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return true;
}

std::string number(double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

const char* eventProblem(const KeyEvent& event) {
    if (event.key != kFocusKey && event.key != kUnknownKey && (event.key < kFirstKey || event.key > kLastKey)) {
        return "a key number outside GLFW's";
    }
    if (event.letter != 0 && (event.letter < 'A' || event.letter > 'Z' || event.key == kFocusKey)) {
        return "a letter other than A to Z";
    }
    return std::isfinite(event.time) ? nullptr : "an event time that is not a number";
}

bool validTimeStep(double step) { return std::isfinite(step) && step >= 0.0; }

std::string eventLine(const KeyEvent& event) {
    if (event.key == kFocusKey) {
        return std::string("focus ") + (event.pressed ? "gained " : "lost ") + number(event.time) + "\n";
    }
    return "key " + std::to_string(event.key) + (event.pressed ? " down " : " up ") +
           (event.letter != 0 ? std::string(1, event.letter) : std::string("-")) + " " + number(event.time) + "\n";
}

// ---- reading ---------------------------------------------------------------

std::vector<std::string_view> fields(std::string_view line) {
    std::vector<std::string_view> out;
    std::size_t start = 0;
    while (true) {
        const std::size_t space = line.find(' ', start);
        out.push_back(line.substr(start, space == std::string_view::npos ? std::string_view::npos : space - start));
        if (space == std::string_view::npos) return out;
        start = space + 1;
    }
}

template <class Number>
bool parse(std::string_view text, Number& value) {
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return !text.empty() && text.front() != '+' && result.ec == std::errc() && result.ptr == end;
}

class Reader {
public:
    explicit Reader(std::istream& in) : in_(*in.rdbuf()) {}

    io::Result<Recording> read() {
        Recording recording;
        if (!readAll(recording)) {
            return io::fail(error_);
        }
        return recording;
    }

private:
    enum class Line { Read, End };

    // The next line without its line feed (and one carriage return before it).
    // End at the end of the file; a failure for a line too long or cut short.
    bool next(std::string& line, Line& kind) {
        line.clear();
        ++lineNumber_;
        for (int c = in_.sbumpc(); c != std::char_traits<char>::eof(); c = in_.sbumpc()) {
            if (c == '\n') {
                if (!line.empty() && line.back() == '\r') line.pop_back();
                kind = Line::Read;
                return true;
            }
            if (line.size() == limits::kLineLength) return fail("a line longer than " + std::to_string(limits::kLineLength) + " bytes");
            line += static_cast<char>(c);
        }
        kind = Line::End;
        return line.empty() || fail("the file is cut short in the middle of a line");
    }

    // The next line, which must be there.
    bool expectLine(std::string& line, const char* what) {
        Line kind = Line::End;
        if (!next(line, kind)) return false;
        return kind == Line::Read || fail(std::string("the file ends where ") + what + " should be");
    }

    bool fail(const std::string& reason) {
        if (error_.empty()) error_ = "line " + std::to_string(lineNumber_) + ": " + reason;
        return false;
    }

    bool readAll(Recording& recording) {
        std::string line;
        Line kind = Line::End;
        const bool read = next(line, kind);
        if (!read || kind == Line::End || line != kMagic) {
            error_ = read && kind == Line::End ? "the file is empty" : "not a Brindlemoor recording";
            return false;
        }
        if (!readHeader(recording.header, line)) return false;
        while (true) {
            if (!next(line, kind)) return false;
            if (kind == Line::End) return true;  // stopped early: the frames so far stand
            const std::vector<std::string_view> f = fields(line);
            if (f[0] == "end") {
                recording.finished = true;
                return readEnd(f, recording.frames.size());
            }
            if (!readFrame(f, recording.frames)) return false;
        }
    }

    bool readHeader(RecordingHeader& header, std::string& line) {
        if (!expectLine(line, "the version")) return false;
        std::vector<std::string_view> f = fields(line);
        std::uint64_t version = 0;
        if (f.size() != 2 || f[0] != "version" || !parse(f[1], version) || version == 0) {
            return fail("no version line");
        }
        if (version > kVersion) {
            return fail("written by a newer game (recording version " + std::to_string(version) +
                        ", this game reads version " + std::to_string(kVersion) + ")");
        }
        if (!expectLine(line, "the seed")) return false;
        f = fields(line);
        if (f.size() != 2 || f[0] != "seed" || !parse(f[1], header.seed)) return fail("no seed line");
        while (true) {
            if (!expectLine(line, "the frames")) return false;
            if (line == "frames") return true;
            const std::string_view setting = std::string_view(line).substr(line.find(' ') + 1);
            const std::size_t equals = setting.find('=');
            std::string key, value;
            if (line.compare(0, 8, "setting ") != 0 || equals == std::string_view::npos || equals == 0) {
                return fail("neither a setting nor the frames line");
            }
            if (!unescape(setting.substr(0, equals), key) || !unescape(setting.substr(equals + 1), value)) {
                return fail("a setting with a broken %XX escape");
            }
            if (header.settings.size() == limits::kSettings) {
                return fail("more than " + std::to_string(limits::kSettings) + " settings");
            }
            header.settings.emplace_back(std::move(key), std::move(value));
        }
    }

    bool readFrame(const std::vector<std::string_view>& f, std::vector<RecordedFrame>& frames) {
        RecordedFrame frame;
        std::size_t count = 0;
        if (f.size() != 4 || f[0] != "frame" || !parse(f[1], frame.number) || !parse(f[2], frame.timeStep) ||
            !parse(f[3], count)) {
            return fail("not a frame line");
        }
        if (frame.number != frames.size()) {
            return fail("frame " + std::to_string(frame.number) + " where frame " + std::to_string(frames.size()) +
                        " should be");
        }
        if (frames.size() == limits::kFrames) return fail("more than " + std::to_string(limits::kFrames) + " frames");
        if (!validTimeStep(frame.timeStep)) return fail("a time step that is negative or not a number");
        if (count > limits::kEventsPerFrame) {
            return fail("more than " + std::to_string(limits::kEventsPerFrame) + " events in one frame");
        }
        events_ += count;
        if (events_ > limits::kEvents) return fail("more than " + std::to_string(limits::kEvents) + " events");
        std::string line;
        for (std::size_t i = 0; i < count; ++i) {
            if (!expectLine(line, "an event")) return false;
            KeyEvent event;
            if (!readEvent(fields(line), event)) return false;
            frame.events.push_back(event);
        }
        frames.push_back(std::move(frame));
        return true;
    }

    bool readEvent(const std::vector<std::string_view>& f, KeyEvent& event) {
        bool ok = false;
        if (f.size() == 3 && f[0] == "focus") {
            event.key = kFocusKey;
            event.pressed = f[1] == "gained";
            ok = (f[1] == "gained" || f[1] == "lost") && parse(f[2], event.time);
        } else if (f.size() == 5 && f[0] == "key") {
            event.pressed = f[2] == "down";
            event.letter = f[3].size() == 1 && f[3][0] != '-' ? f[3][0] : 0;
            ok = parse(f[1], event.key) && event.key != kFocusKey && (f[2] == "down" || f[2] == "up") &&
                 f[3].size() == 1 && parse(f[4], event.time);
        }
        if (!ok) return fail("not an event line");
        const char* problem = eventProblem(event);
        return problem == nullptr || fail(std::string("an event with ") + problem);
    }

    bool readEnd(const std::vector<std::string_view>& f, std::size_t frames) {
        std::uint64_t count = 0;
        if (f.size() != 2 || !parse(f[1], count)) return fail("not an end line");
        if (count != frames) {
            return fail("the end line counts " + std::to_string(count) + " frames, the file holds " +
                        std::to_string(frames));
        }
        std::string line;
        Line kind = Line::End;
        if (!next(line, kind)) return false;
        return kind == Line::End || fail("more after the end line");
    }

    std::streambuf& in_;
    std::uint64_t lineNumber_ = 0;
    std::uint64_t events_ = 0;
    std::string error_;
};

}  // namespace

// ---- writing ---------------------------------------------------------------

RecordingWriter::~RecordingWriter() { finish(); }

io::Result<void> RecordingWriter::open(const std::string& path, const RecordingHeader& header) {
    std::string text = std::string(kMagic) + "\nversion " + std::to_string(kVersion) + "\nseed " +
                       std::to_string(header.seed) + "\n";
    if (header.settings.size() > limits::kSettings) {
        return io::fail("more than " + std::to_string(limits::kSettings) + " settings");
    }
    for (const auto& [key, value] : header.settings) {
        const std::string line = "setting " + escape(key) + "=" + escape(value);
        if (key.empty() || line.size() > limits::kLineLength) {
            return io::fail("the setting '" + escape(key) + "' cannot be recorded (empty or too long)");
        }
        text += line + "\n";
    }
    text += "frames\n";
    finish();
    frames_ = 0;
    events_ = 0;
    file_.reset(std::fopen(path.c_str(), "wb"));
    if (!file_) {
        return io::fail(std::strerror(errno));
    }
    if (std::fwrite(text.data(), 1, text.size(), file_.get()) != text.size() || std::fflush(file_.get()) != 0) {
        const std::string reason = std::strerror(errno);
        file_.reset();
        return io::fail(reason);
    }
    return {};
}

io::Result<void> RecordingWriter::writeFrame(double timeStep, const std::vector<KeyEvent>& events) {
    if (!file_) {
        return io::fail("the recording is not open");
    }
    if (!validTimeStep(timeStep)) {
        return io::fail("a time step that is negative or not a number");
    }
    if (events.size() > limits::kEventsPerFrame || frames_ == limits::kFrames ||
        events_ + events.size() > limits::kEvents) {
        return io::fail("more events or frames than a recording holds");
    }
    std::string text = "frame " + std::to_string(frames_) + " " + number(timeStep) + " " +
                       std::to_string(events.size()) + "\n";
    for (const KeyEvent& event : events) {
        if (const char* problem = eventProblem(event)) {
            return io::fail(std::string("an event with ") + problem);
        }
        text += eventLine(event);
    }
    if (std::fwrite(text.data(), 1, text.size(), file_.get()) != text.size() || std::fflush(file_.get()) != 0) {
        return io::fail(std::strerror(errno));
    }
    ++frames_;
    events_ += events.size();
    return {};
}

bool RecordingWriter::finish() {
    if (!file_) {
        return false;
    }
    const std::string text = "end " + std::to_string(frames_) + "\n";
    const bool written = std::fwrite(text.data(), 1, text.size(), file_.get()) == text.size();
    return std::fclose(file_.release()) == 0 && written;
}

// ---- reading ---------------------------------------------------------------

io::Result<Recording> readRecording(std::istream& in) { return Reader(in).read(); }

io::Result<Recording> readRecordingFile(const std::string& path) {
    const auto refused = [&path](const std::string& reason) { return io::fail("Cannot replay " + path + ": " + reason); };
    std::error_code code;
    if (std::filesystem::is_directory(path, code)) {
        return refused("it is a folder");
    }
    std::ifstream file(path, std::ios::binary);
    if (!file.is_open()) {
        return refused(std::strerror(errno));
    }
    io::Result<Recording> read = readRecording(file);
    if (!read) {
        return refused(read.reason());
    }
    return read;
}

}  // namespace brindlemoor::session
