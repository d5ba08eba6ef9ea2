// The slide show setting checks as rule rows: the option sum of each combination, the show
// type, range, pen colour and advance, the format's defaults, an unreadable settings part, and
// the settings LibreOffice Impress saved.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "grading/slidemark/testing/rule_cases.h"
#include "grading/slidemark/testing/slide_fixture.h"
#include "platform/office/powerpoint/testing/open_pptx.h"

namespace slidemark {
namespace {

namespace pt = powerpoint::testing;
using testing::RunCases;

// Five slides and ppt/presProps.xml holding `presentationPr` (none: no such part).
pt::PptxContent FiveSlides(std::optional<std::string> presentationPr) {
  return pt::BlankSlides(5, std::move(presentationPr));
}

TEST(SlideShowSettingOption, EachCombinationHasItsOwnSum) {
  const struct {
    const char* showPr;
    const char* sum;
  } rows[] = {
      {R"(<p:showPr showAnimation="0"/>)", "0"},
      {R"(<p:showPr loop="1" showAnimation="0"/>)", "1"},
      {R"(<p:showPr showNarration="1" showAnimation="0"/>)", "2"},
      {R"(<p:showPr loop="1" showNarration="1" showAnimation="0"/>)", "3"},
      {R"(<p:showPr/>)", "6"},
      {R"(<p:showPr loop="1"/>)", "7"},
      {R"(<p:showPr showNarration="1"/>)", "8"},
      {R"(<p:showPr loop="1" showNarration="1" showAnimation="1"/>)", "9"},
  };
  for (const auto& row : rows) {
    testing::OpenedPresentation opened(FiveSlides(row.showPr));
    ASSERT_TRUE(opened.Opened());
    for (const auto& other : rows) {
      EXPECT_EQ(opened.Rule({"SLIDESHOWSETTINGOPTION", other.sum}), other.sum == row.sum ? 1 : 0)
          << row.showPr << " against " << other.sum;
    }
  }
}

TEST(SlideShowSettings, ShowTypeRangePenAndAdvance) {
  testing::OpenedPresentation kiosk(
      FiveSlides(R"(<p:showPr loop="1" useTimings="0"><p:kiosk/><p:sldRg st="2" end="4"/>)"
                 R"(<p:penClr><a:srgbClr val="00B050"/></p:penClr></p:showPr>)"));
  ASSERT_TRUE(kiosk.Opened());
  RunCases(kiosk, {
                      {"kiosk", {"SLIDESHOWSETTINGSHOWTYPE", "3"}, 1},
                      {"not the speaker", {"SLIDESHOWSETTINGSHOWTYPE", "1"}, 0},
                      {"a range", {"SLIDESHOWSETTINGRANGETYPE", "2"}, 1},
                      {"slides 2 to 4", {"SLIDESHOWSETTINGRANGE", "2", "4"}, 1},
                      {"not 2 to 5", {"SLIDESHOWSETTINGRANGE", "2", "5"}, 0},
                      {"not 1 to 4", {"SLIDESHOWSETTINGRANGE", "1", "4"}, 0},
                      {"pen 00B050", {"SLIDESHOWPOINTERCOLOR", "5287936"}, 1},
                      {"not red", {"SLIDESHOWPOINTERCOLOR", "255"}, 0},
                      {"by hand", {"SLIDESHOWSETTINGADVANCEMODE", "1"}, 1},
                      {"not by the timings", {"SLIDESHOWSETTINGADVANCEMODE", "2"}, 0},
                  });

  testing::OpenedPresentation browsed(
      FiveSlides(R"(<p:showPr><p:browse/><p:custShow id="0"/></p:showPr>)"));
  ASSERT_TRUE(browsed.Opened());
  RunCases(browsed, {
                        {"in a window", {"SLIDESHOWSETTINGSHOWTYPE", "2"}, 1},
                        {"a named show", {"SLIDESHOWSETTINGRANGETYPE", "3"}, 1},
                    });
}

TEST(SlideShowSettings, WithoutASettingsPartTheFormatsDefaults) {
  testing::OpenedPresentation opened(FiveSlides(std::nullopt));
  ASSERT_TRUE(opened.Opened());
  RunCases(opened, {
                       {"the speaker", {"SLIDESHOWSETTINGSHOWTYPE", "1"}, 1},
                       {"animations only", {"SLIDESHOWSETTINGOPTION", "6"}, 1},
                       {"all slides", {"SLIDESHOWSETTINGRANGETYPE", "1"}, 1},
                       {"from 1 to 5", {"SLIDESHOWSETTINGRANGE", "1", "5"}, 1},
                       {"not 0 and 0", {"SLIDESHOWSETTINGRANGE", "0", "0"}, 0},
                       {"a red pen", {"SLIDESHOWPOINTERCOLOR", "255"}, 1},
                       {"by the timings", {"SLIDESHOWSETTINGADVANCEMODE", "2"}, 1},
                   });
}

TEST(SlideShowSettings, AnUnreadableSettingsPartHoldsOnlyForZero) {
  testing::OpenedPresentation opened(FiveSlides("<p:showPr loop=\"1\">"));  // never closed
  ASSERT_TRUE(opened.Opened());
  RunCases(opened, {
                       {"show type 0", {"SLIDESHOWSETTINGSHOWTYPE", "0"}, 1},
                       {"show type speaker", {"SLIDESHOWSETTINGSHOWTYPE", "1"}, 0},
                       {"option 0", {"SLIDESHOWSETTINGOPTION", "0"}, 1},
                       {"option 6", {"SLIDESHOWSETTINGOPTION", "6"}, 0},
                       {"range 0 0", {"SLIDESHOWSETTINGRANGE", "0", "0"}, 1},
                       {"pen 0", {"SLIDESHOWPOINTERCOLOR", "0"}, 1},
                       {"advance 0", {"SLIDESHOWSETTINGADVANCEMODE", "0"}, 1},
                   });
}

TEST(SlideShowSettings, SettingsSavedByImpress) {
  testing::OpenedPresentation opened(pt::SuiteFile("suite_transitions.pptx"));
  ASSERT_TRUE(opened.Opened());
  RunCases(opened, {
                       {"looping, narration, animation", {"SLIDESHOWSETTINGOPTION", "9"}, 1},
                       {"the speaker", {"SLIDESHOWSETTINGSHOWTYPE", "1"}, 1},
                       {"a range", {"SLIDESHOWSETTINGRANGETYPE", "2"}, 1},
                       {"of slides 2 to 5", {"SLIDESHOWSETTINGRANGE", "2", "5"}, 1},
                       {"a red pen", {"SLIDESHOWPOINTERCOLOR", "255"}, 1},
                       {"by hand", {"SLIDESHOWSETTINGADVANCEMODE", "1"}, 1},
                   });
}

}  // namespace
}  // namespace slidemark
