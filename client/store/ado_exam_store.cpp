// The exam store's statements (see ado_exam_store.h). Single-row look-ups read the row and close
// the recordset again, so no query stays open between two questions.
#include "client/store/ado_exam_store.h"

#include "platform/ado/backup.h"
#include "platform/win/paths.h"

namespace {

PaperRow ReadPaper(CAdoRecordSet& rs) {
  PaperRow p;
  rs.GetInt("PaperID", p.paperId);
  rs.GetString("AttFile", p.attFile);
  rs.GetInt("TimeLimit", p.timeLimit);
  return p;
}

// Closes the recordset when the look-up is done, however it ended.
struct CloseAfter {
  CAdoRecordSet& rs;
  ~CloseAfter() { rs.Close(); }
};

// One text field of a row.
auto Field(const char* name) {
  return [name](CAdoRecordSet& rs) {
    std::string text;
    rs.GetString(name, text);
    return text;
  };
}

CandidateRecord ReadCandidate(CAdoRecordSet& rs) {
  CandidateRecord r;
  rs.GetString("examcode", r.examCode);
  rs.GetString("Name", r.name);
  rs.GetString("Sex", r.sex);
  rs.GetString("Room", r.room);
  rs.GetString("Session", r.session);
  rs.GetString("Seat", r.seat);
  rs.GetString("School", r.school);
  rs.GetString("Class", r.className);
  rs.GetString("No", r.no);
  rs.GetInt("State", r.state);
  rs.GetInt("timeleft", r.timeLeft);
  rs.GetString("Papers", r.papers);
  rs.GetString("Score", r.score);
  rs.GetBool("scoreok", r.scoreOk);
  rs.GetBool("sendok", r.sendOk);
  return r;
}

}  // namespace

// The first row of a query as `read` makes it; none when the query finds nothing.
template <class Read>
auto AdoExamStore::FirstRow(CAdoRecordSet& rs, const std::string& sql, const SqlParams& params,
                            Read read) -> base::Result<std::optional<decltype(read(rs))>> {
  using Row = decltype(read(rs));
  CloseAfter done{rs};
  if (auto s = Query(rs, sql, params); !s) return s.error();
  if (rs.IsEOF()) return std::optional<Row>();
  return std::optional<Row>(read(rs));
}

AdoExamStore::AdoExamStore() = default;

base::Status AdoExamStore::Open(const std::string& path) {
  main_.SetConnection(nullptr);
  second_.SetConnection(nullptr);
  if (!connection_.OpenJet(path, std::string(kExamDatabasePassword))) return Failure();
  main_.SetConnection(&connection_);
  second_.SetConnection(&connection_);
  return base::Ok();
}

base::Error AdoExamStore::Failure() {
  std::string text = connection_.GetLastError();
  if (text.empty() && !connection_.IsOpen()) text = "the exam database is not open";
  return base::Error{text, 0};
}

base::Status AdoExamStore::Run(const std::string& sql, const SqlParams& params) {
  if (!connection_.Execute(sql, params)) return Failure();
  return base::Ok();
}

base::Status AdoExamStore::UpdateRow(const std::string& sql, const SqlParams& params) {
  long changed = 0;
  if (!connection_.Execute(sql, params, ado::adCmdText, &changed)) return Failure();
  if (changed == 0) return base::Error{"no candidate row took the change", 0};
  return base::Ok();
}

base::Status AdoExamStore::Query(CAdoRecordSet& rs, const std::string& sql,
                                 const SqlParams& params) {
  if (!rs.Open(sql, params)) return Failure();
  return base::Ok();
}

base::Result<std::optional<ConstRow>> AdoExamStore::ReadConst() {
  return FirstRow(main_, "Select SelectCount,TestDir from Const", {}, [](CAdoRecordSet& rs) {
    ConstRow row;
    rs.GetInt("SelectCount", row.selectCount);
    rs.GetString("TestDir", row.testDir);
    return row;
  });
}

base::Status AdoExamStore::ResetState(const std::string& examCode) {
  return Run("update [Stu] set State=0 where examcode=?", {SqlText(examCode)});
}

base::Result<std::optional<StartedRow>> AdoExamStore::FindStarted(const std::string& examCode) {
  return FirstRow(main_, "Select * from [Stu] where State<>0 And examcode=?", {SqlText(examCode)},
                  [](CAdoRecordSet& rs) {
                    StartedRow row;
                    rs.GetInt("State", row.state);
                    rs.GetInt("TimeLeft", row.timeLeft);
                    rs.GetBool("ScoreOK", row.scoreOk);
                    rs.GetString("Papers", row.papers);
                    return row;
                  });
}

