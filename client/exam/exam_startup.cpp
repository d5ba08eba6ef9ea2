// The start-up and shut-down sequence (see exam_startup.h).

#include "client/exam/exam_startup.h"

bool InitInstance(StartupSteps& steps) {
  steps.ShowRegisterBox(true);
  if (!steps.InitOle()) {
    steps.Message("OLE(COM) 初始化错误!");
    return false;
  }
  if (!steps.InitRichEdit()) {
    steps.Message("RichEdit 初始化错误!");
    return false;
  }
  if (!steps.InitSockets()) {
    steps.Message("Socket 初始化错误!");
    return false;
  }
  steps.InitPathsAndGlobals();
  steps.RegisterControls();
  steps.CreateShortcut();
  steps.ApplyTheme();
  steps.ReleaseLocks();
  steps.StartCompanion();
  steps.RunHook("init.bat");
  steps.ShowRegisterBox(false);
  if (!steps.ShowRules()) return false;
  if (!steps.ShowLogin()) return false;
  if (!steps.CreateQuestionBar()) return false;
  steps.CreateExamFrame();
  steps.RunHook("extract.bat");
  steps.StartCountdown();
  steps.WriteLog("考试开始于：" + steps.Timestamp());
  steps.OpenStudentFolder();
  return true;
}

int ExitInstance(StartupSteps& steps) {
  steps.DestroyQuestionBar();
  steps.RunHook("exit.bat");
  steps.CloseDatabase();
  return 0;
}

int RunExamApp(StartupSteps& steps) {
  if (!steps.AcquireInstance()) return 0;
  int code = 0;
  if (InitInstance(steps)) code = steps.RunEventLoop();
  int exitCode = ExitInstance(steps);
  return code != 0 ? code : exitCode;
}
