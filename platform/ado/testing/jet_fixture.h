// Tests only: the Jet test file made by another program, and copies of it written for a test:
// with Chinese text put in place of two values, or damaged the ways files get damaged.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>

namespace ado::testing {

// The Jet 4 file of the tests (table DateTest, rows 1 to 6).
inline std::filesystem::path JetFixture() {
  return std::filesystem::path(KIRV_SOURCE_DIR) / "platform/ado/testdata/DateTestDatabase.mdb";
}

inline std::string ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::filesystem::path& file, std::string_view bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out.flush()) throw std::runtime_error("cannot write " + file.string());
}

// What the Chinese copy holds in row 3 instead of "Pre-1900 years".
inline constexpr std::string_view kChineseMemo = "No.张三丰考场";
inline constexpr std::string_view kChineseText = "准考证号😀A1";

// A copy of the fixture whose row 3 holds kChineseMemo in LongTextCol, stored compressed with a
// switch to two bytes per character, and kChineseText in ShortTextCol, stored as UTF-16LE with
// a surrogate pair. Both take the 16 bytes the old value took, so nothing else moves.
inline void WriteChineseJetCopy(const std::filesystem::path& target) {
  std::string bytes = ReadBytes(JetFixture());
  const std::string old = std::string("\xFF\xFE") + "Pre-1900 years";
  const std::string memo = std::string(
                               "\xFF\xFE"
                               "No.\0",
                               6) +
                           "\x20\x5F\x09\x4E\x30\x4E\x03\x80\x3A\x57";  // 张三丰考场
  const std::string text("\xC6\x51\x03\x80\xC1\x8B\xF7\x53\x3D\xD8\x00\xDE\x41\x00\x31\x00", 16);
  const size_t first = bytes.find(old);
  const size_t second = bytes.find(old, first + 1);
  if (second == std::string::npos || memo.size() != old.size() || text.size() != old.size())
    throw std::runtime_error("the Jet fixture is not the one expected");
  bytes.replace(first, old.size(), memo);  // the memo column comes first in the row
  bytes.replace(second, old.size(), text);
  WriteBytes(target, bytes);
}

}  // namespace ado::testing
