// The control's window: a child of the host's window, 700 x 400 unless the host gives a
// rectangle, holding the result list (child 101: "序号", "评分动作", "参数", "对错", "分值"),
// which every run fills. Only a visible creation makes one, and its parent is then the host's
// QWidget; an invisible control (the exam client's) keeps its rows without a window.
#pragma once

#include <memory>
#include <vector>

#include "grading/hopmark/driver.h"
#include "platform/com/control.h"

namespace hopmark {

class ResultListWindow {
 public:
  // Nothing when the creation is invisible, has no parent or the process shows no widgets.
  static std::unique_ptr<ResultListWindow> Create(const com::CreateParams& params);
  ~ResultListWindow();
  ResultListWindow(const ResultListWindow&) = delete;
  ResultListWindow& operator=(const ResultListWindow&) = delete;

  // The list shows exactly these rows, numbered from 0.
  void Show(const std::vector<ResultRow>& rows);

 private:
  struct Widgets;
  explicit ResultListWindow(std::unique_ptr<Widgets> widgets);
  std::unique_ptr<Widgets> widgets_;
};

}  // namespace hopmark
