// Opening presentations, the slide collection, layouts, the template name and the application.
#include <gtest/gtest.h>

#include "platform/office/powerpoint/application.h"
#include "platform/office/powerpoint/constants.h"
#include "platform/office/powerpoint/testing/open_pptx.h"
#include "platform/office/powerpoint/testing/pptx_writer.h"

namespace powerpoint {
namespace {

using testing::OpenPptx;
using testing::PptxContent;
using testing::SlideXml;

PptxContent ThreeSlides() {
  PptxContent content;
  content.slides = {SlideXml{"", 0, 300}, SlideXml{"", 1, 257}, SlideXml{"", 3, 0}};
  return content;
}

TEST(Presentation, SlidesFollowTheIdListWithTheirIdsAndIndexes) {
  OpenPptx open(ThreeSlides());
  ASSERT_NE(open.Get(), nullptr);
  const Slides& slides = open.Get()->Slides();
  ASSERT_EQ(slides.Count(), 3);
  const int32_t ids[] = {300, 257, 258};
  for (int32_t i = 1; i <= 3; ++i) {
    base::Result<Slide*> slide = slides.Item(i);
    ASSERT_TRUE(slide);
    EXPECT_EQ((*slide)->SlideID(), ids[i - 1]);
    EXPECT_EQ((*slide)->SlideIndex(), i);
  }
  EXPECT_FALSE(slides.Item(0));
  EXPECT_FALSE(slides.Item(4));
  base::Result<Slide*> byId = slides.FindBySlideID(257);
  ASSERT_TRUE(byId);
  EXPECT_EQ((*byId)->SlideIndex(), 2);
  EXPECT_FALSE(slides.FindBySlideID(999));
}

TEST(Presentation, LayoutNumbersComeFromTheLayoutType) {
  PptxContent content;
  content.layouts = testing::DefaultLayouts();
  content.layouts.push_back({"Mine", "", ""});
  content.layouts.push_back({"Section", "secHead", ""});
  struct Row {
    const char* name;
    int32_t layout;
    int32_t expected;
  } rows[] = {
      {"title slide", 0, ppLayoutTitle},        {"title and content", 1, ppLayoutObject},
      {"title only", 2, ppLayoutTitleOnly},     {"blank", 3, ppLayoutBlank},
      {"no type is custom", 4, ppLayoutCustom}, {"section header", 5, ppLayoutSectionHeader},
  };
  for (const Row& row : rows) content.slides.push_back(SlideXml{"", row.layout});
  OpenPptx open(content);
  ASSERT_NE(open.Get(), nullptr);
  for (size_t i = 0; i < std::size(rows); ++i) {
    SCOPED_TRACE(rows[i].name);
    base::Result<Slide*> slide = open.Get()->Slides().Item(static_cast<int32_t>(i + 1));
    ASSERT_TRUE(slide);
    base::Result<int32_t> layout = (*slide)->Layout();
    ASSERT_TRUE(layout) << layout.error().message;
    EXPECT_EQ(*layout, rows[i].expected);
  }
  base::Result<const CustomLayout*> custom = (*open.Get()->Slides().Item(2))->CustomLayout();
  ASSERT_TRUE(custom);
  EXPECT_EQ((*custom)->Name(), "Title and Content");
}

TEST(Presentation, TemplateNameComesFromTheApplicationProperties) {
  struct Row {
    const char* name;
    const char* templateName;
    bool appXml;
    const char* expected;
  } rows[] = {
      {"written", "Office 主题", true, "Office 主题"},
      {"no Template element", "", true, ""},
      {"no app.xml", "", false, ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    PptxContent content = ThreeSlides();
    content.templateName = row.templateName;
    content.appXml = row.appXml;
    OpenPptx open(content);
    ASSERT_NE(open.Get(), nullptr);
    base::Result<std::string> name = open.Get()->TemplateName();
    ASSERT_TRUE(name);
    EXPECT_EQ(*name, row.expected);
  }
}

TEST(Presentation, MasterSizeAndNames) {
  OpenPptx open(ThreeSlides());
  ASSERT_NE(open.Get(), nullptr);
  EXPECT_EQ(open.Get()->Name(), "test.pptx");
  EXPECT_EQ(open.Get()->FullName(), "C:\\test.pptx");
  EXPECT_FLOAT_EQ(open.Get()->SlideWidth(), 960.0f);
  EXPECT_FLOAT_EQ(open.Get()->SlideHeight(), 540.0f);
  base::Result<const Master*> master = open.Get()->SlideMaster();
  ASSERT_TRUE(master);
  EXPECT_EQ((*master)->Shapes().Count(), 5);
}

TEST(Presentation, FilesThatAreNoPresentationFailToOpen) {
  base::Result<std::string> good = testing::PptxBytes(ThreeSlides());
  ASSERT_TRUE(good);
  std::string truncated = good->substr(0, good->size() / 2);
  struct Row {
    const char* name;
    std::string bytes;
  } rows[] = {
      {"empty", ""},
      {"text", "hello"},
      {"binary presentation", std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + "rest"},
      {"truncated package", truncated},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Application app;
    base::Result<Presentation*> opened = app.Presentations().OpenBytes("C:\\bad.pptx", row.bytes);
    EXPECT_FALSE(opened);
    EXPECT_EQ(app.Presentations().Count(), 0);
    EXPECT_FALSE(app.ActivePresentation());
  }
}

TEST(Presentation, DamagedPartsMakeItUnreadable) {
  struct Row {
    const char* name;
    PptxContent content;
  } rows[] = {
      {"slide part not XML",
       [] {
         PptxContent c = ThreeSlides();
         c.slides[0].shapes = "<p:sp>";
         return c;
       }()},
      {"slide id not a number",
       [] {
         PptxContent c = ThreeSlides();
         c.slides[0].id = -5;
         return c;
       }()},
      {"colour map naming no colour",
       [] {
         PptxContent c = ThreeSlides();
         c.clrMap = R"(bg1="nothing")";
         return c;
       }()},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    base::Result<std::string> bytes = testing::PptxBytes(row.content);
    ASSERT_TRUE(bytes);
    Application app;
    EXPECT_FALSE(app.Presentations().OpenBytes("C:\\bad.pptx", *bytes));
  }
}

TEST(Presentation, OpensFromAPathAndClosesWithoutWriting) {
  testing::TempFolder folder("ppt_open");
  const std::filesystem::path file = folder.Path() / "a.pptx";
  ASSERT_TRUE(testing::WritePptx(file, ThreeSlides()));
  const auto before = std::filesystem::last_write_time(file);
  const auto size = std::filesystem::file_size(file);
  Application app;
  base::Result<Presentation*> opened = app.Presentations().Open("C:\\a.pptx", file);
  ASSERT_TRUE(opened) << opened.error().message;
  base::Result<Presentation*> again = app.Presentations().Open("c:\\A.PPTX", file);
  ASSERT_TRUE(again);
  EXPECT_EQ(*again, *opened);
  EXPECT_EQ(app.Presentations().Count(), 1);
  ASSERT_TRUE(app.ActivePresentation());
  (*opened)->Close();
  EXPECT_EQ(app.Presentations().Count(), 0);
  EXPECT_FALSE(app.ActivePresentation());
  EXPECT_EQ(std::filesystem::last_write_time(file), before);
  EXPECT_EQ(std::filesystem::file_size(file), size);
  EXPECT_FALSE(app.Presentations().Open("C:\\missing.pptx", folder.Path() / "missing.pptx"));
}

TEST(Presentation, QuitClosesEveryPresentation) {
  base::Result<std::string> bytes = testing::PptxBytes(ThreeSlides());
  ASSERT_TRUE(bytes);
  Application app;
  ASSERT_TRUE(app.Presentations().OpenBytes("C:\\a.pptx", *bytes));
  ASSERT_TRUE(app.Presentations().OpenBytes("C:\\b.pptx", *bytes));
  EXPECT_EQ(app.Presentations().Count(), 2);
  ASSERT_TRUE(app.Presentations().Item("a.pptx"));
  EXPECT_FALSE(app.Presentations().Item("c.pptx"));
  app.Quit();
  EXPECT_EQ(app.Presentations().Count(), 0);
}

}  // namespace
}  // namespace powerpoint
