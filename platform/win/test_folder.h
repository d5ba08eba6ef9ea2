// Tests only: a fresh folder under $KIRV_TEST_TMP (or a mkdtemp folder), mapped as drive T:,
// removed with everything in it when the object goes away.
#pragma once

#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace win::testing {

class TestFolder {
 public:
  explicit TestFolder(char drive = 'T') : drive_(drive) {
    std::filesystem::path base;
    if (const char* t = std::getenv("KIRV_TEST_TMP"); t && *t) {
      base = t;
      std::filesystem::create_directories(base);
    } else {
      base = std::filesystem::temp_directory_path();
    }
    std::string templ = (base / "winXXXXXX").string();
    root_ = ::mkdtemp(templ.data()) ? templ : std::string();
    var_ = std::string("KIRV_DRIVE_") + drive;
    ::setenv(var_.c_str(), root_.c_str(), 1);
  }
  ~TestFolder() {
    ::unsetenv(var_.c_str());
    std::error_code ec;
    // Read-only files left by a test must not stop the clean-up.
    for (auto it = std::filesystem::recursive_directory_iterator(root_, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec))
      std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                   std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(root_, ec);
  }
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;

  const std::filesystem::path& Root() const { return root_; }
  // "T:\" + relative, with "/" turned into "\".
  std::string Win(std::string relative = {}) const {
    for (char& c : relative)
      if (c == '/') c = '\\';
    return std::string(1, drive_) + ":\\" + relative;
  }
  // Writes a file under the root (folders created) and returns its host path.
  std::filesystem::path Write(const std::string& relative, const std::string& bytes) const {
    const std::filesystem::path p = root_ / relative;
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
  std::filesystem::path root_;
  std::string var_;
};

}  // namespace win::testing
