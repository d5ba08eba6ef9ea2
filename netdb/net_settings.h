// What the browser simulation and the network-part grader both need before they touch the
// network database: the folder of their own file, their INI file (net.ini beside the browser,
// Net.ini beside the grading control) read key by key with defaults, and the field splitter with
// which the browser reads the exam's window title. Each program keeps one PathGlobals, filled once
// at start-up and read-only afterwards.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace netdb {

// The marker of the exam window's title, and the network database's path below the candidate
// folder, as net.ini gives them when it says nothing.
inline constexpr std::string_view kDefaultSeparator = "■";
inline constexpr std::string_view kDefaultUserDb = "Netkt\\net.net";

struct PathGlobals {
  std::string ProgramFolder;  // Windows form, always ending in "\"
  std::string IniFilePath;    // the INI file when it exists, else empty
  std::string SeparatorChar{kDefaultSeparator};
  std::string CandidateName;      // from the exam window's title
  std::string StudentFolder;      // the candidate folder, ending in "\" as the title gives it
  std::string StudentFolderName;  // its last piece: the exam code
};

// ProgramFolder := the folder of the program's or library's own file (a host path), in Windows
// form with a final "\".
void InitPaths(PathGlobals& globals, const std::filesystem::path& ownFile);

// When a file exists at the Windows-form path, it becomes IniFilePath and the result is true;
// otherwise IniFilePath stays as it was.
bool LocateIniFile(PathGlobals& globals, std::string_view windowsPath);

// The key's value in the section of IniFilePath (at most 254 characters, as a 255-character
// buffer holds), or the default when the file, the section or the key is missing.
std::string ReadIniString(const PathGlobals& globals, std::string_view section,
                          std::string_view key, std::string_view defaultValue);

// The field splitter: blanks around the text removed, then every piece before each delimiter
// is a field, empty ones included; what follows the last delimiter is a field too.
class Tokenizer {
 public:
  static void Split(std::string_view text, char delimiter, std::vector<std::string>& fields);
};

// What an exam window's title says, when it carries the marker.
struct ExamTitle {
  std::string candidateName;
  std::string studentFolder;
  std::string studentFolderName;
};

// True when the first 253 characters of a window title (as the title buffer holds them) carry
// `separator`.
bool TitleCarriesMarker(std::string_view title, std::string_view separator);

// Reads a window title (only its first 253 characters, as the title buffer holds): false when
// it does not carry `separator`, or splits at "-" into fewer than three fields, or its name
// field is empty. Those three cases all mean "no exam here".
bool ParseExamTitle(std::string_view title, std::string_view separator, ExamTitle& out);

}  // namespace netdb
