// A slide's main animation sequence and the older per-shape settings derived from it: effect
// types by preset class and id, directions to entry effects, positions past the end, timing
// (trigger, delay, duration, repeat count), builds and their order, after effects, text levels
// and units, sounds, and timing trees that are missing, wrapped or deeply nested.
#include <gtest/gtest.h>

#include <optional>

#include "platform/office/powerpoint/constants.h"
#include "platform/office/powerpoint/errors.h"
#include "platform/office/powerpoint/testing/open_pptx.h"
#include "platform/office/powerpoint/testing/timing_writer.h"

namespace powerpoint {
namespace {

using testing::EffectXml;
using testing::MainSequenceTiming;

// Rectangles with ids first .. first + count - 1.
std::string Rectangles(int32_t first, int32_t count) {
  std::string shapes;
  for (int32_t id = first; id < first + count; ++id)
    shapes += testing::AutoShape(id, "Rectangle " + std::to_string(id), "rect",
                                 testing::Box{id * 10000, 0, 9000, 9000},
                                 testing::TextPara("Text " + std::to_string(id)));
  return shapes;
}

testing::PptxContent Animated(std::string shapes, std::string timing) {
  testing::PptxContent content = testing::OneSlide(std::move(shapes));
  content.slides[0].timing = std::move(timing);
  return content;
}

struct TypeRow {
  const char* name;
  std::string presetClass;
  int32_t presetId;
  int32_t presetSubtype;
  int32_t effectType;
  std::optional<int32_t> entryEffect;  // none: EntryEffect fails
};

const std::vector<TypeRow>& TypeRows() {
  static const std::vector<TypeRow> rows = {
      {"fly in from the left", "entr", 2, 8, msoAnimEffectFly, ppEffectFlyFromLeft},
      {"fly in from the bottom right", "entr", 2, 6, msoAnimEffectFly, ppEffectFlyFromBottomRight},
      {"appear", "entr", 1, 0, msoAnimEffectAppear, ppEffectAppear},
      {"wipe from the left moves right", "entr", 22, 8, msoAnimEffectWipe, ppEffectWipeRight},
      {"wipe from the bottom moves up", "entr", 22, 4, msoAnimEffectWipe, ppEffectWipeUp},
      {"blinds horizontal", "entr", 3, 5, msoAnimEffectBlinds, ppEffectBlindsHorizontal},
      {"random bars across are horizontal", "entr", 14, 10, msoAnimEffectRandomBars,
       ppEffectRandomBarsHorizontal},
      {"split vertical in", "entr", 16, 21, msoAnimEffectSplit, ppEffectSplitVerticalIn},
      {"zoom in slightly", "entr", 23, 272, msoAnimEffectZoom, ppEffectZoomInSlightly},
      {"wheel of four spokes", "entr", 21, 4, msoAnimEffectWheel, ppEffectWheel4Spokes},
      {"stretch from the top", "entr", 17, 1, msoAnimEffectStretch, ppEffectStretchUp},
      {"strips right-up", "entr", 18, 3, msoAnimEffectStrips, ppEffectStripsRightUp},
      {"flash once of half a second", "entr", 11, 0, msoAnimEffectFlashOnce,
       ppEffectFlashOnceMedium},
      {"fly in with no direction has no entry effect", "entr", 2, 0, msoAnimEffectFly,
       std::nullopt},
      {"light speed, past the skipped presets", "entr", 34, 0, msoAnimEffectLightSpeed,
       std::nullopt},
      {"faded zoom", "entr", 53, 0, msoAnimEffectFadedZoom, std::nullopt},
      {"fold, the last entrance", "entr", 58, 0, msoAnimEffectFold, std::nullopt},
      {"an exit shares the entrance numbers", "exit", 2, 8, msoAnimEffectFly, std::nullopt},
      {"emphasis spin", "emph", 8, 0, msoAnimEffectSpin, std::nullopt},
      {"emphasis shimmer", "emph", 36, 0, msoAnimEffectShimmer, std::nullopt},
      {"path circle", "path", 1, 0, msoAnimEffectPathCircle, std::nullopt},
      {"path right", "path", 63, 0, msoAnimEffectPathRight, std::nullopt},
      {"path up", "path", 64, 0, msoAnimEffectPathUp, std::nullopt},
      {"media play", "mediacall", 1, 0, msoAnimEffectMediaPlay, std::nullopt},
      {"an entrance without a number is custom", "entr", 99, 0, msoAnimEffectCustom, std::nullopt},
      {"a custom effect", "custom", 0, 0, msoAnimEffectCustom, std::nullopt},
  };
  return rows;
}

TEST(Timing, EffectTypeAndEntryEffectComeFromPresetClassIdAndDirection) {
  const std::vector<TypeRow>& rows = TypeRows();
  const int32_t count = static_cast<int32_t>(rows.size());
  std::vector<std::vector<EffectXml>> groups;
  for (int32_t i = 0; i < count; ++i) {
    EffectXml effect;
    effect.shapeId = 2 + i;
    effect.presetClass = rows[static_cast<size_t>(i)].presetClass;
    effect.presetId = rows[static_cast<size_t>(i)].presetId;
    effect.presetSubtype = rows[static_cast<size_t>(i)].presetSubtype;
    groups.push_back({effect});
  }
  testing::OpenPptx opened(Animated(Rectangles(2, count), MainSequenceTiming(groups)));
  ASSERT_NE(opened.Get(), nullptr);
  const Sequence& sequence = (*opened.Get()->Slides().Item(1))->TimeLine().MainSequence();
  ASSERT_EQ(sequence.Count(), count);
  for (int32_t i = 0; i < count; ++i) {
    const TypeRow& row = rows[static_cast<size_t>(i)];
    EXPECT_EQ((*sequence.Item(i + 1))->EffectType(), row.effectType) << row.name;
    base::Result<int32_t> entry = opened.ShapeAt(1, i + 1)->AnimationSettings().EntryEffect();
    if (row.entryEffect) {
      EXPECT_TRUE(entry && *entry == *row.entryEffect) << row.name;
    } else {
      EXPECT_FALSE(entry) << row.name;
    }
  }
}

TEST(Timing, MainSequenceItemsArePositionsFromOneAndTheirShapes) {
  EffectXml first;
  first.shapeId = 3;
  EffectXml onGroupMember;
  onGroupMember.shapeId = 11;
  const std::string group =
      testing::Group(10, "Group 10", testing::Box{0, 0, 100, 100},
                     testing::AutoShape(11, "Member 11", "rect", testing::Box{0, 0, 50, 50}));
  testing::OpenPptx opened(
      Animated(Rectangles(2, 2) + group, MainSequenceTiming({{first}, {onGroupMember}})));
  ASSERT_NE(opened.Get(), nullptr);
  const Sequence& sequence = (*opened.Get()->Slides().Item(1))->TimeLine().MainSequence();
  EXPECT_EQ(sequence.Count(), 2);
  for (int32_t past : {0, -1, 3, 32767}) {
    base::Result<const Effect*> item = sequence.Item(past);
    ASSERT_FALSE(item) << past;
    EXPECT_EQ(item.error().code, kErrNoSuchMember);
  }
  base::Result<const Shape*> shape = (*sequence.Item(1))->Shape();
  ASSERT_TRUE(shape);
  EXPECT_EQ((*shape)->Name(), "Rectangle 3");
  shape = (*sequence.Item(2))->Shape();
  ASSERT_TRUE(shape);
  EXPECT_EQ((*shape)->Name(), "Member 11");
}

TEST(Timing, TriggerDelayDurationAndRepeatCountAreReadInSeconds) {
  EffectXml onClick;
  EffectXml withPrevious;
  withPrevious.shapeId = 3;
  withPrevious.nodeType = "withEffect";
  withPrevious.delay = "250";
  withPrevious.duration = "2000";
  withPrevious.repeatCount = "3000";
  EffectXml afterPrevious;
  afterPrevious.shapeId = 4;
  afterPrevious.nodeType = "afterEffect";
  afterPrevious.delay = "1500";
  afterPrevious.repeatCount = "2500";
  EffectXml untilNextClick;
  untilNextClick.shapeId = 5;
  untilNextClick.repeatCount = "indefinite";
  untilNextClick.delay = "soon";
  untilNextClick.duration = "indefinite";
  testing::OpenPptx opened(
      Animated(Rectangles(2, 4),
               MainSequenceTiming({{onClick, withPrevious, afterPrevious}, {untilNextClick}})));
  ASSERT_NE(opened.Get(), nullptr);
  const Sequence& sequence = (*opened.Get()->Slides().Item(1))->TimeLine().MainSequence();
  ASSERT_EQ(sequence.Count(), 4);

  const Timing& click = (*sequence.Item(1))->Timing();
  EXPECT_EQ(click.TriggerType(), msoAnimTriggerOnPageClick);
  EXPECT_EQ(*click.TriggerDelayTime(), 0.0f);
  EXPECT_EQ(*click.Duration(), 0.5f);
  EXPECT_EQ(*click.RepeatCount(), 1.0f);

  const Timing& with = (*sequence.Item(2))->Timing();
  EXPECT_EQ(with.TriggerType(), msoAnimTriggerWithPrevious);
  EXPECT_EQ(*with.TriggerDelayTime(), 0.25f);
  EXPECT_EQ(*with.Duration(), 2.0f);
  EXPECT_EQ(*with.RepeatCount(), 3.0f);

  const Timing& after = (*sequence.Item(3))->Timing();
  EXPECT_EQ(after.TriggerType(), msoAnimTriggerAfterPrevious);
  EXPECT_EQ(*after.TriggerDelayTime(), 1.5f);
  EXPECT_EQ(*after.RepeatCount(), 2.5f);

  // Values with no number fail rather than read as 0.
  const Timing& odd = (*sequence.Item(4))->Timing();
  EXPECT_FALSE(odd.TriggerDelayTime());
  EXPECT_EQ(odd.TriggerDelayTime().error().code, kErrUnreadable);
  EXPECT_FALSE(odd.RepeatCount());
  // A behaviour that runs until stopped adds no length: what is left is the 1 ms that shows it.
  EXPECT_EQ(*odd.Duration(), 0.001f);
}

// Slide: shape 2 flies in from the left on a click; shape 3 is not animated; shape 4 fades in
// after it, 1.5 s later, by word, with a sound, its text by second-level paragraphs; shape 5
// comes with the previous effect by letter and is hidden after it, its text all at once; shape 6
// wipes in and is dimmed red by the next effect, that of shape 7, which hides itself on the next
// click; shape 8 only spins. Shape 9 comes in and leaves: its exit ends hidden, no after effect.
testing::PptxContent Builds() {
  EffectXml fly;
  fly.presetId = 2;
  fly.presetSubtype = 8;
  EffectXml fade;
  fade.shapeId = 4;
  fade.nodeType = "afterEffect";
  fade.delay = "1500";
  fade.iterate = "wd";
  fade.sound = "Applause.wav";
  fade.groupId = 1;
  EffectXml hidden;
  hidden.shapeId = 5;
  hidden.nodeType = "withEffect";
  hidden.iterate = "lt";
  hidden.behaviours = testing::HideBehaviour(5, false, false);
  EffectXml wipe;
  wipe.shapeId = 6;
  wipe.presetId = 22;
  wipe.presetSubtype = 4;
  EffectXml dimmer;
  dimmer.shapeId = 7;
  dimmer.behaviours =
      testing::DimBehaviour(6, "FF0000", true) + testing::HideBehaviour(7, true, true);
  EffectXml spin;
  spin.shapeId = 8;
  spin.presetClass = "emph";
  spin.presetId = 8;
  EffectXml enter;
  enter.shapeId = 9;
  EffectXml leave;
  leave.shapeId = 9;
  leave.presetClass = "exit";
  leave.behaviours = testing::HideBehaviour(9, false, false);
  const std::string builds =
      testing::BuildParagraph(4, 0, "whole") + testing::BuildParagraph(4, 1, "p", "2") +
      testing::BuildParagraph(5, 0, "allAtOnce") + testing::BuildParagraph(2, 0, "whole");
  return Animated(Rectangles(2, 8),
                  MainSequenceTiming(
                      {{fly, fade, hidden}, {wipe}, {dimmer}, {spin}, {enter}, {leave}}, builds));
}

class Builds : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NE(opened_.Get(), nullptr); }
  AnimationSettings Of(int32_t shape) { return opened_.ShapeAt(1, shape)->AnimationSettings(); }
  testing::OpenPptx opened_{powerpoint::Builds()};
};

