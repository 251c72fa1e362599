// What can fail where the caller decides what follows: a value, or why there
// is none. The reason is one line for the player ("Permission denied", "line
// 12: not a frame line"); a second line may carry more (a driver's log).
#pragma once

#include <optional>
#include <string>
#include <utility>

namespace brindlemoor::io {

struct Failure {
    std::string reason;
    std::optional<std::string> detail;  // a second line, when there is one
};

template <class T>
class [[nodiscard]] Result {
public:
    Result(T value) : value_(std::move(value)) {}  // NOLINT: a value is a success
    Result(Failure failure) : failure_(std::move(failure)) {}  // NOLINT: so is a failure

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }
    T& value() { return *value_; }
    const T& value() const { return *value_; }
    T* operator->() { return &*value_; }
    const T* operator->() const { return &*value_; }
    const std::string& reason() const { return failure_.reason; }
    const Failure& failure() const { return failure_; }

private:
    std::optional<T> value_;
    Failure failure_;
};

// Success or failure with nothing to hand back.
template <>
class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Failure failure) : failed_(true), failure_(std::move(failure)) {}  // NOLINT

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const std::string& reason() const { return failure_.reason; }
    const Failure& failure() const { return failure_; }

private:
    bool failed_ = false;
    Failure failure_;
};

inline Failure fail(std::string reason) { return Failure{std::move(reason), std::nullopt}; }
inline Failure fail(std::string reason, std::string detail) { return Failure{std::move(reason), std::move(detail)}; }

}  // namespace brindlemoor::io
