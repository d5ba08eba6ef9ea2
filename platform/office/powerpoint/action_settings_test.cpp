// Action settings of shapes and text runs: the action numbers of the ppaction:// forms, the
// address of an external link, the sub-address of a jump to a slide, the sound's name, and
// what a shape or text without settings answers.
#include <gtest/gtest.h>

#include "platform/office/powerpoint/action_settings.h"
#include "platform/office/powerpoint/errors.h"
#include "platform/office/powerpoint/testing/open_pptx.h"
#include "platform/office/powerpoint/testing/pptx_writer.h"

namespace powerpoint {
namespace {

using testing::Box;
using testing::OpenPptx;
using testing::PptxContent;
using testing::SlideXml;

constexpr char kRels[] =
    R"(<Relationship Id="rIdWeb" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/hyperlink" Target="HTTPS://Example.com/Docs/" TargetMode="External"/>)"
    R"(<Relationship Id="rIdFile" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/hyperlink" Target="file:///C:\exam\Report.DOC" TargetMode="External"/>)"
    R"(<Relationship Id="rIdSlide" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/slide" Target="slide3.xml"/>)"
    R"(<Relationship Id="rIdSound" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/audio" Target="../media/applause.wav"/>)";

// A rectangle whose p:cNvPr holds `links`.
std::string LinkedShape(int32_t id, std::string_view links, std::string_view paragraphs = "") {
  return "<p:sp><p:nvSpPr><p:cNvPr id=\"" + std::to_string(id) + "\" name=\"Link " +
         std::to_string(id) + "\">" + std::string(links) +
         "</p:cNvPr><p:cNvSpPr/><p:nvPr/></p:nvSpPr><p:spPr>" + testing::Xfrm(Box{0, 0, 100, 50}) +
         R"(<a:prstGeom prst="rect"><a:avLst/></a:prstGeom></p:spPr>)" +
         testing::TextBody(paragraphs.empty() ? "<a:p/>" : paragraphs) + "</p:sp>";
}

std::string Click(std::string_view attributes, std::string_view children = "") {
  return "<a:hlinkClick " + std::string(attributes) + ">" + std::string(children) +
         "</a:hlinkClick>";
}

struct Row {
  const char* name;
  std::string links;  // inside p:cNvPr
  int32_t index;
  int32_t action;
  std::string address;
  std::string subAddress;
  std::string sound;  // "" when SoundEffect fails
};

