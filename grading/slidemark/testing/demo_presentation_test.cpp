// The demo presentation task's files against each other, before any control reads them: the
// answer workbook's rows as the engine loads them, and what the presentation model shows for
// the values its rules expect: the task done shows every one, the starting presentation none,
// the partly wrong one all but those of its mistakes.
#include "grading/slidemark/testing/demo_presentation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "grading/engine/answer_grid.h"
#include "grading/engine/engine_state.h"
#include "platform/office/powerpoint/application.h"
#include "platform/office/powerpoint/constants.h"
#include "platform/win/paths.h"
#include "platform/win/testing/test_folder.h"

namespace {

namespace fs = std::filesystem;
namespace pp = powerpoint;

TEST(DemoPresentation, TheAnswerWorkbookNamesThePresentationAndItsRulesGiveTheFullMarks) {
  win::testing::ScopedTempFolder folder{"demo_presentation_"};
  ASSERT_TRUE(demo::WritePptAnswer(folder.Path() / demo::kPptAnswer));
  engine::EngineState state;
  ASSERT_TRUE(
      engine::LoadAnswerTable(state, win::ToWindowsPath(folder.Path()) + "\\", demo::kPptAnswer));
  const engine::Grid& grid = state.AnswerGrid;
  EXPECT_EQ(grid.Cell(1, 1), "filename");
  EXPECT_EQ(grid.Cell(1, 2), demo::kPptPresentation);
  EXPECT_EQ(grid.Cell(1, 4), std::to_string(demo::kPptFullMarks));
  // A rule row ends with its points and its text.
  int points = 0, row = 2;
  for (; row <= engine::kGridRows && grid.Cell(row, 1) != "END"; ++row) {
    int last = engine::kGridColumns;
    while (last > 1 && grid.Cell(row, last).empty()) --last;
    points += std::stoi(grid.Cell(row, last - 1));
  }
  EXPECT_LE(row, engine::kGridRows) << "no END row";
  int stepPoints = 0;
  for (unsigned bit = 1; bit <= demo::kAllPptSteps; bit <<= 1)
    stepPoints += demo::PptStepPoints(static_cast<demo::PptStep>(bit));
  EXPECT_EQ(points, demo::kPptFullMarks);
  EXPECT_EQ(stepPoints, demo::kPptFullMarks);
}

// What the rules read, as the model shows it for one presentation.
struct Shown {
  int32_t slides = 0;
  int32_t firstLayout = 0;
  std::string title;
  std::string titleFont;
  float titleSize = 0;
  int32_t titleBold = 0;
  int32_t bodyAlignment = 0;
  int32_t shapeType = 0, autoShapeType = 0;
  float left = 0, top = 0, width = 0, height = 0;
  int32_t fillRgb = -1;
  std::string subtitleLink;
  int32_t transition = -1;
  int32_t entryEffect = -1;
};

Shown Show(const std::function<base::Status(const fs::path&)>& write) {
  win::testing::ScopedTempFolder folder{"demo_presentation_"};
  const fs::path file = folder.Path() / demo::kPptPresentation;
  Shown shown;
  if (!write(file)) {
    ADD_FAILURE() << "not written";
    return shown;
  }
  pp::Application app;
  base::Result<pp::Presentation*> opened = app.Presentations().Open(win::ToWindowsPath(file));
  if (!opened) {
    ADD_FAILURE() << opened.error().message;
    return shown;
  }
  const pp::Slides& slides = (*opened)->Slides();
  shown.slides = slides.Count();
  if (base::Result<pp::Slide*> first = slides.Item(1)) {
    shown.firstLayout = (*first)->Layout().value_or(0);
    if (base::Result<pp::Shape*> title = (*first)->Shapes().Item(1)) {
      const pp::TextRange text = (*title)->TextFrame()->TextRange();
      shown.title = text.Text();
      shown.titleFont = text.Font().Name().value_or("");
      shown.titleSize = text.Font().Size().value_or(0);
      shown.titleBold = text.Font().Bold().value_or(0);
    }
    if (base::Result<pp::Shape*> subtitle = (*first)->Shapes().Item(2)) {
      const pp::TextRange text = (*subtitle)->TextFrame()->TextRange();
      if (base::Result<pp::ActionSetting> click = text.ActionSettings().Item(pp::ppMouseClick))
        shown.subtitleLink = click->Hyperlink().Address();
    }
  }
  if (base::Result<pp::Slide*> second = slides.Item(2)) {
    shown.transition = (*second)->SlideShowTransition().EntryEffect().value_or(-1);
    if (base::Result<pp::Shape*> body = (*second)->Shapes().Item(2))
      shown.bodyAlignment =
          (*body)->TextFrame()->TextRange().ParagraphFormat().Alignment().value_or(0);
    if (base::Result<pp::Shape*> shape = (*second)->Shapes().Item(3)) {
      shown.shapeType = (*shape)->Type();
      shown.autoShapeType = (*shape)->AutoShapeType().value_or(0);
      shown.left = (*shape)->Left().value_or(0);
      shown.top = (*shape)->Top().value_or(0);
      shown.width = (*shape)->Width().value_or(0);
      shown.height = (*shape)->Height().value_or(0);
      if (base::Result<pp::FillFormat> fill = (*shape)->Fill()) {
        if (base::Result<pp::ColorFormat> fore = fill->ForeColor()) shown.fillRgb = fore->RGB();
      }
      shown.entryEffect = (*shape)->AnimationSettings().EntryEffect().value_or(-1);
    }
  }
  return shown;
}

// The control's centimetres (28.375 points) to a tenth, as a size rule compares them.
double Centimetres(float points) {
  return std::nearbyint(points / 28.375 * 10) / 10;
}

TEST(DemoPresentation, TheTaskDoneShowsWhatEveryRuleExpects) {
  const Shown done = Show([](const fs::path& f) { return demo::WriteSolvedPresentation(f); });
  EXPECT_EQ(done.slides, 3);
  EXPECT_EQ(done.firstLayout, pp::ppLayoutTitle);
  EXPECT_EQ(done.title, "计算机的发展简史");
  EXPECT_EQ(done.titleFont, "黑体");
  EXPECT_EQ(done.titleSize, 40);
  EXPECT_EQ(done.titleBold, pp::msoTrue);
  EXPECT_EQ(done.bodyAlignment, pp::ppAlignCenter);
  EXPECT_EQ(done.shapeType, pp::msoAutoShape);
  EXPECT_EQ(done.autoShapeType, pp::msoShape5pointStar);
  EXPECT_EQ(Centimetres(done.width), 3.0);
  EXPECT_EQ(Centimetres(done.height), 3.0);
  EXPECT_EQ(std::nearbyint(done.left), 510);
  EXPECT_EQ(std::nearbyint(done.top), 283);
  EXPECT_EQ(done.fillRgb, 0x0000FF) << "red, red in the low byte";
  EXPECT_EQ(done.subtitleLink, "http://www.edu.cn/");
  EXPECT_EQ(done.transition, pp::ppEffectDissolve);
  EXPECT_EQ(done.entryEffect, pp::ppEffectFlyFromLeft);
}

TEST(DemoPresentation, TheStartingPresentationShowsNoneOfThem) {
  const Shown start = Show(demo::WriteStartingPresentation);
  EXPECT_EQ(start.slides, 2);
  EXPECT_EQ(start.firstLayout, pp::ppLayoutObject);
  EXPECT_EQ(start.title.find("计算机的发展简史"), std::string::npos);
  EXPECT_NE(start.titleFont, "黑体");
  EXPECT_NE(start.titleSize, 40);
  EXPECT_NE(start.titleBold, pp::msoTrue);
  EXPECT_NE(start.bodyAlignment, pp::ppAlignCenter);
  EXPECT_EQ(start.autoShapeType, 0) << "no third shape on the second slide";
  EXPECT_EQ(start.subtitleLink, "");
  EXPECT_EQ(start.transition, pp::ppEffectNone);
}

// The drawn shape before its fill and animation steps: the style's accent colour, not red, and
// no entrance.
TEST(DemoPresentation, TheStarBeforeItsFillAndAnimationShowsNeither) {
  const Shown drawn = Show([](const fs::path& f) {
    return demo::WriteSolvedPresentation(f, demo::kStarGeometry | demo::kStarShape);
  });
  EXPECT_EQ(drawn.autoShapeType, pp::msoShape5pointStar);
  EXPECT_NE(drawn.fillRgb, 0x0000FF);
  EXPECT_NE(drawn.fillRgb, -1) << "the style's fill reads";
  EXPECT_EQ(drawn.entryEffect, pp::ppEffectNone);
}

TEST(DemoPresentation, ThePartlyWrongPresentationShowsItsMistakes) {
  const Shown partly = Show(demo::WritePartlyWrongPresentation);
  EXPECT_EQ(partly.title, "计算机的发展简史");
  EXPECT_EQ(partly.titleSize, 36);
  EXPECT_EQ(partly.bodyAlignment, pp::ppAlignRight);
  EXPECT_EQ(Centimetres(partly.width), 4.0);
  EXPECT_EQ(Centimetres(partly.height), 3.0);
  EXPECT_EQ(partly.autoShapeType, pp::msoShape5pointStar);
  EXPECT_EQ(partly.fillRgb, 0x00FFFF) << "yellow";
  EXPECT_EQ(partly.entryEffect, pp::ppEffectFlyFromRight);
  EXPECT_EQ(partly.subtitleLink, "http://www.edu.cn/");
  EXPECT_EQ(partly.transition, pp::ppEffectDissolve);
}

}  // namespace