TEST_F(Builds, OrderCountsTheAnimatedShapesAndLeavesTheOthersAtZero) {
  const int32_t expected[] = {1, 0, 2, 3, 4, 5, 6, 7};
  for (int32_t shape = 1; shape <= 8; ++shape) {
    AnimationSettings settings = Of(shape);
    EXPECT_EQ(settings.AnimationOrder(), expected[shape - 1]) << shape;
    EXPECT_EQ(settings.Animate(), expected[shape - 1] != 0 ? msoTrue : msoFalse) << shape;
  }
}

TEST_F(Builds, AdvanceModeAndTimeComeFromTheBuildEffectsTrigger) {
  EXPECT_EQ(Of(1).AdvanceMode(), ppAdvanceOnClick);
  EXPECT_EQ(Of(2).AdvanceMode(), ppAdvanceOnClick);
  EXPECT_EQ(Of(3).AdvanceMode(), ppAdvanceOnTime);
  EXPECT_EQ(Of(4).AdvanceMode(), ppAdvanceOnTime);
  EXPECT_EQ(*Of(3).AdvanceTime(), 1.5f);
  EXPECT_EQ(*Of(1).AdvanceTime(), 0.0f);
  EXPECT_EQ(*Of(2).AdvanceTime(), 0.0f);
}

