// The exam store over the exam database: CAdoConnection and its two recordsets (the second serves
// look-ups made while the first is being walked). Each statement keeps the shape the client is
// known by; its values are bound, never spliced. A failed statement is an error carrying the
// provider's text (GetLastError), so callers can show it.
#pragma once

#include <string>
#include <string_view>

#include "client/store/db/ado_connection.h"
#include "client/store/db/ado_record_set.h"
#include "client/store/exam_store.h"

// How long a statement waits for a database another program has locked: the provider's usual
// wait, and the short one of the countdown's saves, which must not hold the screen.
inline constexpr int kBusyWaitMs = 2000;
inline constexpr int kSaveBusyWaitMs = 150;

// The exam database's password.
inline constexpr std::string_view kExamDatabasePassword = "kestrelqu";

class AdoExamStore : public ExamStore {
 public:
  AdoExamStore();

  // Opens a Jet file (Windows-form path) with the exam password; the recordsets are bound only
  // to an open database, so that without one every statement fails.
  base::Status Open(const std::string& path);
  bool IsOpen() { return connection_.IsOpen(); }
  // The connection, for tools and tests that fill rows.
  CAdoConnection& Connection() { return connection_; }

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
  // The error of the statement that just failed: the provider's text, or why there was none.
  base::Error Failure();
  // Runs a statement without rows.
  base::Status Run(const std::string& sql, const SqlParams& params);
  // Runs an update that must reach the candidate's row: no row changed is an error too.
  base::Status UpdateRow(const std::string& sql, const SqlParams& params);
  // Opens a query on `rs`; an error when it fails.
  base::Status Query(CAdoRecordSet& rs, const std::string& sql, const SqlParams& params = {});
  template <class Read>
  auto FirstRow(CAdoRecordSet& rs, const std::string& sql, const SqlParams& params, Read read)
      -> base::Result<std::optional<decltype(read(rs))>>;
  base::Result<std::vector<CandidateRecord>> Records(const std::string& sql);
  base::Result<std::vector<ListEntry>> List(const std::string& sql, const SqlParams& params,
                                            const std::string& idField);

  CAdoConnection connection_;
  CAdoRecordSet main_, second_;
};
