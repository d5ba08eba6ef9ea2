// The animation checks as rule rows over a presentation built in code: a shape's entry effect,
// order, advance, after effect, dim colour, text level and unit, sound and whether it is
// animated; the type and timing of the effects of a slide's main sequence; and what a missing
// slide, shape or effect reads as.
#include <gtest/gtest.h>

#include "grading/slidemark/testing/rule_cases.h"
#include "grading/slidemark/testing/slide_fixture.h"
#include "platform/office/powerpoint/testing/timing_writer.h"

namespace slidemark {
namespace {

namespace pt = powerpoint::testing;
using testing::RunCases;

// Slide 1, shapes 1-6 (ids 2-7) and the main sequence's effects 1-5:
//   1. shape 1 flies in from the left on a click, 0.5 s;
//   -  shape 2 is not animated;
//   2. shape 3 fades in after the previous effect, 1.5 s later, for 2 s, three times, by word,
//      with "Applause.wav", its text by second-level paragraphs;
//   3. shape 4 wipes in from the bottom with the previous effect and is hidden after it;
//   4. shape 5 appears on a click and is dimmed red by the next effect;
//   5. shape 6 appears on a click, 2.5 times.
// Slide 2 has a shape and no timing.
pt::PptxContent Deck() {
  pt::EffectXml fly;
  fly.presetId = 2;
  fly.presetSubtype = 8;
  pt::EffectXml fade;
  fade.shapeId = 4;
  fade.nodeType = "afterEffect";
  fade.delay = "1500";
  fade.duration = "2000";
  fade.repeatCount = "3000";
  fade.iterate = "wd";
  fade.sound = "Applause.wav";
  fade.groupId = 1;
  pt::EffectXml wipe;
  wipe.shapeId = 5;
  wipe.presetId = 22;
  wipe.presetSubtype = 4;
  wipe.nodeType = "withEffect";
  wipe.behaviours = pt::HideBehaviour(5, true, false);
  pt::EffectXml appear;
  appear.shapeId = 6;
  appear.presetId = 1;
  pt::EffectXml dimmer;
  dimmer.shapeId = 7;
  dimmer.presetId = 1;
  dimmer.repeatCount = "2500";
  dimmer.behaviours = pt::DimBehaviour(6, "FF0000", true);

  std::string shapes;
  for (int32_t id = 2; id <= 7; ++id)
    shapes += pt::AutoShape(id, "Shape " + std::to_string(id), "rect", pt::Box{},
                            pt::TextPara("Text of shape " + std::to_string(id)));
  pt::SlideXml first(shapes);
  first.timing = pt::MainSequenceTiming({{fly, fade, wipe}, {appear}, {dimmer}},
                                        pt::BuildParagraph(4, 1, "p", "2"));
  pt::PptxContent content;
  content.slides = {first, pt::SlideXml(pt::AutoShape(2, "Alone", "rect", pt::Box{}))};
  return content;
}

class Animations : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(opened_.Opened()); }
  testing::OpenedPresentation opened_{Deck()};
};

TEST_F(Animations, EntryEffectOfAShape) {
  RunCases(opened_, {
                        {"fly in from the left reads 3329", {"SETANIMATION", "1", "1", "3329"}, 1},
                        {"not fly in from the top", {"SETANIMATION", "1", "1", "3330"}, 0},
                        {"appear", {"SETANIMATION", "1", "5", "3844"}, 1},
                        {"wipe from the bottom moves up", {"SETANIMATION", "1", "4", "2818"}, 1},
                        {"a shape not animated has none", {"SETANIMATION", "1", "2", "0"}, 1},
                        {"a missing shape reads 0", {"SETANIMATION", "1", "9", "0"}, 1},
                        {"a missing shape has no effect", {"SETANIMATION", "1", "9", "3329"}, 0},
                        {"a missing slide reads 0", {"SETANIMATION", "9", "1", "0"}, 1},
                    });
}

TEST_F(Animations, OrderOfOneShapeAndOfTwo) {
  RunCases(opened_, {
                        {"the first build", {"GETANIMATIONORDER", "1", "1"}, 1},
                        {"the second build", {"GETANIMATIONORDER", "1", "3"}, 1},
                        {"a shape not animated", {"GETANIMATIONORDER", "1", "2"}, 0},
                        {"a shape beyond the last", {"GETANIMATIONORDER", "1", "9"}, 0},
                        {"two shapes in order", {"PPTANIMATIONORDER", "1", "1", "3"}, 1},
                        {"two shapes the other way", {"PPTANIMATIONORDER", "1", "3", "1"}, 0},
                        {"a shape against itself", {"PPTANIMATIONORDER", "1", "1", "1"}, 0},
                        {"the first not animated", {"PPTANIMATIONORDER", "1", "2", "1"}, 1},
                        {"the second not animated", {"PPTANIMATIONORDER", "1", "1", "2"}, 0},
                        {"neither animated", {"PPTANIMATIONORDER", "1", "2", "2"}, 0},
                        {"the first missing", {"PPTANIMATIONORDER", "1", "9", "1"}, 1},
                    });
}

