// For tests: a fresh folder of their own under KIRV_TEST_TMP (set by CTest) or the system's
// temporary folder, named so that test processes running side by side never share one.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

inline std::filesystem::path UniqueTestDir(const std::string& name) {
  static int serial = 0;
  const char* base = std::getenv("KIRV_TEST_TMP");
  std::filesystem::path dir =
      std::filesystem::path(base ? base : std::filesystem::temp_directory_path().string()) /
      (name + "_" + std::to_string(getpid()) + "_" + std::to_string(++serial));
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir;
}