const std::vector<Row>& Rows() {
  static const std::vector<Row> rows = {
      {"no action", "", ppMouseClick, ppActionNone, "", "", ""},
      {"a web link", Click(R"(r:id="rIdWeb")"), ppMouseClick, ppActionHyperlink,
       "HTTPS://Example.com/Docs/", "", ""},
      {"a file link", Click(R"(r:id="rIdFile" action="ppaction://hlinkfile")"), ppMouseClick,
       ppActionHyperlink, "file:///C:\\exam\\Report.DOC", "", ""},
      {"a jump to slide 3", Click(R"(r:id="rIdSlide" action="ppaction://hlinksldjump")"),
       ppMouseClick, ppActionHyperlink, "", "257,3,Summary", ""},
      {"next slide", Click(R"(r:id="" action="ppaction://hlinkshowjump?jump=nextslide")"),
       ppMouseClick, ppActionNextSlide, "", "", ""},
      {"previous slide", Click(R"(action="ppaction://hlinkshowjump?jump=previousslide")"),
       ppMouseClick, ppActionPreviousSlide, "", "", ""},
      {"first slide", Click(R"(action="ppaction://hlinkshowjump?jump=firstslide")"), ppMouseClick,
       ppActionFirstSlide, "", "", ""},
      {"last slide", Click(R"(action="ppaction://hlinkshowjump?jump=lastslide")"), ppMouseClick,
       ppActionLastSlide, "", "", ""},
      {"last slide viewed", Click(R"(action="ppaction://hlinkshowjump?jump=lastslideviewed")"),
       ppMouseClick, ppActionLastSlideViewed, "", "", ""},
      {"end show", Click(R"(action="ppaction://hlinkshowjump?jump=endshow")"), ppMouseClick,
       ppActionEndShow, "", "", ""},
      {"run a program", Click(R"(r:id="rIdFile" action="ppaction://program")"), ppMouseClick,
       ppActionRunProgram, "file:///C:\\exam\\Report.DOC", "", ""},
      {"run a macro", Click(R"(action="ppaction://macro?name=Grade")"), ppMouseClick,
       ppActionRunMacro, "", "", ""},
      {"an OLE verb", Click(R"(action="ppaction://ole?verb=0")"), ppMouseClick, ppActionOLEVerb, "",
       "", ""},
      {"a sound only",
       Click(R"(r:id="" action="ppaction://noaction")",
             R"(<a:snd r:embed="rIdSound" name="applause.wav"/>)"),
       ppMouseClick, ppActionNone, "", "", "applause.wav"},
      {"mouse-over read apart from click",
       Click(R"(r:id="rIdWeb")") +
           R"(<a:hlinkHover r:id="" action="ppaction://hlinkshowjump?jump=endshow"/>)",
       ppMouseOver, ppActionEndShow, "", "", ""},
      {"no mouse-over setting", Click(R"(r:id="rIdWeb")"), ppMouseOver, ppActionNone, "", "", ""},
      {"a relationship id the slide lacks", Click(R"(r:id="rIdNone")"), ppMouseClick,
       ppActionHyperlink, "", "", ""},
  };
  return rows;
}

PptxContent Deck(std::string firstSlideShapes) {
  PptxContent content;
  SlideXml first(std::move(firstSlideShapes), 1, 256);
  first.relationships = kRels;
  content.slides.push_back(first);
  content.slides.emplace_back("", 1, 300);
  content.slides.emplace_back(
      testing::Placeholder(2, "Title 1", R"(type="title")", nullptr, testing::TextPara("Summary")),
      0, 257);
  return content;
}

TEST(ActionSettingsTest, ShapeActionsByForm) {
  for (const Row& row : Rows()) {
    SCOPED_TRACE(row.name);
    OpenPptx open(Deck(LinkedShape(10, row.links)));
    const Shape* shape = open.ShapeAt(1, 1);
    ASSERT_NE(shape, nullptr);
    base::Result<ActionSetting> setting = shape->ActionSettings().Item(row.index);
    ASSERT_TRUE(setting);
    base::Result<int32_t> action = setting->Action();
    ASSERT_TRUE(action) << action.error().message;
    EXPECT_EQ(*action, row.action);
    EXPECT_EQ(setting->Hyperlink().Address(), row.address);
    EXPECT_EQ(setting->Hyperlink().SubAddress(), row.subAddress);
    base::Result<SoundEffect> sound = setting->SoundEffect();
    EXPECT_EQ(sound ? sound->Name() : std::string(), row.sound);
    EXPECT_EQ(static_cast<bool>(sound), !row.sound.empty());
  }
}

TEST(ActionSettingsTest, UnknownFormsAndIndexesFail) {
  OpenPptx open(Deck(LinkedShape(10, Click(R"(action="ppaction://hlinkshowjump?jump=nowhere")")) +
                     LinkedShape(11, Click(R"(action="ppaction://unheardof")"))));
  for (int32_t shape : {1, 2}) {
    const Shape* onSlide = open.ShapeAt(1, shape);
    ASSERT_NE(onSlide, nullptr);
    base::Result<ActionSetting> setting = onSlide->ActionSettings().Item(ppMouseClick);
    ASSERT_TRUE(setting);
    base::Result<int32_t> action = setting->Action();
    ASSERT_FALSE(action);
    EXPECT_EQ(action.error().code, kErrNotAvailable);
  }
  const Shape* shape = open.ShapeAt(1, 1);
  for (int32_t index : {0, 3, -1}) EXPECT_FALSE(shape->ActionSettings().Item(index)) << index;
}

// Text links live on the runs: a range reads the settings of its first run.
TEST(ActionSettingsTest, TextRangesReadTheirFirstRun) {
  const std::string paragraph = testing::Para(
      testing::Run("Go ") + "<a:r><a:rPr lang=\"en-US\">" + Click(R"(r:id="rIdWeb")") +
      "</a:rPr><a:t>web</a:t></a:r>" + "<a:r><a:rPr lang=\"en-US\">" +
      Click(R"(r:id="rIdSlide" action="ppaction://hlinksldjump")") +
      "</a:rPr><a:t>site</a:t></a:r>");
  OpenPptx open(Deck(LinkedShape(10, "", paragraph)));
  const Shape* shape = open.ShapeAt(1, 1);
  ASSERT_NE(shape, nullptr);
  base::Result<TextFrame> frame = shape->TextFrame();
  ASSERT_TRUE(frame);
  const TextRange all = frame->TextRange();

  struct Piece {
    const char* name;
    int32_t start;
    int32_t length;
    int32_t action;
    std::string address;
    std::string subAddress;
  };
  const Piece pieces[] = {
      {"plain text", 1, 2, ppActionNone, "", ""},
      {"the web run", 4, 3, ppActionHyperlink, "HTTPS://Example.com/Docs/", ""},
      {"across the web and slide runs", 5, 4, ppActionHyperlink, "HTTPS://Example.com/Docs/", ""},
      {"the slide run", 7, 4, ppActionHyperlink, "", "257,3,Summary"},
      {"past the end", 20, 2, ppActionNone, "", ""},
  };
  for (const Piece& piece : pieces) {
    SCOPED_TRACE(piece.name);
    base::Result<TextRange> range = all.Characters(piece.start, piece.length);
    ASSERT_TRUE(range);
    base::Result<ActionSetting> setting = range->ActionSettings().Item(ppMouseClick);
    ASSERT_TRUE(setting);
    base::Result<int32_t> action = setting->Action();
    ASSERT_TRUE(action);
    EXPECT_EQ(*action, piece.action);
    EXPECT_EQ(setting->Hyperlink().Address(), piece.address);
    EXPECT_EQ(setting->Hyperlink().SubAddress(), piece.subAddress);
  }
}

}  // namespace
}  // namespace powerpoint
