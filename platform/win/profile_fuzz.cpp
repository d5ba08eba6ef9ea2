// Fuzz target: any bytes as a settings file must read without a crash, and a write followed by a
// read must give back the written value and keep the file's other lines.
#include <stdlib.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/win/paths.h"
#include "platform/win/process.h"
#include "platform/win/profile.h"

namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> out;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    out.push_back(std::move(line));
    start = end + 1;
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string folder = [] {
    std::string templ = (std::filesystem::temp_directory_path() / "kirv-fuzzXXXXXX").string();
    const std::string made = ::mkdtemp(templ.data()) ? templ : std::string("/tmp");
    if (made != "/tmp") {
      static std::string toRemove = made;
      std::atexit([] {
        std::error_code ec;
        std::filesystem::remove_all(toRemove, ec);
      });
    }
    return made;
  }();
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::string host = folder + "/f.ini";
  std::ofstream(host, std::ios::binary | std::ios::trunc) << bytes;
  const std::string file = win::ToWindowsPath(host);

  win::SplitCommandLine(bytes);
  for (const char* key : {"K", "Server", ""}) {
    if (win::GetPrivateProfileString("S", key, "", file, 255).size() > 254 * 3) abort();
    win::GetPrivateProfileInt("KIRV", key, 7, file);
  }
  if (win::WritePrivateProfileString("S", "K", "value", file)) {
    if (win::GetPrivateProfileString("S", "K", "", file) != "value") abort();
    // Every line of the original but the one changed is still there, in order.
    std::ifstream in(host, std::ios::binary);
    const std::string after((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::vector<std::string> before = Lines(bytes), now = Lines(after);
    size_t j = 0, skipped = 0;
    for (const std::string& line : before) {
      size_t k = j;
      while (k < now.size() && now[k] != line) ++k;
      if (k == now.size()) {
        ++skipped;
      } else {
        j = k + 1;
      }
    }
    if (skipped > 1) abort();
  }
  win::WritePrivateProfileString("S", "K", std::nullopt, file);
  win::WritePrivateProfileString("S", std::nullopt, std::nullopt, file);
  return 0;
}
