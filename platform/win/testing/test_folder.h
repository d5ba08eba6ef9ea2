// Tests only: fresh folders for tests that run side by side as separate processes. Each folder is
// made with mkdtemp under $KIRV_TEST_TMP (set by CTest per test folder) or, without it, under the
// system's temporary folder, and is removed with everything in it afterwards. TestFolder also
// maps its folder as a drive letter (restoring the drive's previous mapping afterwards).
#pragma once

#include <stdlib.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <system_error>

#include "platform/win/testing/scoped_env.h"

namespace win::testing {

// A new empty folder "<prefix>XXXXXX" of this process alone; throws filesystem_error on failure.
inline std::filesystem::path MakeTempFolder(std::string_view prefix) {
  std::filesystem::path base;
  if (const char* t = std::getenv("KIRV_TEST_TMP"); t && *t) {
    base = t;
    std::filesystem::create_directories(base);
  } else {
    base = std::filesystem::temp_directory_path();
  }
  std::string pattern = (base / (std::string(prefix) + "XXXXXX")).string();
  if (::mkdtemp(pattern.data()) == nullptr)
    throw std::filesystem::filesystem_error("cannot make a test folder", pattern,
                                            std::error_code(errno, std::generic_category()));
  return pattern;
}

// Removes `folder` and everything in it; an empty path is left alone.
inline void RemoveTempFolder(const std::filesystem::path& folder) {
  if (folder.empty()) return;
  namespace fs = std::filesystem;
  std::error_code ec;
  // Read-only files and folders left by a test must not stop the clean-up.
  fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add, ec);
  for (auto it = fs::recursive_directory_iterator(folder, ec);
       !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
    std::error_code ignored;
    // A link's target may lie outside the folder: leave it as it is.
    if (!it->is_symlink(ignored))
      fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
  }
  fs::remove_all(folder, ec);
}

// A MakeTempFolder folder for the lifetime of the object.
class ScopedTempFolder {
 public:
  explicit ScopedTempFolder(std::string_view prefix = "test_") : path_(MakeTempFolder(prefix)) {}
  ~ScopedTempFolder() { RemoveTempFolder(path_); }
  ScopedTempFolder(const ScopedTempFolder&) = delete;
  ScopedTempFolder& operator=(const ScopedTempFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// A ScopedTempFolder mapped as a drive (T: unless told) for as long as it lives.
class TestFolder {
 public:
  explicit TestFolder(char drive = 'T')
      : drive_(drive),
        folder_("win"),
        driveEnv_(std::string("KIRV_DRIVE_") + drive, folder_.Path()) {}
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;

  const std::filesystem::path& Root() const { return folder_.Path(); }
  // "T:\" + relative, with "/" turned into "\".
  std::string Win(std::string relative = {}) const {
    for (char& c : relative)
      if (c == '/') c = '\\';
    return std::string(1, drive_) + ":\\" + relative;
  }
  // Writes a file under the root (folders created) and returns its host path.
  std::filesystem::path Write(const std::string& relative, const std::string& bytes) const {
    const std::filesystem::path p = Root() / relative;
    std::filesystem::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << bytes;
    return p;
  }
  static std::string Read(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

 private:
  char drive_;
  ScopedTempFolder folder_;
  ScopedEnv driveEnv_;
};

}  // namespace win::testing
