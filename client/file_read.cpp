// Reading the client's text files (see file_read.h).
#include "client/file_read.h"

#include <fstream>
#include <iterator>

#include "platform/win/errno_error.h"
#include "platform/win/paths.h"

base::Result<std::string> ReadWholeFile(const std::string& path) {
  const std::filesystem::path host = win::ToHostPath(path);
  std::ifstream in(host, std::ios::binary);
  if (!in) return win::ErrnoError("cannot open ", host);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return win::ErrnoError("cannot read ", host);
  return bytes;
}

std::vector<std::string> SplitTextLines(std::string_view text) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}