base::Result<std::optional<PaperRow>> AdoExamStore::FindPaper(int paperId) {
  return FirstRow(main_, "select * from paper where paperid=?", {SqlInt(paperId)}, ReadPaper);
}

base::Result<std::optional<std::string>> AdoExamStore::GroupModules(int groupId) {
  return FirstRow(main_, "select * from [Group] where groupid=?", {SqlInt(groupId)},
                  Field("Modules"));
}

base::Result<std::vector<int>> AdoExamStore::EnabledModules() {
  CloseAfter done{main_};
  if (auto s = Query(main_, "select * from [module] where enabled order by moduleid"); !s)
    return s.error();
  std::vector<int> ids;
  for (; !main_.IsEOF(); main_.MoveNext()) {
    int id = 0;
    if (main_.GetInt("ModuleID", id)) ids.push_back(id);
  }
  return ids;
}

base::Result<std::vector<PaperRow>> AdoExamStore::PapersOfModule(int moduleId) {
  CloseAfter done{second_};
  if (auto s = Query(second_, "select * from paper where moduleid=?", {SqlInt(moduleId)}); !s)
    return s.error();
  std::vector<PaperRow> papers;
  for (; !second_.IsEOF(); second_.MoveNext()) papers.push_back(ReadPaper(second_));
  return papers;
}

base::Result<bool> AdoExamStore::RowExists(const std::string& examCode) {
  CloseAfter done{main_};
  if (auto s = Query(main_, "select * from [Stu] where examcode =?", {SqlText(examCode)}); !s)
    return s.error();
  return !main_.IsEOF();
}

base::Status AdoExamStore::UpdateAttempt(const std::string& examCode, int seconds,
                                         const std::string& papers) {
  return Run("update [stu] set State=1,timeleft=?,papers=? where examcode = ?",
             {SqlInt(seconds), SqlText(papers), SqlText(examCode)});
}

base::Status AdoExamStore::InsertAttempt(const AttemptRow& row) {
  return Run(
      "insert into [Stu](examcode,Name,[Room],[Session],[Seat],State,timeleft,papers) "
      "values (?,?,?,?,?,1,?,?)",
      {SqlText(row.examCode), SqlText(row.name), SqlText(row.room), SqlText(row.session),
       SqlText(row.seat), SqlInt(row.seconds), SqlText(row.papers)});
}

base::Result<std::vector<ListEntry>> AdoExamStore::List(const std::string& sql,
                                                        const SqlParams& params,
                                                        const std::string& idField) {
  CloseAfter done{main_};
  if (auto s = Query(main_, sql, params); !s) return s.error();
  std::vector<ListEntry> entries;
  for (; !main_.IsEOF(); main_.MoveNext()) {
    ListEntry e;
    main_.GetString("Name", e.name);
    main_.GetInt(idField, e.id);
    entries.push_back(std::move(e));
  }
  return entries;
}

base::Result<std::vector<ListEntry>> AdoExamStore::GroupList() {
  return List("select * from [Group]  order by GroupID", {}, "GroupID");
}

base::Result<std::vector<ListEntry>> AdoExamStore::ModuleList() {
  return List("select * from [Module]  where Enabled order by ModuleID", {}, "ModuleID");
}

base::Result<std::vector<ListEntry>> AdoExamStore::PaperList(int moduleId) {
  return List("select * from [Paper]  where ModuleID=? order by PaperID", {SqlInt(moduleId)},
              "PaperID");
}

base::Result<std::optional<CandidateRecord>> AdoExamStore::FindCandidate(
    const std::string& examCode) {
  return FirstRow(main_, "Select * from [Stu] where examcode=?", {SqlText(examCode)},
                  ReadCandidate);
}

base::Result<std::optional<std::string>> AdoExamStore::PaperFile(int paperId) {
  return FirstRow(second_, "select PaperFile from [Paper] where PaperID=?", {SqlInt(paperId)},
                  Field("PaperFile"));
}

base::Result<std::optional<std::string>> AdoExamStore::ModuleName(int moduleId) {
  return FirstRow(second_, "select Name from [Module] where ModuleID=?", {SqlInt(moduleId)},
                  Field("Name"));
}

