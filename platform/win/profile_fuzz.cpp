// Fuzz target: any bytes as a settings file must read without a crash, every value read into the
// usual 255-byte buffer must follow the buffer rule, and a write followed by a read must give back
// the written value and keep the file's other lines. Seeds in profile_fuzz_seeds/ are settings
// files with long values, GBK and UTF-8 text.
#include <stdlib.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/base/text.h"
#include "platform/win/codepage.h"
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

// The 255-byte buffer rule: a value read into the usual buffer is the whole value cut at a
// character boundary to at most 254 bytes of its GBK form (a character GBK lacks counts two).
void CheckBufferRule(const char* section, const char* key, const std::string& file) {
  const std::string whole = win::GetPrivateProfileString(section, key, "", file, 1 << 20);
  const std::string cut = win::GetPrivateProfileString(section, key, "", file, 255);
  if (whole.compare(0, cut.size(), cut) != 0) abort();
  if (cut != win::CutToAnsiBytes(whole, 254)) abort();
  // Text that is no UTF-8 (bytes after a BOM, say) has no ANSI form to measure.
  if (win::IsUtf8(whole) && (!win::IsUtf8(cut) || win::Utf8ToGbk(cut).size() > 254)) abort();
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
    CheckBufferRule("S", key, file);
    CheckBufferRule("KIRV", key, file);
    win::GetPrivateProfileInt("KIRV", key, 7, file);
  }
  if (win::WritePrivateProfileString("S", "K", "value", file)) {
    if (win::GetPrivateProfileString("S", "K", "", file) != "value") abort();
    // Every line of the original but the one changed is still there, in order: what is left
    // between the lines both files begin and end with is at most that one line.
    std::ifstream in(host, std::ios::binary);
    const std::string after((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::vector<std::string> before = Lines(bytes), now = Lines(after);
    size_t head = 0, tail = 0;
    while (head < before.size() && head < now.size() && before[head] == now[head]) ++head;
    while (tail < before.size() - head && tail < now.size() - head &&
           before[before.size() - 1 - tail] == now[now.size() - 1 - tail])
      ++tail;
    if (before.size() - head - tail > 1) abort();
  }
  // A long value written is read back whole with a large buffer and cut with the usual one.
  const std::string last = Lines(bytes).empty() ? std::string() : Lines(bytes).back();
  std::string longValue;
  for (int i = 0; i < 60; ++i) longValue += "考试abc";
  if (std::all_of(last.begin(), last.end(), [](char c) { return c >= 0x20 && c < 0x7F; }))
    longValue += last;
  longValue = std::string(base::Trim(longValue));
  if (win::WritePrivateProfileString("S", "Long", longValue, file)) {
    CheckBufferRule("S", "Long", file);
    if (win::GetPrivateProfileString("S", "Long", "", file, 1 << 20) != longValue &&
        longValue.find_first_of("\"'") == std::string::npos)
      abort();
  }
  win::WritePrivateProfileString("S", "K", std::nullopt, file);
  win::WritePrivateProfileString("S", std::nullopt, std::nullopt, file);
  return 0;
}
