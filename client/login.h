// The login and the paper draw, without a window: the checks of a typed exam code, the resume of
// an interrupted exam, the three ways of drawing a paper, the single-choice question set, the
// candidate folder (renamed aside when it exists, then created and filled from the paper
// archives with 7-Zip) and the candidate's row in [Stu]. CLoginDlg drives it and supplies the
// database, the machine and the prompts through the three interfaces below, so every path can
// be run in tests.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The exam database as the login uses it.
class LoginStore {
 public:
  virtual ~LoginStore() = default;

  struct Started {  // a [Stu] row with State<>0
    int state = 0;
    int timeLeft = 0;
    bool scoreOk = false;
  };
  struct Paper {
    int paperId = 0;
    std::string attFile;
    int timeLimit = 0;
  };

  // "Select SelectCount,TestDir from Const": raw values, 0 and "" when there is no row.
  virtual void ReadConst(int* selectCount, std::string* testDir) = 0;
  // Training mode: the row's State back to 0.
  virtual void ResetState(const std::string& code) = 0;
  // The row of `code` when its State is not 0.
  virtual std::optional<Started> FindStarted(const std::string& code) = 0;
  virtual std::optional<Paper> FindPaper(int paperId) = 0;
  // [Group].Modules of a group; nullopt when there is no such group.
  virtual std::optional<std::string> GroupModules(int groupId) = 0;
  // Enabled module ids in ascending order.
  virtual std::vector<int> EnabledModules() = 0;
  // Papers of a module in the order the database gives them.
  virtual std::vector<Paper> PapersOfModule(int moduleId) = 0;
  virtual bool RowExists(const std::string& code) = 0;
  // Update or insert of the attempt; false with LastError() set when the statement fails.
  virtual bool UpdateAttempt(const std::string& code, int seconds, const std::string& papers) = 0;
  virtual bool InsertAttempt(const std::string& code, const std::string& name,
                             const std::string& room, const std::string& session,
                             const std::string& seat, int seconds, const std::string& papers) = 0;
  virtual std::string LastError() = 0;
};

// The machine: files, programs, the candidate log, clock and dice.
class LoginHost {
 public:
  virtual ~LoginHost() = default;
  virtual bool FileExists(const std::string& path) = 0;
  virtual bool RenameFile(const std::string& from, const std::string& to) = 0;
  virtual void MakeDirPath(const std::string& path) = 0;
  virtual bool RunAndWait(const std::string& commandLine, const std::string& folder) = 0;
  // Names of the files (not folders) matching a wildcard pattern.
  virtual std::vector<std::string> ListFiles(const std::string& pattern) = 0;
  // Appends a line to the candidate log of `code` in `studentFolder`.
  virtual void WriteLog(const std::string& studentFolder, const std::string& code,
                        const std::string& text) = 0;
  // GetDateString + GetTimeString.
  virtual std::string Timestamp() = 0;
  virtual void SeedRandom() = 0;
  virtual int Random() = 0;  // 0 .. RAND_MAX
};

// The dialog's side: messages, the system password, the status line and the progress.
class LoginUi {
 public:
  virtual ~LoginUi() = default;
  // A message box; returns the button pressed.
  virtual int Message(const std::string& text, unsigned flags) = 0;
  // The system password dialog; true when the right password was given.
  virtual bool AskSystemPassword() = 0;
  virtual void SetStatus(const std::string& text) = 0;
  virtual void FocusCode() = 0;
  // The draw begins: progress shown, code edit and status hidden.
  virtual void DrawStarted() = 0;
  virtual void SetProgress(int percent) = 0;
  virtual void DisableOk() = 0;
};

// What the candidate chose in the dialog.
struct LoginRequest {
  std::string code;             // as typed
  std::string paperSetting;     // [KIRV] Paper
  int mode = 0;                 // 0 one module and paper, 1 a group, 2 random
  std::optional<int> moduleId;  // selection of the module list
  std::optional<int> paperId;   // selection of the paper list
  std::optional<int> groupId;   // selection of the group list
};

// The candidate after a successful login.
struct LoginOutcome {
  std::string examCode;
  std::string candidateName;
  std::string studentFolder;  // ends with "\"
  int examSeconds = 0;
  bool resumed = false;
  std::string papers;  // the drawn paper list; empty on resume
};

// One drawn paper item.
struct DrawEntry {
  std::string module;
  std::string part;     // paper id or the single-choice set
  std::string archive;  // may be empty
};

namespace login_text {
inline constexpr std::string_view Prompt =
    "请在左侧认真输入练习账号并点击 『登录』 按钮确认个人信息";
inline constexpr std::string_view EmptyCode = "请输入你的练习账号";
}  // namespace login_text

// The login itself. Settings: the program folder (ends with "\") and the training flag.
class ExamLogin {
 public:
  ExamLogin(LoginStore& store, LoginHost& host, LoginUi& ui, std::string programFolder,
            bool trainingMode);

  // CLoginDlg::OnLogin: the outcome on success (the dialog then ends with OK), nullopt when the
  // dialog stays open.
  std::optional<LoginOutcome> OnLogin(const LoginRequest& request);

  // The single-choice part of a paper item: up to `selectCount` shuffled question names.
  std::string PickSingleChoiceSet(int selectCount);

 private:
  bool DrawPaper(const LoginRequest& request, bool manual, int selectCount,
                 std::vector<DrawEntry>* entries, int* seconds);

  LoginStore& store_;
  LoginHost& host_;
  LoginUi& ui_;
  std::string programFolder_;
  bool training_;
};

// Pieces of the login that are plain functions of their inputs.

// A code is refused when it could reach outside its folder or break a paper list, the window
// title or a statement: path characters \ / : * ? " < > |, "..", "-", a quote, control bytes.
bool IsAcceptableExamCode(std::string_view code);

// The candidate folder for a code: TestDir + "\" + code + "\" when TestDir holds ":", else the
// program folder's drive ("D:\") + TestDir + "\" + code + "\". An empty TestDir is "testdir".
std::string CandidateFolder(std::string_view programFolder, std::string_view testDir,
                            std::string_view code);

// Room (characters 8-9), session (6-7) and seat (the last two) of a code; short codes give short
// or empty parts.
struct SeatOfCode {
  std::string room, session, seat;
};
SeatOfCode CutSeat(std::string_view code);

// Seconds of a single chosen paper: TimeLimit minutes, 45 when it is 0.
int PaperSeconds(int timeLimit);
inline constexpr int kDefaultExamSeconds = 100 * 60;

// The folder path without its trailing "\" + "." + stamp + ".bak".
std::string BackupFolderName(std::string_view folder, std::string_view stamp);

// Archive names with duplicates removed, first occurrence and order kept.
std::vector<std::string> UniqueArchives(const std::vector<DrawEntry>& entries);

// The 7-Zip command line that unpacks one paper archive into the candidate folder, keeping the
// files already there.
std::string UnpackCommand(std::string_view programFolder, std::string_view password,
                          std::string_view archive, std::string_view studentFolder);

// The paper list: module "-" part, joined by "|".
std::string JoinPaperList(const std::vector<DrawEntry>& entries);

// The stripped base names of .rtf files, shuffled Fisher-Yates from the end with `dice`
// (returning 0 .. RAND_MAX), then cut to `count`; joined by ",".
std::string ShuffleAndJoin(std::vector<std::string> names, int count,
                           const std::function<int()>& dice);
