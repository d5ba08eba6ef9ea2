// The registry store: keys and values in a small text file, by default
// $XDG_CONFIG_HOME/kirv/registry.ini (~/.config/kirv/registry.ini), or $KIRV_REGISTRY, or what
// SetRegistryFile chose. Key paths look like "HKEY_CURRENT_USER\Software\X" ("HKCU", "HKLM" and
// "HKCR" are accepted for the roots); key and value names compare without case. Each change
// reads, edits and rewrites the file under a lock, so several processes may share it.
//
// File form, one section per key:
//   [HKEY_CURRENT_USER\Software\X]
//   "Count"=dword:0000002a
//   "Path"="C:\\x\\y"          (backslash and quote escaped; \n and \r for line breaks)
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace win {

// Points the store at another file (tests); an empty path returns to the default.
void SetRegistryFile(const std::filesystem::path& file);
std::filesystem::path RegistryFile();

std::optional<uint32_t> RegQueryDword(std::string_view key, std::string_view name);
std::optional<std::string> RegQueryString(std::string_view key, std::string_view name);
bool RegSetDword(std::string_view key, std::string_view name, uint32_t value);
bool RegSetString(std::string_view key, std::string_view name, std::string_view value);

// Removes one value; false when it was not there.
bool RegDeleteValue(std::string_view key, std::string_view name);

// Removes a key with its values and every key below it; false when none was there.
bool RegDeleteKey(std::string_view key);

// Names of the keys directly below `key`, as first written, sorted without case.
std::vector<std::string> RegEnumKeys(std::string_view key);

}  // namespace win
