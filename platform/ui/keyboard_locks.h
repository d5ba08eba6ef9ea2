// The lock keys' state, as the system's key-state query gives it for the status bar's
// indicators. Read from the X server's keyboard lights; other platforms (offscreen in tests)
// have no such state to read.
#pragma once

#include <optional>

namespace ui {

struct KeyboardLocks {
  bool caps = false;
  bool num = false;
  bool scroll = false;
  bool operator==(const KeyboardLocks&) const = default;
};

// Caps Lock, Num Lock and Scroll Lock as the keyboard's lights show them; nothing when the
// platform cannot tell.
std::optional<KeyboardLocks> ReadKeyboardLocks();

}  // namespace ui
