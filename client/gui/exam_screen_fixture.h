// For tests of the exam screen: a throw-away installation (settings file, exam database, question
// files) with the client's globals pointed at it, and one candidate "0101".
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "client/db/ado_connection.h"
#include "client/db/exam_database.h"
#include "client/exam_pane_data.h"
#include "client/globals.h"
#include "client/system_utils.h"
#include "platform/ui/testing/qt_test_app.h"
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
    programFolderEnv_.emplace("KIRV_PROGRAM_FOLDER", host_);
    InitPaths();
    ASSERT_TRUE(CreateExamDatabase(ProgramFolder + "db\\kirv.mdb"));
    InitGlobals(ProgramFolder);
    ExamCode = "0101";
    StudentFolder = ProgramFolder + "exam\\0101\\";
    CandidateName = "未知";
  }
  void TearDown() override {
    CloseDatabase();
    programFolderEnv_.reset();
    win::testing::RemoveTempFolder(host_);
  }
  void Sql(const std::string& sql) { ASSERT_NE(ExamDatabase.Execute(sql), nullptr) << sql; }
  void Question(const std::string& name, const std::string& rtf) {
    std::ofstream(host_ / "Data" / "Paper" / name, std::ios::binary) << rtf;
  }
  // A candidate with the remaining time and paper list.
  void Candidate(int timeLeft, const std::string& papers) {
    Sql("insert into [Stu](examcode, TimeLeft, Papers, State) values ('0101', " +
        std::to_string(timeLeft) + ", '" + papers + "', 1)");
  }
  int StoredTimeLeft() {
    int timeLeft = -1;
    std::string papers;
    ReadCandidateExam("0101", timeLeft, papers);
    return timeLeft;
  }
  std::filesystem::path host_;
  std::optional<win::testing::ScopedEnv> programFolderEnv_;
};
