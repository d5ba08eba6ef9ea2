// Tests only: a demo installation built by make_demo.sh into a temporary folder, once for a test
// suite, from the build tree the tests belong to.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/win/testing/test_folder.h"

class DemoInstallation : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    root_ = win::testing::MakeTempFolder("demo_");
    std::string cmd = std::string("'") + KIRV_SOURCE_DIR + "/tools/make_demo.sh' '" +
                      KIRV_BINARY_DIR + "' '" + (root_ / "install").string() + "' >/dev/null 2>&1";
    built_ = std::system(cmd.c_str()) == 0;
  }
  static void TearDownTestSuite() { win::testing::RemoveTempFolder(root_); }
  void SetUp() override { ASSERT_TRUE(built_) << "make_demo.sh failed"; }
  static std::filesystem::path Install() { return root_ / "install"; }
  // A folder of the suite's own beside the installation.
  static std::filesystem::path Scratch() { return root_; }

  static inline std::filesystem::path root_;
  static inline bool built_ = false;
};
