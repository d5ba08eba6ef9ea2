// The picture keyword over small pages: each case a rule and its verdict.
#include "grading/webmark/checks/image.h"

#include <gtest/gtest.h>

#include <fstream>

#include "grading/webmark/testing/page_under_test.h"
#include "grading/webmark/testing/rule_cases.h"
#include "grading/webmark/testing/web_fixture.h"

namespace webmark {
namespace {

using List = std::vector<std::string>;
constexpr std::string_view kPage =
    "<html><body>\n"
    "<p id=intro>Intro text</p>\n"
    "<p align=center>Before <b>bold</b> words<img id=pic1 src=\"images/a.gif\" width=120 "
    "height=60 hspace=5 border=2>after text</p>\n"
    "<map name=\"m1\"><area shape=rect coords=\"0,0,1,1\" href=a.htm>"
    "<area shape=circle coords=\"5,5,3\" href=b.htm></map>\n"
    "<table id=t1><tr><td align=center><img id=cellpic src=\"x/b.gif\" usemap=\"#m1\" "
    "vspace=\"wide\"></td></tr></table>\n"
    "<div><img id=divpic src=\"c.gif\" usemap=\"#later\"></div>\n"
    "<map name=later><area shape=poly></map>\n"
    "<img id=bare src=\"pic2.gif\" usemap=\"\"><img id=pic2 src=\"e.gif\" width=7>\n"
    "<p>Below text</p>\n"
    "</body></html>\n";

using testing::ExpectRuleCases;

TEST(ImageKeyword, RulesOverAPage) {
  ExpectRuleCases(
      kPage,
      {
          {"found by id", {"Image", "PIC1"}, {"width", "120", "height", "60"}, true},
          {"found by a part of src", {"Image", "a.gif"}, {"border", "2"}, true},
          {"src before a later id", {"Image", "pic2"}, {"width", "0"}, true},
          {"no such picture", {"Image", "nothing"}, {}, false},
          {"leading number of the value", {"Image", "pic1"}, {"width", "120px"}, true},
          {"other width", {"Image", "pic1"}, {"width", "121"}, false},
          {"value without a number", {"Image", "bare"}, {"width", "wide"}, false},
          {"spacing", {"Image", "pic1"}, {"hspace", "5", "vspace", "0"}, true},
          // A spacing value must be a number through and through, unlike a size.
          {"spacing with a unit", {"Image", "pic1"}, {"hspace", "5px"}, false},
          {"spacing with blanks and a fraction", {"Image", "pic1"}, {"hspace", " 5.0 "}, true},
          {"vertical spacing with a unit", {"Image", "pic1"}, {"vspace", "0px"}, false},
          {"spacing not a number on the page", {"Image", "cellpic"}, {"vspace", "0"}, false},
          {"resolved href", {"Image", "pic1"}, {"href", "Fropkt/IMAGES/a.gif"}, true},
          {"other href", {"Image", "pic1"}, {"href", "b.gif"}, false},
          {"align of the paragraph", {"Image", "pic1"}, {"align", "CENTER"}, true},
          {"align of neither", {"Image", "pic1"}, {"align", "left"}, false},
          {"align of the cell", {"Image", "cellpic"}, {"align", "center"}, true},
          {"align other than the cell's", {"Image", "cellpic"}, {"align", "right"}, false},
          {"align in a div", {"Image", "divpic"}, {"align", "anything"}, true},
          {"leader text", {"Image", "pic1"}, {"LEADERTEXT", "bold WORDS"}, true},
          {"leader text elsewhere", {"Image", "pic1"}, {"LEADERTEXT", "Before"}, false},
          {"follow text", {"Image", "pic1"}, {"FOLLOWTEXT", "after"}, true},
          {"follow text elsewhere", {"Image", "pic1"}, {"FOLLOWTEXT", "text"}, false},
          {"leader text outside a paragraph", {"Image", "cellpic"}, {"LEADERTEXT", ""}, false},
          {"text above from a cell", {"Image", "cellpic"}, {"TEXTABOVE", "bold"}, true},
          {"text above reads the picture's own paragraph",
           {"Image", "pic1"},
           {"TEXTABOVE", "Intro"},
           false},
          {"text below", {"Image", "bare"}, {"TEXTBELOW", "below"}, true},
          {"text below elsewhere", {"Image", "bare"}, {"TEXTBELOW", "Intro"}, false},
          {"map shape", {"Image", "cellpic"}, {"1111111111MAPSHAPE", "CIRCLE"}, true},
          {"map without that shape", {"Image", "cellpic"}, {"1111111111MAPSHAPE", "poly"}, false},
          {"map after the picture", {"Image", "divpic"}, {"1111111111MAPSHAPE", "poly"}, false},
          {"no map", {"Image", "bare"}, {"1111111111MAPSHAPE", "rect"}, false},
          {"position condition", {"Image", "cellpic"}, {"tableid", "T1", "cellindex", "0"}, true},
          {"position outside a table", {"Image", "pic1"}, {"tableid", "t1"}, false},
          {"unknown key",
           {"Image", "pic1"},
           {"bogus", "1"},
           false,
           "(0)答案文件有错，关键字：[GeneralCheck]bogus=1"},
      });
}

TEST(ImageKeyword, TextAboveTheFirstPictureReadsWhereTheWalkStopped) {
  ExpectRuleCases("<html><body><div>head words<img id=p src=a.gif></div></body></html>",
                  {
                      {"body text", {"Image", "p"}, {"TEXTABOVE", "head"}, true},
                      {"other text", {"Image", "p"}, {"TEXTABOVE", "tail"}, false},
                  });
}

TEST(ImageKeyword, SizesFromThePictureFileWhenTheTagHasNone) {
  testing::WebFolders folders;
  std::filesystem::create_directories(folders.Check() / "images");
  {
    std::ofstream gif(folders.Check() / "images" / "p.gif", std::ios::binary);
    gif << std::string_view("GIF89a\x2c\x01\x32\x00\x00\x00\x00", 13);
  }
  ASSERT_TRUE(folders.WritePage("index.htm",
                                "<html><body><p><img src=images/p.gif><img src=images/none.gif>"
                                "<img src=images/p.gif width=40></p></body></html>"));
  struct SizeCase {
    const char* name;
    List object;
    List conditions;
    bool passed;
  } cases[] = {
      {"natural width and height", {"Image", "p.gif"}, {"width", "300", "height", "50"}, true},
      {"natural width differs", {"Image", "p.gif"}, {"width", "40"}, false},
      {"missing picture", {"Image", "none.gif"}, {"width", "0", "height", "0"}, true},
  };
  for (const SizeCase& c : cases) {
    SCOPED_TRACE(c.name);
    WebState state;
    state.Editor = std::make_unique<frontpage::Application>();
    base::Result<frontpage::PageWindow*> window =
        state.Editor->LocatePage((folders.Check() / "index.htm").string());
    ASSERT_TRUE(window);
    state.PageWindow = *window;
    state.Rules.push_back(RuleRecord{c.object, c.conditions, 2, 105, "d"});
    EXPECT_EQ(EvaluateRule(state, 1), c.passed);
  }
}

TEST(ImageKeyword, AWordArtsFallbackPictureIsNoPicture) {
  WebState state;
  ASSERT_TRUE(testing::OpenTestPage(state, "vml.htm"));
  state.Rules.push_back(RuleRecord{{"Image", "image001.gif"}, {}, 2, 105, "d"});
  EXPECT_FALSE(EvaluateRule(state, 1));
}

}  // namespace
}  // namespace webmark
