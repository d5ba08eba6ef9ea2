// The shared start-up helpers: own folder, INI file, title splitter.
#include "netdb/net_settings.h"

#include "platform/base/text.h"
#include "platform/win/files.h"
#include "platform/win/paths.h"
#include "platform/win/profile.h"

namespace netdb {
namespace {

// The title buffer holds 254 characters with its terminating zero.
constexpr size_t kTitleChars = 253;

// The first `count` characters of UTF-8 text, never splitting one.
std::string_view FirstCharacters(std::string_view text, size_t count) {
  size_t i = 0;
  for (size_t n = 0; i < text.size() && n < count; ++n) {
    ++i;
    while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) ++i;
  }
  return text.substr(0, i);
}

}  // namespace

void InitPaths(PathGlobals& globals, const std::filesystem::path& ownFile) {
  std::string folder = win::ToWindowsPath(ownFile.parent_path());
  if (folder.empty() || folder.back() != '\\') folder += '\\';
  globals.ProgramFolder = std::move(folder);
}

bool LocateIniFile(PathGlobals& globals, std::string_view windowsPath) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(win::ToHostPath(windowsPath), ec)) return false;
  globals.IniFilePath = std::string(windowsPath);
  return true;
}

std::string ReadIniString(const PathGlobals& globals, std::string_view section,
                          std::string_view key, std::string_view defaultValue) {
  if (globals.IniFilePath.empty()) return std::string(defaultValue);
  return win::GetPrivateProfileString(section, key, defaultValue, globals.IniFilePath, 255);
}

void Tokenizer::Split(std::string_view text, char delimiter, std::vector<std::string>& fields) {
  std::string rest(base::Trim(text));
  if (rest.empty() || rest.back() != delimiter) rest += delimiter;
  size_t start = 0;
  for (size_t at = rest.find(delimiter); at != std::string::npos;
       at = rest.find(delimiter, start)) {
    fields.emplace_back(rest, start, at - start);
    start = at + 1;
  }
}

bool TitleCarriesMarker(std::string_view title, std::string_view separator) {
  return !separator.empty() &&
         FirstCharacters(title, kTitleChars).find(separator) != std::string_view::npos;
}

bool ParseExamTitle(std::string_view title, std::string_view separator, ExamTitle& out) {
  const std::string_view text = FirstCharacters(title, kTitleChars);
  if (!TitleCarriesMarker(title, separator)) return false;
  std::vector<std::string> fields;
  Tokenizer::Split(text, '-', fields);
  if (fields.size() < 3 || fields[1].empty()) return false;
  std::vector<std::string> pieces;
  Tokenizer::Split(fields[2], '\\', pieces);
  out.candidateName = fields[1];
  out.studentFolder = fields[2];
  out.studentFolderName = pieces.empty() ? std::string() : pieces.back();
  return true;
}

}  // namespace netdb