TEST_F(Builds, EntryEffectOfTheBuildAndNoneForAShapeNotAnimated) {
  EXPECT_EQ(*Of(1).EntryEffect(), ppEffectFlyFromLeft);
  EXPECT_EQ(*Of(2).EntryEffect(), ppEffectNone);
  EXPECT_EQ(*Of(3).EntryEffect(), ppEffectFade);
  EXPECT_EQ(*Of(5).EntryEffect(), ppEffectWipeUp);
  EXPECT_FALSE(Of(7).EntryEffect());              // an emphasis effect has none
  EXPECT_EQ(*Of(8).EntryEffect(), ppEffectFade);  // the entrance, not the later exit
}

TEST_F(Builds, AfterEffectsInTheEffectOrFromALaterOne) {
  EXPECT_EQ(Of(1).AfterEffect(), ppAfterEffectNothing);
  EXPECT_EQ(Of(2).AfterEffect(), ppAfterEffectNothing);
  EXPECT_EQ(Of(4).AfterEffect(), ppAfterEffectHide);
  EXPECT_EQ(Of(5).AfterEffect(), ppAfterEffectDim);
  ASSERT_TRUE(Of(5).DimColor());
  EXPECT_EQ(Of(5).DimColor()->RGB(), 255);  // red, in the low byte
  EXPECT_EQ(Of(6).AfterEffect(), ppAfterEffectHideOnClick);
  EXPECT_EQ(Of(8).AfterEffect(), ppAfterEffectNothing);
  EXPECT_FALSE(Of(4).DimColor());
  EXPECT_FALSE(Of(2).DimColor());
}

