// The login's statements on the exam database (see login_store.h).

#include "client/login_store.h"

namespace {

LoginStore::Paper ReadPaper(CAdoRecordSet& rs) {
  LoginStore::Paper p;
  rs.GetInt("PaperID", p.paperId);
  rs.GetString("AttFile", p.attFile);
  rs.GetInt("TimeLimit", p.timeLimit);
  return p;
}

}  // namespace

void AdoLoginStore::ReadConst(int* selectCount, std::string* testDir) {
  *selectCount = 0;
  testDir->clear();
  if (!main_.Open("Select SelectCount,TestDir from Const") || main_.IsEOF()) return;
  main_.GetInt("SelectCount", *selectCount);
  main_.GetString("TestDir", *testDir);
}

void AdoLoginStore::ResetState(const std::string& code) {
  connection_.Execute("update [Stu] set State=0 where examcode=?", {SqlText(code)});
}

std::optional<LoginStore::Started> AdoLoginStore::FindStarted(const std::string& code) {
  if (!main_.Open("Select * from [Stu] where State<>0 And examcode=?", {SqlText(code)}) ||
      main_.IsEOF())
    return std::nullopt;
  Started s;
  main_.GetInt("State", s.state);
  main_.GetInt("TimeLeft", s.timeLeft);
  main_.GetBool("ScoreOK", s.scoreOk);
  return s;
}

std::optional<LoginStore::Paper> AdoLoginStore::FindPaper(int paperId) {
  if (!main_.Open("select * from paper where paperid=?", {SqlInt(paperId)}) || main_.IsEOF())
    return std::nullopt;
  return ReadPaper(main_);
}

std::optional<std::string> AdoLoginStore::GroupModules(int groupId) {
  if (!main_.Open("select * from [Group] where groupid=?", {SqlInt(groupId)}) || main_.IsEOF())
    return std::nullopt;
  std::string modules;
  main_.GetString("Modules", modules);
  return modules;
}

std::vector<int> AdoLoginStore::EnabledModules() {
  std::vector<int> out;
  if (!main_.Open("select * from [module] where enabled order by moduleid")) return out;
  for (; !main_.IsEOF(); main_.MoveNext()) {
    int id = 0;
    if (main_.GetInt("ModuleID", id)) out.push_back(id);
  }
  return out;
}

std::vector<LoginStore::Paper> AdoLoginStore::PapersOfModule(int moduleId) {
  std::vector<Paper> out;
  if (!second_.Open("select * from paper where moduleid=?", {SqlInt(moduleId)})) return out;
  for (; !second_.IsEOF(); second_.MoveNext()) out.push_back(ReadPaper(second_));
  return out;
}

bool AdoLoginStore::RowExists(const std::string& code) {
  return main_.Open("select * from [Stu] where examcode =?", {SqlText(code)}) && !main_.IsEOF();
}

bool AdoLoginStore::UpdateAttempt(const std::string& code, int seconds, const std::string& papers) {
  return connection_.Execute("update [stu] set State=1,timeleft=?,papers=? where examcode = ?",
                             {SqlInt(seconds), SqlText(papers), SqlText(code)}) != nullptr;
}

bool AdoLoginStore::InsertAttempt(const std::string& code, const std::string& name,
                                  const std::string& room, const std::string& session,
                                  const std::string& seat, int seconds, const std::string& papers) {
  return connection_.Execute(
             "insert into [Stu](examcode,Name,[Room],[Session],[Seat],State,timeleft,papers) "
             "values (?,?,?,?,?,1,?,?)",
             {SqlText(code), SqlText(name), SqlText(room), SqlText(session), SqlText(seat),
              SqlInt(seconds), SqlText(papers)}) != nullptr;
}
