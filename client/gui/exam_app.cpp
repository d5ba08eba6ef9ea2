// The exam client's application object (see exam_app.h).

#include "client/gui/exam_app.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

#include "client/db/ado_record_set.h"
#include "client/globals.h"
#include "client/gui/bye_dlg.h"
#include "client/gui/custom_visual_manager.h"
#include "client/gui/login_dlg.h"
#include "client/ini_file.h"
#include "client/login_host.h"
#include "client/login_store.h"
#include "client/password_check.h"
#include "client/system_utils.h"
#include "platform/win/files.h"
#include "platform/win/process.h"

CRegisterDlg::CRegisterDlg()
    : QLabel(QStringLiteral("正在注册系统相关的控件和运行库,请稍候..."), nullptr,
             Qt::SplashScreen | Qt::FramelessWindowHint) {
  setMargin(16);
  setFrameShape(QFrame::Box);
  adjustSize();
  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->geometry().center() - rect().center());
}

CExamApp::CExamApp(Screens screens) : screens_(std::move(screens)) {}

CExamApp::~CExamApp() = default;

std::string CExamApp::ExamWindowTitle() {
  return "■-" + CandidateName + "-" + StudentFolder;
}

std::string CExamApp::ReadPapers() {
  CAdoRecordSet rs;
  rs.SetConnection(&ExamDatabase);
  std::string papers;
  if (rs.Open("Select * from [Stu] where examcode=?", {SqlText(ExamCode)}) && !rs.IsEOF())
    rs.GetString("Papers", papers);
  return papers;
}

bool CExamApp::AcquireInstance() {
  lock_ = std::make_unique<win::InstanceLock>("KIRV");
  return lock_->Acquired();
}

void CExamApp::ShowRegisterBox(bool show) {
  if (show) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    registerBox_ = std::make_unique<CRegisterDlg>();
    registerBox_->show();
    QApplication::processEvents();
  } else {
    registerBox_.reset();
    QApplication::restoreOverrideCursor();
  }
}

void CExamApp::Message(const std::string& text) {
  ShowMessage(text);
}

void CExamApp::InitPathsAndGlobals() {
  InitPaths();
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    Paths.ScreenWidth = screen->geometry().width();
    Paths.ScreenHeight = screen->geometry().height();
  }
  InitGlobals(ProgramFolder);
}

void CExamApp::RegisterControls() {
  // The run-time libraries the controls of the original platform needed are copied only when
  // the installation carries them.
  for (const char* dll : {"msvbvm50.dll", "msvbvm60.dll"}) {
    std::string target = Paths.SystemFolder + dll;
    std::string source = ProgramFolder + "OCX\\" + dll;
    if (!FileExists(target) && FileExists(source)) {
      win::CopyFile(source, target, false);
      RegisterControl(target);
    }
  }
  ::RegisterControls("*.ocx", ProgramFolder + "Ocx");
}

void CExamApp::CreateShortcut() {
  std::string title = IniFile.Read("KIRV", "Title");
  if (title.empty()) title = "Kirvex";
  CreateDesktopShortcut(title, ProgramFolder + Paths.ProgramName + ".exe", ProgramFolder);
}

void CExamApp::ApplyTheme() {
  if (screens_.applyTheme) screens_.applyTheme(ThemeNumber(IniFile.Read("KIRV", "Theme")));
}

void CExamApp::ReleaseLocks() {
  SetLockdown(locks_, kLockAll, 0, 0);
}

void CExamApp::StartCompanion() {
  std::string temp = Paths.TempFolder + "KIRVClient.exe";
  if (FileExists(temp)) win::DeleteFile(temp);
  if (FileExists(ProgramFolder + "KIRVClient.exe"))
    win::CopyFile(ProgramFolder + "KIRVClient.exe", temp, false);
  if (FileExists(temp)) win::ShellExecute("Open", temp, ProgramFolder, "");
}

void CExamApp::RunHook(const std::string& name) {
  std::string script = ProgramFolder + "Script\\";
  if (FileExists(script + name)) RunAndWait(script + name, script);
}

bool CExamApp::ShowRules() {
  return screens_.showRules ? screens_.showRules() : true;
}

bool CExamApp::ShowLogin() {
  AdoLoginStore store(ExamDatabase, MainRecordSet, SecondRecordSet);
  SystemLoginHost host;
  CAdoRecordSet lists;
  lists.SetConnection(&ExamDatabase);
  CLoginDlg dlg(store, host, lists, ProgramFolder, IniFile.Read("KIRV", "Paper"), TrainingMode,
                {screens_.askSystemPassword, screens_.openProctor});
  if (dlg.exec() != QDialog::Accepted || !dlg.Outcome()) return false;
  const LoginOutcome& out = *dlg.Outcome();
  ExamCode = out.examCode;
  CandidateName = out.candidateName;
  StudentFolder = out.studentFolder;
  ExamSeconds = out.examSeconds;
  return true;
}

bool CExamApp::CreateQuestionBar() {
  if (!screens_.createQuestionBar) return false;
  barExists_ = screens_.createQuestionBar(ExamWindowTitle());
  return barExists_;
}

void CExamApp::ShowEndScreen() {
  CByeDlg bye(
      locks_, TrainingMode, [](const std::string& typed) { return CheckSystemPassword(typed); },
      QString::fromStdString(IniFile.Read("KIRV", "ByeMsg")));
  bye.exec();
}

void CExamApp::CreateExamFrame() {
  CExamFrame::Hooks hooks;
  hooks.secondsLeft = screens_.secondsLeft;
  hooks.closeQuestionBar = [this] {
    if (barExists_ && screens_.closeQuestionBar) screens_.closeQuestionBar();
    barExists_ = false;
  };
  hooks.showEndScreen = [this] { ShowEndScreen(); };
  hooks.openGrading = screens_.openGrading;
  hooks.finished = [] { QCoreApplication::quit(); };
  frame_ = std::make_unique<CExamFrame>(ProgramFolder, ExamCode, std::move(hooks));
  frame_->setWindowTitle(
      QString::fromStdString(ExamCode + "-" + CandidateName + "-" + StudentFolder));
  frame_->hide();
}

void CExamApp::StartCountdown() {
  if (screens_.startCountdown) screens_.startCountdown();
}

void CExamApp::WriteLog(const std::string& line) {
  ::WriteLog(line);
}

std::string CExamApp::Timestamp() {
  return GetDateString() + GetTimeString();
}

void CExamApp::OpenStudentFolder() {
  win::ShellExecute("Open", StudentFolder, "", StudentFolder);
}

void CExamApp::DestroyQuestionBar() {
  if (barExists_ && screens_.destroyQuestionBar) screens_.destroyQuestionBar();
  barExists_ = false;
}

void CExamApp::CloseDatabase() {
  ::CloseDatabase();
}

int CExamApp::RunEventLoop() {
  QApplication::setQuitOnLastWindowClosed(false);
  return QApplication::exec();
}
