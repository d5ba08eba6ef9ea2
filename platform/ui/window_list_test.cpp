// Tests of the top-level window list and of the publisher that keeps Qt windows in it.
#include "platform/ui/window_list.h"

#include <gtest/gtest.h>

#include <QWidget>
#include <algorithm>
#include <fstream>

#include "platform/ui/testing/qt_test_app.h"
#include "platform/ui/window_title_publisher.h"
#include "platform/win/testing/test_folder.h"

namespace {
namespace fs = std::filesystem;

class WindowListTest : public ::testing::Test {
 protected:
  // The list's folder itself is left for the code under test to make.
  void TearDown() override { ui::WithdrawAllWindowTitles(); }
  static bool Has(const std::string& title) {
    const auto titles = ui::TopLevelWindowTitles();
    return std::find(titles.begin(), titles.end(), title) != titles.end();
  }
  win::testing::ScopedTempFolder tmp_{"window_list_"};
  const fs::path folder_ = tmp_.Path() / "windows";
  win::testing::ScopedEnv listEnv_{"KIRV_WINDOW_LIST", folder_};
};

TEST_F(WindowListTest, PublishReplaceWithdraw) {
  ASSERT_TRUE(ui::PublishWindowTitle(7, "■-未知-C:\\KIRV\\1001\\"));
  ASSERT_TRUE(ui::PublishWindowTitle(2, "other"));
  EXPECT_EQ(ui::TopLevelWindowTitles(),
            (std::vector<std::string>{"other", "■-未知-C:\\KIRV\\1001\\"}));
  ui::PublishWindowTitle(2, "renamed");
  EXPECT_TRUE(Has("renamed"));
  EXPECT_FALSE(Has("other"));
  ui::WithdrawWindowTitle(7);
  EXPECT_EQ(ui::TopLevelWindowTitles(), std::vector<std::string>{"renamed"});
  ui::WithdrawAllWindowTitles();
  EXPECT_TRUE(ui::TopLevelWindowTitles().empty());
}

TEST_F(WindowListTest, EntriesOfEndedProcessesAndStrayFilesAreIgnored) {
  ui::WindowListFolder();
  std::ofstream(folder_ / "999999999-1") << "stale";  // no such process
  std::ofstream(folder_ / "notes.txt") << "stray";
  std::ofstream(folder_ / "1-x") << "bad id";
  EXPECT_TRUE(ui::TopLevelWindowTitles().empty());
  EXPECT_FALSE(fs::exists(folder_ / "999999999-1"));
  EXPECT_TRUE(fs::exists(folder_ / "notes.txt"));
}

TEST_F(WindowListTest, QtWindowsFollowTheirTitles) {
  ui::TestApp();
  ui::PublishTopLevelWindows();
  auto* window = new QWidget;
  window->setWindowTitle("first");
  EXPECT_TRUE(Has("first"));
  window->setWindowTitle(QString::fromUtf8("■-未知-D:\\x\\"));
  EXPECT_TRUE(Has("■-未知-D:\\x\\"));
  EXPECT_FALSE(Has("first"));
  auto* child = new QWidget(window);  // not a top-level window: never published
  child->setWindowTitle("child");
  EXPECT_FALSE(Has("child"));
  window->setWindowTitle("");  // the old title no longer finds it
  EXPECT_FALSE(Has("■-未知-D:\\x\\"));
  EXPECT_TRUE(Has(""));
  window->setWindowTitle("again");
  EXPECT_TRUE(Has("again"));
  delete window;
  EXPECT_FALSE(Has("again"));
}

}  // namespace
