// The grading dialog as the candidate and the proctor see it: its texts and which controls show,
// the start button grading the candidate into the list, the progress bar and the picture, and the
// proctor's "grade again" opening it for the candidate given; the host's window closing for the
// word-processor watchdog.
#include "client/gui/score_dlg.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <chrono>
#include <fstream>
#include <thread>

#include "client/grading/score_scrambler.h"
#include "client/gui/grading_system.h"
#include "client/gui/testing/exam_screen_fixture.h"
#include "client/testing/null_grading_system.h"
#include "client/testing/temp_folder.h"

namespace {

class ScoreDlgTest : public ExamScreenFixture {
 protected:
  void MakeExam(const std::string& ini = "") {
    MakeInstallation(ini);
    std::filesystem::create_directories(host_ / "Data" / "Answer");
    std::filesystem::create_directories(host_ / "exam" / "0101" / "Selkt");
    std::ofstream(host_ / "Data" / "Answer" / "Sel.ans") << "q01:B\r\nq02:C\r\n";
    std::ofstream(host_ / "exam" / "0101" / "Selkt" / "0101.txt") << "q01:B\nq02:C\n";
    Sql("insert into [Module](ModuleID, Name) values (0, '单项选择题')");
    Candidate(0, "0-q01,q02");
  }
  GradingCandidate Who() { return {"0101", StudentFolder()}; }
  NullGradingSystem machine_;
};

TEST_F(ScoreDlgTest, TextsAndWhatShows) {
  for (bool training : {false, true}) {
    SCOPED_TRACE(training ? "training" : "exam");
    MakeExam(training ? "Training=1\r\n" : "");
    CScoreDlg dlg(session_, Who(), machine_);
    dlg.show();
    EXPECT_EQ(dlg.windowTitle().toStdString(), "评分前请关掉所有相关的文档窗口");
    const std::map<int, const char*> texts = {{1039, "查看结果(&V)"},
                                              {1038, "重新上传(&R)"},
                                              {1018, "重新启动(&B)"},
                                              {1009, "开始评分(&S)"},
                                              {1, "退出(&X)"}};
    for (const auto& [id, text] : texts) EXPECT_EQ(dlg.Button(id)->text().toStdString(), text);
    EXPECT_EQ(dlg.CheckBox(1056)->text().toStdString(), "自动开始评分");
    EXPECT_EQ(dlg.CheckBox(1024)->text().toStdString(), "上传分数完毕后自动重新启动考试系统(&A)");
    EXPECT_FALSE(dlg.Button(1038)->isVisible());
    EXPECT_FALSE(dlg.CheckBox(1024)->isVisible());
    EXPECT_EQ(dlg.Button(1039)->isVisible(), training);
    EXPECT_FALSE(dlg.Button(1039)->isEnabled());
    EXPECT_TRUE(dlg.Button(1009)->isEnabled());
    EXPECT_EQ(dlg.Picture()->PicturePath(), ProgramFolder() + "Skins\\Timer.jpg");
    dlg.done(0);
    TearDown();
  }
}

TEST_F(ScoreDlgTest, StartButtonGradesIntoTheList) {
  MakeExam();
  CScoreDlg dlg(session_, Who(), machine_);
  dlg.show();
  dlg.Button(1009)->click();
  std::vector<std::string> lines;
  for (int i = 0; i < dlg.List()->count(); ++i)
    lines.push_back(dlg.List()->item(i)->text().toStdString());
  EXPECT_EQ(lines,
            (std::vector<std::string>{"正在对 影响评分的进程进行关闭...", "正在对 0101 进行评分...",
                                      "", "单项选择题 : 评分完毕", "", "所有考试模块评分完成"}));
  EXPECT_EQ(dlg.Progress()->value(), 100);
  EXPECT_EQ(dlg.Picture()->PicturePath(), ProgramFolder() + "Skins\\ScoreOK.jpg");
  EXPECT_TRUE(dlg.Button(1038)->isEnabled());
  EXPECT_TRUE(dlg.Button(1039)->isEnabled());
  EXPECT_EQ(DecodeText(dlg.Flow().EncodedScore(), "0101"), "0-100");
  EXPECT_FALSE(QApplication::overrideCursor());
}

TEST_F(ScoreDlgTest, AutoScoreStartsTheCountdown) {
  MakeExam("AutoScore=1\r\n");
  CScoreDlg dlg(session_, Who(), machine_);
  EXPECT_TRUE(dlg.CheckBox(1056)->isChecked());
  EXPECT_EQ(dlg.Flow().Countdown(), GradingFlow::kAutoStartSeconds);
  dlg.CheckBox(1056)->click();
  EXPECT_FALSE(dlg.CheckBox(1056)->isChecked());
  EXPECT_EQ(dlg.windowTitle().toStdString(), "请关闭所有打开的文档然后进行评分");
  EXPECT_EQ(session_.Settings().Read("KIRV", "AutoScore"), "0");
}

// Grading again is for the candidate and folder the proctor gives; the run's own stays his.
TEST_F(ScoreDlgTest, GradeAgainOpensForTheGivenCandidate) {
  MakeExam();
  const std::string folder = ProgramFolder() + "exam\\0102\\";
  GradingCandidate opened;
  QTimer::singleShot(0, [&] {
    if (auto* dlg = dynamic_cast<CScoreDlg*>(QApplication::activeModalWidget())) {
      opened = dlg->Flow().Candidate();
      dlg->done(1);
    }
  });
  EXPECT_EQ(GradeCandidateAgain(session_, "0102", folder), 1);
  EXPECT_EQ(opened.examCode, "0102");
  EXPECT_EQ(opened.studentFolder, folder);
  EXPECT_EQ(session_.Candidate().examCode, "0101");
}

TEST(QtGradingSystem, ClosesThisProgramsWindowByTitle) {
  ui::TestApp();
  QtGradingSystem system;
  QWidget stuck;
  stuck.setWindowTitle("docmark");
  EXPECT_FALSE(system.WindowExists("no window is called so"));
  stuck.show();
  EXPECT_TRUE(system.WindowExists("docmark"));
  system.CloseWindow("docmark");
  EXPECT_FALSE(stuck.isVisible());
  for (const win::ProcessEntry& p : system.Processes()) EXPECT_NE(p.pid, ::getpid());
}

// The restart starts the program folder's client a moment later, also from a folder whose name
// holds a blank; a program folder that is gone is an error, never a silent nothing.
TEST(QtGradingSystem, RestartStartsTheClientOrSaysWhyNot) {
  TempFolder tmp;
  const std::filesystem::path folder = tmp.Path() / "exam client";
  std::filesystem::create_directories(folder);
  const std::filesystem::path client = folder / "kirv";
  std::ofstream(client) << "#!/bin/sh\ntouch started\n";
  std::filesystem::permissions(client, std::filesystem::perms::owner_all);
  QtGradingSystem system;
  const std::string programFolder = tmp.Windows("exam client") + "\\";
  const base::Status started = system.Restart(programFolder);
  ASSERT_TRUE(started) << started.error().message;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!std::filesystem::exists(folder / "started") &&
         std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_TRUE(std::filesystem::exists(folder / "started"));

  const base::Status gone = system.Restart(tmp.Windows("no such folder") + "\\");
  ASSERT_FALSE(gone);
  EXPECT_NE(gone.error().message.find("no such folder"), std::string::npos) << gone.error().message;
}

}  // namespace
