#include "browsim/core/url_mapping.h"

#include <gtest/gtest.h>

#include "browsim/core/testing/fake_host.h"
#include "platform/base/text.h"

namespace browsim {
namespace {

using testing::FakeHost;

TEST(AddressFromTypedText, AddsTheSchemeWhereNoColonFollowsTheFirstCharacter) {
  struct Case {
    const char* typed;
    const char* address;
  } cases[] = {
      {"WWW.Sina.com", "http://www.sina.com"},
      {"HTTP://WWW.X.COM/A", "http://www.x.com/a"},
      {":x", "http://:x"},
      {":a:B", ":a:b"},
      {"C:\\Site\\A.htm", "c:\\site\\a.htm"},
      {"", "http://"},
  };
  for (const Case& c : cases) EXPECT_EQ(AddressFromTypedText(c.typed), c.address) << c.typed;
}

TEST(VisitHistory, CountsVisitsInHistoryAndKeepsTheListInStep) {
  FakeHost host(
      "INSERT INTO History (URL, Times, Date, Time) VALUES "
      "('http://old.com/', 3, '2026-01-01', '08:00:00'),"
      "('http://older.com/', 1, '2026-01-01', '07:00:00');");
  VisitHistory history(host);
  int changes = 0;
  history.OnChanged([&] { ++changes; });
  history.LoadHistoryList();
  // Oldest first: each row of the newest-first query is put at the top in turn.
  EXPECT_EQ(history.Addresses(),
            (std::vector<std::string>{"http://old.com/", "http://older.com/"}));

  history.RecordVisit("http://new.com/");
  history.RecordVisit("http://new.com/");
  history.RecordVisit("http://old.com/");
  EXPECT_EQ(history.Addresses().front(), "http://new.com/");
  EXPECT_EQ(history.Selected(), 1);
  EXPECT_EQ(host.Column("Select Times From History where URL='http://new.com/'", "Times"),
            std::vector<std::string>{"2"});
  EXPECT_EQ(host.Column("Select Times From History where URL='http://old.com/'", "Times"),
            std::vector<std::string>{"4"});
  EXPECT_EQ(host.Count("Select * From Log where Action='打开网址'"), 3);
  EXPECT_EQ(changes, 4);
  EXPECT_TRUE(host.failures.empty());
}

TEST(VisitHistory, AListedAddressWithoutItsRowGetsTheRowAgain) {
  FakeHost host("INSERT INTO History (URL, Times) VALUES ('http://gone.com/', 2);");
  VisitHistory history(host);
  history.LoadHistoryList();
  ASSERT_EQ(host.Count("Delete From History"), 0);
  history.RecordVisit("http://gone.com/");
  EXPECT_EQ(host.Column("Select Times From History", "Times"), std::vector<std::string>{"1"});
}

TEST(VisitHistory, AVisitThatCannotBeStoredIsReportedNotPassedOff) {
  FakeHost host;
  VisitHistory history(host);
  host.Database().Close();
  history.RecordVisit("http://x.com/");
  EXPECT_FALSE(host.failures.empty());
}

TEST(MapLocalToUrl, StripsTheSiteFolderAndLooksTheRestUp) {
  FakeHost host("INSERT INTO URLs (URL, FakeURL) VALUES ('http://www.a.com/', 'a\\index.htm');");
  const std::string site = host.Paths().SiteFolder();
  EXPECT_EQ(MapLocalToUrl(host, base::AsciiLower(site) + "a\\INDEX.htm"), "http://www.a.com/");
  EXPECT_EQ(host.Column("Select Browsed From URLs", "Browsed"), std::vector<std::string>{"TRUE"});
  EXPECT_EQ(MapLocalToUrl(host, base::AsciiLower(site) + "b\\x.htm"),
            base::AsciiLower(site) + "b\\x.htm");
}

}  // namespace
}  // namespace browsim
