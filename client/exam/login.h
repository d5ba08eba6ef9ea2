// The login and the paper draw, without a window: the checks of a typed exam code, the resume of
// an interrupted exam, the three ways of drawing a paper, the single-choice question set, the
// candidate folder (renamed aside when it exists, then created and filled from the paper
// archives with 7-Zip) and the candidate's row in [Stu]. The login is a sequence of named steps
// (LoginSteps, RunLogin); ExamLogin carries them out with the exam store, the machine and the
// dialog it is given, so every path can be run in tests.
//
// Nothing is half done: a database that cannot be read stops the login before anything changes,
// and once the old folder was put aside, any later failure (the folder, the log or the answer
// record cannot be written, the database cannot be read or written) removes the new folder and
// puts the old one back. The row is written last, so a program killed halfway leaves the row
// as it was and the next login puts the half-made folder aside.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "client/store/exam_store.h"

// The machine: files, programs, the candidate log, clock and dice.
class LoginHost {
 public:
  virtual ~LoginHost() = default;
  virtual bool FileExists(const std::string& path) = 0;
  virtual bool RenameFile(const std::string& from, const std::string& to) = 0;
  // The folder and its parents made; an error saying why when the folder is not there after.
  virtual base::Status MakeDirPath(const std::string& path) = 0;
  // A folder this login made, removed with everything in it.
  virtual void RemoveFolder(const std::string& path) = 0;
  virtual bool RunAndWait(const std::string& commandLine, const std::string& folder) = 0;
  // Names of the files (not folders) matching a wildcard pattern.
  virtual std::vector<std::string> ListFiles(const std::string& pattern) = 0;
  // Appends a line to the candidate log of `code` in `studentFolder`.
  virtual base::Status WriteLog(const std::string& studentFolder, const std::string& code,
                                const std::string& text) = 0;
  // The single-choice answer record of the paper list, every answer "X".
  virtual base::Status WriteAnswerRecord(const std::string& studentFolder, const std::string& code,
                                         const std::string& papers) = 0;
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
  // A draw that failed was taken back: the code edit and status again, OK enabled.
  virtual void DrawUndone() = 0;
};

// How the candidate chose his paper in the dialog (with [KIRV] Paper "manual").
enum class DrawMode { SingleModule = 0, Group = 1, Random = 2 };

// What the candidate chose in the dialog.
struct LoginRequest {
  std::string code;          // as typed
  std::string paperSetting;  // [KIRV] Paper
  DrawMode mode = DrawMode::SingleModule;
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
  std::string papers;  // the drawn paper list, or the row's on resume
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
inline constexpr std::string_view BadCode = "练习账号中含有不允许使用的字符，请重新输入";
// The exam database cannot be read (missing or damaged): the start-up's message.
inline constexpr std::string_view NoDatabase = "DB \\ KIRV.MDB 数据库连接失败";
inline constexpr std::string_view ReadFailed = "读取考试数据库发生错误:";
inline constexpr std::string_view StateFailed = "更新考生状态发生错误:";
inline constexpr std::string_view WriteFailed = "添加考试记录到数据库发生错误:";
// NoFolder or NoFile + the path + "\n\r" + why + NotStarted.
inline constexpr std::string_view NoFolder = "无法建立考生目录 ";
inline constexpr std::string_view NoFile = "无法写入考生文件 ";
inline constexpr std::string_view NotStarted = "\n\r考试没有开始，请通知监考教师！";
}  // namespace login_text

// The login's steps in the order RunLogin takes them. A step that returns false has said why
// (or needs no word) and the dialog stays open.
class LoginSteps {
 public:
  virtual ~LoginSteps() = default;
  // The code typed: present, trimmed, free of characters that could leave its folder.
  virtual bool TakeCode() = 0;
  // With [KIRV] Paper "manual": the module and paper, or the group, chosen.
  virtual bool CheckChoices() = 0;
  // Script\login.bat when present, waited for.
  virtual void RunLoginHook() = 0;
  // The candidate, [Const], the candidate folder and the default exam length; false when the
  // database cannot be read.
  virtual bool ReadExamSettings() = 0;
  // Training mode: the row's State back to 0. Otherwise the row's State and time left decide.
  enum class RowVerdict { GoOn, Stop, Resume };
  virtual RowVerdict CheckCandidateRow() = 0;
  // A folder left by an earlier attempt renamed aside (Retry / Cancel while it cannot be).
  virtual bool PutOldFolderAside() = 0;
  virtual bool CreateFolder() = 0;
  // The paper drawn and its list made.
  virtual bool DrawPaper() = 0;
  // The paper archives unpacked into the folder.
  virtual void Unpack() = 0;
  // The paper list written to the candidate log.
  virtual bool LogPapers() = 0;
  // The single-choice answer record made (when the paper has single-choice questions).
  virtual bool WriteAnswerRecord() = 0;
  // The attempt written to the candidate's row.
  virtual bool RecordAttempt() = 0;
  // A step after the old folder was put aside failed: the new folder goes, the old comes back.
  virtual void Undo() = 0;
};

