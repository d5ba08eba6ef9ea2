// The question bar's geometry and names, without a window: the dock edge by the screen's shape,
// the bar's sizes, and the name of its tasks pane.
#pragma once

#include <string>

enum class BarEdge { Left, Top };

// Top when height / width is at least 0.75 (4:3 and 5:4 screens), left otherwise (wide screens).
BarEdge BarDockEdge(int screenWidth, int screenHeight);

struct BarRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
};

struct QuestionBarGeometry {
  int sideWidth = 420;  // docked at the left or right edge
  int topHeight = 0;    // docked at the top or bottom: H / 3
  BarRect floating;     // 0, 0, W / 3, 2H / 3
  BarRect created;      // 0, 0, W / 3, H
};

QuestionBarGeometry BarGeometry(int screenWidth, int screenHeight);

// The tasks pane's name: the [KIRV] Title ("KIRV" when empty), " - " and the candidate's name.
std::string TasksPaneName(const std::string& title, const std::string& candidateName);
