// The outcome of an operation that may fail for a reason the user is told:
// a value, or the sentence that says why there is none. Failures that are
// expected (a missing file, a full disk, a program that will not start) travel
// as a Result; nothing below start-up ends the process for them.
#pragma once

#include <optional>
#include <string>
#include <utility>

namespace platform {

// Why an operation failed: a message for the user, and a number that tells
// failures apart: the system's error number, or a code the operation names
// (0 when there is none).
struct Failure {
    std::string message;
    int code = 0;
};

template <typename T>
class [[nodiscard]] Result {
  public:
    Result(T value) : value_(std::move(value)) {}              // NOLINT: a value is a success
    Result(Failure failure) : failure_(std::move(failure)) {}  // NOLINT

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }
    T& value() { return *value_; }
    const T& value() const { return *value_; }
    T& operator*() { return *value_; }
    const T& operator*() const { return *value_; }
    T* operator->() { return &*value_; }
    const T* operator->() const { return &*value_; }
    // Empty when ok.
    const std::string& error() const { return failure_.message; }
    int code() const { return failure_.code; }
    const Failure& failure() const { return failure_; }

  private:
    std::optional<T> value_;
    Failure failure_;
};

// An operation with nothing to give back but its success.
template <>
class [[nodiscard]] Result<void> {
  public:
    Result() = default;
    Result(Failure failure) : failed_(true), failure_(std::move(failure)) {}  // NOLINT

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const std::string& error() const { return failure_.message; }
    int code() const { return failure_.code; }
    const Failure& failure() const { return failure_; }

  private:
    bool failed_ = false;
    Failure failure_;
};

inline Failure Fail(std::string message, int code = 0) {
    return Failure{std::move(message), code};
}

}  // namespace platform
