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

  // Writes the value; true on success.
  bool Write(std::string_view section, std::string_view key, std::string_view value);

  // The last read's count of characters (ANSI bytes), or the last write's success flag (1 / 0).
  long GetLastResult() const { return lastResult_; }

 private:
  std::string path_;
  long lastResult_ = 0;
};

// The client's one settings store, pointed at ProgramFolder + "KIRV.ini" by InitGlobals.
extern CIniFile IniFile;
