// The steps the proctor operations share (see proctor_context.h).
#include "client/proctor/proctor_context.h"

#include "client/exam/login.h"

bool ProctorContext::AskYesNo(const std::string& question) {
  return ui_.Message(question, win::MB_YESNO | win::MB_ICONQUESTION) == win::IDYES;
}

bool ProctorContext::AskOkCancel(const std::string& question) {
  return ui_.Message(question, win::MB_OKCANCEL | win::MB_ICONQUESTION) == win::IDOK;
}

std::optional<std::string> ProctorContext::Selected(const Selection& selection,
                                                    std::string_view noSelection) {
  if (!selection) Show(std::string(noSelection));
  return selection;
}

std::optional<std::string> ProctorContext::CandidateRoot() {
  const base::Result<std::optional<ConstRow>> row = Store().ReadConst();
  if (!row) {
    Show(std::string(login_text::ReadFailed) + row.error().message);
    return std::nullopt;
  }
  if (!*row) {
    Show(std::string(login_text::NoDatabase));
    return std::nullopt;
  }
  // The folder of a one-character code, less that character and its "\".
  std::string root = CandidateFolder(session_.ProgramFolder(), (*row)->testDir, "_");
  root.resize(root.size() - 2);
  return root;
}

std::optional<std::string> ProctorContext::StudentFolder(const std::string& examCode) {
  if (!IsAcceptableExamCode(examCode)) {
    Show(std::string(proctor_text::BadCode) + examCode);
    return std::nullopt;
  }
  std::optional<std::string> root = CandidateRoot();
  if (!root) return std::nullopt;
  return *root + examCode + "\\";
}
