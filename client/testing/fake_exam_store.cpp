// The fake exam store (see fake_exam_store.h).
#include "client/testing/fake_exam_store.h"

#include <algorithm>
#include <cstdlib>
#include <tuple>

#include "platform/base/text.h"

namespace {

CandidateRecord RecordOf(const std::string& code, const FakeExamStore::Candidate& c) {
  return {code, c.name,  c.sex,      c.room,   c.session, c.seat,    c.school, c.className,
          c.no, c.state, c.timeLeft, c.papers, c.score,   c.scoreOk, c.sendOk};
}

// The fake's column of a [Stu] field name (any case); null for a field the table lacks.
std::string* FieldOf(FakeExamStore::Candidate& c, const std::string& field) {
  const std::pair<const char*, std::string*> text[] = {
      {"name", &c.name},       {"sex", &c.sex},   {"room", &c.room},
      {"session", &c.session}, {"seat", &c.seat}, {"school", &c.school},
      {"class", &c.className}, {"no", &c.no},     {"papers", &c.papers},
      {"score", &c.score}};
  for (const auto& [name, member] : text)
    if (base::EqualsNoCase(field, name)) return member;
  return nullptr;
}

}  // namespace

void FakeExamStore::AddPaper(int module, int id, std::string attFile, int timeLimit,
                             std::string paperFile) {
  Paper& p = papers[id];
  p.module = module;
  p.name = "paper " + std::to_string(id);
  p.attFile = std::move(attFile);
  p.paperFile = std::move(paperFile);
  p.timeLimit = timeLimit;
}

bool FakeExamStore::Fails(const std::string& method) {
  asked.push_back(method);
  if (auto it = failTimes.find(method); it != failTimes.end() && it->second > 0) {
    --it->second;
    return true;
  }
  return failing.count(method) > 0 || failing.count("*") > 0;
}

base::Result<std::optional<ConstRow>> FakeExamStore::ReadConst() {
  if (Fails("ReadConst")) return Error();
  return constRow;
}

base::Status FakeExamStore::ResetState(const std::string& examCode) {
  if (Fails("ResetState")) return Error();
  writes.push_back("reset " + examCode);
  if (auto it = stu.find(examCode); it != stu.end()) it->second.state = 0;
  return base::Ok();
}

base::Result<std::optional<StartedRow>> FakeExamStore::FindStarted(const std::string& examCode) {
  if (Fails("FindStarted")) return Error();
  auto it = stu.find(examCode);
  if (it == stu.end() || it->second.state == 0) return std::optional<StartedRow>();
  return std::optional<StartedRow>(
      StartedRow{it->second.state, it->second.timeLeft, it->second.scoreOk, it->second.papers});
}

base::Result<std::optional<PaperRow>> FakeExamStore::FindPaper(int paperId) {
  if (Fails("FindPaper")) return Error();
  auto it = papers.find(paperId);
  if (it == papers.end()) return std::optional<PaperRow>();
  return std::optional<PaperRow>(PaperRow{paperId, it->second.attFile, it->second.timeLimit});
}

base::Result<std::optional<std::string>> FakeExamStore::GroupModules(int groupId) {
  if (Fails("GroupModules")) return Error();
  auto it = groups.find(groupId);
  if (it == groups.end()) return std::optional<std::string>();
  return std::optional<std::string>(it->second.modules);
}

base::Result<std::vector<int>> FakeExamStore::EnabledModules() {
  if (Fails("EnabledModules")) return Error();
  std::vector<int> ids;
  for (const auto& [id, m] : modules)
    if (m.enabled) ids.push_back(id);
  return ids;
}

base::Result<std::vector<PaperRow>> FakeExamStore::PapersOfModule(int moduleId) {
  if (Fails("PapersOfModule")) return Error();
  std::vector<PaperRow> rows;
  for (const auto& [id, p] : papers)
    if (p.module == moduleId) rows.push_back({id, p.attFile, p.timeLimit});
  return rows;
}

