// The exam client's start-up and shut-down as an ordered sequence (CExamApp's InitInstance and
// ExitInstance). The program supplies each step; tests supply their own to check the order, the
// ways out, and that the exit hook runs however start-up ended.
#pragma once

#include <string>

class StartupSteps {
 public:
  virtual ~StartupSteps() = default;
  // The single-instance lock "KIRV"; false when another instance holds it.
  virtual bool AcquireInstance() = 0;
  // The small "正在注册..." box, shown while the machine is prepared.
  virtual void ShowRegisterBox(bool show) = 0;
  // Library start-ups; false shows the step's message and ends the program.
  virtual bool InitOle() = 0;
  virtual bool InitRichEdit() = 0;
  virtual bool InitSockets() = 0;
  virtual void Message(const std::string& text) = 0;
  // InitPaths, then InitGlobals (settings, database, candidate globals).
  virtual void InitPathsAndGlobals() = 0;
  // Run-time libraries and every control of the Ocx folder registered.
  virtual void RegisterControls() = 0;
  virtual void CreateShortcut() = 0;
  virtual void ApplyTheme() = 0;
  // Every desktop lock released.
  virtual void ReleaseLocks() = 0;
  // KIRVClient.exe copied to the temp folder and started, when the program folder has it.
  virtual void StartCompanion() = 0;
  // Script\<name> when present, hidden, waited for.
  virtual void RunHook(const std::string& name) = 0;
  virtual bool ShowRules() = 0;
  virtual bool ShowLogin() = 0;
  // Created, docked and titled; false when it cannot be created.
  virtual bool CreateQuestionBar() = 0;
  // The hidden exam frame, made the main window.
  virtual void CreateExamFrame() = 0;
  virtual void StartCountdown() = 0;
  virtual void WriteLog(const std::string& line) = 0;
  virtual std::string Timestamp() = 0;
  virtual void OpenStudentFolder() = 0;
  // Shut-down: the question bar saved and destroyed when it exists; the database closed.
  virtual void DestroyQuestionBar() = 0;
  virtual void CloseDatabase() = 0;
  // The event loop, run while the exam frame lives.
  virtual int RunEventLoop() = 0;
};

bool InitInstance(StartupSteps& steps);
int ExitInstance(StartupSteps& steps);

// The whole run: a second instance ends at once with 0; otherwise InitInstance, the event loop
// when it succeeded, and ExitInstance in every case.
int RunExamApp(StartupSteps& steps);
