#include "browsim/options/general_page.h"

#include <gtest/gtest.h>

#include "browsim/core/testing/fake_host.h"
#include "netdb/action_log.h"

namespace browsim::options {
namespace {

using testing::FakeHost;

constexpr const char* kOptionsRow =
    "INSERT INTO Options (StartPage, HistoryReservedDays) VALUES ('http://www.a.com/', 20);";

std::vector<std::string> LogRows(FakeHost& host) {
  std::vector<std::string> rows;
  const auto actions = host.Column("Select * From Log order by ID", "Action");
  const auto parameters = host.Column("Select * From Log order by ID", "Parameter");
  for (size_t i = 0; i < actions.size(); ++i) rows.push_back(actions[i] + "|" + parameters[i]);
  return rows;
}

TEST(GeneralPage, LoadsTheLastOptionsRowOrTheInitialValues) {
  {
    FakeHost host;
    const GeneralSettings settings = LoadGeneralSettings(host);
    EXPECT_EQ(settings.startPage, "about:blank");
    EXPECT_EQ(settings.historyDays, 22);
  }
  FakeHost host(std::string(kOptionsRow) +
                "INSERT INTO Options (StartPage, HistoryReservedDays) VALUES ('http://b/', 7);");
  const GeneralSettings settings = LoadGeneralSettings(host);
  EXPECT_EQ(settings.startPage, "http://b/");
  EXPECT_EQ(settings.historyDays, 7);
}

TEST(GeneralPage, SaveLogsEveryTimeInLowerCaseAndWritesTheFirstRow) {
  FakeHost host(std::string(kOptionsRow) +
                "INSERT INTO Options (StartPage, HistoryReservedDays) VALUES ('http://b/', 7);");
  ASSERT_TRUE(SaveGeneralSettings(host, {"HTTP://WWW.Sina.COM.cn/首页", 30}));
  ASSERT_TRUE(SaveGeneralSettings(host, {"HTTP://WWW.Sina.COM.cn/首页", 30}));
  EXPECT_EQ(LogRows(host), (std::vector<std::string>{"设定起始页|http://www.sina.com.cn/首页",
                                                     "设定起始页|http://www.sina.com.cn/首页"}));
  EXPECT_EQ(host.Column("Select * From Options order by ID", "StartPage"),
            (std::vector<std::string>{"http://www.sina.com.cn/首页", "http://b/"}));
  EXPECT_EQ(host.Column("Select * From Options order by ID", "HistoryReservedDays"),
            (std::vector<std::string>{"30", "7"}));
}

TEST(GeneralPage, SaveCreatesAMissingOptionsRow) {
  FakeHost host;
  ASSERT_TRUE(SaveGeneralSettings(host, {"about:blank", 0}));
  EXPECT_EQ(host.Column("Select * From Options", "StartPage"),
            std::vector<std::string>{"about:blank"});
  EXPECT_EQ(LoadGeneralSettings(host).historyDays, 0);
  EXPECT_TRUE(host.failures.empty());
}

TEST(GeneralPage, SaveThatTheDatabaseRefusesIsReported) {
  FakeHost host(kOptionsRow);
  ASSERT_NE(host.Database().Connection().Execute("DROP TABLE Options"), nullptr);
  EXPECT_FALSE(SaveGeneralSettings(host, {"http://a/", 1}));
  EXPECT_EQ(host.failures.size(), 1u);
}

TEST(GeneralPage, PromptsLogOnlyWhenConfirmed) {
  struct Case {
    const char* name;
    bool (*run)(BrowserHost&);
    const char* caption;
    const char* logged;
  } cases[] = {
      {"cookies", DeleteCookies, "删除 Cookies", "删除Cookies|"},
      {"files", DeleteTemporaryFiles, "删除文件", "删除临时文件|"},
  };
  for (const Case& c : cases) {
    FakeHost host;
    host.boxes.SetAnswer(win::IDCANCEL);
    EXPECT_FALSE(c.run(host)) << c.name;
    EXPECT_TRUE(LogRows(host).empty()) << c.name;
    host.boxes.SetAnswer(win::IDOK);
    EXPECT_TRUE(c.run(host)) << c.name;
    EXPECT_TRUE(c.run(host)) << c.name;
    EXPECT_EQ(LogRows(host), (std::vector<std::string>{c.logged, c.logged})) << c.name;
    ASSERT_EQ(host.boxes.Shown().size(), 3u) << c.name;
    EXPECT_EQ(host.boxes.Shown()[0].caption, c.caption) << c.name;
    EXPECT_EQ(host.boxes.Shown()[0].flags, win::MB_OKCANCEL | win::MB_ICONQUESTION) << c.name;
  }
}

TEST(GeneralPage, ClearHistoryDeletesOnOkAndRefillsTheListEitherWay) {
  FakeHost host(
      "INSERT INTO History (URL, Times) VALUES ('http://a/', 1), ('http://b/', 2), ('c', 1);");
  host.boxes.SetAnswer(win::IDCANCEL);
  EXPECT_FALSE(ClearHistory(host));
  EXPECT_EQ(host.Count("Select * From History"), 3);
  EXPECT_TRUE(LogRows(host).empty());
  EXPECT_EQ(host.historyReloads, 1);

  host.boxes.SetAnswer(win::IDOK);
  EXPECT_TRUE(ClearHistory(host));
  EXPECT_EQ(host.Count("Select * From History"), 0);
  EXPECT_EQ(LogRows(host), std::vector<std::string>{"清除历史记录|"});
  EXPECT_EQ(host.historyReloads, 2);
  EXPECT_EQ(host.boxes.Shown().back().caption, "Internet 选项");
}

}  // namespace
}  // namespace browsim::options
