// Tests of the question bar's dock edge, sizes and pane name.
#include "client/exam/question_bar_layout.h"

#include <gtest/gtest.h>

namespace {

TEST(QuestionBarLayout, DockEdgeByScreenShape) {
  struct Case {
    int w, h;
    BarEdge edge;
  } cases[] = {
      {1024, 768, BarEdge::Top},  {1280, 1024, BarEdge::Top}, {800, 600, BarEdge::Top},
      {1366, 768, BarEdge::Left}, {1440, 900, BarEdge::Left}, {1920, 1080, BarEdge::Left},
      {1023, 768, BarEdge::Top},  {1025, 768, BarEdge::Left}, {0, 0, BarEdge::Top},
  };
  for (const Case& c : cases) EXPECT_EQ(BarDockEdge(c.w, c.h), c.edge) << c.w << "x" << c.h;
}

TEST(QuestionBarLayout, SizesFromTheScreen) {
  const QuestionBarGeometry g = BarGeometry(1366, 768);
  EXPECT_EQ(g.sideWidth, 420);
  EXPECT_EQ(g.topHeight, 256);
  EXPECT_EQ(g.floating.right, 455);
  EXPECT_EQ(g.floating.bottom, 512);
  EXPECT_EQ(g.created.right, 455);
  EXPECT_EQ(g.created.bottom, 768);
}

TEST(QuestionBarLayout, PaneName) {
  EXPECT_EQ(TasksPaneName("", "未知"), "KIRV - 未知");
  EXPECT_EQ(TasksPaneName("计算机考试", "未知"), "计算机考试 - 未知");
}

}  // namespace
