// The transition checks as rule rows: a slide's transition (speed, advance on a click and after a
// time, length from p14:dur or from the speed, sound with case ignored), the master's, what a
// missing slide or master transition reads as, and the transitions LibreOffice Impress saved.
#include <gtest/gtest.h>

#include "grading/slidemark/testing/rule_cases.h"
#include "grading/slidemark/testing/slide_fixture.h"
#include "platform/office/powerpoint/testing/open_pptx.h"

namespace slidemark {
namespace {

namespace pt = powerpoint::testing;
using testing::RunCases;

constexpr char kApplause[] =
    R"(<p:sndAc><p:stSnd><p:snd r:embed="rId5" name="Applause.WAV"/></p:stSnd></p:sndAc>)";

// Slide 1 has no transition; 2 wipes up at medium speed, advances after 2.5 s and not on a
// click, playing "Applause.WAV"; 3 is a vortex to the right of 1.25 s in an mc:Choice; 4 fades and
// advances after 1.1 s. The master ripples (0.8 s, slow) after 5 s, not on a click, with
// "Chime.wav".
pt::PptxContent Deck() {
  pt::PptxContent content;
  content.slides.resize(4);
  content.slides[1].transition =
      R"(<p:transition spd="med" advClick="0" advTm="2500"><p:wipe dir="u"/>)" +
      std::string(kApplause) + "</p:transition>";
  content.slides[2].transition =
      R"(<mc:AlternateContent><mc:Choice Requires="p14"><p:transition spd="slow" p14:dur="1250">)"
      R"(<p14:vortex dir="r"/></p:transition></mc:Choice><mc:Fallback><p:transition spd="slow">)"
      R"(<p:fade/></p:transition></mc:Fallback></mc:AlternateContent>)";
  content.slides[3].transition = R"(<p:transition advTm="1100"><p:fade/></p:transition>)";
  content.masterTransition =
      R"(<mc:AlternateContent><mc:Choice Requires="p14"><p:transition spd="slow" advClick="0")"
      R"( advTm="5000" p14:dur="800"><p14:ripple/><p:sndAc><p:stSnd><p:snd r:embed="rId7")"
      R"( name="Chime.wav"/></p:stSnd></p:sndAc></p:transition></mc:Choice><mc:Fallback>)"
      R"(<p:transition spd="slow" advClick="0" advTm="5000"><p:fade/></p:transition>)"
      R"(</mc:Fallback></mc:AlternateContent>)";
  return content;
}

class Transitions : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(opened_.Opened()); }
  testing::OpenedPresentation opened_{Deck()};
};

TEST_F(Transitions, EffectSpeedAndAdvance) {
  RunCases(opened_, {
                        {"vortex right from the Choice", {"SLIDETRANSITION", "3", "3865"}, 1},
                        {"not the Fallback's fade", {"SLIDETRANSITION", "3", "3849"}, 0},
                        {"speed medium", {"SLIDETRANSITIONSPEED", "2", "2"}, 1},
                        {"speed medium is not fast", {"SLIDETRANSITIONSPEED", "2", "3"}, 0},
                        {"no transition is fast", {"SLIDETRANSITIONSPEED", "1", "3"}, 1},
                        {"not on a click", {"SLIDETRANSITIONCLICK", "2", "0"}, 1},
                        {"not on a click is no -1", {"SLIDETRANSITIONCLICK", "2", "-1"}, 0},
                        {"on a click by default, -1", {"SLIDETRANSITIONCLICK", "1", "-1"}, 1},
                        {"a set flag is -1, not 1", {"SLIDETRANSITIONCLICK", "1", "1"}, 0},
                        {"after 2.5 s", {"SLIDETRANSITIONMODEONTIME", "2", "2.5"}, 1},
                        {"after 2.50 s", {"SLIDETRANSITIONMODEONTIME", "2", "2.50"}, 1},
                        {"not after 2 s", {"SLIDETRANSITIONMODEONTIME", "2", "2"}, 0},
                        {"after 1.1 s, as a single", {"SLIDETRANSITIONMODEONTIME", "4", "1.1"}, 1},
                        {"no time is 0", {"SLIDETRANSITIONMODEONTIME", "1", "0"}, 1},
                    });
}

TEST_F(Transitions, DurationFromP14DurOrFromTheSpeed) {
  RunCases(opened_, {
                        {"p14:dur 1250", {"SLIDETRANSITIONDURATION", "3", "1.25"}, 1},
                        {"not the slow speed's second", {"SLIDETRANSITIONDURATION", "3", "1"}, 0},
                        {"medium is 0.75", {"SLIDETRANSITIONDURATION", "2", "0.75"}, 1},
                        {"fast is 0.5", {"SLIDETRANSITIONDURATION", "4", "0.5"}, 1},
                    });
}

TEST_F(Transitions, SoundNamesCompareWithoutCase) {
  RunCases(opened_,
           {
               {"lower case", {"SLIDETRANSITIONSOUNDEFFECT", "2", "applause.wav"}, 1},
               {"upper case", {"SLIDETRANSITIONSOUNDEFFECT", "2", "APPLAUSE.WAV"}, 1},
               {"without the extension", {"SLIDETRANSITIONSOUNDEFFECT", "2", "Applause"}, 0},
               {"no sound, empty", {"SLIDETRANSITIONSOUNDEFFECT", "1", ""}, 1},
               {"no sound, a name", {"SLIDETRANSITIONSOUNDEFFECT", "1", "applause.wav"}, 0},
               {"master, lower case", {"ALLSLIDETRANSITIONSOUNDEFFECT", "chime.wav"}, 1},
               {"master, another sound", {"ALLSLIDETRANSITIONSOUNDEFFECT", "applause.wav"}, 0},
           });
}

