// The question views: read-only rich text that shows a question file (RTF with its pictures)
// and keeps the candidate from copying it. Every key is eaten; Ctrl+C and Ctrl+X put a warning on
// the clipboard instead of the text; there is no context menu, no selection and no dragging.
// CLinkRichEdit adds clickable link areas (none are defined in this system).
#pragma once

#include <QRect>
#include <QTextEdit>
#include <functional>
#include <string>
#include <vector>

// Makes every piece of text in `edit` `deltaPoints` larger (negative: smaller), at least 1 point,
// and puts the cursor at the start.
void ChangeTextSize(QTextEdit& edit, double deltaPoints);

class CQuestionRichEdit : public QTextEdit {
 public:
  explicit CQuestionRichEdit(QWidget* parent = nullptr);

  // What Ctrl+C and Ctrl+X leave on the clipboard.
  static constexpr const char* kCopyWarning = "考试过程中不允许粘贴复制试题内容!";

  // Loads a question file (Windows-form path) as RTF; false when it cannot be read.
  bool StreamInRtfFile(const std::string& path);

  // ChangeTextSize on this view.
  void ChangeFontSize(double deltaPoints) { ChangeTextSize(*this, deltaPoints); }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  bool event(QEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
};

class CLinkRichEdit : public CQuestionRichEdit {
 public:
  struct LinkArea {
    QRect rect;
    std::string text;
    int code = 0;
  };

  explicit CLinkRichEdit(QWidget* parent = nullptr);

  void SetLinkAreas(std::vector<LinkArea> areas) { areas_ = std::move(areas); }
  // Called with (control id, the area's code) when a link area is clicked.
  void SetNotify(std::function<void(int, int)> notify) { notify_ = std::move(notify); }
  void SetControlId(int id) { controlId_ = id; }
  int ControlId() const { return controlId_; }

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  const LinkArea* AreaAt(const QPoint& point) const;
  std::vector<LinkArea> areas_;
  std::function<void(int, int)> notify_;
  int controlId_ = 0;
};
