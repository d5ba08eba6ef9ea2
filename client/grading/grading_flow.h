// The grading dialog without its window. At the end of an exam, or when the proctor grades a
// candidate again, the dialog grades every module of the candidate's paper (module_graders),
// forms the score string, scrambles it into the encoded score and stores it in the exam database;
// in training mode it gathers the graders' logs into the grading record. It also uploads the
// stored score, restarts the program and opens the record. CScoreDlg (client/gui) is its window:
// it shows ScoreDlgState, forwards its buttons, check boxes and timers here, and lends the flow
// the box, the timers and the controls' parent (ScoreDlgWindow); the machine around the dialog
// (processes, windows, clipboard, the shell) comes through GradingSystem. Tests supply both.
//
// Failures are never taken for success: a score that could not be stored is reported and not
// kept for the upload; a score is only uploaded once stored; sendok is set only on the server's
// acknowledgement.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "client/grading/module_graders.h"
#include "client/grading/process_sweep.h"
#include "platform/com/control.h"

class ExamSession;
class GradingRecord;

// Who is graded.
struct GradingCandidate {
  std::string examCode;
  std::string studentFolder;  // ends with "\"
};

// What the dialog shows. Control ids: list 1012, progress bar 1011, picture frame 1063, buttons
// 1009 start, 1018 restart, 1039 view, 1038 upload again, check boxes 1056 and 1024.
struct ScoreDlgState {
  std::string caption = "评分前请关掉所有相关的文档窗口";
  std::vector<std::string> lines;  // 1012
  int progress = 0;                // 1011, 0..100
  std::string picture;             // painted into 1063: a Windows-form path, "" for none
  bool buttonsEnabled = true;      // 1009, 1018, 1056, 1024
  bool viewEnabled = false;        // 1039, disabled until the buttons are first enabled again
  bool uploadEnabled = false;      // 1038: exactly when a score is stored
  bool viewVisible = false;        // 1039 is shown in training mode only
  bool autoScore = false;          // 1056
  bool autoRestart = false;        // 1024
  bool waitCursor = false;
};

// The dialog's window as the flow uses it.
class ScoreDlgWindow {
 public:
  virtual ~ScoreDlgWindow() = default;
  // Draws the state now; called after every change, also while grading runs.
  virtual void Show(const ScoreDlgState& state) = 0;
  // A modal box with an OK button.
  virtual void Message(const std::string& text) = 0;
  virtual void StartTimer(int id, int milliseconds) = 0;
  virtual void StopTimer(int id) = 0;
  // Ends the dialog with `result` (1 = OK).
  virtual void EndDialog(int result) = 0;
  // The parent window of the grading controls.
  virtual com::WindowHandle ControlParent() = 0;
};

// The machine around the dialog: its processes (for the sweeps) and the rest.
class GradingSystem : public ProcessTable {
 public:
  // Top-level windows by exact title.
  virtual bool WindowExists(const std::string& title) = 0;
  virtual void CloseWindow(const std::string& title) = 0;
  // Closes the shell's folder windows.
  virtual void CloseExplorerWindows() = 0;
  virtual std::string ClipboardText() = 0;
  // The shell's "Open" of a file, working folder `folder`.
  virtual void Open(const std::string& file, const std::string& folder) = 0;
  // Starts the exam client of `programFolder` again once this one has ended; an error when it
  // cannot be started.
  virtual base::Status Restart(const std::string& programFolder) = 0;
};

class GradingFlow : private GraderReport {
 public:
  static constexpr int kAutoStartTimer = 1;  // 1 s, the countdown to grading
  static constexpr int kWatchdogTimer = 2;   // 500 ms, while the word-processor control grades
  static constexpr int kAutoStartSeconds = 20;

  // Reads [KIRV] AutoScore and AutoRestart (each on when exactly "1").
  GradingFlow(ExamSession& session, GradingCandidate candidate, ScoreDlgWindow& window,
              GradingSystem& system);

  const GradingCandidate& Candidate() const { return candidate_; }
  const ScoreDlgState& State() const { return state_; }
  // The encoded score of the last grading run that stored one; "" before.
  const std::string& EncodedScore() const { return encodedScore_; }
  int Countdown() const { return countdown_; }
  // True while grading or an upload runs: the dialog must not close then.
  bool Busy() const { return busy_; }

  // The view button only in training mode; with AutoScore the 20-second countdown; the picture
  // "Skins\Timer.jpg".
  void OnInitDialog();
  // Button 1009, or the countdown at 0: grades, shows "ScoreOK.jpg" or "Error.jpg", enables the
  // buttons and runs Script\score.bat when present.
  void OnStartGrading();
  // Grades every module of the candidate; 1 when the score was stored, 0 otherwise.
  int GradeAll(const std::string& examCode);
  // Sends the stored score to the exam server; 1 when the server took it and sendok is stored.
  int UploadScore();
  // Button 1038.
  void OnUploadAgain();
  // Button 1018: restart.vbs kept in the program folder, the program started again, the dialog
  // ended with OK. A program that cannot be started is reported and the dialog stays open.
  void RestartProgram();
  // Button 1039: the grading record opened when there is one.
  void OnViewRecord();
  // Check boxes 1056 and 1024 (the setting is written back).
  void OnAutoScore(bool ticked);
  void OnAutoRestart(bool ticked);
  void OnTimer(int id);
  // 1009, 1018, 1039, 1056, 1024 by `on`; 1038 exactly when a score is stored.
  void EnableButtons(bool on);

  // The process sweep (process_sweep.h) over the session's [KIRV] KillProcess list.
  void KillListedProcesses();
  // Every word-processor process is ended.
  void KillWordProcesses();

 private:
  // GraderReport
  void Message(const std::string& text) override;
  void Line(const std::string& text) override;
  void StartWordWatchdog() override;
  void StopWordWatchdog() override;
  std::string ClipboardText() override;

  void Refresh();
  void ShowPicture(const char* skin);
  void CloseExplorerWindows();
  // [KIRV] `key` := "1" or "0"; a write that fails is listed.
  void WriteSetting(const char* key, bool on);
  // One module of the paper list; its score, or an error when the database failed.
  base::Result<int> GradeModule(const std::string& moduleId, const std::string& paperId);
  // Training mode after the score is stored: State back to 0 and the logs gathered.
  void FinishTraining(const std::string& examCode, GradingRecord& record);

  ExamSession& session_;
  GradingCandidate candidate_;
  ScoreDlgWindow& window_;
  GradingSystem& system_;
  GraderContext context_;
  ScoreDlgState state_;
  std::string encodedScore_;
  int countdown_ = 0;
  bool busy_ = false;
};
