// The slide show settings: the format's defaults where ppt/presProps.xml (or the whole part) is
// silent, each show type, range and switch, the pen's colour through the theme, what an
// unreadable value or part does, and the settings LibreOffice Impress saved.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/office/powerpoint/constants.h"
#include "platform/office/powerpoint/errors.h"
#include "platform/office/powerpoint/testing/open_pptx.h"

namespace powerpoint {
namespace {

struct Expected {
  int32_t showType = ppShowTypeSpeaker;
  int32_t loop = msoFalse;
  int32_t narration = msoFalse;
  int32_t animation = msoTrue;
  int32_t rangeType = ppShowAll;
  int32_t start = 1;
  int32_t end = 5;  // the presentations below have five slides
  int32_t advance = ppSlideShowUseSlideTimings;
  int32_t pointer = 0x0000FF;  // red
};

void ExpectSettings(const Presentation& presentation, const Expected& expected,
                    const std::string& name) {
  SCOPED_TRACE(name);
  base::Result<SlideShowSettings> settings = presentation.SlideShowSettings();
  ASSERT_TRUE(settings) << settings.error().message;
  EXPECT_EQ(settings->ShowType(), expected.showType);
  EXPECT_EQ(settings->LoopUntilStopped().value_or(99), expected.loop);
  EXPECT_EQ(settings->ShowWithNarration().value_or(99), expected.narration);
  EXPECT_EQ(settings->ShowWithAnimation().value_or(99), expected.animation);
  EXPECT_EQ(settings->RangeType(), expected.rangeType);
  EXPECT_EQ(settings->StartingSlide().value_or(99), expected.start);
  EXPECT_EQ(settings->EndingSlide().value_or(99), expected.end);
  EXPECT_EQ(settings->AdvanceMode().value_or(99), expected.advance);
  base::Result<ColorFormat> pointer = settings->PointerColor();
  ASSERT_TRUE(pointer) << pointer.error().message;
  EXPECT_EQ(pointer->RGB(), expected.pointer);
}

testing::PptxContent FiveSlides(std::optional<std::string> presentationPr) {
  return testing::BlankSlides(5, std::move(presentationPr));
}

TEST(SlideShowSettings, EachSettingWithTheFormatsDefaults) {
  const struct {
    const char* name;
    std::optional<std::string> presentationPr;
    Expected expected;
  } rows[] = {
      {"no presProps part", std::nullopt, {}},
      {"no p:showPr", "", {}},
      {"an empty p:showPr", "<p:showPr/>", {}},
      {"what the program writes for a new presentation",
       R"(<p:showPr showNarration="1"><p:present/><p:sldAll/><p:penClr><a:prstClr val="red"/></p:penClr></p:showPr>)",
       {.narration = msoTrue}},
      {"looping with narration and no animation",
       R"(<p:showPr loop="1" showNarration="true" showAnimation="0"/>)",
       {.loop = msoTrue, .narration = msoTrue, .animation = msoFalse}},
      {"browsed in a window",
       R"(<p:showPr><p:browse showScrollbar="0"/></p:showPr>)",
       {.showType = ppShowTypeWindow}},
      {"at a kiosk",
       R"(<p:showPr><p:kiosk restart="300000"/></p:showPr>)",
       {.showType = ppShowTypeKiosk}},
      {"slides 2 to 4",
       R"(<p:showPr><p:present/><p:sldRg st="2" end="4"/></p:showPr>)",
       {.rangeType = ppShowSlideRange, .start = 2, .end = 4}},
      {"a named show runs from the first to the last slide",
       R"(<p:showPr><p:custShow id="0"/></p:showPr>)",
       {.rangeType = ppShowNamedSlideShow}},
      {"advanced by hand", R"(<p:showPr useTimings="0"/>)", {.advance = ppSlideShowManualAdvance}},
      {"a pen of an RGB colour",
       R"(<p:showPr><p:penClr><a:srgbClr val="00B050"/></p:penClr></p:showPr>)",
       {.pointer = 0x50B000}},
      {"a pen of the theme's accent 1 (4472C4)",
       R"(<p:showPr><p:penClr><a:schemeClr val="accent1"/></p:penClr></p:showPr>)",
       {.pointer = 0xC47244}},
  };
  for (const auto& row : rows) {
    testing::OpenPptx open(FiveSlides(row.presentationPr));
    ASSERT_NE(open.Get(), nullptr) << row.name;
    ExpectSettings(*open.Get(), row.expected, row.name);
  }
}

TEST(SlideShowSettings, AnUnreadableValueFailsOnlyItsOwnRead) {
  testing::OpenPptx open(FiveSlides(
      R"(<p:showPr loop="sometimes" useTimings="2"><p:sldRg st="two" end="4"/><p:penClr><a:srgbClr val="nothex"/></p:penClr></p:showPr>)"));
  ASSERT_NE(open.Get(), nullptr);
  base::Result<SlideShowSettings> settings = open.Get()->SlideShowSettings();
  ASSERT_TRUE(settings);
  for (base::Result<int32_t> read :
       {settings->LoopUntilStopped(), settings->AdvanceMode(), settings->StartingSlide()}) {
    ASSERT_FALSE(read);
    EXPECT_EQ(read.error().code, kErrUnreadable) << read.error().message;
  }
  EXPECT_FALSE(settings->PointerColor());
  EXPECT_EQ(settings->EndingSlide().value_or(0), 4);
  EXPECT_EQ(settings->ShowWithAnimation().value_or(0), msoTrue);
}

TEST(SlideShowSettings, ASettingsPartThatIsNoXmlFailsTheSettingsNotThePresentation) {
  testing::OpenPptx open(FiveSlides("<p:showPr loop=\"1\">"));  // never closed
  ASSERT_NE(open.Get(), nullptr);
  base::Result<SlideShowSettings> settings = open.Get()->SlideShowSettings();
  ASSERT_FALSE(settings);
  EXPECT_EQ(settings.error().code, kErrUnreadable);
  EXPECT_EQ(open.Get()->Slides().Count(), 5);
}

TEST(SlideShowSettings, SettingsSavedByImpress) {
  testing::OpenPptx saved(testing::SuiteFile("suite_transitions.pptx"));
  ASSERT_NE(saved.Get(), nullptr);
  // loop="1" useTimings="0" showNarration="1", slides 2 to 5, no pen colour.
  ExpectSettings(*saved.Get(),
                 {.loop = msoTrue,
                  .narration = msoTrue,
                  .rangeType = ppShowSlideRange,
                  .start = 2,
                  .end = 5,
                  .advance = ppSlideShowManualAdvance},
                 "saved by Impress");
}

}  // namespace
}  // namespace powerpoint
