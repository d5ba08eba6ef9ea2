// The exam client's application object (see exam_app.h).

#include "client/gui/exam_app.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

#include "client/common/system_utils.h"
#include "client/exam/login_host.h"
#include "client/exam/password_check.h"
#include "client/gui/bye_dlg.h"
#include "client/gui/custom_visual_manager.h"
#include "client/gui/login_dlg.h"
#include "client/gui/proctor_hook.h"
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

std::string ExamWindowTitle(const ExamCandidate& candidate) {
  return "■-" + candidate.name + "-" + candidate.studentFolder;
}

CExamApp::CExamApp(ExamSession& session, Screens screens)
    : session_(session), screens_(std::move(screens)) {}

CExamApp::~CExamApp() = default;

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
  PathGlobals paths = InitPaths();
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    paths.ScreenWidth = screen->geometry().width();
    paths.ScreenHeight = screen->geometry().height();
  }
  session_.Start(std::move(paths));
}

void CExamApp::RegisterControls() {
  const std::string& program = session_.ProgramFolder();
  // The Visual Basic run-time libraries that Windows-built controls need are copied only when
  // the installation carries them.
  for (const char* dll : {"msvbvm50.dll", "msvbvm60.dll"}) {
    std::string target = session_.Paths().SystemFolder + dll;
    std::string source = program + "OCX\\" + dll;
    if (!FileExists(target) && FileExists(source)) {
      win::CopyFile(source, target, false);
      RegisterControl(target);
    }
  }
  ::RegisterControls("*.ocx", program + "Ocx");
}

void CExamApp::CreateShortcut() {
  const std::string& program = session_.ProgramFolder();
  const std::string title = session_.Settings().Setting("Title", settings_default::TitleShortcut);
  CreateDesktopShortcut(title, program + session_.Paths().ProgramName + ".exe", program);
}

void CExamApp::ApplyTheme() {
  if (screens_.applyTheme)
    screens_.applyTheme(ThemeNumber(session_.Settings().Read("KIRV", "Theme")));
}

void CExamApp::ReleaseLocks() {
  SetLockdown(locks_, kLockAll, 0, 0);
}

void CExamApp::StartCompanion() {
  const std::string& program = session_.ProgramFolder();
  std::string temp = session_.Paths().TempFolder + "KIRVClient.exe";
  if (FileExists(temp)) win::DeleteFile(temp);
  if (FileExists(program + "KIRVClient.exe"))
    win::CopyFile(program + "KIRVClient.exe", temp, false);
  if (FileExists(temp)) win::ShellExecute("Open", temp, program, "");
}

void CExamApp::RunHook(const std::string& name) {
  std::string script = session_.ProgramFolder() + "Script\\";
  if (FileExists(script + name)) RunAndWait(script + name, script);
}

bool CExamApp::ShowRules() {
  return screens_.showRules ? screens_.showRules() : true;
}

bool CExamApp::ShowLogin() {
  SystemLoginHost host;
  CLoginDlg dlg(session_.Store(), host, session_.ProgramFolder(),
                session_.Settings().Read("KIRV", "Paper"), session_.TrainingMode(),
                {screens_.askSystemPassword, screens_.openProctor});
  if (dlg.exec() != QDialog::Accepted || !dlg.Outcome()) return false;
  const LoginOutcome& out = *dlg.Outcome();
  session_.BeginExam(
      {out.examCode, out.candidateName, out.studentFolder, out.examSeconds, out.papers});
  return true;
}

bool CExamApp::CreateQuestionBar() {
  if (!screens_.createQuestionBar) return false;
  barExists_ = screens_.createQuestionBar(ExamWindowTitle(session_.Candidate()));
  return barExists_;
}

void CExamApp::ShowEndScreen() {
  CIniFile& settings = session_.Settings();
  CByeDlg bye(
      locks_, session_.TrainingMode(),
      [&settings](const std::string& typed) {
        return CheckSystemPassword(typed, settings.Read("KIRV", "SysPassword"));
      },
      QString::fromStdString(settings.Read("KIRV", "ByeMsg")), nullptr,
      [&settings](QWidget* screen) { OpenProctorAfterPassword(settings, screen); });
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
  session_.ReadProcessLists();
  frame_ = std::make_unique<CExamFrame>(session_, std::move(hooks));
  const ExamCandidate& c = session_.Candidate();
  frame_->setWindowTitle(QString::fromStdString(c.examCode + "-" + c.name + "-" + c.studentFolder));
  frame_->hide();
}

void CExamApp::StartCountdown() {
  if (screens_.startCountdown) screens_.startCountdown();
}

void CExamApp::WriteLog(const std::string& line) {
  const ExamCandidate& c = session_.Candidate();
  if (base::Status logged = ::WriteLog(c.studentFolder, c.examCode, line); !logged)
    ShowMessage("写入考生日志发生错误:" + logged.error().message);
}

std::string CExamApp::Timestamp() {
  return GetDateString() + GetTimeString();
}

void CExamApp::OpenStudentFolder() {
  const std::string& folder = session_.Candidate().studentFolder;
  win::ShellExecute("Open", folder, "", folder);
}

void CExamApp::DestroyQuestionBar() {
  if (barExists_ && screens_.destroyQuestionBar) screens_.destroyQuestionBar();
  barExists_ = false;
}

void CExamApp::CloseDatabase() {
  session_.Close();
}

int CExamApp::RunEventLoop() {
  QApplication::setQuitOnLastWindowClosed(false);
  return QApplication::exec();
}