TEST_F(Builds, TextLevelFromTheBuildGroupAndTextUnitFromTheIteration) {
  EXPECT_EQ(Of(3).TextLevelEffect(), ppAnimateBySecondLevel);  // its group's p:bldP, not "whole"
  EXPECT_EQ(Of(4).TextLevelEffect(), ppAnimateByAllLevels);
  EXPECT_EQ(Of(1).TextLevelEffect(), ppAnimateLevelNone);
  EXPECT_EQ(Of(2).TextLevelEffect(), ppAnimateLevelNone);
  EXPECT_EQ(Of(3).TextUnitEffect(), ppAnimateByWord);
  EXPECT_EQ(Of(4).TextUnitEffect(), ppAnimateByCharacter);
  EXPECT_EQ(Of(1).TextUnitEffect(), ppAnimateByParagraph);
}

TEST_F(Builds, SoundOfTheBuildEffect) {
  base::Result<SoundEffect> sound = Of(3).SoundEffect();
  ASSERT_TRUE(sound);
  EXPECT_EQ(sound->Name(), "Applause.wav");
  EXPECT_FALSE(Of(1).SoundEffect());
  EXPECT_FALSE(Of(2).SoundEffect());
}

// Shape 2 is first emphasised (on a click, with a sound), then enters after that, 2 s later,
// by wiping up; shape 3 first leaves, then flies in with the previous effect. Each shape's
// settings are those of its entrance, wherever its other effects stand.
TEST(Timing, TheSettingsOfAShapeAreItsFirstEntranceNotItsFirstEffect) {
  EffectXml spin;
  spin.presetClass = "emph";
  spin.presetId = 8;
  spin.sound = "Drum.wav";
  EffectXml wipe;
  wipe.presetId = 22;
  wipe.presetSubtype = 4;
  wipe.nodeType = "afterEffect";
  wipe.delay = "2000";
  wipe.iterate = "wd";
  EffectXml leave;
  leave.shapeId = 3;
  leave.presetClass = "exit";
  EffectXml fly;
  fly.shapeId = 3;
  fly.presetId = 2;
  fly.presetSubtype = 8;
  fly.nodeType = "withEffect";
  testing::OpenPptx opened(
      Animated(Rectangles(2, 2), MainSequenceTiming({{spin, wipe}, {leave, fly}})));
  ASSERT_NE(opened.Get(), nullptr);
  AnimationSettings emphasisedFirst = opened.ShapeAt(1, 1)->AnimationSettings();
  EXPECT_EQ(*emphasisedFirst.EntryEffect(), ppEffectWipeUp);
  EXPECT_EQ(emphasisedFirst.AdvanceMode(), ppAdvanceOnTime);
  EXPECT_EQ(*emphasisedFirst.AdvanceTime(), 2.0f);
  EXPECT_EQ(emphasisedFirst.TextUnitEffect(), ppAnimateByWord);
  EXPECT_FALSE(emphasisedFirst.SoundEffect());  // the spin plays one, the entrance none
  AnimationSettings leftFirst = opened.ShapeAt(1, 2)->AnimationSettings();
  EXPECT_EQ(*leftFirst.EntryEffect(), ppEffectFlyFromLeft);
  EXPECT_EQ(leftFirst.AdvanceMode(), ppAdvanceOnTime);
  // Ordered by their entrances: shape 2's comes first, as its spin does.
  EXPECT_EQ(emphasisedFirst.AnimationOrder(), 1);
  EXPECT_EQ(leftFirst.AnimationOrder(), 2);
}

