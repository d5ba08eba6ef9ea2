#include "browsim/core/navigation.h"

#include <gtest/gtest.h>

#include <string>

#include "browsim/core/testing/fake_host.h"
#include "platform/base/text.h"

namespace browsim {
namespace {

using testing::FakeHost;

TEST(ClassifyAddress, SendsEachAddressToItsService) {
  const std::string at254 = "http://a/" + std::string(254 - 9, 'x');
  const std::string at255 = at254 + "x";
  // 85 Chinese characters are 255 bytes in UTF-8 and 170 in GBK.
  std::string chinese = "http://a/";
  for (int i = 0; i < 85; ++i) chinese += "中";
  struct Case {
    const char* name;
    std::string address;
    NavigationKind kind;
  } cases[] = {
      {"http", "http://www.x.com/", NavigationKind::Web},
      {"https", "https://www.x.com/", NavigationKind::Web},
      {"ftp", "ftp://ftp.x.com/", NavigationKind::Web},
      {"mail", "email://showmail?id=1", NavigationKind::Mail},
      {"search", "search://?keyword=a", NavigationKind::Search},
      {"local file", "z:\\prog\\site\\a\\index.htm", NavigationKind::Local},
      {"blank page", "about:blank", NavigationKind::Local},
      {"254 bytes", at254, NavigationKind::Web},
      {"255 bytes", at255, NavigationKind::Unexamined},
      {"long in UTF-8, short in GBK", chinese, NavigationKind::Web},
      {"long mail", "email://sendmail?content=" + std::string(400, 'a'), NavigationKind::Mail},
      {"long search", "search://?keyword=" + std::string(400, 'a'), NavigationKind::Search},
  };
  for (const Case& c : cases) EXPECT_EQ(ClassifyAddress(c.address), c.kind) << c.name;
}

TEST(SearchEngineAddress, BuildsEachEnginesSearch) {
  EXPECT_EQ(SearchEngineAddress("baidu", "kw"), "http://www.baidu.com/s?wd=kw");
  EXPECT_EQ(SearchEngineAddress("", "kw"), "http://www.so.com/s?q=kw");
  EXPECT_EQ(SearchEngineAddress("so", "kw"), "http://www.so.com/s?q=kw");
  EXPECT_EQ(SearchEngineAddress("Google", "kw"), "http://www.google.com/#newwindow=1&q=kw");
  EXPECT_EQ(SearchEngineAddress("bing", "kw"), "");
}

class Dispatch : public ::testing::Test {
 protected:
  Dispatch()
      : host_(
            "INSERT INTO URLs (URL, FakeURL, keyword, ItemScore) VALUES "
            "('http://www.x.com/', 'x\\index.htm', 'xkw', 5),"
            "('http://www.x.com/', 'y\\other.htm', NULL, 0),"
            "('http://www.noc.com/', '', NULL, 0),"
            "('ftp://ftp.x.com/', 'ftp\\index.htm', NULL, 0),"
            "('http://www.so.com/s?q=kw', 'so\\kw.htm', NULL, 0);"),
        history_(host_),
        dispatch_(host_, history_, extensions_) {}

  std::string Browsed(const std::string& url) {
    const auto v = host_.Column("Select Browsed From URLs where URL=? order by ID", "Browsed",
                                {ado::Variant::String(url)});
    std::string all;
    for (const auto& s : v) all += s + ",";
    return all;
  }