base::Status AdoExamStore::SaveTimeLeft(const std::string& examCode, int seconds) {
  // A busy database is tried again at the next save rather than waited for.
  connection_.SetBusyTimeout(kSaveBusyWaitMs);
  base::Status saved =
      Run("update [Stu] set TimeLeft=? where examcode=?", {SqlInt(seconds), SqlText(examCode)});
  connection_.SetBusyTimeout(kBusyWaitMs);
  return saved;
}

base::Status AdoExamStore::MarkFinished(const std::string& examCode) {
  return Run("update [Stu] set timeleft=0,state = 1 where examcode=?", {SqlText(examCode)});
}

base::Result<std::vector<CandidateRecord>> AdoExamStore::Records(const std::string& sql) {
  CloseAfter done{main_};
  if (auto s = Query(main_, sql); !s) return s.error();
  std::vector<CandidateRecord> rows;
  for (; !main_.IsEOF(); main_.MoveNext()) rows.push_back(ReadCandidate(main_));
  return rows;
}

base::Result<std::vector<CandidateRecord>> AdoExamStore::ProctorList() {
  return Records("select * from [stu] where state <> 0 order by [Room],[Session],[Seat],examcode");
}

base::Result<std::vector<CandidateRecord>> AdoExamStore::AllCandidates() {
  return Records("select * from [stu] order by examcode");
}

base::Status AdoExamStore::ExtendTime(const std::string& examCode, int seconds) {
  return Run("update [stu] set timeleft = timeleft + ? where examcode = ?",
             {SqlInt(seconds), SqlText(examCode)});
}

base::Status AdoExamStore::UpdateTransferred(const CandidateRecord& r) {
  return Run("update [stu] set state = ?,timeleft=?,papers=?,score=? where examcode =?",
             {SqlInt(r.state), SqlInt(r.timeLeft), SqlText(r.papers), SqlText(r.score),
              SqlText(r.examCode)});
}

base::Status AdoExamStore::InsertTransferred(const CandidateRecord& r) {
  return Run(
      "insert into [Stu](examcode,[Name],Sex,[Room],[Session],[Seat],School,Class,[No],State,"
      "timeleft,Papers,Score) values (?,?,?,?,?,?,?,?,?,?,?,?,?)",
      {SqlText(r.examCode), SqlText(r.name), SqlText(r.sex), SqlText(r.room), SqlText(r.session),
       SqlText(r.seat), SqlText(r.school), SqlText(r.className), SqlText(r.no), SqlInt(r.state),
       SqlInt(r.timeLeft), SqlText(r.papers), SqlText(r.score)});
}

base::Result<bool> AdoExamStore::HasCandidates() {
  CloseAfter done{main_};
  if (auto s = Query(main_, "select * from [stu]"); !s) return s.error();
  return !main_.IsEOF();
}

base::Status AdoExamStore::ClearCandidates() {
  return Run("delete from [stu]", {});
}

base::Status AdoExamStore::WriteSeatingRow(const std::string& examCode, bool lookUp,
                                           const std::vector<FieldValue>& fields) {
  CloseAfter done{main_};
  if (auto s = Query(main_, "select * from [stu] where examcode = ?", {SqlText(examCode)}); !s)
    return s;
  if ((!lookUp || main_.IsEOF()) && !main_.AddNew()) return Failure();
  for (const FieldValue& f : fields) {
    if (!main_.SetString(f.field, f.value)) {
      base::Error error = Failure();
      main_.CancelUpdate();
      return error;
    }
  }
  if (!main_.Update()) return Failure();
  return base::Ok();
}

base::Status AdoExamStore::CopyDatabase(const std::string& windowsPath) {
  ado::Connection* connection = connection_.GetConnection();
  if (!connection || !connection_.IsOpen()) return Failure();
  return ado::BackupDatabase(*connection, win::ToHostPath(windowsPath));
}

base::Result<std::optional<std::string>> AdoExamStore::AnswerFiles(int paperId) {
  return FirstRow(second_, "select AnsFile from [paper] where paperid=?", {SqlInt(paperId)},
                  Field("AnsFile"));
}

base::Status AdoExamStore::StoreScore(const std::string& examCode, const std::string& encoded) {
  return UpdateRow("update [Stu] set scoreok=1,score=? where examcode=?",
                   {SqlText(encoded), SqlText(examCode)});
}

base::Status AdoExamStore::MarkScoreSent(const std::string& examCode) {
  return UpdateRow("update [Stu] set sendok=1 where examcode=?", {SqlText(examCode)});
}

void AdoExamStore::Close() {
  if (main_.IsOpen()) main_.Close();
  if (second_.IsOpen()) second_.Close();
  if (connection_.IsOpen()) connection_.Close();
}
