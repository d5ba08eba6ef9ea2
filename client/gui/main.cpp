// The exam client program kirv: the application object, the Qt services, and the hooks that join
// the start-up sequence to the question bar, the rules and password dialogs and the
// single-choice page, and the proctor dialog. The grading dialog opens at the end of the exam
// and for the candidate the proctor grades again.

#include <QApplication>
#include <clocale>
#include <functional>
#include <memory>

#include "client/common/system_utils.h"
#include "client/exam/exam_end_request.h"
#include "client/exam/exam_session.h"
#include "client/exam/question_bar_layout.h"
#include "client/gui/custom_visual_manager.h"
#include "client/gui/exam_app.h"
#include "client/gui/exam_app_bar.h"
#include "client/gui/exam_tasks_pane.h"
#include "client/gui/proctor_dlg.h"
#include "client/gui/proctor_hook.h"
#include "client/gui/qt_services.h"
#include "client/gui/rules_dlg.h"
#include "client/gui/score_dlg.h"
#include "client/gui/sel_question_dlg.h"
#include "client/gui/sys_password_dlg.h"
#include "platform/win/message_box.h"

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  // Qt took the C library's locale from the environment; numbers in settings, databases and
  // workbooks are written with "." whatever the user's locale is.
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setQuitOnLastWindowClosed(false);
  InstallQtServices();

  // The run's one state: started by the start-up sequence, given the candidate by the login.
  ExamSession session;
  std::unique_ptr<CExamAppBar> bar;
  CExamApp* app = nullptr;
  // The exit button and the countdown at zero may both ask while the confirmation is open: the
  // second is handled when the first ended without finishing.
  ExamEndRequest endRequest([&] { return app && app->Frame() && app->Frame()->close(); });

  CExamTasksPane::SetSingleChoiceFactory([&](QWidget* parent, const QFont& font) -> QWidget* {
    const PathGlobals& paths = session.Paths();
    const int edge = BarDockEdge(paths.ScreenWidth, paths.ScreenHeight) == BarEdge::Left ? 0 : 1;
    const ExamCandidate& candidate = session.Candidate();
    // The record is made by the login; should it be gone, the paper comes from the row, or from
    // what the login found when the row cannot be read.
    auto readPapers = [&session] {
      const ExamCandidate& c = session.Candidate();
      const auto row = session.Store().FindCandidate(c.examCode);
      return row && *row ? (*row)->papers : c.papers;
    };
    return new CSelQuestionDlg(session.ProgramFolder(), candidate.studentFolder, candidate.examCode,
                               readPapers, font, edge, parent);
  });

  CExamApp::Screens screens;
  screens.applyTheme = [&](int theme) { ApplyTheme(theme, session.ProgramFolder()); };
  screens.showRules = [&] {
    CRulesDlg rules(session.ProgramFolder(), session.TrainingMode(), session.Settings());
    return rules.DoModal() == win::IDOK;
  };
  screens.askSystemPassword = [&] {
    CSysPasswordDlg password(session.Settings());
    return password.DoModal() == 1;
  };
  screens.openProctor = [] { OpenProctorDialog(QApplication::activeModalWidget()); };
  // The proctor dialog behind Ctrl+F12 and the system password (rules, login, end screen); its
  // "重新评分" runs the grading dialog for the candidate chosen there.
  InstallProctorDialog(session, std::bind_front(GradeCandidateAgain, std::ref(session)));
  screens.createQuestionBar = [&](const std::string& title) {
    const PathGlobals& paths = session.Paths();
    bar = CExamAppBar::CreateForExam(session, paths.ScreenWidth, paths.ScreenHeight, title);
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
  screens.openGrading = [&] {
    const ExamCandidate& c = session.Candidate();
    RunGradingDialog(session, {c.examCode, c.studentFolder}, nullptr);
  };

  CExamApp exam(session, screens);
  app = &exam;
  return RunExamApp(exam);
}