TEST_F(Transitions, AMissingSlideHoldsOnlyForZeroOrEmpty) {
  RunCases(opened_, {
                        {"effect 0", {"SLIDETRANSITION", "9", "0"}, 1},
                        {"effect wipe up", {"SLIDETRANSITION", "9", "2818"}, 0},
                        {"speed 0", {"SLIDETRANSITIONSPEED", "9", "0"}, 1},
                        {"speed fast", {"SLIDETRANSITIONSPEED", "9", "3"}, 0},
                        {"click 0", {"SLIDETRANSITIONCLICK", "9", "0"}, 1},
                        {"click -1", {"SLIDETRANSITIONCLICK", "9", "-1"}, 0},
                        {"time 0", {"SLIDETRANSITIONMODEONTIME", "9", "0"}, 1},
                        {"time 2.5", {"SLIDETRANSITIONMODEONTIME", "9", "2.5"}, 0},
                        {"duration 0", {"SLIDETRANSITIONDURATION", "9", "0"}, 1},
                        {"duration 0.5", {"SLIDETRANSITIONDURATION", "9", "0.5"}, 0},
                        {"sound empty", {"SLIDETRANSITIONSOUNDEFFECT", "9", ""}, 1},
                        {"sound named", {"SLIDETRANSITIONSOUNDEFFECT", "9", "applause.wav"}, 0},
                        {"slide 0 is no slide", {"SLIDETRANSITIONSPEED", "0", "0"}, 1},
                    });
}

TEST_F(Transitions, TheMastersTransitionStandsForAllSlides) {
  RunCases(opened_, {
                        {"ripple from the Choice", {"ALLSLIDETRANSITION", "3867"}, 1},
                        {"not the Fallback's fade", {"ALLSLIDETRANSITION", "3849"}, 0},
                        {"not on a click", {"ALLSLIDETRANSITIONONCLICK", "0"}, 1},
                        {"after 5 s", {"ALLSLIDETRANSITIONONTIME", "5"}, 1},
                        {"p14:dur 800", {"ALLSLIDETRANSITIONDURATION", "0.8"}, 1},
                        {"slow", {"ALLSLIDETRANSITIONSPEED", "1"}, 1},
                        {"not fast", {"ALLSLIDETRANSITIONSPEED", "3"}, 0},
                    });
}

TEST(AllSlideTransition, AMasterWithoutATransitionReadsTheFormatsDefaults) {
  pt::PptxContent content;
  content.slides.resize(1);
  content.slides[0].transition = R"(<p:transition spd="slow"><p:wipe/></p:transition>)";
  testing::OpenedPresentation opened(content);
  ASSERT_TRUE(opened.Opened());
  RunCases(opened, {
                       {"no effect, even with one on the slide", {"ALLSLIDETRANSITION", "0"}, 1},
                       {"on a click", {"ALLSLIDETRANSITIONONCLICK", "-1"}, 1},
                       {"no time", {"ALLSLIDETRANSITIONONTIME", "0"}, 1},
                       {"fast", {"ALLSLIDETRANSITIONSPEED", "3"}, 1},
                       {"half a second", {"ALLSLIDETRANSITIONDURATION", "0.5"}, 1},
                       {"no sound", {"ALLSLIDETRANSITIONSOUNDEFFECT", ""}, 1},
                   });
}

TEST(SlideTransition, TransitionsSavedByImpress) {
  testing::OpenedPresentation opened(pt::SuiteFile("suite_transitions.pptx"));
  ASSERT_TRUE(opened.Opened());
  RunCases(opened, {
                       {"wipe right", {"SLIDETRANSITION", "1", "2819"}, 1},
                       {"of 2 s", {"SLIDETRANSITIONDURATION", "1", "2"}, 1},
                       {"after 3 s", {"SLIDETRANSITIONMODEONTIME", "1", "3"}, 1},
                       {"and on a click", {"SLIDETRANSITIONCLICK", "1", "-1"}, 1},
                       {"a smooth fade", {"SLIDETRANSITION", "2", "3849"}, 1},
                       {"at medium speed", {"SLIDETRANSITIONSPEED", "2", "2"}, 1},
                       {"of 0.75 s", {"SLIDETRANSITIONDURATION", "2", "0.75"}, 1},
                       {"with a sound", {"SLIDETRANSITIONSOUNDEFFECT", "2", "APPLAUSE.WAV"}, 1},
                       {"push down", {"SLIDETRANSITION", "3", "3852"}, 1},
                       {"of 1.5 s", {"SLIDETRANSITIONDURATION", "3", "1.5"}, 1},
                       {"vortex left", {"SLIDETRANSITION", "4", "3863"}, 1},
                       {"no effect", {"SLIDETRANSITION", "5", "0"}, 1},
                       {"but a length", {"SLIDETRANSITIONDURATION", "5", "2"}, 1},
                       {"nothing on the master", {"ALLSLIDETRANSITION", "0"}, 1},
                   });
}

}  // namespace
}  // namespace slidemark