// What the model reads of one effect of the main sequence and of one shape's settings.
struct EffectRead {
  int32_t type = -1;
  int32_t trigger = -1;
  float delay = -1;
  float duration = -1;
  float repeat = -1;
  std::string shape;
  bool operator==(const EffectRead&) const = default;
};

struct SettingsRead {
  int32_t animate = -9;
  int32_t order = -9;
  int32_t entry = -9;
  int32_t mode = -9;
  float time = -9;
  int32_t after = -9;
  int32_t dim = -9;
  std::string sound;
  bool operator==(const SettingsRead&) const = default;
};

std::ostream& operator<<(std::ostream& out, const EffectRead& e) {
  return out << "type " << e.type << " trigger " << e.trigger << " delay " << e.delay
             << " duration " << e.duration << " repeat " << e.repeat << " on " << e.shape;
}

std::ostream& operator<<(std::ostream& out, const SettingsRead& s) {
  return out << "animate " << s.animate << " order " << s.order << " entry " << s.entry << " mode "
             << s.mode << " time " << s.time << " after " << s.after << " dim " << s.dim
             << " sound " << s.sound;
}

std::vector<EffectRead> EffectsOf(const Presentation& presentation) {
  std::vector<EffectRead> read;
  for (const Effect& effect : (*presentation.Slides().Item(1))->TimeLine().MainSequence()) {
    const Timing& timing = effect.Timing();
    base::Result<const Shape*> shape = effect.Shape();
    read.push_back({effect.EffectType(), timing.TriggerType(),
                    timing.TriggerDelayTime().value_or(-1), timing.Duration().value_or(-1),
                    timing.RepeatCount().value_or(-1), shape ? (*shape)->Name() : "?"});
  }
  return read;
}

