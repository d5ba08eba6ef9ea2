// The page setup kept between runs: what is saved reads back, and a value that does not read
// leaves the printer's defaults.
#include "browsim/frame/page_setup_store.h"

#include <gtest/gtest.h>

#include <QPageSize>
#include <QSizeF>

#include "platform/win/registry.h"
#include "platform/win/testing/scoped_env.h"
#include "platform/win/testing/test_folder.h"

namespace {

constexpr const char* kKey = "HKEY_CURRENT_USER\\Software\\KIRV-browsim\\browsim\\PageSetup";

class PageSetupStore : public ::testing::Test {
 protected:
  win::testing::ScopedTempFolder folder_;
  win::testing::ScopedEnv registry_{"KIRV_REGISTRY", (folder_.Path() / "registry.ini").string()};
};

TEST_F(PageSetupStore, WhatIsSavedReadsBack) {
  EXPECT_FALSE(LoadPageSetup());
  const QPageLayout layouts[] = {
      QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(19.05, 19.05, 19, 19),
                  QPageLayout::Millimeter),
      QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Landscape, QMarginsF(5, 6, 7, 8),
                  QPageLayout::Millimeter),
      QPageLayout(QPageSize(QSizeF(150, 220.5), QPageSize::Millimeter), QPageLayout::Portrait,
                  QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter),
  };
  for (const QPageLayout& layout : layouts) {
    SCOPED_TRACE(layout.pageSize().name().toStdString());
    ASSERT_TRUE(SavePageSetup(layout));
    const auto loaded = LoadPageSetup();
    ASSERT_TRUE(loaded);
    EXPECT_TRUE(loaded->pageSize().isEquivalentTo(layout.pageSize()));
    EXPECT_EQ(loaded->orientation(), layout.orientation());
    EXPECT_EQ(loaded->margins(QPageLayout::Millimeter), layout.margins(QPageLayout::Millimeter));
  }
}

TEST_F(PageSetupStore, AValueThatDoesNotReadLeavesTheDefaults) {
  struct Case {
    const char* size;
    const char* orientation;
    const char* margins;
  } cases[] = {
      {"A4", "sideways", "10,10,10,10"},  {"Z9", "portrait", "10,10,10,10"},
      {"0x0", "portrait", "10,10,10,10"}, {"A4", "portrait", "10,10,10"},
      {"A4", "portrait", "a,b,c,d"},      {"A4", "portrait", "200,10,200,10"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.size) + " " + c.orientation + " " + c.margins);
    ASSERT_TRUE(win::RegSetString(kKey, "PageSize", c.size));
    ASSERT_TRUE(win::RegSetString(kKey, "Orientation", c.orientation));
    ASSERT_TRUE(win::RegSetString(kKey, "Margins", c.margins));
    EXPECT_FALSE(LoadPageSetup());
  }
}

}  // namespace