TEST_F(Animations, AdvanceModeAndTime) {
  RunCases(opened_,
           {
               {"on a click", {"SHAPEANIMATIONMODE", "1", "1", "1"}, 1},
               {"after the previous is on time", {"SHAPEANIMATIONMODE", "1", "3", "2"}, 1},
               {"with the previous is on time", {"SHAPEANIMATIONMODE", "1", "4", "2"}, 1},
               {"a shape not animated waits for a click", {"SHAPEANIMATIONMODE", "1", "2", "1"}, 1},
               {"a missing shape reads 0", {"SHAPEANIMATIONMODE", "1", "9", "0"}, 1},
               {"a missing shape has no mode", {"SHAPEANIMATIONMODE", "1", "9", "1"}, 0},
               {"the delay", {"SHAPEANIMATIONONTIME", "1", "3", "1.5"}, 1},
               {"no tolerance", {"SHAPEANIMATIONONTIME", "1", "3", "1.4"}, 0},
               {"no delay", {"SHAPEANIMATIONONTIME", "1", "1", "0"}, 1},
           });
}

TEST_F(Animations, AfterEffectAndDimColour) {
  RunCases(opened_,
           {
               {"hidden after its effect", {"SETANIMATIONEFFECT", "1", "4", "1"}, 1},
               {"not hidden on the next click", {"SETANIMATIONEFFECT", "1", "4", "3"}, 0},
               {"dimmed by the next effect", {"SETANIMATIONEFFECT", "1", "5", "2"}, 1},
               {"nothing after", {"SETANIMATIONEFFECT", "1", "1", "0"}, 1},
               {"dimmed red, red in the low byte", {"SETANIMATIONEFFECTCOLOR", "1", "5", "255"}, 1},
               {"not blue", {"SETANIMATIONEFFECTCOLOR", "1", "5", "16711680"}, 0},
               {"no dim reads 0", {"SETANIMATIONEFFECTCOLOR", "1", "1", "0"}, 1},
           });
}

TEST_F(Animations, TextLevelTextUnitAndSound) {
  RunCases(opened_,
           {
               {"second-level paragraphs", {"SETANIMATIONEFFECTTEXTLEVEL", "1", "3", "2"}, 1},
               {"as one object", {"SETANIMATIONEFFECTTEXTLEVEL", "1", "1", "0"}, 1},
               {"by word", {"SETANIMATIONTEXTEFFECT", "1", "3", "1"}, 1},
               {"not by letter", {"SETANIMATIONTEXTEFFECT", "1", "3", "2"}, 0},
               {"by paragraph", {"SETANIMATIONTEXTEFFECT", "1", "1", "0"}, 1},
               {"a sound named in lower case",
                {"SETANIMATIONEFFECTSOUNDEFFECT", "1", "3", "applause.wav"},
                1},
               {"another sound", {"SETANIMATIONEFFECTSOUNDEFFECT", "1", "3", "cheer.wav"}, 0},
               {"no sound is empty", {"SETANIMATIONEFFECTSOUNDEFFECT", "1", "1", ""}, 1},
           });
}

TEST_F(Animations, WhetherAShapeIsAnimated) {
  RunCases(opened_, {
                        {"animated is -1", {"SLIDESHAPEISANIMATE", "1", "1", "-1"}, 1},
                        {"not animated is 0", {"SLIDESHAPEISANIMATE", "1", "2", "0"}, 1},
                        {"not animated is not -1", {"SLIDESHAPEISANIMATE", "1", "2", "-1"}, 0},
                        {"a missing shape reads 0", {"SLIDESHAPEISANIMATE", "1", "9", "0"}, 1},
                    });
}

TEST_F(Animations, EffectsOfTheMainSequence) {
  RunCases(opened_,
           {
               {"the first effect flies", {"SLDANIMATIONSETTING", "1", "1", "2"}, 1},
               {"the third wipes", {"SLDANIMATIONSETTING", "1", "3", "22"}, 1},
               {"past the end holds for 0", {"SLDANIMATIONSETTING", "1", "6", "0"}, 1},
               {"past the end holds for nothing else", {"SLDANIMATIONSETTING", "1", "6", "2"}, 0},
               {"effect 0 is no effect", {"SLDANIMATIONSETTING", "1", "0", "0"}, 1},
               {"a slide without timing", {"SLDANIMATIONSETTING", "2", "1", "0"}, 1},
               {"on a page click", {"SLDANIMATIONTRIGGER", "1", "1", "1"}, 1},
               {"after the previous", {"SLDANIMATIONTRIGGER", "1", "2", "3"}, 1},
               {"with the previous", {"SLDANIMATIONTRIGGER", "1", "3", "2"}, 1},
               {"no trigger past the end", {"SLDANIMATIONTRIGGER", "1", "9", "0"}, 1},
               {"the delay", {"SLDANIMATIONTRIGGERDELAYTIME", "1", "2", "1.5"}, 1},
               {"no delay", {"SLDANIMATIONTRIGGERDELAYTIME", "1", "1", "0"}, 1},
               {"single precision, no tolerance",
                {"SLDANIMATIONTRIGGERDELAYTIME", "1", "2", "1.50001"},
                0},
               {"the duration", {"SLDANIMATIONDURATION", "1", "2", "2"}, 1},
               {"half a second", {"SLDANIMATIONDURATION", "1", "1", "0.5"}, 1},
               {"not another", {"SLDANIMATIONDURATION", "1", "1", "0.6"}, 0},
               {"three times", {"SLDANIMATIONREPEATCOUNT", "1", "2", "3"}, 1},
               {"2.5 times rounds to the even 2", {"SLDANIMATIONREPEATCOUNT", "1", "5", "2"}, 1},
               {"once without a count", {"SLDANIMATIONREPEATCOUNT", "1", "1", "1"}, 1},
               {"past the end reads 0", {"SLDANIMATIONREPEATCOUNT", "1", "9", "0"}, 1},
           });
}

}  // namespace
}  // namespace slidemark
