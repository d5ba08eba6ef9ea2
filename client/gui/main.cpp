// The exam client program kirv: the application object, the Qt services, and the hooks that join
// the start-up sequence to the question bar, the rules and password dialogs and the
// single-choice page. The grading dialog opens at the end of the exam where openGrading is set.

#include <QApplication>
#include <clocale>
#include <memory>

#include "client/exam_end_request.h"
#include "client/globals.h"
#include "client/gui/custom_visual_manager.h"
#include "client/gui/exam_app.h"
#include "client/gui/exam_app_bar.h"
#include "client/gui/exam_tasks_pane.h"
#include "client/gui/proctor_hook.h"
#include "client/gui/qt_services.h"
#include "client/gui/rules_dlg.h"
#include "client/gui/sel_question_dlg.h"
#include "client/gui/sys_password_dlg.h"
#include "client/question_bar_layout.h"
#include "client/system_utils.h"
#include "platform/win/message_box.h"

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  // Qt took the C library's locale from the environment; numbers in settings, databases and
  // workbooks are written with "." whatever the user's locale is.
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setQuitOnLastWindowClosed(false);
  InstallQtServices();

  std::unique_ptr<CExamAppBar> bar;
  CExamApp* app = nullptr;
  // The exit button and the countdown at zero may both ask while the confirmation is open: the
  // second is handled when the first ended without finishing.
  ExamEndRequest endRequest([&] { return app && app->Frame() && app->Frame()->close(); });

  CExamTasksPane::SetSingleChoiceFactory([](QWidget* parent, const QFont& font) -> QWidget* {
    int edge = BarDockEdge(Paths.ScreenWidth, Paths.ScreenHeight) == BarEdge::Left ? 0 : 1;
    return new CSelQuestionDlg(ProgramFolder, StudentFolder, ExamCode, &CExamApp::ReadPapers, font,
                               edge, parent);
  });

  CExamApp::Screens screens;
  screens.applyTheme = [](int theme) { ApplyTheme(theme, ProgramFolder); };
  screens.showRules = [] {
    CRulesDlg rules;
    return rules.DoModal() == win::IDOK;
  };
  screens.askSystemPassword = [] {
    CSysPasswordDlg password;
    return password.DoModal() == 1;
  };
  screens.openProctor = [] { OpenProctorDialog(nullptr); };
  screens.createQuestionBar = [&](const std::string& title) {
    bar = CExamAppBar::CreateForExam(Paths.ScreenWidth, Paths.ScreenHeight, title);
    if (!bar) return false;
    bar->SetExamEndHandler([&] { endRequest.Request(); });
    return true;
  };
  screens.startCountdown = [&] {
    if (bar) bar->TasksPane()->StartCountdown();
  };
  screens.secondsLeft = [&] { return bar ? bar->TasksPane()->RemainingSeconds() : 0; };
  // The bar goes with its countdown, so nothing writes the time left after the exam ended.
  screens.closeQuestionBar = [&] { bar.reset(); };
  screens.destroyQuestionBar = [&] { bar.reset(); };
  // screens.openGrading: the grading dialog (CScoreDlg) joins here; until then the end screen
  // is followed directly by the end of the program.

  CExamApp exam(screens);
  app = &exam;
  return RunExamApp(exam);
}