// How a login ended.
enum class LoginEnd { Stayed, Resumed, Started };

// The login as one ordered sequence (CLoginDlg::OnLogin).
LoginEnd RunLogin(LoginSteps& steps);

// The login's steps over the exam store, the machine and the dialog. Settings: the program folder
// (ends with "\") and the training flag.
class ExamLogin : private LoginSteps {
 public:
  ExamLogin(ExamStore& store, LoginHost& host, LoginUi& ui, std::string programFolder,
            bool trainingMode);

  // CLoginDlg::OnLogin: the outcome on success (the dialog then ends with OK), nullopt when the
  // dialog stays open.
  std::optional<LoginOutcome> OnLogin(const LoginRequest& request);

  // The single-choice part of a paper item: up to `selectCount` shuffled question names.
  std::string PickSingleChoiceSet(int selectCount);

 private:
  bool TakeCode() override;
  bool CheckChoices() override;
  void RunLoginHook() override;
  bool ReadExamSettings() override;
  RowVerdict CheckCandidateRow() override;
  bool PutOldFolderAside() override;
  bool CreateFolder() override;
  bool DrawPaper() override;
  void Unpack() override;
  bool LogPapers() override;
  bool WriteAnswerRecord() override;
  bool RecordAttempt() override;
  void Undo() override;

  // Shows a message that ends the attempt and puts the prompt back.
  void Stop(const std::string& message);
  // True when a file or folder of the candidate was written; otherwise says which and why.
  bool Written(std::string_view what, const std::string& path, const base::Status& done);
  // One paper of a chosen module, with its archive; false when it cannot be read.
  bool AddPaper(const std::string& module, int paperId, const std::string& part,
                std::optional<PaperRow>* paper = nullptr);
  bool Draw();

  ExamStore& store_;
  LoginHost& host_;
  LoginUi& ui_;
  std::string programFolder_;
  bool training_;

  // The attempt under way.
  LoginRequest request_;
  bool manual_ = false;
  int selectCount_ = 0;
  std::vector<DrawEntry> entries_;
  LoginOutcome out_;
  std::string asideTo_;  // where the old folder was put, when it was
  bool folderMade_ = false;
};

// Pieces of the login that are plain functions of their inputs.

// A code is refused when its folder would not lie inside the candidate root ("." and "..", path
// characters \ / : * ? " < > |) or it could break a paper list, the window title or a statement
// ("-", a quote, control bytes).
bool IsAcceptableExamCode(std::string_view code);

// The candidate folder for a code: TestDir + "\" + code + "\" when TestDir holds ":", else the
// program folder's drive ("D:\") + TestDir + "\" + code + "\". An empty TestDir is "testdir".
std::string CandidateFolder(std::string_view programFolder, std::string_view testDir,
                            std::string_view code);

// Room (characters 8-9), session (6-7) and seat (the last two) of a code, counted in characters
// (a UTF-8 character is never cut); short codes give short or empty parts.
struct SeatOfCode {
  std::string room, session, seat;
};
SeatOfCode CutSeat(std::string_view code);

// Seconds of a single chosen paper: TimeLimit minutes, 45 when it is 0.
int PaperSeconds(int timeLimit);
inline constexpr int kDefaultExamSeconds = 100 * 60;

// The folder path without its trailing "\" + "." + stamp + ".bak".
std::string BackupFolderName(std::string_view folder, std::string_view stamp);

// Where work for a candidate folder is staged beside it: its parent + "~" + its name + "." + stamp
// + "." + purpose + "\" ("D:\exam\~0101.20240102030405.import\").
std::string StagingFolder(std::string_view folder, std::string_view stamp,
                          std::string_view purpose);

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
