// A temporary folder for the tests of this folder, under KIRV_TEST_TMP when CTest sets it.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

class TempFolder {
 public:
  TempFolder() {
    const char* base = getenv("KIRV_TEST_TMP");
    std::filesystem::path root = base ? base : std::filesystem::temp_directory_path().string();
    std::filesystem::create_directories(root);
    std::string pattern = (root / "clientdb_XXXXXX").string();
    if (mkdtemp(pattern.data())) path_ = pattern;
  }
  ~TempFolder() {
    std::error_code ec;
    if (!path_.empty()) std::filesystem::remove_all(path_, ec);
  }
  const std::filesystem::path& Path() const { return path_; }
  // The Windows form of a file in the folder (drive Z: is the host root).
  std::string Windows(const std::string& name) const { return "Z:" + (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};
