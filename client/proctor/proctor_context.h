// What every proctor operation works with: the exam session (settings, exam store, folders, the
// training flag and the kill list) and the proctor's screen, with the few steps they share:
// the selected candidate, the candidate's folder by the [Const] TestDir rule, and saying what
// went wrong.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "client/exam/exam_session.h"
#include "client/proctor/proctor_ui.h"

// The candidate a proctor operation works on: the exam code of the list's selected row.
using Selection = std::optional<std::string>;

class ProctorContext {
 public:
  ProctorContext(ExamSession& session, ProctorUi& ui) : session_(session), ui_(ui) {}

  ExamSession& Session() { return session_; }
  ExamStore& Store() { return session_.Store(); }
  ProctorUi& Ui() { return ui_; }

  // ShowMessage: the text in a box with OK.
  void Show(const std::string& text) { ui_.Message(text, win::MB_OK); }
  // Yes / No and OK / Cancel questions with the question icon; true on Yes or OK.
  bool AskYesNo(const std::string& question);
  bool AskOkCancel(const std::string& question);

  // The selected exam code, or nullopt after showing `noSelection`.
  std::optional<std::string> Selected(const Selection& selection, std::string_view noSelection);

  // The folder under the candidate root that belongs to `examCode` (ends with "\"), by the
  // TestDir of [Const]; nullopt after saying why when [Const] cannot be read or the code would
  // name a folder outside the root.
  std::optional<std::string> StudentFolder(const std::string& examCode);
  // The candidate root itself (TestDir with the program's drive when it has none), ending "\".
  std::optional<std::string> CandidateRoot();

 private:
  ExamSession& session_;
  ProctorUi& ui_;
};

// Texts the proctor operations share.
namespace proctor_text {
// A code that cannot be a folder name: the login's refusal.
inline constexpr std::string_view BadCode = "准考证号中含有不允许使用的字符：";
}  // namespace proctor_text
