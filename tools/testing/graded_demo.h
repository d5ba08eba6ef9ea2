// Tests only: a demo installation whose controls are registered from its Ocx folder with its
// regsvr32, as the client does at start-up, with what the end-to-end tests of its papers share:
// the exam database, a paper's archive unpacked into a candidate folder on drive D:, and the
// grading dialog's whole run for a candidate.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "client/exam/exam_session.h"
#include "client/grading/grading_flow.h"
#include "client/store/ado_exam_store.h"
#include "client/store/db/ado_connection.h"
#include "client/store/db/ado_record_set.h"
#include "client/testing/null_grading_system.h"
#include "platform/win/paths.h"
#include "platform/win/testing/scoped_env.h"
#include "tools/testing/demo_installation.h"

class GradedDemo : public DemoInstallation {
 protected:
  void SetUp() override {
    DemoInstallation::SetUp();
    if (HasFatalFailure()) return;
    registry_.emplace("KIRV_REGISTRY", (Scratch() / "registry.ini").string());
    attributes_.emplace("KIRV_ATTRIBUTE_STORE", (Scratch() / "attributes").string());
    // Every control of the Ocx folder, by bare name with that folder current.
    const std::filesystem::path ocx = Install() / "Ocx";
    for (const auto& entry : std::filesystem::directory_iterator(ocx)) {
      if (entry.path().extension() != ".ocx") continue;
      const std::string command = "cd '" + ocx.string() + "' && '" +
                                  (Install() / "regsvr32").string() + "' /s " +
                                  entry.path().filename().string();
      ASSERT_EQ(std::system(command.c_str()), 0) << command;
    }
  }
  void TearDown() override {
    attributes_.reset();
    registry_.reset();
  }

  // The installation's exam database.
  static void OpenExamDatabase(CAdoConnection& db) {
    ASSERT_TRUE(db.OpenJet(win::ToWindowsPath(Install() / "db/kirv.mdb"),
                           std::string(kExamDatabasePassword)))
        << db.GetLastError();
  }

  // Gives the candidate `code` the papers `papers` ("5-501") and the state of one examined.
  static void SetPapers(const std::string& code, const std::string& papers) {
    CAdoConnection db;
    OpenExamDatabase(db);
    ASSERT_NE(db.Execute("update [Stu] set Papers='" + papers + "', State=1 where examcode='" +
                         code + "'"),
              nullptr)
        << db.GetLastError();
  }

  // The paper's archive unpacked into a fresh candidate folder; its host path.
  static std::filesystem::path Unpack(const std::string& archive, const std::string& examCode) {
    const std::filesystem::path candidate = Install() / "drive_d" / "KirvExam" / examCode;
    std::filesystem::remove_all(candidate);
    std::filesystem::create_directories(candidate);
    const std::string command = "7za x -y -pRW5827 '-o" + candidate.string() + "' '" +
                                (Install() / "Data/Attach" / archive).string() + "' >/dev/null";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return candidate;
  }

  std::optional<win::testing::ScopedEnv> registry_, attributes_;
};

// The grading dialog's window, keeping the boxes it was told to show.
struct BoxWindow : ScoreDlgWindow {
  std::vector<std::string> boxes;
  void Show(const ScoreDlgState&) override {}
  void Message(const std::string& text) override { boxes.push_back(text); }
  void StartTimer(int, int) override {}
  void StopTimer(int) override {}
  void EndDialog(int) override {}
  com::WindowHandle ControlParent() override { return this; }
};

// What the grading dialog's run left: its result, its list lines and the scrambled score.
struct DialogRun {
  int result = 0;
  std::vector<std::string> lines;
  std::string encodedScore;
};

// The grading dialog's whole run for a candidate of the demo's database, with the program folder
// and drive D: of the installation (KIRV_PROGRAM_FOLDER, KIRV_DRIVE_D); no box may be shown.
inline DialogRun GradeInDialog(const std::string& code) {
  ExamSession session;
  session.Start(InitPaths());
  session.ReadProcessLists();
  BoxWindow window;
  NullGradingSystem machine;
  GradingFlow flow(session, {code, "D:\\KirvExam\\" + code + "\\"}, window, machine);
  DialogRun run;
  run.result = flow.GradeAll(code);
  session.Close();
  EXPECT_TRUE(window.boxes.empty()) << window.boxes.front();
  run.lines = flow.State().lines;
  run.encodedScore = flow.EncodedScore();
  return run;
}
