// A fake exam store for tests: the tables as maps, every write recorded in order, and any
// statement made to fail on demand with a provider-like error text, so that a failing database
// can be told apart from one that has no row.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "client/store/exam_store.h"

class FakeExamStore : public ExamStore {
 public:
  struct Candidate {
    int state = 0, timeLeft = 0;
    bool scoreOk = false;
    std::string papers;
    // The rest of the row, as grading and the proctor read and write it.
    std::string name = {}, sex = {}, room = {}, session = {}, seat = {}, school = {},
                className = {}, no = {}, score = {};
    bool sendOk = false;
  };
  struct Paper {
    int module = 0;
    std::string name, attFile, paperFile;
    int timeLimit = 0;
    std::string ansFile;
  };
  struct Group {
    std::string name, modules;
  };
  struct Module {
    std::string name;
    bool enabled = false;
  };

  std::optional<ConstRow> constRow = ConstRow{0, "D:\\KirvExam"};
  std::map<std::string, Candidate> stu;
  std::map<int, Paper> papers;
  std::map<int, Group> groups;
  std::map<int, Module> modules;

  // Statements that fail, by the name of the store's method ("FindStarted"); "*" fails all.
  std::set<std::string> failing;
  // Statements that fail only the next so many times.
  std::map<std::string, int> failTimes;
  std::string failure = "Description: database is locked\r\n";
  // The writes in the order they came: "reset C1", "update C1 6000 1-101", "insert C1 ...",
  // "time C1 2690", "finished C1", "score C1 AAAB", "sent C1", "extend C1 540",
  // "transfer update C1", "transfer insert C1", "clear", "seating C1 Name=X ...", "copy PATH",
  // "close".
  std::vector<std::string> writes;
  // Every method asked, in order.
  std::vector<std::string> asked;

  void AddPaper(int module, int id, std::string attFile, int timeLimit, std::string paperFile = "");

  base::Result<std::optional<ConstRow>> ReadConst() override;
  base::Status ResetState(const std::string& examCode) override;
  base::Result<std::optional<StartedRow>> FindStarted(const std::string& examCode) override;
  base::Result<std::optional<PaperRow>> FindPaper(int paperId) override;
  base::Result<std::optional<std::string>> GroupModules(int groupId) override;
  base::Result<std::vector<int>> EnabledModules() override;
  base::Result<std::vector<PaperRow>> PapersOfModule(int moduleId) override;
  base::Result<bool> RowExists(const std::string& examCode) override;
  base::Status UpdateAttempt(const std::string& examCode, int seconds,
                             const std::string& papers) override;
  base::Status InsertAttempt(const AttemptRow& row) override;
  base::Result<std::vector<ListEntry>> GroupList() override;
  base::Result<std::vector<ListEntry>> ModuleList() override;
  base::Result<std::vector<ListEntry>> PaperList(int moduleId) override;
  base::Result<std::optional<CandidateRecord>> FindCandidate(const std::string& examCode) override;
  base::Result<std::optional<std::string>> PaperFile(int paperId) override;
  base::Result<std::optional<std::string>> ModuleName(int moduleId) override;
  base::Status SaveTimeLeft(const std::string& examCode, int seconds) override;
  base::Status MarkFinished(const std::string& examCode) override;
  base::Result<std::vector<CandidateRecord>> ProctorList() override;
  base::Result<std::vector<CandidateRecord>> AllCandidates() override;
  base::Status ExtendTime(const std::string& examCode, int seconds) override;
  base::Status UpdateTransferred(const CandidateRecord& record) override;
  base::Status InsertTransferred(const CandidateRecord& record) override;
  base::Result<bool> HasCandidates() override;
  base::Status ClearCandidates() override;
  base::Status WriteSeatingRow(const std::string& examCode, bool lookUp,
                               const std::vector<FieldValue>& fields) override;
  base::Status CopyDatabase(const std::string& windowsPath) override;
  base::Result<std::optional<std::string>> AnswerFiles(int paperId) override;
  base::Status StoreScore(const std::string& examCode, const std::string& encoded) override;
  base::Status MarkScoreSent(const std::string& examCode) override;
  void Close() override;

 private:
  // Records the question; true when it is to fail.
  bool Fails(const std::string& method);
  base::Error Error() const { return base::Error{failure, 5}; }
};
