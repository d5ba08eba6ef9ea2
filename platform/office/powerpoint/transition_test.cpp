// A slide's transition effect: every transition element and the attributes that tell its
// effects apart, the newer transitions inside mc:AlternateContent, no transition, and effects
// that have no number.
#include <gtest/gtest.h>

#include "platform/office/powerpoint/constants.h"
#include "platform/office/powerpoint/errors.h"
#include "platform/office/powerpoint/testing/open_pptx.h"

namespace powerpoint {
namespace {

struct Row {
  const char* name;
  std::string transition;  // what follows p:clrMapOvr in the slide
  int32_t effect;
};

std::string Transition(std::string_view effect) {
  return "<p:transition spd=\"slow\">" + std::string(effect) + "</p:transition>";
}

// A p14 transition as the program saves it: the new element in a Choice, an older one as
// the Fallback.
std::string Alternate(std::string_view choice, std::string_view fallback) {
  return "<mc:AlternateContent><mc:Choice Requires=\"p14\"><p:transition p14:dur=\"1400\">" +
         std::string(choice) + "</p:transition></mc:Choice><mc:Fallback>" + Transition(fallback) +
         "</mc:Fallback></mc:AlternateContent>";
}

const std::vector<Row>& Rows() {
  static const std::vector<Row> rows = {
      {"no transition", "", ppEffectNone},
      {"a transition with only a sound", Transition("<p:sndAc><p:endSnd/></p:sndAc>"),
       ppEffectNone},
      {"blinds, horizontal by default", Transition("<p:blinds/>"), ppEffectBlindsHorizontal},
      {"blinds vertical", Transition(R"(<p:blinds dir="vert"/>)"), ppEffectBlindsVertical},
      {"checker", Transition("<p:checker/>"), ppEffectCheckerboardAcross},
      {"checker vertical", Transition(R"(<p:checker dir="vert"/>)"), ppEffectCheckerboardDown},
      {"circle", Transition("<p:circle/>"), ppEffectCircleOut},
      {"comb vertical", Transition(R"(<p:comb dir="vert"/>)"), ppEffectCombVertical},
      {"cover, left by default", Transition("<p:cover/>"), ppEffectCoverLeft},
      {"cover down", Transition(R"(<p:cover dir="d"/>)"), ppEffectCoverDown},
      {"cover right-up", Transition(R"(<p:cover dir="ru"/>)"), ppEffectCoverRightUp},
      {"cut", Transition("<p:cut/>"), ppEffectCut},
      {"cut through black", Transition(R"(<p:cut thruBlk="1"/>)"), ppEffectCutThroughBlack},
      {"cut through black written true", Transition(R"(<p:cut thruBlk="true"/>)"),
       ppEffectCutThroughBlack},
      {"diamond", Transition("<p:diamond/>"), ppEffectDiamondOut},
      {"dissolve", Transition("<p:dissolve/>"), ppEffectDissolve},
      {"fade, smoothly", Transition("<p:fade/>"), ppEffectFadeSmoothly},
      {"fade through black", Transition(R"(<p:fade thruBlk="1"/>)"), ppEffectFade},
      {"newsflash", Transition("<p:newsflash/>"), ppEffectNewsflash},
      {"plus", Transition("<p:plus/>"), ppEffectPlusOut},
      {"pull (uncover) up", Transition(R"(<p:pull dir="u"/>)"), ppEffectUncoverUp},
      {"pull left-down", Transition(R"(<p:pull dir="ld"/>)"), ppEffectUncoverLeftDown},
      {"push, left by default", Transition("<p:push/>"), ppEffectPushLeft},
      {"push down", Transition(R"(<p:push dir="d"/>)"), ppEffectPushDown},
      {"random", Transition("<p:random/>"), ppEffectRandom},
      {"random bars vertical", Transition(R"(<p:randomBar dir="vert"/>)"),
       ppEffectRandomBarsVertical},
      {"split, horizontal out by default", Transition("<p:split/>"), ppEffectSplitHorizontalOut},
      {"split vertical in", Transition(R"(<p:split orient="vert" dir="in"/>)"),
       ppEffectSplitVerticalIn},
      {"strips right-down", Transition(R"(<p:strips dir="rd"/>)"), ppEffectStripsRightDown},
      {"wedge", Transition("<p:wedge/>"), ppEffectWedge},
      {"wheel, four spokes by default", Transition("<p:wheel/>"), ppEffectWheel4Spokes},
      {"wheel of one spoke", Transition(R"(<p:wheel spokes="1"/>)"), ppEffectWheel1Spoke},
      {"wipe up", Transition(R"(<p:wipe dir="u"/>)"), ppEffectWipeUp},
      {"zoom, out by default", Transition("<p:zoom/>"), ppEffectBoxOut},
      {"zoom in", Transition(R"(<p:zoom dir="in"/>)"), ppEffectBoxIn},
      {"the effect after a sound", Transition(R"(<p:sndAc><p:endSnd/></p:sndAc><p:wedge/>)"),
       ppEffectWedge},
      {"p14 vortex in its Choice", Alternate(R"(<p14:vortex dir="r"/>)", "<p:fade/>"),
       ppEffectVortexRight},
      {"p14 glitter of hexagons",
       Alternate(R"(<p14:glitter pattern="hexagon" dir="u"/>)", "<p:fade/>"),
       ppEffectGlitterHexagonUp},
      {"p14 shred, strips in by default", Alternate("<p14:shred/>", "<p:fade/>"),
       ppEffectShredStripsIn},
      {"p14 flythrough out with a bounce",
       Alternate(R"(<p14:flythrough dir="out" hasBounce="1"/>)", "<p:fade/>"),
       ppEffectFlyThroughOutBounce},
      {"p14 reveal through black to the right",
       Alternate(R"(<p14:reveal thruBlk="1" dir="r"/>)", "<p:fade/>"), ppEffectRevealBlackRight},
      {"p14 ripple, centred by default", Alternate("<p14:ripple/>", "<p:fade/>"),
       ppEffectRippleCenter},
      {"an unknown Choice takes the Fallback",
       Alternate(R"(<p15:prstTrans prst="pageCurlDouble"/>)", R"(<p:wipe dir="r"/>)"),
       ppEffectWipeRight},
      {"a p14 wheel of spokes without a number takes the Fallback",
       Alternate("<p14:wheelReverse/>", R"(<p:wheel spokes="4"/>)"), ppEffectWheel4Spokes},
  };
  return rows;
}

TEST(SlideShowTransition, EntryEffectByElementAndDirection) {
  testing::PptxContent content;
  for (const Row& row : Rows()) {
    testing::SlideXml slide;
    slide.transition = row.transition;
    content.slides.push_back(slide);
  }
  testing::OpenPptx open(content);
  ASSERT_NE(open.Get(), nullptr);
  for (size_t i = 0; i < Rows().size(); ++i) {
    base::Result<Slide*> slide = open.Get()->Slides().Range(static_cast<int32_t>(i + 1));
    ASSERT_TRUE(slide) << Rows()[i].name;
    base::Result<int32_t> effect = (*slide)->SlideShowTransition().EntryEffect();
    ASSERT_TRUE(effect) << Rows()[i].name << ": " << effect.error().message;
    EXPECT_EQ(*effect, Rows()[i].effect) << Rows()[i].name;
  }
}

TEST(SlideShowTransition, AnEffectWithoutANumberFailsAsUnreadable) {
  const char* transitions[] = {
      R"(<p:transition><p:wheel spokes="5"/></p:transition>)",
      R"(<p:transition><p:cover dir="sideways"/></p:transition>)",
      R"(<p:transition><p:unheardOf/></p:transition>)",
      // An unknown Choice and no Fallback to stand in for it.
      (R"(<mc:AlternateContent><mc:Choice Requires="p15"><p:transition><p15:prstTrans/>)"
       R"(</p:transition></mc:Choice></mc:AlternateContent>)"),
  };
  testing::PptxContent content;
  for (const char* transition : transitions) {
    testing::SlideXml slide;
    slide.transition = transition;
    content.slides.push_back(slide);
  }
  testing::OpenPptx open(content);
  ASSERT_NE(open.Get(), nullptr);
  for (int32_t i = 1; i <= static_cast<int32_t>(std::size(transitions)); ++i) {
    base::Result<Slide*> slide = open.Get()->Slides().Item(i);
    ASSERT_TRUE(slide);
    base::Result<int32_t> effect = (*slide)->SlideShowTransition().EntryEffect();
    ASSERT_FALSE(effect) << transitions[i - 1];
    EXPECT_EQ(effect.error().code, kErrUnreadable) << transitions[i - 1];
  }
}

}  // namespace
}  // namespace powerpoint