base::Result<bool> FakeExamStore::RowExists(const std::string& examCode) {
  if (Fails("RowExists")) return Error();
  return stu.count(examCode) > 0;
}

base::Status FakeExamStore::UpdateAttempt(const std::string& examCode, int seconds,
                                          const std::string& papersText) {
  if (Fails("UpdateAttempt")) return Error();
  writes.push_back("update " + examCode + " " + std::to_string(seconds) + " " + papersText);
  Candidate& c = stu[examCode];
  c.state = 1;
  c.timeLeft = seconds;
  c.papers = papersText;
  return base::Ok();
}

base::Status FakeExamStore::InsertAttempt(const AttemptRow& row) {
  if (Fails("InsertAttempt")) return Error();
  writes.push_back("insert " + row.examCode + " " + row.name + " " + row.room + "/" + row.session +
                   "/" + row.seat + " " + std::to_string(row.seconds) + " " + row.papers);
  stu[row.examCode] = Candidate{1, row.seconds, false, row.papers};
  return base::Ok();
}

base::Result<std::vector<ListEntry>> FakeExamStore::GroupList() {
  if (Fails("GroupList")) return Error();
  std::vector<ListEntry> list;
  for (const auto& [id, g] : groups) list.push_back({id, g.name});
  return list;
}

base::Result<std::vector<ListEntry>> FakeExamStore::ModuleList() {
  if (Fails("ModuleList")) return Error();
  std::vector<ListEntry> list;
  for (const auto& [id, m] : modules)
    if (m.enabled) list.push_back({id, m.name});
  return list;
}

base::Result<std::vector<ListEntry>> FakeExamStore::PaperList(int moduleId) {
  if (Fails("PaperList")) return Error();
  std::vector<ListEntry> list;
  for (const auto& [id, p] : papers)
    if (p.module == moduleId) list.push_back({id, p.name});
  return list;
}

base::Result<std::optional<CandidateRecord>> FakeExamStore::FindCandidate(
    const std::string& examCode) {
  if (Fails("FindCandidate")) return Error();
  auto it = stu.find(examCode);
  if (it == stu.end()) return std::optional<CandidateRecord>();
  return std::optional<CandidateRecord>(RecordOf(it->first, it->second));
}

base::Result<std::optional<std::string>> FakeExamStore::PaperFile(int paperId) {
  if (Fails("PaperFile")) return Error();
  auto it = papers.find(paperId);
  if (it == papers.end()) return std::optional<std::string>();
  return std::optional<std::string>(it->second.paperFile);
}

base::Result<std::optional<std::string>> FakeExamStore::ModuleName(int moduleId) {
  if (Fails("ModuleName")) return Error();
  auto it = modules.find(moduleId);
  if (it == modules.end()) return std::optional<std::string>();
  return std::optional<std::string>(it->second.name);
}

base::Status FakeExamStore::SaveTimeLeft(const std::string& examCode, int seconds) {
  if (Fails("SaveTimeLeft")) return Error();
  writes.push_back("time " + examCode + " " + std::to_string(seconds));
  if (auto it = stu.find(examCode); it != stu.end()) it->second.timeLeft = seconds;
  return base::Ok();
}

base::Status FakeExamStore::MarkFinished(const std::string& examCode) {
  if (Fails("MarkFinished")) return Error();
  writes.push_back("finished " + examCode);
  if (auto it = stu.find(examCode); it != stu.end()) {
    it->second.timeLeft = 0;
    it->second.state = 1;
  }
  return base::Ok();
}

base::Result<std::vector<CandidateRecord>> FakeExamStore::ProctorList() {
  if (Fails("ProctorList")) return Error();
  std::vector<CandidateRecord> rows;
  for (const auto& [code, c] : stu)
    if (c.state != 0) rows.push_back(RecordOf(code, c));
  std::stable_sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
    return std::tie(a.room, a.session, a.seat) < std::tie(b.room, b.session, b.seat);
  });
  return rows;
}