  FakeHost host_;
  BrowserExtensions extensions_;
  VisitHistory history_;
  NavigationDispatch dispatch_;
};

TEST_F(Dispatch, AMappedAddressLoadsItsLocalCopyAndMarksOnlyTheFirstRow) {
  const NavigationOutcome o = dispatch_.BeforeNavigate("HTTP://WWW.X.COM/");
  EXPECT_FALSE(o.proceed);
  EXPECT_EQ(o.loadInstead, host_.Paths().SiteFolder() + "x\\index.htm");
  EXPECT_EQ(Browsed("http://www.x.com/"), "TRUE,FALSE,");
  // The local copy's own navigation is recorded under the real address.
  const NavigationOutcome local = dispatch_.BeforeNavigate(o.loadInstead);
  EXPECT_TRUE(local.proceed);
  EXPECT_EQ(host_.Column("Select Parameter From Log where Action='打开网址'", "Parameter"),
            std::vector<std::string>{"http://www.x.com/"});
}

TEST_F(Dispatch, EachKindOfAddressIsHandledByItsRule) {
  struct Case {
    const char* name;
    std::string address;
    bool proceed;
    std::string loadInstead;
    std::string recorded;  // the 打开网址 parameter, "" for none
  } cases[] = {
      {"unmapped http goes ahead, recorded", "http://www.none.com/a", true, "",
       "http://www.none.com/a"},
      {"empty FakeURL keeps the real address", "http://www.noc.com/", true, "",
       "http://www.noc.com/"},
      {"ftp is mapped", "ftp://ftp.x.com/", false, host_.Paths().SiteFolder() + "ftp\\index.htm",
       ""},
      {"a local file outside the site", "c:\\Other\\A.htm", true, "",
       base::AsciiLower(host_.Paths().SiteFolder()) + "c:\\other\\a.htm"},
      {"a blank page", "about:blank", true, "",
       base::AsciiLower(host_.Paths().SiteFolder()) + "about:blank"},
      {"too long", "http://a/" + std::string(300, 'b'), true, "", ""},
  };
  for (const Case& c : cases) {
    const long before = host_.Count("Select * From Log where Action='打开网址'");
    const NavigationOutcome o = dispatch_.BeforeNavigate(c.address);
    EXPECT_EQ(o.proceed, c.proceed) << c.name;
    EXPECT_EQ(o.loadInstead, c.loadInstead) << c.name;
    const auto logged =
        host_.Column("Select Parameter From Log where Action='打开网址' order by ID", "Parameter");
    if (c.recorded.empty()) {
      EXPECT_EQ(static_cast<long>(logged.size()), before) << c.name;
    } else {
      EXPECT_EQ(logged.empty() ? "" : logged.back(), c.recorded) << c.name;
    }
  }
  EXPECT_EQ(Browsed("http://www.noc.com/"), "TRUE,");
  EXPECT_TRUE(host_.failures.empty());
}

TEST_F(Dispatch, MailAddressesGoToTheMailServiceInLowerCase) {
  std::vector<std::string> served;
  extensions_.mail = [&](BrowserHost&, const std::string& a) { served.push_back(a); };
  const NavigationOutcome o = dispatch_.BeforeNavigate("EMAIL://showmail?ID=3");
  EXPECT_FALSE(o.proceed);
  EXPECT_EQ(served, std::vector<std::string>{"email://showmail?id=3"});
  // Without a mail service the address is still never loaded.
  extensions_.mail = nullptr;
  EXPECT_FALSE(dispatch_.BeforeNavigate("email://quit").proceed);
}

TEST_F(Dispatch, SearchGoesToTheKeywordsRowOrTheEnginesPage) {
  struct Case {
    const char* name;
    const char* address;
    std::vector<std::string> navigations;
  } cases[] = {
      {"keyword with a row, any engine",
       "search://?keyword=xkw/&engine=baidu",
       {"http://www.x.com/"}},
      {"no engine means so", "search://?keyword=kw", {"http://www.so.com/s?q=kw"}},
      {"baidu", "search://?keyword=kw&engine=baidu", {"http://www.baidu.com/s?wd=kw"}},
      {"unknown engine does nothing", "search://?keyword=kw&engine=bing", {}},
      {"empty keyword does nothing", "search://?keyword=/&engine=so", {}},
      {"a keyword quoting SQL is only a value",
       "search://?keyword=x'or'1'='1",
       {"http://www.so.com/s?q=x'or'1'='1"}},
  };
  for (const Case& c : cases) {
    host_.navigations.clear();
    EXPECT_FALSE(dispatch_.BeforeNavigate(c.address).proceed) << c.name;
    EXPECT_EQ(host_.navigations, c.navigations) << c.name;
  }
  EXPECT_TRUE(host_.failures.empty());
}

}  // namespace
}  // namespace browsim
