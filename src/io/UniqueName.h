// A move-only owner of a name handed out by a C library (an OpenGL texture, an
// OpenAL source, ...): the destructor gives it back, copying is not allowed,
// and moving hands the name over, so every such object has exactly one owner
// and is released exactly once. `Kind` says how: a `Name` type, the name that
// means none (`kNone`), and `static void destroy(Name)`.
#pragma once

#include <utility>

namespace brindlemoor::io {

template <class Kind>
class UniqueName {
public:
    using Name = typename Kind::Name;

    UniqueName() = default;
    // Takes ownership of an existing name (kNone owns nothing).
    explicit UniqueName(Name name) : name_(name) {}
    ~UniqueName() { reset(); }
    UniqueName(const UniqueName&) = delete;
    UniqueName& operator=(const UniqueName&) = delete;
    UniqueName(UniqueName&& other) noexcept : name_(std::exchange(other.name_, Kind::kNone)) {}
    UniqueName& operator=(UniqueName&& other) noexcept {
        if (this != &other) {
            reset();
            name_ = std::exchange(other.name_, Kind::kNone);
        }
        return *this;
    }

    Name name() const { return name_; }
    explicit operator bool() const { return name_ != Kind::kNone; }
    void reset() {
        if (name_ != Kind::kNone) {
            Kind::destroy(name_);
            name_ = Kind::kNone;
        }
    }

private:
    Name name_ = Kind::kNone;
};

}  // namespace brindlemoor::io
