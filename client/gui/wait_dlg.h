// CWaitDlg: a small modeless box with a progress bar, shown by its owner during long database
// and file operations; the owner sets its text and progress and destroys it at the end.
#pragma once

#include <QDialog>
#include <string>

class QLabel;
class QProgressBar;

class CWaitDlg : public QDialog {
 public:
  explicit CWaitDlg(QWidget* parent = nullptr);

  void SetText(const std::string& text);
  std::string Text() const;
  void SetRange(int lower, int upper);
  // Outside the range: the nearest end.
  void SetPos(int position);
  int Pos() const;
  // Paints the box now (the owner keeps the UI thread busy meanwhile).
  void Refresh();

 private:
  QLabel* text_;
  QProgressBar* progress_;
};
