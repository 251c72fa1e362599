#include "gameplay/GhostWalk.h"

#include <array>
#include <cmath>
#include <cstdint>

#include "scene/QuarterTurns.h"

namespace brindlemoor::gameplay {

namespace {

constexpr unsigned char kMagic[3] = {'G', 'W', 1};  // and the format's version
constexpr double kUnit = 32.0;                       // steps of a position per world unit
constexpr std::int64_t kFarthest = std::int64_t{1} << 28;  // far beyond any corridor, in steps
constexpr std::size_t kMostPoints = std::size_t{1} << 20;  // over a day at ten points a second
constexpr unsigned char kRun = 0x80;                 // a byte of n <= 128 points on the same step
constexpr int kLongestRun = 128;
constexpr double kTick = 0.1;                        // the interval is kept in tenths of a second

using Steps = std::array<std::int64_t, 3>;

std::uint32_t checksum(const unsigned char* bytes, std::size_t count) {
    std::uint32_t hash = 2166136261u;  // FNV-1a
    for (std::size_t i = 0; i < count; ++i) {
        hash = (hash ^ bytes[i]) * 16777619u;
    }
    return hash;
}

void putNumber(std::vector<unsigned char>& out, std::uint64_t value) {
    while (value >= 0x80) {
        out.push_back(static_cast<unsigned char>(value | 0x80));
        value >>= 7;
    }
    out.push_back(static_cast<unsigned char>(value));
}

std::uint64_t zigzag(std::int64_t value) {
    return value < 0 ? (static_cast<std::uint64_t>(-(value + 1)) << 1) | 1u : static_cast<std::uint64_t>(value) << 1;
}

Steps quantised(const glm::vec3& position) {
    Steps steps{};
    for (int a = 0; a < 3; ++a) {
        const double scaled = std::round(static_cast<double>(position[a]) * kUnit);
        steps[a] = std::isfinite(scaled) ? std::max<std::int64_t>(-kFarthest, std::min<std::int64_t>(kFarthest,
                                                                                                      static_cast<std::int64_t>(scaled)))
                                         : 0;
    }
    return steps;
}

std::vector<unsigned char> encodeEvery(const Walk& walk, std::size_t every) {
    std::vector<unsigned char> out(kMagic, kMagic + sizeof kMagic);
    out.push_back(static_cast<unsigned char>(std::lround(walk.interval * every / kTick)));
    putNumber(out, (walk.points.size() + every - 1) / every);
    Steps at{}, step{};
    int heading = 0;
    int run = 0;
    auto endRun = [&] {
        if (run > 0) {
            out.push_back(static_cast<unsigned char>(kRun | (run - 1)));
            run = 0;
        }
    };
    for (std::size_t i = 0; i < walk.points.size(); i += every) {
        const Steps next = quantised(walk.points[i].position);
        const int turn = scene::quarterTurns(walk.points[i].heading);
        Steps change{};
        unsigned char mask = 0;
        for (int a = 0; a < 3; ++a) {
            change[a] = (next[a] - at[a]) - step[a];
            mask |= change[a] != 0 ? static_cast<unsigned char>(4 << a) : 0;
            step[a] = next[a] - at[a];
        }
        at = next;
        if (mask == 0 && turn == heading) {
            if (++run == kLongestRun) {
                endRun();
            }
            continue;
        }
        endRun();
        heading = turn;
        out.push_back(static_cast<unsigned char>(mask | turn));
        for (int a = 0; a < 3; ++a) {
            if (change[a] != 0) {
                putNumber(out, zigzag(change[a]));
            }
        }
    }
    endRun();
    const std::uint32_t sum = checksum(out.data(), out.size());
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<unsigned char>(sum >> shift));
    }
    return out;
}

// Reads the bytes in order; every read is checked against the end.
class Reader {
public:
    Reader(const unsigned char* begin, const unsigned char* end) : at_(begin), end_(end) {}
    bool byte(unsigned char& value) {
        if (at_ == end_) return false;
        value = *at_++;
        return true;
    }
    bool number(std::uint64_t& value) {
        value = 0;
        for (int shift = 0; shift < 64; shift += 7) {
            unsigned char b = 0;
            if (!byte(b)) return false;
            value |= static_cast<std::uint64_t>(b & 0x7F) << shift;
            if ((b & 0x80) == 0) return true;
        }
        return false;
    }
    bool atEnd() const { return at_ == end_; }

private:
    const unsigned char* at_;
    const unsigned char* end_;
};

}  // namespace

