#include "session/Recording.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <streambuf>
#include <string_view>
#include <utility>

namespace brindlemoor::session {

namespace {

namespace limits = recording_limits;

constexpr const char* kMagic = "brindlemoor recording";
constexpr std::uint64_t kVersion = 2;
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
           (event.letter != 0 ? std::string(1, event.letter) : std::string("-")) + " " + number(event.time) +
           (event.timeKnown ? "\n" : " untimed\n");
}

// ---- checksums ------------------------------------------------------------

constexpr auto kCrcTable = [] {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int bit = 0; bit < 8; ++bit) c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}();

// CRC-32 (as zip and PNG have it) of `text`, going on from `crc`.
std::uint32_t crc32(std::uint32_t crc, std::string_view text) {
    crc = ~crc;
    for (const char c : text) crc = kCrcTable[(crc ^ static_cast<unsigned char>(c)) & 0xFFu] ^ (crc >> 8);
    return ~crc;
}

std::string hex(std::uint32_t checksum) {
    char buffer[9];
    std::snprintf(buffer, sizeof buffer, "%08x", static_cast<unsigned int>(checksum));
    return buffer;
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

bool parseChecksum(std::string_view text, std::uint32_t& value) {
    const auto digit = [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); };
    return text.size() == 8 && std::all_of(text.begin(), text.end(), digit) &&
           std::from_chars(text.data(), text.data() + text.size(), value, 16).ec == std::errc();
}

class Reader {
public:
    explicit Reader(std::streambuf& in) : in_(in) {}

    io::Result<Recording> read() {
        Recording recording;
        if (!readAll(recording)) {
            return io::fail(error_);
        }
        return recording;
    }

private:
    // A line with its line feed, the last line of a file without one, or
    // nothing more.
    enum class Line { Whole, Unended, None };

    // The next line without its line feed (and one carriage return before
    // it); a failure for a line too long.
    bool next(std::string& line, Line& kind) {
        line.clear();
        ++lineNumber_;
        kind = Line::None;
        for (int c = in_.sbumpc(); c != std::char_traits<char>::eof(); c = in_.sbumpc()) {
            if (c == '\n') {
                kind = Line::Whole;
                break;
            }
            if (line.size() == limits::kLineLength) return fail("a line longer than " + std::to_string(limits::kLineLength) + " bytes");
            line += static_cast<char>(c);
        }
        if (kind == Line::None && !line.empty()) kind = Line::Unended;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        return true;
    }

    // The next header line, which must be there whole.
    bool expectLine(std::string& line, const char* what) {
        Line kind = Line::None;
        if (!next(line, kind)) return false;
        if (kind == Line::Unended) return fail("the file is cut short in the middle of a line");
        if (kind == Line::None) return fail(std::string("the file ends where ") + what + " should be");
        sum(line);
        return true;
    }

    bool fail(const std::string& reason) {
        if (error_.empty()) error_ = "line " + std::to_string(lineNumber_) + ": " + reason;
        return false;
    }

    // What does not read on the last line of a file that lacks its line feed
    // is where the file was cut: the frames before it stand.
    bool refuse(Line kind, const std::string& reason) { return kind == Line::Unended ? cutHere() : fail(reason); }
    bool cutHere() {
        cut_ = true;
        return true;
    }

    // A line as its checksum covers it.
    void sum(std::string_view line) { checksum_ = crc32(crc32(checksum_, line), "\n"); }

    // The line without its checksum, which goes to `checksum`; false when a
    // checksum is due and there is none.
    bool splitChecksum(std::string_view& line, std::vector<std::string_view>& f, std::uint32_t& checksum) const {
        if (version_ < 2) return true;
        if (f.size() < 2 || !parseChecksum(f.back(), checksum)) return false;
        line.remove_suffix(f.back().size() + 1);
        f.pop_back();
        return true;
    }

    bool readAll(Recording& recording) {
        std::string line;
        Line kind = Line::None;
        const bool read = next(line, kind);
        if (!read || kind != Line::Whole || line != kMagic) {
            error_ = read && kind == Line::None ? "the file is empty" : "not a Brindlemoor recording";
            return false;
        }
        sum(line);
        if (!readHeader(recording.header, line)) return false;
        while (!cut_) {
            if (!next(line, kind)) return false;
            if (kind == Line::None) return true;  // stopped early: the frames so far stand
            std::string_view text = line;
            std::vector<std::string_view> f = fields(text);
            std::uint32_t checksum = 0;
            if (!splitChecksum(text, f, checksum)) {
                if (!refuse(kind, "no checksum at the end of the line")) return false;
            } else if (f[0] == "end") {
                return readEnd(text, f, checksum, kind, recording);
            } else if (!readFrame(text, f, checksum, kind, recording.frames)) {
                return false;
            }
        }
        return true;
    }

