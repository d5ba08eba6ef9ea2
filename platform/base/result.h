// The one way our layers report a failure: a Result<T> holds either a value or an Error that
// says, in words, what failed and why. Lower layers return it and never show anything; the
// system's own code decides what the user sees. Result is [[nodiscard]] so that a failed write
// cannot be dropped silently.
//
//   base::Result<Package> Open(path);                 // value or error
//   base::Status Save(path);                          // Result<void>: ok or error
//   if (!r) return r.error();                         // pass an error on
//   return base::Error::Of("cannot open ", path);     // make one
#pragma once

#include <cassert>
#include <sstream>
#include <string>
#include <type_traits>
#include <utility>
#include <variant>

namespace base {

// What failed, readable by a person ("cannot open C:\x\a.xlsx: no such file"), and, where a
// layer has one, its own number for callers that branch on it (errno, a run-time error number,
// an SQLite result code). The number is 0 when there is none.
struct Error {
  std::string message;
  int code = 0;

  // An error whose message joins the pieces as a stream would print them.
  template <class... Pieces>
  static Error Of(const Pieces&... pieces) {
    std::ostringstream text;
    (text << ... << pieces);
    return Error{text.str(), 0};
  }
  static Error WithCode(int code, std::string message) { return Error{std::move(message), code}; }

  // The same error with a context in front: "reading KIRV.ini: <message>".
  Error In(std::string_view context) const& {
    return Error{std::string(context) + ": " + message, code};
  }
};

template <class T>
class [[nodiscard]] Result {
  static_assert(!std::is_same_v<std::decay_t<T>, Error>, "a Result of an Error is ambiguous");

 public:
  Result(const T& value) : state_(std::in_place_index<0>, value) {}
  Result(T&& value) : state_(std::in_place_index<0>, std::move(value)) {}
  template <class U, class = std::enable_if_t<std::is_constructible_v<T, U&&> &&
                                              !std::is_same_v<std::decay_t<U>, T> &&
                                              !std::is_same_v<std::decay_t<U>, Error> &&
                                              !std::is_same_v<std::decay_t<U>, Result>>>
  Result(U&& value) : state_(std::in_place_index<0>, T(std::forward<U>(value))) {}
  Result(Error error) : state_(std::in_place_index<1>, std::move(error)) {}

  bool has_value() const { return state_.index() == 0; }
  explicit operator bool() const { return has_value(); }

  T& value() & { return Checked(); }
  const T& value() const& { return const_cast<Result*>(this)->Checked(); }
  T&& value() && { return std::move(Checked()); }
  T& operator*() & { return Checked(); }
  const T& operator*() const& { return value(); }
  T&& operator*() && { return std::move(Checked()); }
  T* operator->() { return &Checked(); }
  const T* operator->() const { return &value(); }

  // The value, or `fallback` when this holds an error.
  template <class U>
  T value_or(U&& fallback) const& {
    return has_value() ? std::get<0>(state_) : static_cast<T>(std::forward<U>(fallback));
  }
  template <class U>
  T value_or(U&& fallback) && {
    return has_value() ? std::move(std::get<0>(state_)) : static_cast<T>(std::forward<U>(fallback));
  }

  // Only when !has_value().
  const Error& error() const& {
    assert(!has_value());
    return std::get<1>(state_);
  }
  Error&& error() && {
    assert(!has_value());
    return std::move(std::get<1>(state_));
  }

 private:
  T& Checked() {
    assert(has_value());
    return std::get<0>(state_);
  }

  std::variant<T, Error> state_;
};

// Success or an error, for operations that produce nothing.
template <>
class [[nodiscard]] Result<void> {
 public:
  Result() = default;
  Result(Error error) : error_(std::move(error)), failed_(true) {}

  bool has_value() const { return !failed_; }
  explicit operator bool() const { return !failed_; }
  const Error& error() const& {
    assert(failed_);
    return error_;
  }
  Error&& error() && {
    assert(failed_);
    return std::move(error_);
  }

 private:
  Error error_;
  bool failed_ = false;
};

using Status = Result<void>;

inline Status Ok() {
  return {};
}

}  // namespace base