std::vector<SettingsRead> SettingsOf(const Presentation& presentation) {
  std::vector<SettingsRead> read;
  for (const auto& shape : (*presentation.Slides().Item(1))->Shapes()) {
    const AnimationSettings s = shape->AnimationSettings();
    base::Result<ColorFormat> dim = s.DimColor();
    base::Result<SoundEffect> sound = s.SoundEffect();
    read.push_back({s.Animate(), s.AnimationOrder(), s.EntryEffect().value_or(-1), s.AdvanceMode(),
                    s.AdvanceTime().value_or(-1), s.AfterEffect(), dim ? dim->RGB() : -1,
                    sound ? sound->Name() : ""});
  }
  return read;
}

// What LibreOffice Impress saved for testdata/suite_animation.pptx (its script says how it was
// made), built in code: the same shapes, effects, timing, dim, hide and sound.
testing::PptxContent ImpressAnimationInCode() {
  EffectXml flying;
  flying.shapeId = 41;
  flying.presetId = 2;
  flying.presetSubtype = 8;
  flying.duration = "2000";
  EffectXml wiping;
  wiping.shapeId = 43;
  wiping.presetId = 22;
  wiping.presetSubtype = 4;
  wiping.nodeType = "afterEffect";
  wiping.delay = "1500";
  wiping.repeatCount = "3000";
  wiping.behaviours =
      testing::HideBehaviour(43, false, false) + testing::DimBehaviour(41, "ff0000", false);
  EffectXml sounding;
  sounding.shapeId = 44;
  sounding.presetId = 2;
  sounding.presetSubtype = 4;
  sounding.sound = "applause.wav";
  std::string shapes;
  int32_t id = 41;
  for (const char* name : {"Flying", "Still", "Wiping", "Sounding"})
    shapes += testing::AutoShape(id++, name, "rect", testing::Box{}, testing::TextPara(name));
  return Animated(shapes, MainSequenceTiming({{flying}, {wiping}, {sounding}}));
}

TEST(Timing, ATreeSavedByImpressReadsAsTheSameTreeBuiltInCode) {
  testing::OpenPptx saved(testing::SuiteFile("suite_animation.pptx"));
  ASSERT_NE(saved.Get(), nullptr);
  testing::OpenPptx built(ImpressAnimationInCode());
  ASSERT_NE(built.Get(), nullptr);

  const std::vector<EffectRead> effects = {
      {msoAnimEffectFly, msoAnimTriggerOnPageClick, 0, 2, 1, "Flying"},
      {msoAnimEffectWipe, msoAnimTriggerAfterPrevious, 1.5f, 0.5f, 3, "Wiping"},
      {msoAnimEffectFly, msoAnimTriggerOnPageClick, 0, 0.5f, 1, "Sounding"},
  };
  EXPECT_EQ(EffectsOf(*saved.Get()), effects);
  EXPECT_EQ(EffectsOf(*built.Get()), effects);

  const std::vector<SettingsRead> settings = {
      {msoTrue, 1, ppEffectFlyFromLeft, ppAdvanceOnClick, 0, ppAfterEffectDim, 255, ""},
      {msoFalse, 0, ppEffectNone, ppAdvanceOnClick, 0, ppAfterEffectNothing, -1, ""},
      {msoTrue, 2, ppEffectWipeUp, ppAdvanceOnTime, 1.5f, ppAfterEffectHide, -1, ""},
      {msoTrue, 3, ppEffectFlyFromBottom, ppAdvanceOnClick, 0, ppAfterEffectNothing, -1,
       "applause.wav"},
  };
  EXPECT_EQ(SettingsOf(*saved.Get()), settings);
  EXPECT_EQ(SettingsOf(*built.Get()), settings);
}

