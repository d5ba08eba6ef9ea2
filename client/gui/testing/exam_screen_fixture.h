// For tests of the exam screen: a throw-away installation (settings file, exam database, question
// files) with an exam session started on it, and one candidate "0101" let in.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "client/common/system_utils.h"
#include "client/exam/exam_session.h"
#include "client/store/ado_exam_store.h"
#include "client/store/db/exam_database.h"
#include "platform/ui/testing/qt_test_app.h"
#include "platform/win/testing/scoped_env.h"
#include "platform/win/testing/test_folder.h"

class ExamScreenFixture : public ::testing::Test {
 protected:
  // `ini` is the [KIRV] section's body.
  void MakeInstallation(const std::string& ini = "") {
    ui::TestApp();
    host_ = win::testing::MakeTempFolder("exam_screen_");
    std::filesystem::create_directories(host_ / "db");
    std::filesystem::create_directories(host_ / "Data" / "Paper");
    std::filesystem::create_directories(host_ / "exam" / "0101");
    std::ofstream(host_ / "KIRV.ini") << "[KIRV]\r\n" << ini;
    programFolderEnv_.emplace("KIRV_PROGRAM_FOLDER", host_.string());
    PathGlobals paths = InitPaths();
    const base::Status created = CreateExamDatabase(paths.ProgramFolder + "db\\kirv.mdb");
    ASSERT_TRUE(created) << created.error().message;
    session_.Start(paths);
    session_.BeginExam({"0101", "未知", ProgramFolder() + "exam\\0101\\", 0, ""});
  }
  void TearDown() override {
    session_.Close();
    programFolderEnv_.reset();
    win::testing::RemoveTempFolder(host_);
  }
  const std::string& ProgramFolder() const { return session_.ProgramFolder(); }
  const std::string& StudentFolder() const { return session_.Candidate().studentFolder; }
  CAdoConnection& Database() { return static_cast<AdoExamStore&>(session_.Store()).Connection(); }
  void Sql(const std::string& sql) { ASSERT_NE(Database().Execute(sql), nullptr) << sql; }
  void Question(const std::string& name, const std::string& rtf) {
    std::ofstream(host_ / "Data" / "Paper" / name, std::ios::binary) << rtf;
  }
  // A candidate with the remaining time and paper list.
  void Candidate(int timeLeft, const std::string& papers) {
    Sql("insert into [Stu](examcode, TimeLeft, Papers, State) values ('0101', " +
        std::to_string(timeLeft) + ", '" + papers + "', 1)");
  }
  int StoredTimeLeft() {
    auto row = session_.Store().FindCandidate("0101");
    return row && *row ? (*row)->timeLeft : -1;
  }
  ExamSession session_;
  std::filesystem::path host_;
  std::optional<win::testing::ScopedEnv> programFolderEnv_;
};
