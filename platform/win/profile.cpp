// Private-profile files: a line-based reader and a writer that edits the file's bytes in place.
#include "profile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "attributes.h"
#include "codepage.h"
#include "paths.h"
#include "platform/base/result.h"
#include "platform/base/text.h"

namespace win {
namespace fs = std::filesystem;
namespace {

struct Line {
  size_t begin = 0;  // first byte
  size_t end = 0;    // one past the last byte before the line break
  size_t next = 0;   // first byte of the following line
};

std::vector<Line> SplitLines(const std::string& raw, size_t start) {
  std::vector<Line> lines;
  size_t i = start;
  while (i < raw.size()) {
    const size_t nl = raw.find('\n', i);
    Line l;
    l.begin = i;
    l.next = nl == std::string::npos ? raw.size() : nl + 1;
    l.end = nl == std::string::npos ? raw.size() : nl;
    if (l.end > l.begin && raw[l.end - 1] == '\r') --l.end;
    lines.push_back(l);
    i = l.next;
  }
  return lines;
}

// A parsed file: raw bytes, encoding and lines, each decoded to UTF-8 on demand.
struct Profile {
  std::string raw;
  TextEncoding encoding = TextEncoding::Gbk;
  size_t bomSize = 0;
  std::vector<Line> lines;

  std::string Text(const Line& l) const {
    std::string_view bytes(raw.data() + l.begin, l.end - l.begin);
    return encoding == TextEncoding::Gbk ? GbkToUtf8(bytes) : std::string(bytes);
  }
  std::string Encode(std::string_view utf8) const {
    return encoding == TextEncoding::Gbk ? Utf8ToGbk(utf8) : std::string(utf8);
  }
  // The name of a "[section]" line, or nullopt for any other line.
  std::optional<std::string> SectionName(const Line& l) const {
    const std::string text = Text(l);
    std::string_view t = base::Trim(text);
    if (t.empty() || t[0] != '[') return std::nullopt;
    t.remove_prefix(1);
    const size_t close = t.find(']');
    return std::string(base::Trim(close == std::string_view::npos ? t : t.substr(0, close)));
  }
  // Index range [first line after the header, end) of the first section named `name`.
  bool FindSection(std::string_view name, size_t* header, size_t* endLine) const {
    for (size_t i = 0; i < lines.size(); ++i) {
      const auto s = SectionName(lines[i]);
      if (!s || !base::EqualsNoCase(*s, name)) continue;
      *header = i;
      size_t j = i + 1;
      while (j < lines.size() && !SectionName(lines[j])) ++j;
      *endLine = j;
      return true;
    }
    return false;
  }
  // The line of `key` between lines first and end, with its value.
  bool FindKey(size_t first, size_t end, std::string_view key, size_t* line,
               std::string* value) const {
    for (size_t i = first; i < end; ++i) {
      const std::string text = Text(lines[i]);
      const size_t eq = text.find('=');
      if (eq == std::string::npos) continue;
      if (!base::EqualsNoCase(base::Trim(std::string_view(text).substr(0, eq)), key)) continue;
      *line = i;
      if (value) *value = std::string(base::Trim(std::string_view(text).substr(eq + 1)));
      return true;
    }
    return false;
  }
  std::string LineBreak() const {
    const size_t nl = raw.find('\n');
    if (nl == std::string::npos) return "\r\n";
    return (nl > 0 && raw[nl - 1] == '\r') ? "\r\n" : "\n";
  }
};

// The bytes of a readable regular file; an error for anything else (a folder opens as a stream
// but throws on read).
base::Result<std::string> ReadFileBytes(const fs::path& host) {
  std::error_code ec;
  if (!fs::is_regular_file(host, ec)) return base::Error::Of(host.string(), " is no file");
  std::ifstream in(host, std::ios::binary);
  if (!in) return base::Error::Of("cannot open ", host.string());
  std::string bytes;
  try {
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  } catch (const std::exception&) {
    return base::Error::Of("cannot read ", host.string());
  }
  if (in.bad()) return base::Error::Of("cannot read ", host.string());
  return bytes;
}

Profile Parse(std::string raw) {
  Profile p;
  p.raw = std::move(raw);
  DecodeText(p.raw, &p.encoding);
  if (p.encoding == TextEncoding::Utf8Bom) p.bomSize = 3;
  p.lines = SplitLines(p.raw, p.bomSize);
  return p;
}

std::string Unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  return std::string(value);
}

bool HasLineBreak(std::string_view s) {
  return s.find_first_of("\r\n") != std::string_view::npos;
}

// Replaces the file's bytes without ever leaving it half-written; keeps its mode and attributes.
bool ReplaceFile(const fs::path& host, const std::string& bytes, bool existed) {
  struct stat st {};
  uint32_t attributes = 0;
  if (existed) {
    if (::stat(host.c_str(), &st) != 0) return false;
    attributes = GetHostFileAttributes(host);
  }
  const fs::path temp = host.parent_path() / ("." + host.filename().string() + ".kirv-new");
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
      std::error_code ec;
      fs::remove(temp, ec);
      return false;
    }
  }
  if (existed) ::chmod(temp.c_str(), st.st_mode & 07777);
  std::error_code ec;
  fs::rename(temp, host, ec);
  if (ec) {
    fs::remove(temp, ec);
    return false;
  }
  if (existed) SetHostFileAttributes(host, attributes);
  return true;
}

}  // namespace

