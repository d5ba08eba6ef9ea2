// Tests only: sets (or clears) an environment variable for one scope and puts back what was there
// before, so a test that points a per-user store at its own folder leaves the process as it found
// it. Every test that changes the environment does it through this class.
#pragma once

#include <stdlib.h>

#include <optional>
#include <string>
#include <utility>

namespace win::testing {

class ScopedEnv {
 public:
  // Sets `name` to `value`; a null `value` removes the variable.
  ScopedEnv(std::string name, const char* value) : name_(std::move(name)) {
    if (const char* old = ::getenv(name_.c_str())) saved_ = old;
    Apply(value);
  }
  ScopedEnv(std::string name, const std::string& value)
      : ScopedEnv(std::move(name), value.c_str()) {}
  ~ScopedEnv() { Apply(saved_ ? saved_->c_str() : nullptr); }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  void Apply(const char* value) const {
    if (value)
      ::setenv(name_.c_str(), value, 1);
    else
      ::unsetenv(name_.c_str());
  }

  std::string name_;
  std::optional<std::string> saved_;
};

}  // namespace win::testing
