// A slide's transition: every transition element and the attributes that tell its effects
// apart, the newer transitions inside mc:AlternateContent, no transition, and effects that have
// no number; speed, advance, length and sound with the format's defaults; the master's own
// transition; and the transitions LibreOffice Impress saved, read as the same ones built in code.
#include <gtest/gtest.h>

#include <optional>

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

// One blank slide per row, with the row's transition.
template <class Rows, class Field>
testing::PptxContent SlidePerRow(const Rows& rows, Field field) {
  std::vector<std::string> transitions;
  for (const auto& row : rows) transitions.emplace_back(row.*field);
  return testing::BlankSlides(transitions.size(), std::nullopt, transitions);
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
  testing::OpenPptx open(SlidePerRow(Rows(), &Row::transition));
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
  testing::OpenPptx open(testing::BlankSlides(
      std::size(transitions), std::nullopt,
      std::vector<std::string>(std::begin(transitions), std::end(transitions))));
  ASSERT_NE(open.Get(), nullptr);
  for (int32_t i = 1; i <= static_cast<int32_t>(std::size(transitions)); ++i) {
    base::Result<Slide*> slide = open.Get()->Slides().Item(i);
    ASSERT_TRUE(slide);
    base::Result<int32_t> effect = (*slide)->SlideShowTransition().EntryEffect();
    ASSERT_FALSE(effect) << transitions[i - 1];
    EXPECT_EQ(effect.error().code, kErrUnreadable) << transitions[i - 1];
  }
}

// What a transition answers besides its effect.
struct Timing {
  int32_t speed = ppTransitionSpeedFast;
  int32_t onClick = msoTrue;
  int32_t onTime = msoFalse;
  float time = 0.0f;
  float duration = 0.5f;
  std::optional<std::string> sound = std::nullopt;
};

void ExpectTiming(const SlideShowTransition& transition, const Timing& expected,
                  const std::string& name) {
  SCOPED_TRACE(name);
  EXPECT_EQ(transition.Speed().value_or(99), expected.speed);
  EXPECT_EQ(transition.AdvanceOnClick().value_or(99), expected.onClick);
  EXPECT_EQ(transition.AdvanceOnTime().value_or(99), expected.onTime);
  EXPECT_EQ(transition.AdvanceTime().value_or(-1.0f), expected.time);
  EXPECT_EQ(transition.Duration().value_or(-1.0f), expected.duration);
  base::Result<SoundEffect> sound = transition.SoundEffect();
  ASSERT_EQ(static_cast<bool>(sound), expected.sound.has_value());
  if (sound) {
    EXPECT_EQ(sound->Name(), *expected.sound);
  } else {
    EXPECT_EQ(sound.error().code, kErrNotAvailable);
  }
}

constexpr char kStartSound[] =
    R"(<p:sndAc><p:stSnd><p:snd r:embed="rId5" name="Applause.WAV"/></p:stSnd></p:sndAc>)";

TEST(SlideShowTransition, SpeedAdvanceDurationAndSoundWithTheFormatsDefaults) {
  const struct {
    const char* name;
    std::string transition;
    Timing timing;
  } rows[] = {
      {"no transition: fast, on a click, half a second", "", {}},
      {"an empty transition reads as none", "<p:transition/>", {}},
      {"slow is one second",
       R"(<p:transition spd="slow"><p:fade/></p:transition>)",
       {.speed = ppTransitionSpeedSlow, .duration = 1.0f}},
      {"medium is three quarters",
       R"(<p:transition spd="med"><p:fade/></p:transition>)",
       {.speed = ppTransitionSpeedMedium, .duration = 0.75f}},
      {"advance after a time and not on a click",
       R"(<p:transition advClick="0" advTm="2500"><p:cut/></p:transition>)",
       {.onClick = msoFalse, .onTime = msoTrue, .time = 2.5f}},
      {"advance after no time at all",
       R"(<p:transition advTm="0"><p:cut/></p:transition>)",
       {.onTime = msoTrue}},
      {"advClick written true", R"(<p:transition advClick="true"/>)", {}},
      {"an odd time reads as the single the cell would",
       R"(<p:transition advTm="1100"/>)",
       {.onTime = msoTrue, .time = 1.1f}},
      {"p14:dur is the length whatever the speed",
       R"(<p:transition spd="fast" p14:dur="1250"><p:fade/></p:transition>)",
       {.duration = 1.25f}},
      // The Choice has no spd (fast) and a length; the Fallback is slow.
      {"the Choice's speed and length, not the Fallback's",
       Alternate("<p14:vortex/>", "<p:fade/>"),
       {.duration = 1.4f}},
      {"a start sound",
       "<p:transition><p:fade/>" + std::string(kStartSound) + "</p:transition>",
       {.sound = "Applause.WAV"}},
      {"stopping the previous sound plays none",
       "<p:transition><p:sndAc><p:endSnd/></p:sndAc></p:transition>",
       {}},
  };
  testing::OpenPptx open(SlidePerRow(rows, &std::remove_cvref_t<decltype(rows[0])>::transition));
  ASSERT_NE(open.Get(), nullptr);
  for (size_t i = 0; i < std::size(rows); ++i) {
    base::Result<Slide*> slide = open.Get()->Slides().Range(static_cast<int32_t>(i + 1));
    ASSERT_TRUE(slide);
    ExpectTiming((*slide)->SlideShowTransition(), rows[i].timing, rows[i].name);
  }
}