std::string CutToAnsiBytes(std::string_view utf8, size_t maxBytes) {
  size_t used = 0, i = 0;
  while (i < utf8.size()) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    const size_t len = c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
    const size_t cost = c < 0x80 ? 1 : 2;
    if (used + cost > maxBytes) break;
    used += cost;
    i += len;
  }
  return std::string(utf8.substr(0, std::min(i, utf8.size())));
}

std::string GetPrivateProfileString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue, std::string_view fileWindowsPath,
                                    size_t bufferSize) {
  const size_t limit = bufferSize == 0 ? 0 : bufferSize - 1;
  base::Result<std::string> raw = ReadFileBytes(ToHostPath(fileWindowsPath));
  if (!raw) return CutToAnsiBytes(defaultValue, limit);
  const Profile p = Parse(*std::move(raw));
  size_t header, end, line;
  std::string value;
  if (!p.FindSection(section, &header, &end) || !p.FindKey(header + 1, end, key, &line, &value))
    return CutToAnsiBytes(defaultValue, limit);
  return CutToAnsiBytes(Unquote(std::move(value)), limit);
}

int GetPrivateProfileInt(std::string_view section, std::string_view key, int defaultValue,
                         std::string_view fileWindowsPath) {
  const std::string value = GetPrivateProfileString(section, key, "", fileWindowsPath, 4096);
  if (value.empty()) return defaultValue;
  size_t i = 0;
  bool negative = false;
  if (value[0] == '-' || value[0] == '+') negative = value[i++] == '-';
  long long n = 0;
  for (; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i) {
    n = n * 10 + (value[i] - '0');
    if (n > 0xFFFFFFFFLL) n = 0xFFFFFFFFLL;  // the platform's 32-bit wrap, kept in range
  }
  return static_cast<int>(static_cast<uint32_t>(negative ? -n : n));
}

namespace {

// The bytes of a file with one change made; nullopt when there is nothing to change.
std::optional<std::string> WithoutSection(const Profile& p, std::string_view section) {
  size_t header, end;
  if (!p.FindSection(section, &header, &end)) return std::nullopt;
  const size_t from = p.lines[header].begin;
  const size_t to = end < p.lines.size() ? p.lines[end].begin : p.raw.size();
  return p.raw.substr(0, from) + p.raw.substr(to);
}

std::optional<std::string> WithoutKey(const Profile& p, std::string_view section,
                                      std::string_view key) {
  size_t header, end, line;
  if (!p.FindSection(section, &header, &end) || !p.FindKey(header + 1, end, key, &line, nullptr))
    return std::nullopt;
  const Line& l = p.lines[line];
  return p.raw.substr(0, l.begin) + p.raw.substr(l.next);
}

std::string WithValue(const Profile& p, std::string_view section, std::string_view key,
                      std::string_view value) {
  const std::string eol = p.LineBreak();
  const std::string entry = p.Encode(std::string(key) + "=" + std::string(value)) + eol;
  size_t header, end, line;
  if (!p.FindSection(section, &header, &end)) {  // a new section at the end
    std::string out = p.raw;
    if (!out.empty() && out.back() != '\n') out += eol;
    return out + p.Encode("[" + std::string(section) + "]") + eol + entry;
  }
  if (p.FindKey(header + 1, end, key, &line, nullptr)) {
    // Keep the key as written and any blanks after "="; only the value changes.
    const Line& l = p.lines[line];
    size_t cut = p.raw.find('=', l.begin) + 1;
    while (cut < l.end && (p.raw[cut] == ' ' || p.raw[cut] == '\t')) ++cut;
    return p.raw.substr(0, cut) + p.Encode(value) + p.raw.substr(l.end);
  }
  // A new key after the section's last line that is not blank.
  size_t last = header;
  for (size_t i = header + 1; i < end; ++i)
    if (!base::Trim(p.Text(p.lines[i])).empty()) last = i;
  const Line& l = p.lines[last];
  if (l.next == p.raw.size() && p.raw.back() != '\n')  // the last line, without a break
    return p.raw + eol + entry;
  return p.raw.substr(0, l.next) + entry + p.raw.substr(l.next);
}

}  // namespace

bool WritePrivateProfileString(std::string_view section, std::optional<std::string_view> key,
                               std::optional<std::string_view> value,
                               std::string_view fileWindowsPath) {
  if (HasLineBreak(section) || (key && HasLineBreak(*key)) || (value && HasLineBreak(*value)))
    return false;
  fs::path host = ToHostPath(fileWindowsPath);
  std::error_code ec;
  if (fs::is_symlink(host, ec)) host = fs::canonical(host, ec);
  const bool existed = fs::exists(host, ec);
  std::string raw;
  if (existed) {
    if (!fs::is_regular_file(host, ec) || ::access(host.c_str(), W_OK) != 0) return false;
    if (GetHostFileAttributes(host) & FILE_ATTRIBUTE_READONLY) return false;
    base::Result<std::string> bytes = ReadFileBytes(host);
    if (!bytes) return false;
    raw = *std::move(bytes);
  }
  const Profile p = Parse(raw);
  const std::optional<std::string> out = !key     ? WithoutSection(p, section)
                                         : !value ? WithoutKey(p, section, *key)
                                                  : WithValue(p, section, *key, *value);
  if (!out) return true;  // nothing to remove
  return ReplaceFile(host, *out, existed);
}

}  // namespace win
