// The tasks pane's database reads and writes (see exam_pane_data.h). The look-ups of paper and
// module run on the second shared recordset so that they never disturb a walk of the first.
#include "client/exam_pane_data.h"

#include <charconv>

#include "client/db/ado_connection.h"
#include "client/db/ado_record_set.h"
#include "client/globals.h"

namespace {

bool ParseId(const std::string& text, int& id) {
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, id);
  return ec == std::errc() && ptr == end && !text.empty();
}

std::string ReadOne(const std::string& sql, int id, const std::string& field) {
  std::string value;
  if (SecondRecordSet.Open(sql, {SqlInt(id)}) && !SecondRecordSet.IsEOF())
    SecondRecordSet.GetString(field, value);
  if (SecondRecordSet.IsOpen()) SecondRecordSet.Close();
  return value;
}

}  // namespace

bool ReadCandidateExam(const std::string& examCode, int& timeLeft, std::string& papers) {
  bool found = false;
  if (MainRecordSet.Open("Select * from [Stu] where examcode=?", {SqlText(examCode)}) &&
      !MainRecordSet.IsEOF()) {
    MainRecordSet.GetInt("TimeLeft", timeLeft);
    MainRecordSet.GetString("Papers", papers);
    found = true;
  }
  if (MainRecordSet.IsOpen()) MainRecordSet.Close();
  return found;
}

std::string ReadPaperFile(const std::string& paperId) {
  int id = 0;
  if (!ParseId(paperId, id)) return {};
  return ReadOne("select PaperFile from [Paper] where PaperID=?", id, "PaperFile");
}

std::string ReadModuleName(const std::string& moduleId) {
  int id = 0;
  if (!ParseId(moduleId, id)) return {};
  return ReadOne("select Name from [Module] where ModuleID=?", id, "Name");
}

bool SaveTimeLeft(const std::string& examCode, int remaining) {
  return ExamDatabase.Execute("update [Stu] set TimeLeft=? where examcode=?",
                              {SqlInt(remaining), SqlText(examCode)}) != nullptr;
}
