// Tests of the proctor's window: what it shows when it opens (the machine's candidates, the
// server settings), its buttons passing the selected candidate on and reloading the list, the
// room query filling the list from a fake exam server, and the ways it is opened: Ctrl+F12 and
// the system password from the rules dialog and from the end screen, never in training mode.
#include "client/gui/proctor_dlg.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include "client/exam/lockdown.h"
#include "client/exam/password_check.h"
#include "client/grading/score_scrambler.h"
#include "client/gui/bye_dlg.h"
#include "client/gui/input_dlg.h"
#include "client/gui/proctor_hook.h"
#include "client/gui/proctor_screen.h"
#include "client/gui/rules_dlg.h"
#include "client/gui/score_dlg.h"
#include "client/gui/sys_password_dlg.h"
#include "client/gui/testing/exam_screen_fixture.h"
#include "client/gui/testing/modal_steps.h"
#include "client/testing/fake_exam_server.h"
#include "platform/win/message_box.h"

namespace {

class ProctorDlgTest : public ExamScreenFixture {
 protected:
  void Install(const std::string& ini = "") {
    MakeInstallation(ini);
    Sql("insert into [Const](SelectCount, TestDir) values (0, '" + ProgramFolder() + "exam')");
    Sql("insert into [Stu](examcode,Name,Room,Session,Seat,State,timeleft,scoreok) values "
        "('26001010102','李华','01','01','02',1,1200,-1)");
    Sql("insert into [Stu](examcode,Name,Room,Session,Seat,State) values "
        "('26001010104','赵强','01','01','04',10)");
    Sql("insert into [Stu](examcode,Name,Room,Session,Seat,State) values "
        "('26001010101','张明','01','01','01',0)");
  }
  static QStringList Row(QTableWidget* list, int row) {
    QStringList cells;
    for (int c = 0; c < list->columnCount(); ++c)
      cells << (list->item(row, c) ? list->item(row, c)->text() : QString());
    return cells;
  }
  static void Select(CProctorDlg& dlg, const QString& code) {
    for (int r = 0; r < dlg.List()->rowCount(); ++r)
      if (dlg.List()->item(r, 3)->text() == code) dlg.List()->selectRow(r);
  }
  std::optional<win::testing::ScopedEnv> registryEnv_;
  int TimeLeft(const std::string& code) {
    auto row = session_.Store().FindCandidate(code);
    return row && *row ? (*row)->timeLeft : -1;
  }
};

TEST_F(ProctorDlgTest, OpensWithTheListAndTheSettings) {
  Install("Server=Manual\r\nServerIP=10.0.0.5\r\nPort=7777\r\n");
  CProctorDlg dlg(session_, nullptr);
  EXPECT_EQ(dlg.windowTitle(), u"考试机考务管理"_qs);
  ASSERT_EQ(dlg.List()->rowCount(), 2);
  EXPECT_EQ(Row(dlg.List(), 0), (QStringList{"01", "01", "02", "26001010102", u"李华"_qs,
                                             u"正常"_qs, u"是"_qs, u"否"_qs}));
  EXPECT_EQ(Row(dlg.List(), 1), (QStringList{"01", "01", "04", "26001010104", u"赵强"_qs,
                                             u"旷考"_qs, u"否"_qs, u"否"_qs}));
  EXPECT_EQ(dlg.List()->horizontalHeaderItem(7)->text(), u"是否已发送成绩"_qs);
  EXPECT_EQ(dlg.ServerMode()->currentText(), u"人工认证"_qs);
  EXPECT_EQ(dlg.ServerAddress()->text(), "10.0.0.5");
  EXPECT_EQ(dlg.ServerPort()->text(), "7777");
  EXPECT_EQ(dlg.Rooms()->count(), 50);
  EXPECT_EQ(dlg.Rooms()->currentText(), u"第 01 考场"_qs);
  EXPECT_EQ(dlg.Sessions()->itemText(49), u"第 50 场"_qs);
  EXPECT_TRUE(dlg.NotReceived()->isChecked());
  EXPECT_FALSE(dlg.Button(CProctorDlg::kExportScores)->isEnabled());
  EXPECT_FALSE(dlg.SelectedCode());

  // Another mode chosen is written at once; an unknown one leaves the combo empty next time.
  dlg.ServerMode()->setCurrentIndex(2);
  emit dlg.ServerMode()->activated(2);
  EXPECT_EQ(session_.Settings().Read("KIRV", "Server"), "Local");
}

TEST_F(ProctorDlgTest, ButtonsTakeTheSelectedCandidate) {
  Install();
  std::vector<std::string> regraded;
  CProctorDlg dlg(session_, [&](const std::string& code, const std::string& folder) {
    regraded.push_back(code + " " + folder);
  });
  win::MessageCapture boxes;

  // Nothing selected.
  dlg.Button(CProctorDlg::kExtendTime)->click();
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown()[0].text, "请选中要延长考试时间的考生");

