// A temporary folder for the exam client's tests, under KIRV_TEST_TMP when CTest sets it.
#pragma once

#include <filesystem>
#include <string>

#include "platform/win/testing/test_folder.h"

class TempFolder : public win::testing::ScopedTempFolder {
 public:
  TempFolder() : ScopedTempFolder("client_") {}
  // The Windows form of a file in the folder (drive Z: is the host root).
  std::string Windows(const std::string& name) const { return "Z:" + (Path() / name).string(); }
};
