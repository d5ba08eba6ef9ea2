// The action-setting and hyperlink checks as rule rows over a presentation built in code: links
// on shapes and on runs, a jump to a slide, sounds, mouse-over, text found across runs, what a
// missing slide or shape reads as, and how a link's address is matched.
#include <gtest/gtest.h>

#include "grading/slidemark/checks/actions.h"
#include "grading/slidemark/testing/rule_cases.h"
#include "grading/slidemark/testing/slide_fixture.h"

namespace slidemark {
namespace {

namespace pt = powerpoint::testing;
using testing::RunCases;

constexpr char kRelationships[] =
    R"(<Relationship Id="rIdWeb" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/hyperlink" Target="HTTPS://Example.com/Docs/" TargetMode="External"/>)"
    R"(<Relationship Id="rIdOther" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/hyperlink" Target="http://other.example/" TargetMode="External"/>)"
    R"(<Relationship Id="rIdFile" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/hyperlink" Target="file:///C:\exam\Report.DOC" TargetMode="External"/>)"
    R"(<Relationship Id="rIdSlide" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/slide" Target="slide3.xml"/>)"
    R"(<Relationship Id="rIdSound" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/audio" Target="../media/applause.wav"/>)";

const std::string kWebClick = R"(<a:hlinkClick r:id="rIdWeb"/>)";
const std::string kOtherClick = R"(<a:hlinkClick r:id="rIdOther"/>)";
const std::string kFileClick = R"(<a:hlinkClick r:id="rIdFile" action="ppaction://hlinkfile"/>)";
const std::string kEndShowHover =
    R"(<a:hlinkHover r:id="" action="ppaction://hlinkshowjump?jump=endshow"/>)";
const std::string kJumpWithSound =
    R"(<a:hlinkClick r:id="rIdSlide" action="ppaction://hlinksldjump">)"
    R"(<a:snd r:embed="rIdSound" name="Applause.wav"/></a:hlinkClick>)";
const std::string kSoundOnly = R"(<a:hlinkClick r:id="" action="ppaction://noaction">)"
                               R"(<a:snd r:embed="rIdSound" name="Applause.wav"/></a:hlinkClick>)";

// A rectangle whose p:cNvPr holds `links`, with the text `text`.
std::string LinkedShape(int32_t id, const std::string& links, const std::string& text) {
  const std::string number = std::to_string(id);
  return "<p:sp><p:nvSpPr><p:cNvPr id=\"" + number + "\" name=\"Link " + number + "\">" + links +
         "</p:cNvPr><p:cNvSpPr/><p:nvPr/></p:nvSpPr><p:spPr>" + pt::Xfrm(pt::Box{}) +
         R"(<a:prstGeom prst="rect"><a:avLst/></a:prstGeom></p:spPr>)" +
         pt::TextBody(pt::TextPara(text)) + "</p:sp>";
}

// A run whose a:rPr holds `link`.
std::string LinkedRun(const std::string& text, const std::string& link) {
  return pt::Run(text, "", link);
}

// Slide 1: shapes 1-3 link on the shape (web with an end-show mouse-over; a file; a jump to slide
// 3 with a sound); shape 4 reads "Go website" with "web" linked to the web and "site" jumping to
// slide 3; shapes 5 and 6 both read "Home", linking elsewhere and to the web; shape 7 "Cheer"
// plays a sound; shape 8 "Home page" links to the web on the shape only. Slide 2 is blank; slide
// 3 (id 257) is titled "Summary".
pt::PptxContent Deck() {
  const pt::Box box{};
  pt::SlideXml first;
  first.relationships = kRelationships;
  first.shapes = LinkedShape(2, kWebClick + kEndShowHover, "Web") +
                 LinkedShape(3, kFileClick, "File") + LinkedShape(4, kJumpWithSound, "Jump") +
                 pt::TextBox(5, "Mixed", box,
                             pt::Para(pt::Run("Go ") + LinkedRun("web", kWebClick) +
                                      LinkedRun("site", kJumpWithSound))) +
                 pt::TextBox(6, "Home elsewhere", box, pt::Para(LinkedRun("Home", kOtherClick))) +
                 pt::TextBox(7, "Home here", box, pt::Para(LinkedRun("Home", kWebClick))) +
                 pt::TextBox(8, "Cheer", box, pt::Para(LinkedRun("Cheer", kSoundOnly))) +
                 LinkedShape(9, kWebClick, "Home page");
  pt::PptxContent content;
  content.slides = {first, pt::SlideXml("", 1, 300),
                    pt::SlideXml(pt::Placeholder(2, "Title 1", R"(type="title")", nullptr,
                                                 pt::TextPara("Summary")),
                                 0, 257)};
  return content;
}

