// The score exports (see score_export.h).
#include "client/proctor/score_export.h"

#include "client/common/file_write.h"
#include "client/common/system_utils.h"
#include "client/grading/score_scrambler.h"
#include "client/server/server_protocol.h"
#include "platform/base/text.h"
#include "platform/win/attributes.h"
#include "platform/win/codepage.h"

std::string ScoreTable(const std::vector<std::string>& moduleNames,
                       const std::vector<CandidateRecord>& candidates) {
  std::string table = "准考证号,姓名,性别,学院,班级,学号,状态";
  for (const std::string& name : moduleNames) table += "," + name;
  table += "\n";
  for (const CandidateRecord& c : candidates) {
    table += "\t" + c.examCode + "," + c.name + "," + c.sex + "," + c.school + "," + c.className +
             ",\t" + c.no + "," + StateName(c.state);
    std::vector<std::string> items;
    SplitString(DecodeText(c.score, c.examCode), "|", items);
    for (const std::string& item : items) {
      const size_t dash = item.find('-');
      table += "," + (dash == std::string::npos ? item : item.substr(dash + 1));
    }
    table += "\n";
  }
  return table;
}

std::string ScoreFileBytes(std::string_view table) {
  std::string crlf;
  crlf.reserve(table.size() + table.size() / 16);
  for (char ch : table) {
    if (ch == '\n') crlf += '\r';
    crlf += ch;
  }
  return win::Utf8ToGbk(crlf);
}

void ScoreExport::ExportDatabase() {
  const std::string proposed = GetLocalIP(c_.Session().Settings().Read("KIRV", "NIC")) +
                               std::string(proctor_text::ScoreDbName);
  std::optional<std::string> file =
      c_.Ui().ChooseFileToSave(proposed, std::string(proctor_text::ScoreDbFilter));
  if (!file) return;
  if (!base::AsciiLower(*file).ends_with(".mdb")) *file += ".mdb";
  if (base::Status copied = c_.Store().CopyDatabase(*file); !copied) {
    c_.Show(std::string(proctor_text::ExportFailed) + copied.error().message);
    return;
  }
  c_.Show(std::string(proctor_text::ExportDone));
}

void ScoreExport::ExportScores() {
  if (!c_.Session().TrainingMode()) {
    c_.Show(std::string(proctor_text::ScoresClosed));
    return;
  }
  ExamStore& store = c_.Store();
  const base::Result<std::vector<ListEntry>> modules = store.ModuleList();
  const base::Result<std::vector<CandidateRecord>> candidates =
      modules ? store.AllCandidates() : base::Result<std::vector<CandidateRecord>>(modules.error());
  if (!candidates) {
    c_.Show(std::string(proctor_text::ExportFailed) + candidates.error().message);
    return;
  }
  ProctorUi& ui = c_.Ui();
  ui.ShowProgress(std::string(proctor_text::ExportingScores));
  ui.SetProgressRange(static_cast<int>(candidates->size()));
  std::vector<std::string> names;
  for (const ListEntry& m : *modules) names.push_back(m.name);
  const std::string table = ScoreTable(names, *candidates);
  ui.SetProgress(static_cast<int>(candidates->size()));
  const std::string path = c_.Session().ProgramFolder() + std::string(proctor_text::ScoresFile);
  const base::Status written =
      WriteFileAtomically(path, ScoreFileBytes(table), win::FILE_ATTRIBUTE_ARCHIVE);
  ui.CloseProgress();
  if (!written) {
    c_.Show(std::string(proctor_text::ExportFailed) + path + "\n" + written.error().message);
    return;
  }
  ui.OpenFile(path);
}