TEST(SlideShowTransition, AnUnreadableAttributeFailsOnlyItsOwnReads) {
  testing::OpenPptx open(testing::BlankSlides(
      1, std::nullopt,
      {R"(<p:transition spd="warp" advClick="maybe" advTm="-5" p14:dur="soon"><p:wipe dir="u"/></p:transition>)"}));
  ASSERT_NE(open.Get(), nullptr);
  const SlideShowTransition transition = (*open.Get()->Slides().Item(1))->SlideShowTransition();
  EXPECT_EQ(transition.EntryEffect().value_or(0), ppEffectWipeUp);
  for (base::Result<int32_t> read :
       {transition.Speed(), transition.AdvanceOnClick(), transition.AdvanceOnTime()}) {
    ASSERT_FALSE(read);
    EXPECT_EQ(read.error().code, kErrUnreadable) << read.error().message;
  }
  for (base::Result<float> read : {transition.AdvanceTime(), transition.Duration()}) {
    ASSERT_FALSE(read);
    EXPECT_EQ(read.error().code, kErrUnreadable) << read.error().message;
  }
  // Without p14:dur the length comes from a speed that does not read: no length either.
  testing::OpenPptx second(
      testing::BlankSlides(1, std::nullopt, {R"(<p:transition spd="warp"/>)"}));
  ASSERT_NE(second.Get(), nullptr);
  EXPECT_FALSE((*second.Get()->Slides().Item(1))->SlideShowTransition().Duration());
}

TEST(SlideShowTransition, TheMastersOwnTransitionIsNotTheSlides) {
  testing::PptxContent content;
  content.masterTransition =
      R"(<p:transition spd="med" advClick="0" advTm="5000"><p:split orient="vert"/>)" +
      std::string(kStartSound) + "</p:transition>";
  content.slides.resize(1);
  testing::OpenPptx open(content);
  ASSERT_NE(open.Get(), nullptr);
  base::Result<const Master*> master = open.Get()->SlideMaster();
  ASSERT_TRUE(master);
  const SlideShowTransition transition = (*master)->SlideShowTransition();
  EXPECT_EQ(transition.EntryEffect().value_or(0), ppEffectSplitVerticalOut);
  ExpectTiming(transition,
               {.speed = ppTransitionSpeedMedium,
                .onClick = msoFalse,
                .onTime = msoTrue,
                .time = 5.0f,
                .duration = 0.75f,
                .sound = "Applause.WAV"},
               "the master");
  // A slide without a transition of its own has none; it does not take the master's.
  EXPECT_EQ((*open.Get()->Slides().Item(1))->SlideShowTransition().EntryEffect().value_or(99),
            ppEffectNone);

  testing::OpenPptx plain(testing::BlankSlides(1));
  ASSERT_NE(plain.Get(), nullptr);
  EXPECT_EQ((*plain.Get()->SlideMaster())->SlideShowTransition().EntryEffect().value_or(99),
            ppEffectNone);
  EXPECT_EQ((*plain.Get()->SlideMaster())->SlideShowTransition().AdvanceOnClick().value_or(99),
            msoTrue);
}

