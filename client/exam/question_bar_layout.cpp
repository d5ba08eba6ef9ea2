// Question bar geometry in whole pixels: every division truncates.
#include "client/exam/question_bar_layout.h"

BarEdge BarDockEdge(int screenWidth, int screenHeight) {
  if (screenWidth <= 0) return BarEdge::Top;
  return double(screenHeight) / double(screenWidth) < 0.75 ? BarEdge::Left : BarEdge::Top;
}

QuestionBarGeometry BarGeometry(int w, int h) {
  QuestionBarGeometry g;
  g.topHeight = h / 3;
  g.floating = {0, 0, w / 3, 2 * h / 3};
  g.created = {0, 0, w / 3, h};
  return g;
}

std::string TasksPaneName(const std::string& title, const std::string& candidateName) {
  return (title.empty() ? std::string("KIRV") : title) + " - " + candidateName;
}
