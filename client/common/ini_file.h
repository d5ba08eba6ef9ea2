// CIniFile: the exam client's settings store on KIRV.ini. A read asks for at most 255 characters
// with an empty default, so a missing key and an empty one read alike and a value longer than
// 254 characters comes back cut.
#pragma once

#include <string>
#include <string_view>

class CIniFile {
 public:
  // The settings file, a Windows-form path.
  void SetPath(std::string_view windowsPath) { path_ = std::string(windowsPath); }
  const std::string& GetPath() const { return path_; }

  // The value of key in section, at most 254 characters (ANSI bytes); "" when missing.
  std::string Read(std::string_view section, std::string_view key);

  // [KIRV] `key`, or `fallback` when the value is empty.
  std::string Setting(std::string_view key, std::string_view fallback = {});

  // Writes the value; true on success.
  bool Write(std::string_view section, std::string_view key, std::string_view value);

  // The last read's count of characters (ANSI bytes), or the last write's success flag (1 / 0).
  long GetLastResult() const { return lastResult_; }

 private:
  std::string path_;
  long lastResult_ = 0;
};

// Defaults the client puts in place of an empty settings value.
namespace settings_default {
inline constexpr std::string_view Server = "app";
inline constexpr std::string_view PortApp = "8888";
inline constexpr std::string_view PortWeb = "80";
inline constexpr std::string_view Timeout = "5000";
inline constexpr std::string_view NIC = "0";
inline constexpr std::string_view TitleShortcut = "Kirvex";
inline constexpr std::string_view TitleBar = "KIRV";
inline constexpr std::string_view Theme = "0";
inline constexpr std::string_view Paper = "Random";
inline constexpr std::string_view SourceTable = "xuesheng";
}  // namespace settings_default
