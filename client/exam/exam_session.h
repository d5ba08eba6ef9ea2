// The exam session: the client's run-wide state in one object, made at start-up and handed to
// whoever needs it. It holds the folders (filled once), the settings file, the flags read from
// it, the exam store, and the candidate once the login has let him in. Nothing else keeps any
// of this, and each part is written at one named moment: Start (start-up), ReadProcessLists
// (the exam frame is made), BeginExam (the login succeeded).
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "client/common/ini_file.h"
#include "client/common/system_utils.h"
#include "client/store/exam_store.h"

// The candidate of this run.
struct ExamCandidate {
  std::string examCode;       // empty before the login
  std::string name = "未知";  // nothing fills it from the database
  std::string studentFolder;  // ends with "\" once set
  int examSeconds = 0;        // exam length (or time left on resume) in seconds
  std::string papers;         // the paper list the login drew or found
  bool operator==(const ExamCandidate&) const = default;
};

class ExamSession {
 public:
  ExamSession();
  ~ExamSession();
  ExamSession(const ExamSession&) = delete;
  ExamSession& operator=(const ExamSession&) = delete;

  // Start-up: the settings file ProgramFolder + "KIRV.ini", the exam database ProgramFolder +
  // "db\kirv.mdb" ("DB \ KIRV.MDB 数据库连接失败" when it cannot be opened; start-up goes on
  // and every statement then fails), the training flag (Training exactly "1") and the server
  // mode (Server lower-cased, "app" when empty).
  void Start(PathGlobals paths);
  // The same with a store of the caller's (tests).
  void Start(PathGlobals paths, std::unique_ptr<ExamStore> store);

  // [KIRV] LockProcess and KillProcess, lower-cased; read when the exam frame is made.
  void ReadProcessLists();
  // The login let the candidate in.
  void BeginExam(ExamCandidate candidate);

  const PathGlobals& Paths() const { return paths_; }
  const std::string& ProgramFolder() const { return paths_.ProgramFolder; }
  CIniFile& Settings() { return settings_; }
  bool TrainingMode() const { return trainingMode_; }
  const std::string& ServerMode() const { return serverMode_; }
  const std::string& LockProcessList() const { return lockProcessList_; }
  const std::string& KillProcessList() const { return killProcessList_; }
  const ExamCandidate& Candidate() const { return candidate_; }
  ExamStore& Store() { return *store_; }

  // Shut-down: the exam database closed.
  void Close();

 private:
  PathGlobals paths_;
  CIniFile settings_;
  bool trainingMode_ = false;
  std::string serverMode_ = std::string(settings_default::Server);
  std::string lockProcessList_, killProcessList_;
  ExamCandidate candidate_;
  std::unique_ptr<ExamStore> store_;
};
