// Windows-form paths to host paths and back; the only place the two forms meet.
#include "paths.h"

#include <algorithm>
#include <cstdlib>
#include <system_error>
#include <vector>

#include "platform/base/text.h"

namespace win {
namespace fs = std::filesystem;
namespace {

bool IsDriveLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

fs::path DataHome() {
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) return fs::path(xdg);
  if (const char* home = std::getenv("HOME"); home && *home)
    return fs::path(home) / ".local" / "share";
  return fs::path("/tmp");
}

// The path without a trailing separator, made absolute and lexically normal.
std::string NormalFolder(const fs::path& p) {
  std::error_code ec;
  fs::path abs = p.is_absolute() ? p : fs::absolute(p, ec);
  std::string s = abs.lexically_normal().string();
  while (s.size() > 1 && s.back() == '/') s.pop_back();
  return s;
}

// The entry of `folder` whose name equals `name` without case; the smallest such name when
// several do, so the choice never depends on directory order. Empty when none does.
std::string FindNoCase(const fs::path& folder, const std::string& name) {
  std::error_code ec;
  std::string best;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::string entry = it->path().filename().string();
    if (base::EqualsNoCase(entry, name) && (best.empty() || entry < best)) best = std::move(entry);
  }
  return best;
}

}  // namespace

fs::path DriveFolder(char letter) {
  if (!IsDriveLetter(letter)) return {};
  const char upper = static_cast<char>(letter & ~0x20);
  if (upper == 'Z') return fs::path("/");
  const std::string var = std::string("KIRV_DRIVE_") + upper;
  if (const char* v = std::getenv(var.c_str()); v && *v) return fs::path(v);
  return DataHome() / "kirv" / (std::string("drive_") + base::AsciiLower(upper));
}

namespace {

// The components of the part of a path after its drive, "." and ".." applied.
std::vector<std::string> Components(std::string_view rest) {
  std::vector<std::string> parts;
  size_t i = 0;
  while (i <= rest.size()) {
    size_t j = rest.find('\\', i);
    if (j == std::string_view::npos) j = rest.size();
    const std::string_view part = rest.substr(i, j - i);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.emplace_back(part);
    }
    i = j + 1;
  }
  return parts;
}

// `base` followed by the components, each that does not exist under its exact name matched
// without case; from the first one that matches nothing on, the spelling is kept.
fs::path Resolve(fs::path base, const std::vector<std::string>& parts) {
  std::error_code ec;
  // A whole path that exists as spelled has every folder on the way existing as spelled too:
  // one look-up instead of one per component. The same holds for the folder of a last name
  // that does not exist (a file about to be made or removed): only that name is looked for.
  if (!parts.empty()) {
    fs::path folder = base;
    for (size_t i = 0; i + 1 < parts.size(); ++i) folder /= parts[i];
    const fs::path whole = folder / parts.back();
    if (fs::symlink_status(whole, ec).type() != fs::file_type::not_found && !ec) return whole;
    if (parts.size() == 1 ||
        (fs::symlink_status(folder, ec).type() != fs::file_type::not_found && !ec)) {
      const std::string found = FindNoCase(folder, parts.back());
      return folder / (found.empty() ? parts.back() : found);
    }
  }
  bool existing = true;
  for (const std::string& part : parts) {
    if (existing) {
      if (fs::symlink_status(base / part, ec).type() != fs::file_type::not_found && !ec) {
        base /= part;
        continue;
      }
      const std::string found = FindNoCase(base, part);
      if (!found.empty()) {
        base /= found;
        continue;
      }
      existing = false;
    }
    base /= part;
  }
  return base;
}

}  // namespace

fs::path ToHostPath(std::string_view windowsPath) {
  std::string s(windowsPath);
  std::replace(s.begin(), s.end(), '/', '\\');
  const bool trailing = !s.empty() && s.back() == '\\';

  fs::path base;
  std::string_view rest = s;
  if (s.size() >= 2 && IsDriveLetter(s[0]) && s[1] == ':') {
    base = DriveFolder(s[0]);
    // The system drive exists the way a fresh machine's does.
    if (const char* v = std::getenv("KIRV_DRIVE_C"); (s[0] & ~0x20) == 'C' && !(v && *v)) {
      std::error_code ec;
      fs::create_directories(base, ec);
    }
    rest.remove_prefix(2);
  } else if (!s.empty() && s[0] == '\\') {
    std::error_code ec;
    const std::string cwd = ToWindowsPath(fs::current_path(ec));
    base = DriveFolder(cwd.empty() ? 'Z' : cwd[0]);
  } else {
    std::error_code ec;
    // Resolve against the current folder as a whole path so ".." can climb out of it.
    std::string joined = ToWindowsPath(fs::current_path(ec)) + "\\" + std::string(windowsPath);
    std::replace(joined.begin(), joined.end(), '/', '\\');
    if (!joined.empty() && trailing && joined.back() != '\\') joined += '\\';
    return ToHostPath(joined);
  }

  const std::vector<std::string> parts = Components(rest);
  fs::path out = Resolve(base, parts);
  if (trailing && !parts.empty()) out += "/";
  return out;
}

std::string ToWindowsPath(const fs::path& hostPath) {
  std::error_code ec;
  fs::path abs = hostPath.is_absolute() ? hostPath : fs::absolute(hostPath, ec);
  std::string s = abs.lexically_normal().string();
  const bool trailing = s.size() > 1 && s.back() == '/';
  while (s.size() > 1 && s.back() == '/') s.pop_back();

  char letter = 'Z';
  std::string rest = s;
  size_t bestLen = 0;
  for (char c = 'A'; c < 'Z'; ++c) {
    const std::string folder = NormalFolder(DriveFolder(c));
    if (folder.empty() || folder == "/" || folder.size() <= bestLen) continue;
    if (s == folder || (s.size() > folder.size() && s.compare(0, folder.size(), folder) == 0 &&
                        s[folder.size()] == '/')) {
      letter = c;
      bestLen = folder.size();
      rest = s.substr(folder.size());
    }
  }
  std::replace(rest.begin(), rest.end(), '/', '\\');
  std::string out = std::string(1, letter) + ":";
  if (rest.empty() || rest[0] != '\\') out += '\\';
  out += rest;
  if (trailing && out.back() != '\\') out += '\\';
  return out;
}

std::string FileNamePart(std::string_view windowsPath) {
  const size_t cut = windowsPath.find_last_of("\\/");
  if (cut == std::string_view::npos) {
    if (windowsPath.size() >= 2 && windowsPath[1] == ':') return std::string(windowsPath.substr(2));
    return std::string(windowsPath);
  }
  return std::string(windowsPath.substr(cut + 1));
}

std::string FolderPart(std::string_view windowsPath) {
  const size_t cut = windowsPath.find_last_of("\\/");
  if (cut == std::string_view::npos) {
    if (windowsPath.size() >= 2 && windowsPath[1] == ':')
      return std::string(windowsPath.substr(0, 2));
    return {};
  }
  return std::string(windowsPath.substr(0, cut + 1));
}

}  // namespace win
