// The system password check shared by the password dialog and the end screen. The stored
// [KIRV] SysPassword (or, when it is empty, the built-in value) is kept transformed; the typed
// text passes when it equals the transform of the stored text, exactly.
#pragma once

#include <string>
#include <string_view>

// Stands in for an empty SysPassword setting, so that an empty setting never lets an empty entry
// through.
inline constexpr std::string_view kBuiltInSysPassword = "$QW7hTn";

// The text a proctor must type for the stored value (empty: the built-in one).
std::string ExpectedSystemPassword(const std::string& stored);

// True when `typed` is the system password for the stored value.
bool CheckSystemPassword(const std::string& typed, const std::string& stored);