  // Nine minutes more for 李华, typed into the input box.
  Select(dlg, "26001010102");
  EXPECT_EQ(dlg.SelectedCode(), "26001010102");
  WhenOpen<CInputDlg>([](CInputDlg* input) { Type(input->Edit(), "9"); });
  dlg.Button(CProctorDlg::kExtendTime)->click();
  EXPECT_EQ(TimeLeft("26001010102"), 1740);
  EXPECT_EQ(boxes.Shown().back().text, "延时完成，考生剩余考试时间为 29 分钟");

  dlg.Button(CProctorDlg::kRegrade)->click();
  EXPECT_EQ(regraded,
            std::vector<std::string>{"26001010102 " + ProgramFolder() + "exam\\26001010102\\"});

  // Grading again reloaded the list; the retake takes him off the list of those who began.
  EXPECT_FALSE(dlg.SelectedCode());
  Select(dlg, "26001010102");
  dlg.Button(CProctorDlg::kRetake)->click();
  EXPECT_EQ(boxes.Shown().back().text, "重考设定完成，请返回登录界面重新登录");
  ASSERT_EQ(dlg.List()->rowCount(), 1);
  EXPECT_EQ(dlg.List()->item(0, 3)->text(), "26001010104");
  EXPECT_FALSE(dlg.SelectedCode());
}

// "重新评分" grades the candidate chosen in the list, not the run's own: the grading dialog opens
// over the proctor dialog for him and his folder, grades his paper through the grading controls
// (stand-ins registered with the real regsvr32) and stores his score; the list then shows him
// graded.
TEST_F(ProctorDlgTest, GradeAgainGradesTheChosenCandidate) {
  Install();
  registryEnv_.emplace("KIRV_REGISTRY", (host_ / "registry.ini").string());
  const std::string command = std::string(KIRV_REGSVR32) + " /s " + KIRV_SCRIPTED_CONTROLS;
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
  Sql("insert into [Module](ModuleID, Name) values (2, '文字处理')");
  Sql("insert into [Paper](PaperID, ModuleID, AnsFile) values (7, 2, '90.xls*1')");
  Sql("update [Stu] set Papers='2-7' where examcode='26001010104'");

  GradingCandidate graded;
  QWidget* gradedOver = nullptr;
  QStringList lines, listed;
  CProctorDlg dlg(session_, std::bind_front(GradeCandidateAgain, std::ref(session_)));
  WhenOpen<CProctorDlg>([&](CProctorDlg* proctor) {
    Select(*proctor, "26001010104");
    WhenOpen<CScoreDlg>([&](CScoreDlg* grading) {
      graded = grading->Flow().Candidate();
      gradedOver = grading->parentWidget();
      grading->Button(1009)->click();
      for (int i = 0; i < grading->List()->count(); ++i) lines << grading->List()->item(i)->text();
      grading->Button(1)->click();
    });
    proctor->Button(CProctorDlg::kRegrade)->click();
    listed = Row(proctor->List(), 1);
    proctor->reject();
  });
  dlg.DoModal();

  EXPECT_EQ(graded.examCode, "26001010104");
  EXPECT_EQ(graded.studentFolder, ProgramFolder() + "exam\\26001010104\\");
  EXPECT_EQ(gradedOver, &dlg);
  EXPECT_TRUE(lines.contains(u"正在对 26001010104 进行评分..."_qs))
      << lines.join("|").toStdString();
  EXPECT_TRUE(lines.contains(u"文字处理 : 评分完毕"_qs)) << lines.join("|").toStdString();
  const auto row = session_.Store().FindCandidate("26001010104");
  ASSERT_TRUE(row && *row);
  EXPECT_TRUE((*row)->scoreOk);
  EXPECT_EQ(DecodeText((*row)->score, "26001010104"), "2-90");
  EXPECT_EQ(listed.value(6), u"是"_qs);
  EXPECT_EQ(session_.Candidate().examCode, "0101");
}

// "登录缺考" and "登录违纪" without an exam code ask for one and put the keyboard in its field, so
// the proctor can type it at once; nothing is sent.
TEST_F(ProctorDlgTest, MarkWithoutAnExamCodeFocusesItsField) {
  FakeExamServer server({"KIRV-03-01-26001010102-李华-男"});
  Install(server.Settings());
  CProctorDlg dlg(session_, nullptr);
  win::MessageCapture boxes;
  dlg.show();
  dlg.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
  for (int id : {CProctorDlg::kMarkAbsent, CProctorDlg::kMarkViolation}) {
    SCOPED_TRACE(id);
    dlg.ServerPort()->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), dlg.ServerPort());
    dlg.Button(id)->click();
    EXPECT_EQ(boxes.Shown().back().text, "请输入准考证号");
    EXPECT_EQ(QApplication::focusWidget(), dlg.ExamCodeEdit());
  }
  EXPECT_TRUE(server.Received().empty());
}

