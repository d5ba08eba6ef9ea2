// Tests of the system password, rules, input and progress dialogs.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "client/exam/password_check.h"
#include "client/gui/input_dlg.h"
#include "client/gui/proctor_hook.h"
#include "client/gui/question_view.h"
#include "client/gui/rules_dlg.h"
#include "client/gui/sys_password_dlg.h"
#include "client/gui/testing/exam_screen_fixture.h"
#include "client/gui/testing/modal_steps.h"
#include "client/gui/wait_dlg.h"
#include "platform/win/message_box.h"

namespace {

class PasswordTest : public ExamScreenFixture {};

TEST_F(PasswordTest, BuiltInFallbackWhenNoPasswordIsSet) {
  MakeInstallation("SysPasswordMsg=问监考老师\r\n");
  const QString right = QString::fromStdString(ExpectedSystemPassword(""));
  bool clearedAfterWrong = false;
  WhenOpen<CSysPasswordDlg>([&](CSysPasswordDlg* d) {
    EXPECT_EQ(d->HintLabel()->text(), u"问监考老师"_qs);
    Type(d->PasswordEdit(), "");  // empty entry: stays open
    Type(d->PasswordEdit(), "wrong");
    clearedAfterWrong = d->PasswordEdit()->text().isEmpty() && d->isVisible();
    Type(d->PasswordEdit(), right);
  });
  CSysPasswordDlg dialog(session_.Settings());
  EXPECT_EQ(dialog.DoModal(), 1);
  EXPECT_TRUE(clearedAfterWrong);
}

TEST_F(PasswordTest, StoredPasswordAndEscape) {
  MakeInstallation("SysPassword=" + TransformPassword("proctor", true) + "\r\n");
  WhenOpen<CSysPasswordDlg>([&](CSysPasswordDlg* d) {
    EXPECT_TRUE(d->HintLabel()->text().isEmpty());
    Type(d->PasswordEdit(),
         QString::fromStdString(ExpectedSystemPassword("")));  // the fallback no longer opens
    Type(d->PasswordEdit(), "proctor");
  });
  CSysPasswordDlg first(session_.Settings());
  EXPECT_EQ(first.DoModal(), 1);
  WhenOpen<CSysPasswordDlg>([](CSysPasswordDlg* d) { QTest::keyClick(d, Qt::Key_Escape); });
  CSysPasswordDlg second(session_.Settings());
  EXPECT_EQ(second.DoModal(), 0);
}

class RulesTest : public ExamScreenFixture {};

TEST_F(RulesTest, AcceptQuitAndTheProctorHotKey) {
  MakeInstallation();
  std::ofstream(host_ / "Readme.rtf") << "{\\rtf1 \\u35268?\\u21017? rules}";
  int proctorOpened = 0;
  const ProctorOpener previous = SetProctorOpener([&](QWidget*) { ++proctorOpened; });
  {
    CRulesDlg dialog(ProgramFolder(), false, session_.Settings());
    EXPECT_EQ(dialog.windowTitle(), u"请阅读规则"_qs);
    EXPECT_EQ(dialog.RulesView()->toPlainText(), u"规则 rules"_qs);
    EXPECT_TRUE(dialog.HasHotKey());
    // Ctrl+F12 typed while the rules text has the focus (as it does when the candidate reads),
    // a wrong password then Esc: no proctor dialog; then, from the accept button, the right one:
    // the proctor dialog.
    WhenOpen<CRulesDlg>([&](CRulesDlg* d) {
      d->activateWindow();
      ASSERT_TRUE(QTest::qWaitForWindowActive(d));
      WhenOpen<CSysPasswordDlg>([](CSysPasswordDlg* p) {
        Type(p->PasswordEdit(), "nope");
        QTest::keyClick(p, Qt::Key_Escape);
      });
      d->RulesView()->setFocus();
      ASSERT_EQ(QApplication::focusWidget(), d->RulesView());
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_F12, Qt::ControlModifier);
      EXPECT_EQ(proctorOpened, 0);
      d->activateWindow();
      ASSERT_TRUE(QTest::qWaitForWindowActive(d));
      WhenOpen<CSysPasswordDlg>([](CSysPasswordDlg* p) {
        Type(p->PasswordEdit(), QString::fromStdString(ExpectedSystemPassword("")));
      });
      d->AcceptButton()->setFocus();
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_F12, Qt::ControlModifier);
      EXPECT_EQ(proctorOpened, 1);
      EXPECT_TRUE(d->isVisible());  // the rules stay open underneath
      d->AcceptButton()->click();
    });
    EXPECT_EQ(dialog.DoModal(), win::IDOK);
  }
  {
    CRulesDlg dialog(ProgramFolder(), false, session_.Settings());
    WhenOpen<CRulesDlg>([](CRulesDlg* d) { d->QuitButton()->click(); });
    EXPECT_EQ(dialog.DoModal(), win::IDCANCEL);
  }
  SetProctorOpener(previous);
}

TEST_F(RulesTest, TrainingModeHasNoHotKeyAndMissingRulesLeaveTheViewEmpty) {
  MakeInstallation();
  CRulesDlg dialog(ProgramFolder(), true, session_.Settings());
  EXPECT_FALSE(dialog.HasHotKey());
  EXPECT_TRUE(dialog.RulesView()->toPlainText().isEmpty());
  EXPECT_TRUE(dialog.AcceptButton()->isEnabled());
}

TEST(InputDlg, OkTakesTheEntryCancelKeepsTheValue) {
  ui::TestApp();
  struct Case {
    const char* name;
    QString typed;
    bool ok;
    int result;
    std::string answer;
  } cases[] = {
      {"ok with minutes", "15", true, 1, "15"},
      {"ok with nothing", "", true, 1, ""},
      {"cancel", "99", false, 2, "kept"},
  };
  for (const Case& c : cases) {
    CInputDlg dialog;
    dialog.prompt = "在确保不影响下一场考试前提下\n请输入要延时的时间(单位：分钟)";
    dialog.answer = "kept";
    WhenOpen<CInputDlg>([&](CInputDlg* d) {
      d->Edit()->clear();
      QTest::keyClicks(d->Edit(), c.typed);
      if (c.ok)
        QTest::keyClick(d->Edit(), Qt::Key_Return);
      else
        QTest::keyClick(d, Qt::Key_Escape);
    });
    EXPECT_EQ(dialog.DoModal(), c.result) << c.name;
    EXPECT_EQ(dialog.answer, c.answer) << c.name;
    EXPECT_EQ(dialog.windowTitle(), u"请输入"_qs);
  }
}

TEST(WaitDlg, TextAndProgress) {
  ui::TestApp();
  CWaitDlg wait;
  wait.show();
  wait.SetText("正在导入考生库，请稍候 ...");
  wait.SetRange(0, 40);
  wait.SetPos(12);
  wait.Refresh();
  EXPECT_EQ(wait.Text(), "正在导入考生库，请稍候 ...");
  EXPECT_EQ(wait.Pos(), 12);
  for (const auto& [position, shown] : {std::pair{99, 40}, {-5, 0}, {40, 40}}) {
    wait.SetPos(position);  // outside the range: the nearest end
    EXPECT_EQ(wait.Pos(), shown) << position;
  }
  EXPECT_FALSE(wait.isModal());
}

}  // namespace