class Actions : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(opened_.Opened()); }
  testing::OpenedPresentation opened_{Deck()};
};

TEST(AddressMatches, OldMatchesStillMatchAndCapitalsOrATrailingSlashNowMatch) {
  const struct {
    const char* name;
    const char* link;
    const char* expected;
    bool matches;
  } rows[] = {
      {"lower case without the slash, as before", "HTTPS://Example.com/Docs/",
       "https://example.com/docs", true},
      {"expected with its trailing slash", "HTTPS://Example.com/Docs/", "https://example.com/docs/",
       true},
      {"expected with capitals", "HTTPS://Example.com/Docs/", "HTTPS://Example.com/Docs", true},
      {"expected with capitals and the slash", "https://example.com/docs",
       "HTTPS://EXAMPLE.COM/DOCS/", true},
      // Only one slash goes from the link; the expected one merely lower-cased still matches.
      {"a doubled slash, as before", "http://a.example//", "http://a.example/", true},
      {"a doubled slash is not a single one", "http://a.example//", "http://a.example", false},
      {"another address", "HTTPS://Example.com/Docs/", "https://example.com/other", false},
      {"another scheme", "http://example.com/docs", "https://example.com/docs", false},
      {"no link and nothing expected", "", "", true},
      {"no link and an address expected", "", "https://example.com", false},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(AddressMatches(row.link, row.expected), row.matches) << row.name;
  }
}

TEST(AddressParts, SubAddressAndFileParts) {
  const struct {
    const char* subAddress;
    const char* part;
  } subAddresses[] = {
      {"257,3,Summary", "3"}, {"257,12,", "12"}, {"257,3", "3"}, {"257", ""}, {"", ""}, {",,", ""}};
  for (const auto& row : subAddresses) {
    EXPECT_EQ(SubAddressPart(row.subAddress), row.part) << row.subAddress;
  }
  const struct {
    const char* address;
    const char* file;
  } files[] = {{"file:///C:\\exam\\Report.DOC", "Report.DOC"},
               {"C:/exam\\sub/notes.txt", "notes.txt"},
               {"notes.txt", "notes.txt"},
               {"http://example.com/", ""}};
  for (const auto& row : files) EXPECT_EQ(FilePartOf(row.address), row.file) << row.address;
}