    bool readHeader(RecordingHeader& header, std::string& line) {
        if (!expectLine(line, "the version")) return false;
        std::vector<std::string_view> f = fields(line);
        if (f.size() != 2 || f[0] != "version" || !parse(f[1], version_) || version_ == 0) {
            return fail("no version line");
        }
        if (version_ > kVersion) {
            return fail("written by a newer game (recording version " + std::to_string(version_) +
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

    // A frame and its events; the frame is dropped when the file is cut in it.
    bool readFrame(std::string_view text, const std::vector<std::string_view>& f, std::uint32_t checksum, Line kind,
                   std::vector<RecordedFrame>& frames) {
        RecordedFrame frame;
        std::size_t count = 0;
        if (f.size() != 4 || f[0] != "frame" || !parse(f[1], frame.number) || !parse(f[2], frame.timeStep) ||
            !parse(f[3], count)) {
            return refuse(kind, "not a frame line");
        }
        if (frame.number != frames.size()) {
            return refuse(kind, "frame " + std::to_string(frame.number) + " where frame " +
                                    std::to_string(frames.size()) + " should be");
        }
        if (frames.size() == limits::kFrames) {
            return refuse(kind, "more than " + std::to_string(limits::kFrames) + " frames");
        }
        if (!validTimeStep(frame.timeStep)) return refuse(kind, "a time step that is negative or not a number");
        if (count > limits::kEventsPerFrame) {
            return refuse(kind, "more than " + std::to_string(limits::kEventsPerFrame) + " events in one frame");
        }
        if (events_ + count > limits::kEvents) {
            return refuse(kind, "more than " + std::to_string(limits::kEvents) + " events");
        }
        const std::uint64_t frameLine = lineNumber_;
        sum(text);
        std::string line;
        for (std::size_t i = 0; i < count; ++i) {
            if (!next(line, kind)) return false;
            if (kind == Line::None) return cutHere();
            KeyEvent event;
            const std::string error = eventError(fields(line), event);
            if (!error.empty()) return refuse(kind, error);
            sum(line);
            frame.events.push_back(event);
        }
        if (version_ >= 2 && checksum != checksum_) {
            lineNumber_ = frameLine;
            return refuse(kind, "frame " + std::to_string(frame.number) +
                                    " does not match its checksum (the file is damaged)");
        }
        if (kind == Line::Unended && version_ < 2) return cutHere();  // nothing shows it whole
        events_ += count;
        frames.push_back(std::move(frame));
        return true;
    }

    // Why the line is not an event, or nothing.
    static std::string eventError(const std::vector<std::string_view>& f, KeyEvent& event) {
        bool ok = false;
        if (f.size() == 3 && f[0] == "focus") {
            event.key = kFocusKey;
            event.pressed = f[1] == "gained";
            ok = (f[1] == "gained" || f[1] == "lost") && parse(f[2], event.time);
        } else if ((f.size() == 5 || (f.size() == 6 && f[5] == "untimed")) && f[0] == "key") {
            event.pressed = f[2] == "down";
            event.letter = f[3].size() == 1 && f[3][0] != '-' ? f[3][0] : 0;
            event.timeKnown = f.size() == 5;
            ok = parse(f[1], event.key) && event.key != kFocusKey && (f[2] == "down" || f[2] == "up") &&
                 f[3].size() == 1 && parse(f[4], event.time);
        }
        if (!ok) return "not an event line";
        const char* problem = eventProblem(event);
        return problem == nullptr ? "" : std::string("an event with ") + problem;
    }

    bool readEnd(std::string_view text, const std::vector<std::string_view>& f, std::uint32_t checksum, Line kind,
                 Recording& recording) {
        std::uint64_t count = 0;
        if (f.size() != 2 || !parse(f[1], count)) return refuse(kind, "not an end line");
        if (count != recording.frames.size()) {
            return refuse(kind, "the end line counts " + std::to_string(count) + " frames, the file holds " +
                                    std::to_string(recording.frames.size()));
        }
        sum(text);
        if (version_ >= 2 && checksum != checksum_) {
            return refuse(kind, "the end line does not match its checksum (the file is damaged)");
        }
        recording.finished = true;
        std::string line;
        if (!next(line, kind)) return false;
        return kind == Line::None || fail("more after the end line");
    }

    std::streambuf& in_;
    std::uint64_t version_ = 0;
    std::uint64_t lineNumber_ = 0;
    std::uint64_t events_ = 0;
    std::uint32_t checksum_ = 0;
    bool cut_ = false;
    std::string error_;
};

}  // namespace

// ---- writing ---------------------------------------------------------------

RecordingWriter::~RecordingWriter() {
    if (file_ >= 0) (void)finish();
}

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
    if (file_ >= 0) (void)finish();
    frames_ = 0;
    events_ = 0;
    checksum_ = crc32(0, text);
    file_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (file_ < 0) {
        return io::fail(std::strerror(errno));
    }
    return write(text);
}

io::Result<void> RecordingWriter::writeFrame(double timeStep, const std::vector<KeyEvent>& events) {
    if (file_ < 0) {
        return io::fail("the recording is not open");
    }
    if (!validTimeStep(timeStep)) {
        return io::fail("a time step that is negative or not a number");
    }
    if (events.size() > limits::kEventsPerFrame || frames_ == limits::kFrames ||
        events_ + events.size() > limits::kEvents) {
        return io::fail("more events or frames than a recording holds");
    }
    const std::string line = "frame " + std::to_string(frames_) + " " + number(timeStep) + " " +
                             std::to_string(events.size());
    std::string eventLines;
    for (const KeyEvent& event : events) {
        if (const char* problem = eventProblem(event)) {
            return io::fail(std::string("an event with ") + problem);
        }
        eventLines += eventLine(event);
    }
    const std::uint32_t checksum = crc32(crc32(checksum_, line + "\n"), eventLines);
    io::Result<void> written = write(line + " " + hex(checksum) + "\n" + eventLines);
    if (written) {
        checksum_ = checksum;
        ++frames_;
        events_ += events.size();
    }
    return written;
}

io::Result<void> RecordingWriter::finish() {
    if (file_ < 0) {
        return io::fail("the recording is not open");
    }
    const std::string line = "end " + std::to_string(frames_);
    io::Result<void> written = write(line + " " + hex(crc32(checksum_, line + "\n")) + "\n");
    if (!written) {
        return written;
    }
    if (::close(std::exchange(file_, -1)) != 0) {
        return io::fail(std::strerror(errno));
    }
    return {};
}

void RecordingWriter::stop() {
    if (file_ >= 0) {
        ::close(std::exchange(file_, -1));
    }
}

// All of `text`, or the file stops where the write failed.
io::Result<void> RecordingWriter::write(const std::string& text) {
    for (std::size_t done = 0; done < text.size();) {
        const ssize_t wrote = ::write(file_, text.data() + done, text.size() - done);
        if (wrote < 0 && errno == EINTR) {
            continue;
        }
        if (wrote <= 0) {
            const std::string reason = wrote < 0 ? std::strerror(errno) : "nothing could be written";
            stop();
            return io::fail(reason);
        }
        done += static_cast<std::size_t>(wrote);
    }
    return {};
}

// ---- reading ---------------------------------------------------------------

namespace {

// Reads a file through the descriptor it was checked on.
class FileBuffer : public std::streambuf {
public:
    explicit FileBuffer(int file) : file_(file) {}
    int error() const { return error_; }  // errno of a failed read, else 0

protected:
    int_type underflow() override {
        ssize_t got = 0;
        do {
            got = ::read(file_, buffer_.data(), buffer_.size());
        } while (got < 0 && errno == EINTR);
        if (got <= 0) {
            error_ = got < 0 ? errno : 0;
            return traits_type::eof();
        }
        setg(buffer_.data(), buffer_.data(), buffer_.data() + got);
        return traits_type::to_int_type(*gptr());
    }

private:
    int file_;
    int error_ = 0;
    std::array<char, 65536> buffer_{};
};

}  // namespace

io::Result<Recording> readRecording(std::istream& in) { return Reader(*in.rdbuf()).read(); }

io::Result<Recording> readRecordingFile(const std::string& path) {
    const auto refused = [&path](const std::string& reason) { return io::fail("Cannot replay " + path + ": " + reason); };
    // Opened without waiting, so a pipe with no writer is refused at once
    // rather than waited on.
    const int file = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (file < 0) {
        return refused(std::strerror(errno));
    }
    struct stat info {};
    if (::fstat(file, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(file);
        return refused(S_ISDIR(info.st_mode) ? "it is a folder" : "it is not a regular file");
    }
    FileBuffer buffer(file);
    io::Result<Recording> read = Reader(buffer).read();
    ::close(file);
    if (buffer.error() != 0) {
        return refused(std::strerror(buffer.error()));
    }
    if (!read) {
        return refused(read.reason());
    }
    return read;
}

}  // namespace brindlemoor::session