std::optional<WalkPoint> Walk::at(double clock) const {
    if (points.empty() || !(clock >= 0.0) || clock > duration() || !(interval > 0.0)) {
        return std::nullopt;
    }
    const double place = clock / interval;
    const std::size_t i = std::min(static_cast<std::size_t>(place), points.size() - 1);
    const std::size_t j = std::min(i + 1, points.size() - 1);
    const float share = static_cast<float>(place - static_cast<double>(i));
    return WalkPoint{points[i].position + (points[j].position - points[i].position) * share, points[i].heading};
}

void WalkRecorder::record(double clock, const scene::Placement& boy) {
    // A point for every tenth passed: a frame that passes two keeps two.
    while (static_cast<double>(walk_.points.size()) * walk_.interval <= clock + 1e-9) {
        walk_.points.push_back({boy.position, boy.orientation});
    }
}

std::vector<unsigned char> encodeWalk(const Walk& walk) {
    for (std::size_t every = 1; walk.interval * every / kTick <= 255; every *= 2) {
        std::vector<unsigned char> bytes = encodeEvery(walk, every);
        if (bytes.size() <= kMaxWalkBytes && walk.points.size() / every <= kMostPoints) {
            return bytes;
        }
    }
    return {};  // beyond any game a player could sit through: no walk
}

io::Result<Walk> decodeWalk(const std::vector<unsigned char>& bytes) {
    constexpr std::size_t kHead = sizeof kMagic + 1;
    if (bytes.size() < kHead + 1 + 4 || bytes.size() > kMaxWalkBytes ||
        !std::equal(kMagic, kMagic + sizeof kMagic, bytes.begin())) {
        return io::fail("not a walk of this version");
    }
    const std::size_t body = bytes.size() - 4;
    std::uint32_t stored = 0;
    for (int k = 0; k < 4; ++k) {
        stored |= static_cast<std::uint32_t>(bytes[body + k]) << (8 * k);
    }
    if (stored != checksum(bytes.data(), body)) {
        return io::fail("its checksum does not match");
    }
    Walk walk;
    walk.interval = kTick * bytes[sizeof kMagic];
    Reader in(bytes.data() + kHead, bytes.data() + body);
    std::uint64_t count = 0;
    if (walk.interval <= 0.0 || !in.number(count) || count > kMostPoints) {
        return io::fail("a bad point count");
    }
    Steps at{}, step{};
    int heading = 0;
    while (walk.points.size() < count) {
        unsigned char code = 0;
        if (!in.byte(code)) {
            return io::fail("it ends before its last point");
        }
        int repeat = 1;
        if ((code & kRun) != 0) {
            repeat = (code & 0x7F) + 1;
        } else {
            heading = code & 3;
            for (int a = 0; a < 3; ++a) {
                std::uint64_t coded = 0;
                if ((code & (4 << a)) != 0 && !in.number(coded)) {
                    return io::fail("it ends inside a point");
                }
                if (coded > static_cast<std::uint64_t>(kFarthest) * 8) {
                    return io::fail("a point far outside any corridor");
                }
                const std::int64_t change = (coded & 1) != 0 ? -static_cast<std::int64_t>(coded >> 1) - 1
                                                             : static_cast<std::int64_t>(coded >> 1);
                step[a] += change;
            }
        }
        for (int r = 0; r < repeat; ++r) {
            WalkPoint point;
            for (int a = 0; a < 3; ++a) {
                at[a] += step[a];
                if (at[a] > kFarthest || at[a] < -kFarthest || step[a] > kFarthest || step[a] < -kFarthest) {
                    return io::fail("a point far outside any corridor");
                }
                point.position[a] = static_cast<float>(static_cast<double>(at[a]) / kUnit);
            }
            point.heading = heading;
            walk.points.push_back(point);
        }
    }
    if (!in.atEnd() || walk.points.size() != count) {
        return io::fail("its point count does not match");
    }
    return walk;
}

}  // namespace brindlemoor::gameplay
