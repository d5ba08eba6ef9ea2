#include "platform/office/frontpage/application.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/office/frontpage/testing/pages.h"

namespace frontpage {
namespace {

namespace fs = std::filesystem;

// A candidate's folder of its own for each test, holding copies of test pages.
class ApplicationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* tmp = std::getenv("KIRV_TEST_TMP");
    folder_ = fs::path(tmp ? tmp : "/tmp") /
              (std::string("frontpage_") +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_ / "Fropkt" / "images");
    Copy("editor_gbk.htm", "Fropkt/index.htm");
    Copy("frames_gbk.htm", "Fropkt/frames.htm");
    Copy("images/banner.gif", "Fropkt/images/banner.gif");
  }
  void TearDown() override { fs::remove_all(folder_); }

  void Copy(const std::string& from, const std::string& to) {
    std::ofstream(folder_ / to, std::ios::binary) << testing::ReadTestPage(from);
  }
  std::string Path(const std::string& name) const { return (folder_ / name).string(); }

  fs::path folder_;
};

TEST_F(ApplicationTest, OpensAPageIntoTheActiveWindowAndClosesIt) {
  Application app;
  EXPECT_EQ(app.Version(), "6.0");
  EXPECT_EQ(app.ActivePageWindow(), nullptr);
  base::Result<PageWindow*> window = app.LocatePage(Path("Fropkt/index.htm"), 1);
  ASSERT_TRUE(window) << window.error().message;
  EXPECT_EQ(app.ActivePageWindow(), *window);
  const Document* doc = (*window)->document();
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(doc->title(), "我的 主页");
  // Not a frames page: the frame window shows the same document.
  EXPECT_EQ((*window)->frameWindow().document(), doc);
  // Pictures are found beside the page.
  EXPECT_EQ(doc->images().at(0)->Property("width")->number, 120);

  base::Result<PageWindow*> frames = app.LocatePage(Path("Fropkt/frames.htm"));
  ASSERT_TRUE(frames);
  EXPECT_EQ(app.ActivePageWindow(), *frames);
  EXPECT_EQ((*frames)->frameWindow().document()->all().tags("frameset").length(), 1);
  EXPECT_EQ(app.PageWindowCount(), 2);

  (*frames)->Close(0, 0);
  EXPECT_TRUE((*frames)->closed());
  EXPECT_EQ((*frames)->document(), nullptr);
  EXPECT_EQ(app.ActivePageWindow(), *window);
  app.Quit();
  EXPECT_EQ(app.ActivePageWindow(), nullptr);
  EXPECT_EQ(app.PageWindowCount(), 0);
}

TEST_F(ApplicationTest, PagesThatCannotBeReadAreRefusedWithTheReason) {
  // Bigger than any page: refused unread.
  {
    std::ofstream big(folder_ / "Fropkt" / "big.htm", std::ios::binary);
    big << std::string(kPageFileCap + 1, 'x');
  }
  fs::create_directories(folder_ / "outside");
  Copy("editor_gbk.htm", "outside/secret.htm");
  fs::create_symlink(folder_ / "outside" / "secret.htm", folder_ / "Fropkt" / "link.htm");
  fs::create_directory(folder_ / "Fropkt" / "folder.htm");

  struct Case {
    const char* name;
    const char* file;
  };
  const Case cases[] = {
      {"missing", "Fropkt/nosuch.htm"},
      {"too large", "Fropkt/big.htm"},
      {"a link out of the folder", "Fropkt/link.htm"},
      {"a folder", "Fropkt/folder.htm"},
  };
  Application app;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    base::Result<PageWindow*> window = app.LocatePage(Path(c.file));
    ASSERT_FALSE(window);
    EXPECT_EQ(window.error().code, kErrUnreadable);
    EXPECT_NE(window.error().message.find(fs::path(c.file).filename().string()), std::string::npos)
        << window.error().message;
    EXPECT_EQ(app.ActivePageWindow(), nullptr);
  }
  // A link that stays inside the folder is followed.
  fs::create_symlink(folder_ / "Fropkt" / "index.htm", folder_ / "Fropkt" / "inside.htm");
  EXPECT_TRUE(app.LocatePage(Path("Fropkt/inside.htm")));
}

TEST_F(ApplicationTest, PicturesOutsideTheReadFolderAreNotRead) {
  fs::create_directories(folder_ / "outside");
  Copy("images/logo.png", "outside/logo.png");
  fs::create_symlink(folder_ / "outside" / "logo.png", folder_ / "Fropkt" / "images" / "out.png");
  fs::create_symlink(folder_ / "Fropkt" / "images" / "banner.gif",
                     folder_ / "Fropkt" / "images" / "in.gif");
  {
    std::ofstream page(folder_ / "Fropkt" / "pics.htm", std::ios::binary);
    page << "<img src=\"images/out.png\"><img src=\"images/in.gif\">"
            "<img src=\"../outside/logo.png\">";
  }
  Application app;
  base::Result<PageWindow*> window = app.LocatePage(Path("Fropkt/pics.htm"));
  ASSERT_TRUE(window);
  const ElementList& images = (*window)->document()->images();
  EXPECT_EQ(images.at(0)->Property("width")->number, 0);
  EXPECT_EQ(images.at(1)->Property("width")->number, 120);
  EXPECT_EQ(images.at(2)->Property("width")->number, 0);
}

TEST_F(ApplicationTest, AWindowsFormPathFindsThePageWithoutRegardToCase) {
  ::setenv("KIRV_DRIVE_Q", folder_.c_str(), 1);
  Application app;
  base::Result<PageWindow*> window = app.LocatePage("Q:\\FROPKT\\Index.HTM");
  ASSERT_TRUE(window) << window.error().message;
  EXPECT_EQ((*window)->fileName(), "Q:\\FROPKT\\Index.HTM");
  const Element* banner = (*window)->document()->images().at(0);
  EXPECT_EQ(banner->Text("href").value_or(""), "file:///Q:/FROPKT/images/banner.gif");
  EXPECT_EQ(banner->Property("width")->number, 120);
  ::unsetenv("KIRV_DRIVE_Q");
}

TEST_F(ApplicationTest, BytesAlreadyReadOpenUnderTheirName) {
  Application app;
  base::Result<PageWindow*> window =
      app.LocatePageBytes(Path("Fropkt/index.htm"), testing::ReadTestPage("plain_utf8.htm"));
  ASSERT_TRUE(window);
  EXPECT_EQ((*window)->document()->title(), "统一编码页面");
  EXPECT_EQ((*window)->document()->charset(), Charset::Utf8);
}

}  // namespace
}  // namespace frontpage
