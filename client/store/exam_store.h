// The exam store: every statement the exam client runs on its exam database, as one interface.
// The login, its lists, the exam screen, the countdown, the end of the exam, grading and the
// proctor's operations ask here; no window holds a statement. Each question answers with a
// Result: an error when the statement failed (database missing, locked, damaged or read-only),
// and otherwise the rows, where "no row" is an empty optional, never an error. AdoExamStore
// runs the statements on the database; tests use a fake (client/testing).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/base/result.h"

// [Const]: the single-choice count and the root of the candidate folders, raw.
struct ConstRow {
  int selectCount = 0;
  std::string testDir;
  bool operator==(const ConstRow&) const = default;
};

// A [Stu] row whose State is not 0.
struct StartedRow {
  int state = 0;
  int timeLeft = 0;
  bool scoreOk = false;
  std::string papers;
  bool operator==(const StartedRow&) const = default;
};

// A [Paper] row as the draw uses it.
struct PaperRow {
  int paperId = 0;
  std::string attFile;
  int timeLimit = 0;
  bool operator==(const PaperRow&) const = default;
};

// One entry of the login dialog's lists: the name shown and the id behind it.
struct ListEntry {
  int id = 0;
  std::string name;
  bool operator==(const ListEntry&) const = default;
};

// A new [Stu] row for a candidate the import did not bring.
struct AttemptRow {
  std::string examCode, name, room, session, seat;
  int seconds = 0;
  std::string papers;
  bool operator==(const AttemptRow&) const = default;
};

// A whole [Stu] row, as the exam screen, grading, the proctor's list, exports and transfers
// read it.
struct CandidateRecord {
  std::string examCode, name, sex, room, session, seat, school, className, no;
  int state = 0;
  int timeLeft = 0;
  std::string papers, score;
  bool scoreOk = false;
  bool sendOk = false;
  bool operator==(const CandidateRecord&) const = default;
};

// One [Stu] field to write and its value as text (the column's type takes it as Jet would).
struct FieldValue {
  std::string field, value;
  bool operator==(const FieldValue&) const = default;
};

class ExamStore {
 public:
  virtual ~ExamStore() = default;

  // --- The login.
  virtual base::Result<std::optional<ConstRow>> ReadConst() = 0;
  // Training mode: the candidate's State back to 0.
  virtual base::Status ResetState(const std::string& examCode) = 0;
  // The candidate's row when its State is not 0.
  virtual base::Result<std::optional<StartedRow>> FindStarted(const std::string& examCode) = 0;
  virtual base::Result<std::optional<PaperRow>> FindPaper(int paperId) = 0;
  // [Group].Modules of a group.
  virtual base::Result<std::optional<std::string>> GroupModules(int groupId) = 0;
  // Enabled module ids in ascending order.
  virtual base::Result<std::vector<int>> EnabledModules() = 0;
  // Papers of a module in the order the database gives them.
  virtual base::Result<std::vector<PaperRow>> PapersOfModule(int moduleId) = 0;
  virtual base::Result<bool> RowExists(const std::string& examCode) = 0;
  // The attempt on an existing row: State 1, the exam length, the paper list.
  virtual base::Status UpdateAttempt(const std::string& examCode, int seconds,
                                     const std::string& papers) = 0;
  virtual base::Status InsertAttempt(const AttemptRow& row) = 0;

  // --- The login dialog's lists (manual paper choice).
  virtual base::Result<std::vector<ListEntry>> GroupList() = 0;
  // Enabled modules.
  virtual base::Result<std::vector<ListEntry>> ModuleList() = 0;
  virtual base::Result<std::vector<ListEntry>> PaperList(int moduleId) = 0;

  // --- The exam screen, the single-choice record, grading and the proctor.
  // The candidate's whole [Stu] row.
  virtual base::Result<std::optional<CandidateRecord>> FindCandidate(
      const std::string& examCode) = 0;
  virtual base::Result<std::optional<std::string>> PaperFile(int paperId) = 0;
  virtual base::Result<std::optional<std::string>> ModuleName(int moduleId) = 0;

  // --- The countdown: the remaining time, every ten seconds.
  virtual base::Status SaveTimeLeft(const std::string& examCode, int seconds) = 0;

  // --- The end of the exam: no time left, State 1.
  virtual base::Status MarkFinished(const std::string& examCode) = 0;

  // --- The proctor's operations.
  // Candidates whose State is not 0, by room, session, seat and exam code.
  virtual base::Result<std::vector<CandidateRecord>> ProctorList() = 0;
  // Every candidate by exam code.
  virtual base::Result<std::vector<CandidateRecord>> AllCandidates() = 0;
  // timeleft + seconds (seconds may be negative).
  virtual base::Status ExtendTime(const std::string& examCode, int seconds) = 0;
  // A candidate brought from another machine: State, timeleft, Papers and Score of an existing
  // row, or a new row with every field of the record but scoreok and sendok.
  virtual base::Status UpdateTransferred(const CandidateRecord& record) = 0;
  virtual base::Status InsertTransferred(const CandidateRecord& record) = 0;
  // Whether [Stu] holds any row; every row deleted.
  virtual base::Result<bool> HasCandidates() = 0;
  virtual base::Status ClearCandidates() = 0;
  // A row of the seating import: the fields written in order into the row of `examCode` when
  // `lookUp` finds one, else into a new row. A field [Stu] lacks is an error and nothing is
  // written.
  virtual base::Status WriteSeatingRow(const std::string& examCode, bool lookUp,
                                       const std::vector<FieldValue>& fields) = 0;
  // A consistent copy of the whole database as a new file (Windows-form path), replacing one
  // that is there only once the copy is complete.
  virtual base::Status CopyDatabase(const std::string& windowsPath) = 0;

  // --- Grading (the paper list comes from FindCandidate, module names from ModuleName, and
  // training mode puts State back with ResetState) and the score upload of the grading and the
  // proctor's dialogs.
  // [Paper].AnsFile: the paper's answer items ("name*weight|...").
  virtual base::Result<std::optional<std::string>> AnswerFiles(int paperId) = 0;
  // scoreok 1 and the scrambled score; an error also when no row took them.
  virtual base::Status StoreScore(const std::string& examCode, const std::string& encoded) = 0;
  // sendok 1: the exam server acknowledged the score; an error also when no row took it.
  virtual base::Status MarkScoreSent(const std::string& examCode) = 0;

  // Shut-down: everything open is closed.
  virtual void Close() = 0;
};