TEST_F(ProctorDlgTest, RoomQueryShowsTheServersList) {
  FakeExamServer server({"KIRV-13-01-26012030101,张三,1,01,26012030102,李四,100,02"});
  Install(server.Settings());
  CProctorDlg dlg(session_, nullptr);
  dlg.Rooms()->setCurrentIndex(2);
  dlg.Sessions()->setCurrentIndex(11);
  dlg.Button(CProctorDlg::kQueryRoom)->click();
  EXPECT_EQ(server.Received(), std::vector<std::string>{"KIRV-12-03-12-1"});
  ASSERT_EQ(dlg.List()->rowCount(), 2);
  EXPECT_EQ(Row(dlg.List(), 1),
            (QStringList{"03", "12", "02", "26012030102", u"李四"_qs, u"违纪"_qs, "", ""}));
  dlg.RefreshList();
  EXPECT_EQ(dlg.List()->item(0, 3)->text(), "26001010102");
}

// A fake lock-down: the end screen's locks touch nothing of the machine.
struct NoLocks : LockdownBackend {
  void SetTaskManagerPolicy(bool) override {}
  bool TaskManagerPolicyIsOne() override { return false; }
  void DisableTaskKeys(int, int) override {}
  bool AreTaskKeysDisabled() override { return false; }
  void DisableTaskbar(bool) override {}
  bool TaskbarDisabled() override { return false; }
};

// The right password, then the proctor dialog's list is read and the dialog closed.
void EnterProctor(QStringList* listed) {
  WhenOpen<CSysPasswordDlg>([listed](CSysPasswordDlg* p) {
    WhenOpen<CProctorDlg>([listed](CProctorDlg* d) {
      for (int r = 0; r < d->List()->rowCount(); ++r) *listed << d->List()->item(r, 3)->text();
      d->reject();
    });
    Type(p->PasswordEdit(), QString::fromStdString(ExpectedSystemPassword("")));
  });
}

TEST_F(ProctorDlgTest, HotKeyOfTheRulesAndTheEndScreen) {
  Install();
  InstallProctorDialog(session_, nullptr);
  const QStringList expected = {"26001010102", "26001010104"};

  QStringList fromRules;
  CRulesDlg rules(ProgramFolder(), false, session_.Settings());
  WhenOpen<CRulesDlg>([&](CRulesDlg* d) {
    EnterProctor(&fromRules);
    d->OnHotKey();
    d->AcceptButton()->click();
  });
  rules.DoModal();
  EXPECT_EQ(fromRules, expected);

  // The end screen as the program makes it: the password dialog over it, then the proctor's.
  NoLocks locks;
  auto proctorKey = [this](QWidget* screen) {
    OpenProctorAfterPassword(session_.Settings(), screen);
  };
  QStringList fromEndScreen;
  CByeDlg bye(
      locks, false, [](const std::string& s) { return s == "done"; }, "", nullptr, proctorKey);
  WhenOpen<CByeDlg>([&](CByeDlg* d) {
    EnterProctor(&fromEndScreen);
    QTest::keyClick(d, Qt::Key_F12, Qt::ControlModifier);
    EXPECT_TRUE(d->isVisible());  // the end screen stays up underneath
    QTest::keyClicks(d, "done");
    QTest::keyClick(d, Qt::Key_Return);
  });
  bye.exec();
  EXPECT_EQ(fromEndScreen, expected);

  // In training mode the end screen's key does nothing.
  int asked = 0;
  CByeDlg training(
      locks, true, [](const std::string&) { return true; }, "", nullptr,
      [&](QWidget*) { ++asked; });
  QTest::keyClick(&training, Qt::Key_F12, Qt::ControlModifier);
  EXPECT_EQ(asked, 0);
  SetProctorOpener({});
}

TEST(ProctorScreen, FileFilters) {
  EXPECT_EQ(QtFileFilter("考生考试信息压缩包 (*.zip)|*.zip|All Files (*.*)|*.*||"),
            u"考生考试信息压缩包 (*.zip);;All Files (*.*)"_qs);
  EXPECT_EQ(QtFileFilter("计算机考试成绩库 (*.mdb)|*.mdb|All Files(*.*)|*.*||"),
            u"计算机考试成绩库 (*.mdb);;All Files(*.*)"_qs);
}

}  // namespace
