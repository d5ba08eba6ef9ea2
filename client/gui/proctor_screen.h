// The proctor's screen on Qt: message boxes through the program's message sink, the line input
// (CInputDlg), the folder and file choosers, the progress box (CWaitDlg) and the shell's "Open",
// all owned by the window they belong to. Paths go out in Windows form.
#pragma once

#include <QString>
#include <memory>
#include <string_view>

#include "client/proctor/proctor_ui.h"

class CWaitDlg;
class QWidget;

// A file filter in the platform's form ("Text (*.x)|*.x|All Files (*.*)|*.*||") as Qt writes it
// ("Text (*.x);;All Files (*.*)").
QString QtFileFilter(std::string_view filter);

class ProctorScreen : public ProctorUi {
 public:
  explicit ProctorScreen(QWidget* owner);
  ~ProctorScreen() override;

  int Message(const std::string& text, unsigned flags) override;
  std::optional<std::string> AskText(const std::string& prompt) override;
  std::optional<std::string> ChooseFolder(const std::string& title) override;
  std::optional<std::string> ChooseFileToOpen(const std::string& filter) override;
  std::optional<std::string> ChooseFileToSave(const std::string& proposedName,
                                              const std::string& filter) override;
  void ShowProgress(const std::string& text) override;
  void SetProgressRange(int upper) override;
  void SetProgress(int position) override;
  void CloseProgress() override;
  void OpenFile(const std::string& path) override;

  // The progress box while it is shown; null otherwise.
  CWaitDlg* Progress() const { return wait_.get(); }

 private:
  QWidget* owner_;
  std::unique_ptr<CWaitDlg> wait_;
};
