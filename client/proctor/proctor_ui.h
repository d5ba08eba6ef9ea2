// What the proctor's operations ask of the screen: message boxes, the line input, the folder and
// file choosers, the progress box and the shell's "Open". The proctor dialog answers with real
// windows; tests answer with a script, so every operation runs without a screen.
#pragma once

#include <optional>
#include <string>

#include "platform/win/message_box.h"

class ProctorUi {
 public:
  virtual ~ProctorUi() = default;
  // A message box under the program's title (win:: flags); returns the button pressed.
  virtual int Message(const std::string& text, unsigned flags = win::MB_OK) = 0;
  // CInputDlg under `prompt`; nullopt on Cancel.
  virtual std::optional<std::string> AskText(const std::string& prompt) = 0;
  // The shell's folder browser with `title`; nullopt when none was chosen. Windows form.
  virtual std::optional<std::string> ChooseFolder(const std::string& title) = 0;
  // The open and save dialogs; `filter` in the platform's form ("Text (*.x)|*.x|...||").
  // Nullopt on cancel. Windows form.
  virtual std::optional<std::string> ChooseFileToOpen(const std::string& filter) = 0;
  virtual std::optional<std::string> ChooseFileToSave(const std::string& proposedName,
                                                      const std::string& filter) = 0;
  // The modeless progress box (CWaitDlg): shown with a text, its range 0..upper and position,
  // closed. Showing it again only changes the text.
  virtual void ShowProgress(const std::string& text) = 0;
  virtual void SetProgressRange(int upper) = 0;
  virtual void SetProgress(int position) = 0;
  virtual void CloseProgress() = 0;
  // The shell's "Open" on a file.
  virtual void OpenFile(const std::string& path) = 0;
};
