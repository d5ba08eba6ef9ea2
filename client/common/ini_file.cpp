// CIniFile over the platform's private-profile functions.
#include "client/common/ini_file.h"

#include "platform/win/codepage.h"
#include "platform/win/profile.h"

namespace {
// The buffer the client reads every setting into, in characters.
constexpr size_t kReadBuffer = 255;
}  // namespace

std::string CIniFile::Read(std::string_view section, std::string_view key) {
  std::string value = win::GetPrivateProfileString(section, key, "", path_, kReadBuffer);
  lastResult_ = static_cast<long>(win::Utf8ToGbk(value).size());
  return value;
}

std::string CIniFile::Setting(std::string_view key, std::string_view fallback) {
  std::string value = Read("KIRV", key);
  return value.empty() ? std::string(fallback) : value;
}

bool CIniFile::Write(std::string_view section, std::string_view key, std::string_view value) {
  bool ok = win::WritePrivateProfileString(section, key, value, path_);
  lastResult_ = ok ? 1 : 0;
  return ok;
}
