// Frames and reloads through the navigation hook, on Qt's offscreen platform: every frame of a
// page is a visit like the page, a frame asking for a real address gets its local copy, and a
// reload is no new visit.
#include <gtest/gtest.h>

#include <QTest>
#include <QWebEnginePage>
#include <filesystem>
#include <fstream>
#include <functional>

#include "browsim/frame/app.h"
#include "browsim/frame/command_ids.h"
#include "browsim/frame/testing/offscreen.h"
#include "netdb/testing/browser_steps.h"
#include "platform/win/message_box.h"

namespace {

namespace fs = std::filesystem;

using browsim::testing::WriteTestFile;

class Frames : public ::testing::Test {
 protected:
  void SetUp() override {
    browsim::testing::OffscreenApp();
    WriteTestFile(install_.Program() / "net.ini", "[browsimOE]\r\nSiteDir=Site\r\n");
    WriteTestFile(
        install_.Program() / "Site" / "demo" / "index.htm",
        "<html><head><title>Frames</title></head><body>"
        "<iframe id='web' src='http://www.demo.com/news.htm'></iframe>"
        "<iframe id='near' src='side.htm'></iframe><iframe id='empty'></iframe></body></html>");
    WriteTestFile(install_.Program() / "Site" / "demo" / "news.htm",
                  "<html><body>news</body></html>");
    WriteTestFile(install_.Program() / "Site" / "demo" / "side.htm",
                  "<html><body>side</body></html>");
    fs::create_directories(install_.Candidate() / "Netkt");
    ASSERT_TRUE(netdb::testing::MakeSeededDatabase(
        install_.Database(),
        "INSERT INTO URLs (URL, FakeURL, ItemScore) VALUES "
        "('http://www.demo.com/', 'demo\\index.htm', 0),"
        "('http://www.demo.com/news.htm', 'demo\\news.htm', 0),"
        "('http://www.demo.com/side.htm', 'demo\\side.htm', 0);"
        "INSERT INTO Options (StartPage) VALUES ('www.demo.com');"));
    ASSERT_TRUE(install_.PublishExamWindow());
  }

  // Polls the database now and then only: each look opens it, which slows the browser down.
  static bool Eventually(const std::function<bool()>& condition) {
    for (int i = 0; i < 100; ++i) {
      if (condition()) return true;
      QTest::qWait(200);
    }
    return condition();
  }

  std::vector<std::string> Visits() {
    return install_.Column("Select Parameter From Log where Action='打开网址' order by ID",
                           "Parameter");
  }

  browsim::testing::TestInstallation install_;
  win::MessageCapture boxes_;
};

TEST_F(Frames, EveryFrameIsAVisitAndAReloadIsNone) {
  // The start page is written without its scheme.
  auto frame = StartBrowsim(install_.Program() / "browsim");
  ASSERT_TRUE(frame);
  EXPECT_TRUE(Eventually([&] { return Visits().size() == 3; }))
      << ::testing::PrintToString(Visits());
  EXPECT_EQ(install_.Column("Select Browsed From URLs order by ID", "Browsed"),
            (std::vector<std::string>{"TRUE", "TRUE", "TRUE"}));
  std::vector<std::string> visits = Visits();
  std::sort(visits.begin(), visits.end());
  EXPECT_EQ(visits,
            (std::vector<std::string>{"http://www.demo.com/", "http://www.demo.com/news.htm",
                                      "http://www.demo.com/side.htm"}));
  // The frame that asked for the real address shows the local copy.
  EXPECT_TRUE(QTest::qWaitFor(
      [&] {
        return browsim::testing::RunScript(*frame->View()->page(),
                                           "document.getElementById('web').src")
            .toString()
            .endsWith("/Site/demo/news.htm");
      },
      10000));

  bool reloaded = false;
  QObject::connect(frame->View()->page(), &QWebEnginePage::loadFinished,
                   [&](bool ok) { reloaded = ok; });
  frame->OnCommand(browsim::cmd::kRefresh);
  ASSERT_TRUE(QTest::qWaitFor([&] { return reloaded; }, 20000));
  QTest::qWait(200);
  EXPECT_EQ(Visits().size(), 3u);
  EXPECT_TRUE(boxes_.Shown().empty());
}

}  // namespace