base::Result<std::vector<CandidateRecord>> FakeExamStore::AllCandidates() {
  if (Fails("AllCandidates")) return Error();
  std::vector<CandidateRecord> rows;
  for (const auto& [code, c] : stu) rows.push_back(RecordOf(code, c));
  return rows;
}

base::Status FakeExamStore::ExtendTime(const std::string& examCode, int seconds) {
  if (Fails("ExtendTime")) return Error();
  writes.push_back("extend " + examCode + " " + std::to_string(seconds));
  if (auto it = stu.find(examCode); it != stu.end()) it->second.timeLeft += seconds;
  return base::Ok();
}

base::Status FakeExamStore::UpdateTransferred(const CandidateRecord& r) {
  if (Fails("UpdateTransferred")) return Error();
  writes.push_back("transfer update " + r.examCode);
  Candidate& c = stu[r.examCode];
  c.state = r.state;
  c.timeLeft = r.timeLeft;
  c.papers = r.papers;
  c.score = r.score;
  return base::Ok();
}

base::Status FakeExamStore::InsertTransferred(const CandidateRecord& r) {
  if (Fails("InsertTransferred")) return Error();
  writes.push_back("transfer insert " + r.examCode);
  stu[r.examCode] = Candidate{r.state,   r.timeLeft, false,    r.papers,    r.name, r.sex,   r.room,
                              r.session, r.seat,     r.school, r.className, r.no,   r.score, false};
  return base::Ok();
}

base::Result<bool> FakeExamStore::HasCandidates() {
  if (Fails("HasCandidates")) return Error();
  return !stu.empty();
}

base::Status FakeExamStore::ClearCandidates() {
  if (Fails("ClearCandidates")) return Error();
  writes.push_back("clear");
  stu.clear();
  return base::Ok();
}

base::Status FakeExamStore::WriteSeatingRow(const std::string& examCode, bool lookUp,
                                            const std::vector<FieldValue>& fields) {
  if (Fails("WriteSeatingRow")) return Error();
  if (!lookUp && stu.count(examCode))
    return base::Error{"UNIQUE constraint failed: Stu.examcode", 2067};
  Candidate row = stu.count(examCode) ? stu[examCode] : Candidate{};
  std::string code = examCode, line = "seating " + examCode;
  for (const FieldValue& f : fields) {
    line += " " + f.field + "=" + f.value;
    if (base::EqualsNoCase(f.field, "examcode"))
      code = f.value;
    else if (base::EqualsNoCase(f.field, "state"))
      row.state = std::atoi(f.value.c_str());
    else if (std::string* member = FieldOf(row, f.field))
      *member = f.value;
    else
      return base::Error{"Item cannot be found in the collection: " + f.field, 3265};
  }
  writes.push_back(line);
  stu[code] = row;
  return base::Ok();
}

base::Status FakeExamStore::CopyDatabase(const std::string& windowsPath) {
  if (Fails("CopyDatabase")) return Error();
  writes.push_back("copy " + windowsPath);
  return base::Ok();
}

base::Result<std::optional<std::string>> FakeExamStore::AnswerFiles(int paperId) {
  if (Fails("AnswerFiles")) return Error();
  auto it = papers.find(paperId);
  if (it == papers.end()) return std::optional<std::string>();
  return std::optional<std::string>(it->second.ansFile);
}

base::Status FakeExamStore::StoreScore(const std::string& examCode, const std::string& encoded) {
  if (Fails("StoreScore")) return Error();
  auto it = stu.find(examCode);
  if (it == stu.end()) return base::Error{"no candidate row took the change", 0};
  writes.push_back("score " + examCode + " " + encoded);
  it->second.scoreOk = true;
  it->second.score = encoded;
  return base::Ok();
}

base::Status FakeExamStore::MarkScoreSent(const std::string& examCode) {
  if (Fails("MarkScoreSent")) return Error();
  auto it = stu.find(examCode);
  if (it == stu.end()) return base::Error{"no candidate row took the change", 0};
  writes.push_back("sent " + examCode);
  it->second.sendOk = true;
  return base::Ok();
}

void FakeExamStore::Close() {
  writes.push_back("close");
}
