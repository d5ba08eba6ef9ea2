// CExamToolBar: the question bar's row of seven tool buttons (open the candidate folder, browser,
// mail, auto-hide, larger and smaller question text, exit), and CToolbarLabel, a text-only
// toolbar item that is drawn alike whether enabled or not.
#pragma once

#include <QToolBar>
#include <QWidgetAction>
#include <functional>

// Command ids of the seven buttons.
enum ExamCommand : int {
  kCmdOpenFolder = 32781,
  kCmdBrowser = 32782,
  kCmdMail = 32783,
  kCmdAutoHide = 32778,
  kCmdFontLarger = 32784,
  kCmdFontSmaller = 32785,
  kCmdExit = 32774,
};

struct ToolbarButtonEntry {
  int id;
  const char* command;  // prompt and short text, separated by a line break
  bool showText;
};

// The buttons in toolbar order.
extern const ToolbarButtonEntry kExamToolbarButtons[7];

class CExamToolBar : public QToolBar {
 public:
  explicit CExamToolBar(QWidget* parent = nullptr);

  // Called with a button's command id when it is clicked.
  void SetCommandHandler(std::function<void(int)> handler) { handler_ = std::move(handler); }

  QAction* Button(int index) const;
  // The label of button `index` (its short text at first).
  void SetButtonText(int index, const QString& text);

 private:
  std::function<void(int)> handler_;
  QList<QAction*> buttons_;
};

class CToolbarLabel : public QWidgetAction {
 public:
  explicit CToolbarLabel(int id = 0, const QString& text = {}, QObject* parent = nullptr);
  int Id() const { return id_; }

 protected:
  QWidget* createWidget(QWidget* parent) override;

 private:
  int id_;
};