TEST(SlideShowTransition, AnEffectWithoutANumberOnTheMasterNamesTheMaster) {
  testing::PptxContent content;
  content.masterTransition = R"(<p:transition><p:wheel spokes="7"/></p:transition>)";
  testing::OpenPptx open(content);
  ASSERT_NE(open.Get(), nullptr);
  base::Result<int32_t> effect = (*open.Get()->SlideMaster())->SlideShowTransition().EntryEffect();
  ASSERT_FALSE(effect);
  EXPECT_NE(effect.error().message.find("the slide master"), std::string::npos)
      << effect.error().message;
}

// testdata/suite_transitions.pptx, slide by slide (testdata/make_transition_presentations.py
// checks that the saved XML holds these numbers), and the transition XML a slide built in code
// gets for the same answers, in the form the program saved it.
struct SavedTransition {
  const char* name;
  std::string built;
  int32_t effect;
  Timing timing;
};

std::string Saved(std::string_view attributes, std::string_view effect) {
  return "<mc:AlternateContent><mc:Choice Requires=\"p14\"><p:transition " +
         std::string(attributes) + ">" + std::string(effect) +
         "</p:transition></mc:Choice><mc:Fallback><p:transition spd=\"slow\">" +
         std::string(effect) + "</p:transition></mc:Fallback></mc:AlternateContent>";
}

const std::vector<SavedTransition>& SavedTransitions() {
  static const std::vector<SavedTransition> rows = {
      {"wipe of 2 s, on after 3 s",
       Saved(R"(spd="slow" advTm="3000" p14:dur="2000")", R"(<p:wipe dir="r"/>)"),
       ppEffectWipeRight,
       {.speed = ppTransitionSpeedSlow, .onTime = msoTrue, .time = 3.0f, .duration = 2.0f}},
      {"fade at medium speed with a sound",
       R"(<p:transition spd="med"><p:fade/><p:sndAc><p:stSnd><p:snd r:embed="rId1" name="Applause.wav"/></p:stSnd></p:sndAc></p:transition>)",
       ppEffectFadeSmoothly,
       {.speed = ppTransitionSpeedMedium, .duration = 0.75f, .sound = "Applause.wav"}},
      {"push down of 1.5 s",
       Saved(R"(spd="slow" p14:dur="1500")", R"(<p:push dir="d"/>)"),
       ppEffectPushDown,
       {.speed = ppTransitionSpeedSlow, .duration = 1.5f}},
      {"vortex, a fade to fall back on",
       R"(<mc:AlternateContent><mc:Choice Requires="p14"><p:transition spd="slow"><p14:vortex/></p:transition></mc:Choice><mc:Fallback><p:transition spd="slow"><p:fade/></p:transition></mc:Fallback></mc:AlternateContent>)",
       ppEffectVortexLeft,
       {.speed = ppTransitionSpeedSlow, .duration = 1.0f}},
      {"no effect, saved with a length",
       Saved(R"(spd="slow" p14:dur="2000")", ""),
       ppEffectNone,
       {.speed = ppTransitionSpeedSlow, .duration = 2.0f}},
  };
  return rows;
}

void ExpectSaved(const Presentation& presentation, const std::string& source) {
  SCOPED_TRACE(source);
  ASSERT_EQ(presentation.Slides().Count(), static_cast<int32_t>(SavedTransitions().size()));
  for (size_t i = 0; i < SavedTransitions().size(); ++i) {
    const SavedTransition& row = SavedTransitions()[i];
    const SlideShowTransition transition =
        (*presentation.Slides().Range(static_cast<int32_t>(i + 1)))->SlideShowTransition();
    EXPECT_EQ(transition.EntryEffect().value_or(99), row.effect) << row.name;
    ExpectTiming(transition, row.timing, row.name);
  }
}

TEST(SlideShowTransition, TransitionsSavedByImpressReadAsTheSameBuiltInCode) {
  testing::OpenPptx saved(testing::SuiteFile("suite_transitions.pptx"));
  ASSERT_NE(saved.Get(), nullptr);
  ExpectSaved(*saved.Get(), "saved by Impress");

  testing::OpenPptx built(SlidePerRow(SavedTransitions(), &SavedTransition::built));
  ASSERT_NE(built.Get(), nullptr);
  ExpectSaved(*built.Get(), "built in code");
}

}  // namespace
}  // namespace powerpoint