TEST(Timing, NoTimingGivesAnEmptySequenceAndShapesNotAnimated) {
  testing::OpenPptx opened(testing::OneSlide(Rectangles(2, 1)));
  ASSERT_NE(opened.Get(), nullptr);
  EXPECT_EQ((*opened.Get()->Slides().Item(1))->TimeLine().MainSequence().Count(), 0);
  AnimationSettings settings = opened.ShapeAt(1, 1)->AnimationSettings();
  EXPECT_EQ(settings.Animate(), msoFalse);
  EXPECT_EQ(settings.AnimationOrder(), 0);
  EXPECT_EQ(settings.AdvanceMode(), ppAdvanceOnClick);
  EXPECT_EQ(settings.AfterEffect(), ppAfterEffectNothing);
}

TEST(Timing, ATimingTreeInsideAlternateContentIsRead) {
  EffectXml fly;
  fly.presetId = 2;
  fly.presetSubtype = 8;
  const std::string timing = MainSequenceTiming({{fly}});
  testing::OpenPptx opened(
      Animated(Rectangles(2, 1), R"(<mc:AlternateContent><mc:Choice Requires="p14">)" + timing +
                                     "</mc:Choice><mc:Fallback>" + timing +
                                     "</mc:Fallback></mc:AlternateContent>"));
  ASSERT_NE(opened.Get(), nullptr);
  EXPECT_EQ((*opened.Get()->Slides().Item(1))->TimeLine().MainSequence().Count(), 1);
  EXPECT_EQ(*opened.ShapeAt(1, 1)->AnimationSettings().EntryEffect(), ppEffectFlyFromLeft);
}

TEST(Timing, DeeplyNestedTimeNodesAreWalkedWithoutRecursion) {
  constexpr int kDepth = 100000;
  std::string nested;
  nested.reserve(kDepth * 40);
  for (int i = 0; i < kDepth; ++i) nested += "<p:par><p:cTn><p:childTnLst>";
  nested +=
      R"(<p:par><p:cTn id="3" presetID="10" presetClass="entr" nodeType="clickEffect"><p:childTnLst>)"
      R"(<p:set><p:cBhvr><p:cTn id="4" dur="1"/><p:tgtEl><p:spTgt spid="2"/></p:tgtEl></p:cBhvr></p:set>)"
      R"(</p:childTnLst></p:cTn></p:par>)";
  for (int i = 0; i < kDepth; ++i) nested += "</p:childTnLst></p:cTn></p:par>";
  const std::string timing =
      R"(<p:timing><p:tnLst><p:par><p:cTn id="1" nodeType="tmRoot"><p:childTnLst><p:seq><p:cTn id="2" nodeType="mainSeq"><p:childTnLst>)" +
      nested +
      "</p:childTnLst></p:cTn></p:seq></p:childTnLst></p:cTn></p:par></p:tnLst></p:timing>";
  testing::OpenPptx opened(Animated(Rectangles(2, 1), timing));
  ASSERT_NE(opened.Get(), nullptr);
  EXPECT_EQ((*opened.Get()->Slides().Item(1))->TimeLine().MainSequence().Count(), 1);
  EXPECT_EQ(opened.ShapeAt(1, 1)->AnimationSettings().AnimationOrder(), 1);
}

}  // namespace
}  // namespace powerpoint