TEST_F(Actions, ShapeSettings) {
  RunCases(opened_,
           {
               {"SHAPEACTIONSETTING a hyperlink on click",
                {"SHAPEACTIONSETTING", "1", "1", "7", "1"},
                1},
               {"SHAPEACTIONSETTING end show on mouse-over",
                {"SHAPEACTIONSETTING", "1", "1", "6", "2"},
                1},
               {"SHAPEACTIONSETTING another action", {"SHAPEACTIONSETTING", "1", "1", "1", "1"}, 0},
               {"SHAPEACTIONSETTING no such index reads 0",
                {"SHAPEACTIONSETTING", "1", "1", "0", "3"},
                1},
               {"SHAPEHYPERLINKURL",
                {"SHAPEHYPERLINKURL", "1", "1", "https://example.com/docs", "1"},
                1},
               {"SHAPEHYPERLINKURL with the slash",
                {"SHAPEHYPERLINKURL", "1", "1", "https://example.com/docs/", "1"},
                1},
               {"SHAPEHYPERLINKURL on mouse-over, no address",
                {"SHAPEHYPERLINKURL", "1", "1", "https://example.com/docs", "2"},
                0},
               {"SHAPEHYPERLINKFILE case ignored",
                {"SHAPEHYPERLINKFILE", "1", "2", "report.doc", "1"},
                1},
               {"SHAPEHYPERLINKFILE with its folder",
                {"SHAPEHYPERLINKFILE", "1", "2", "exam\\Report.DOC", "1"},
                0},
               {"SHAPEHYPERLINKSETTING a jump to slide 3",
                {"SHAPEHYPERLINKSETTING", "1", "3", "3", "1"},
                1},
               {"SHAPEHYPERLINKSETTING not the slide id",
                {"SHAPEHYPERLINKSETTING", "1", "3", "257", "1"},
                0},
               {"SHAPEACTIONSETTINGSOUND exact",
                {"SHAPEACTIONSETTINGSOUND", "1", "3", "Applause.wav", "1"},
                1},
               {"SHAPEACTIONSETTINGSOUND another case",
                {"SHAPEACTIONSETTINGSOUND", "1", "3", "applause.wav", "1"},
                0},
           });
}

TEST_F(Actions, ShapeTextSettings) {
  RunCases(
      opened_,
      {
          {"TXTACTIONSETTING the first run decides", {"TXTACTIONSETTING", "1", "4", "0", "1"}, 1},
          {"TXTACTIONSETTING a linked text", {"TXTACTIONSETTING", "1", "6", "7", "1"}, 1},
          {"TXTACTIONSETTING a link on the shape only",
           {"TXTACTIONSETTING", "1", "8", "7", "1"},
           0},
          {"TXTHYPERLINKURL with capitals",
           {"TXTHYPERLINKURL", "1", "6", "HTTPS://Example.com/Docs/", "1"},
           1},
          {"TXTHYPERLINKURL another address",
           {"TXTHYPERLINKURL", "1", "5", "https://example.com/docs", "1"},
           0},
          {"TXTHYPERLINKSETTING of a plain first run",
           {"TXTHYPERLINKSETTING", "1", "4", "", "1"},
           1},
          {"TXTACTIONSETTINGSOUND case ignored",
           {"TXTACTIONSETTINGSOUND", "1", "7", "APPLAUSE.WAV", "1"},
           1},
          {"TXTHYPERLINKSETTINGURL walks on to the matching shape",
           {"TXTHYPERLINKSETTINGURL", "1", "Home", "https://example.com/docs/", "1"},
           1},
          {"TXTHYPERLINKSETTINGURL the whole text only",
           {"TXTHYPERLINKSETTINGURL", "1", "Hom", "https://example.com/docs", "1"},
           0},
          {"TXTHYPERLINKSETTINGURL a longer text is no match",
           {"TXTHYPERLINKSETTINGURL", "1", "Home page", "https://example.com/docs", "1"},
           0},
      });
}

