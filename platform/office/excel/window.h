// The window a workbook is shown in. Closing it closes the workbook without saving and without
// asking, which is what callers expect after they have set Saved or saved under another name.
#pragma once

namespace excel {

class Workbook;

class Window {
 public:
  explicit Window(Workbook& book) : book_(book) {}
  Workbook& Parent() { return book_; }
  // Closes the workbook; the window and its workbook are gone afterwards.
  void Close();

 private:
  Workbook& book_;
};

}  // namespace excel