// "Go website": "Go " plain, "web" to the web, "site" to slide 3 with a sound.
TEST_F(Actions, TextFoundInAShapeReadsItsFirstRun) {
  RunCases(
      opened_,
      {
          {"URL of text across the web and slide runs",
           {"TXTINSLIDESHAPEACTIONSETTINGURL", "1", "4", "ebsi", "https://example.com/docs/", "1"},
           1},
          {"URL with capitals now matches",
           {"TXTINSLIDESHAPEACTIONSETTINGURL", "1", "4", "web", "HTTPS://EXAMPLE.COM/DOCS", "1"},
           1},
          {"URL of text across the plain and web runs",
           {"TXTINSLIDESHAPEACTIONSETTINGURL", "1", "4", "Go w", "https://example.com/docs", "1"},
           0},
          {"URL of text not there",
           {"TXTINSLIDESHAPEACTIONSETTINGURL", "1", "4", "Web", "https://example.com/docs", "1"},
           0},
          {"ACTION across the plain and web runs",
           {"TXTINSLIDESHAPEACTIONSETTINGACTION", "1", "4", "o we", "0", "1"},
           1},
          {"ACTION of the slide run",
           {"TXTINSLIDESHAPEACTIONSETTINGACTION", "1", "4", "site", "7", "1"},
           1},
          {"SUBADDRESS slide 3",
           {"TXTINSLIDESHAPEACTIONSETTINGSUBADDRESS", "1", "4", "site", "3", "1"},
           1},
          {"SUBADDRESS of the web run is empty",
           {"TXTINSLIDESHAPEACTIONSETTINGSUBADDRESS", "1", "4", "websi", "3", "1"},
           0},
          {"SOUND case ignored",
           {"TXTINSLIDESHAPEACTIONSETTINGSOUND", "1", "4", "sit", "applause.WAV", "1"},
           1},
          {"SOUND on mouse-over is none",
           {"TXTINSLIDESHAPEACTIONSETTINGSOUND", "1", "4", "sit", "applause.wav", "2"},
           0},
      });
}

TEST_F(Actions, MissingSlidesAndShapesReadAsZeroOrEmpty) {
  RunCases(
      opened_,
      {
          {"SHAPEACTIONSETTING missing shape, 0", {"SHAPEACTIONSETTING", "1", "20", "0", "1"}, 1},
          {"SHAPEACTIONSETTING missing slide, 0", {"SHAPEACTIONSETTING", "9", "1", "0", "1"}, 1},
          {"SHAPEACTIONSETTING missing shape, 7", {"SHAPEACTIONSETTING", "1", "20", "7", "1"}, 0},
          {"TXTACTIONSETTING missing slide, 0", {"TXTACTIONSETTING", "9", "9", "0", "1"}, 1},
          {"SHAPEHYPERLINKURL missing shape, empty", {"SHAPEHYPERLINKURL", "1", "20", "", "1"}, 1},
          {"SHAPEHYPERLINKURL missing shape, an address",
           {"SHAPEHYPERLINKURL", "1", "20", "https://example.com/docs", "1"},
           0},
          {"SHAPEHYPERLINKSETTING missing slide, empty",
           {"SHAPEHYPERLINKSETTING", "9", "1", "", "1"},
           1},
          {"SHAPEHYPERLINKFILE missing shape, empty",
           {"SHAPEHYPERLINKFILE", "1", "20", "", "1"},
           1},
          {"SHAPEACTIONSETTINGSOUND missing shape, empty",
           {"SHAPEACTIONSETTINGSOUND", "1", "20", "", "1"},
           1},
          {"TXTHYPERLINKSETTINGURL missing slide", {"TXTHYPERLINKSETTINGURL", "9", "", "", "1"}, 0},
          {"TXTINSLIDESHAPE text in a missing shape never occurs",
           {"TXTINSLIDESHAPEACTIONSETTINGACTION", "1", "20", "", "0", "1"},
           0},
      });
}

TEST_F(Actions, RowsReadTheirCells) {
  const struct {
    std::vector<std::string> cells;
    int16_t lastColumn;
  } rows[] = {
      {{"SHAPEACTIONSETTING", "1", "1", "7", "1"}, 5},
      {{"TXTHYPERLINKSETTINGURL", "1", "Home", "https://example.com/docs", "1"}, 5},
      {{"TXTINSLIDESHAPEACTIONSETTINGSOUND", "1", "4", "site", "Applause.wav", "1"}, 6},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(opened_.Rule(row.cells), 1) << row.cells[0];
    EXPECT_EQ(opened_.LastColumnRead(), row.lastColumn) << row.cells[0];
  }
}

}  // namespace
}  // namespace slidemark
